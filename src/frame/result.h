// The answers of the library, named: what a check returns for yes and for
// no, what the one-byte boolean exports return, and the status codes of
// the date-text checks. Every check returns one of these names, never a
// bare literal.
#pragma once

#include "frame/text.h"
#include "kodownik/kodownik.h"

namespace kod {

// The int checks (sl_PoprawnyKod, fb_KVD..., sl_Sprawdz...): 0 yes, -1 no,
// as the public header names them for host programs.
constexpr int kTak = KODOWNIK_TAK;
constexpr int kNie = KODOWNIK_NIE;
inline int Odpowiedz(bool yes) { return yes ? kTak : kNie; }

// The one-byte boolean exports (bw_..., fb_KVDKodySwiadMogaBycRazem): 1 yes, 0 no.
constexpr KodBool kTakBool = 1;
constexpr KodBool kNieBool = 0;
inline KodBool OdpowiedzBool(bool yes) { return yes ? kTakBool : kNieBool; }

// Status of a date-text check (sl_PoprawnaData_...): well-formed, null, or
// the first fault found.
constexpr int kDataPoprawna = 0;
constexpr int kDataBrak = -1;                     // null text
constexpr int kDataZlaDlugoscLubZnak = KODOWNIK_DATA_ZLY_FORMAT;  // wrong length or non-digit
constexpr int kDataZlyMiesiac = KODOWNIK_DATA_ZLY_MIESIAC;        // month outside 01..12
constexpr int kDataZlyDzien = KODOWNIK_DATA_ZLY_DZIEN;            // day 00 or past the month
constexpr int kDataZlyRok = KODOWNIK_DATA_ZLY_ROK;                // year outside 1850..2020 (MMRRRR)

}  // namespace kod
