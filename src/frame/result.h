// The answers of the library, named: what a check returns for yes and for
// no, what the one-byte boolean exports return, and the status codes of
// the date-text checks. Every check returns one of these names, never a
// bare literal.
#pragma once

#include "frame/text.h"

namespace kod {

// The int checks (sl_PoprawnyKod, fb_KVD..., sl_Sprawdz...): 0 yes, -1 no.
constexpr int kTak = 0;
constexpr int kNie = -1;
inline int Odpowiedz(bool yes) { return yes ? kTak : kNie; }

// The one-byte boolean exports (bw_..., fb_KVDKodySwiadMogaBycRazem): 1 yes, 0 no.
constexpr KodBool kTakBool = 1;
constexpr KodBool kNieBool = 0;
inline KodBool OdpowiedzBool(bool yes) { return yes ? kTakBool : kNieBool; }

// Status of a date-text check (sl_PoprawnaData_...): well-formed, null, or
// the first fault found.
constexpr int kDataPoprawna = 0;
constexpr int kDataBrak = -1;                     // null text
constexpr int kDataZlaDlugoscLubZnak = 60006201;  // wrong length or non-digit
constexpr int kDataZlyMiesiac = 60005701;         // month outside 01..12
constexpr int kDataZlyDzien = 60005801;           // day 00 or past the month
constexpr int kDataZlyRok = 60006301;             // year outside 1850..2020 (MMRRRR)

}  // namespace kod
