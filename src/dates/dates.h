// Date texts, today's date and the period test used by every check.
#pragma once

#include "dates/period.h"
#include "frame/result.h"

namespace kod {

// Today's date number YYYYMMDD in local time (thread-safe conversion).
int Dzisiaj();

// The form checks and conversions of date texts behind the sl_PoprawnaData_
// and sl_PrzeksztalcDate_ exports. A check returns kDataPoprawna, kDataBrak
// for a null text, or the status code of the first fault; a conversion gives
// kDataBrak (-1) for a null text, today's date (month, day-month) for an ill-formed one.
int PoprawnaDataDDMMRRRR(const KChar* text);
int PoprawnaDataMMRRRR(const KChar* text);
int PoprawnaDataDDMM(const KChar* text);
int PrzeksztalcDateDDMMRRRR(const KChar* text);
int PrzeksztalcDateMMRRRR(const KChar* text);
int PrzeksztalcDateDDMM(const KChar* text);

// The value of a date text checked once: a well-formed DDMMRRRR text gives
// its date number YYYYMMDD (day = true), else a well-formed MMRRRR text its
// month number YYYYMM (day = false), else 0. A day of a year below 100 keeps
// its small value; day tells its form.
int WartoscDaty(const KChar* text, bool& day);

// The value of a date text that is no date (WartoscDaty, WartoscOdniesienia,
// DataWedlugDlugosci); no date number or month number is 0.
constexpr int kBezDaty = 0;

// A date text read by its length: "MMRRRR" gives YYYYMM, "DDMMRRRR"
// YYYYMMDD (an ill-formed text of either length the current month or day),
// any other length or null 0 (no date). Reads at most nine characters.
int DataWedlugDlugosci(const KChar* text);

// Reference value of a date text used by the checks: a well-formed DDMMRRRR
// text gives its date number, else a well-formed MMRRRR text its month
// number, else (null or ill-formed) 0.
int WartoscOdniesienia(const KChar* date);

// The shared walk over a null-terminated list of date texts used by the form
// checks and the obligation rules. The list comes from a source with
// Restart() and Next() (null at the end), handed in at its beginning (as
// constructed): ZrodloDatTablica over an array,
// ZrodloDatVa over a va_list (walked twice through va_copy, so a list of any
// length needs no storage). when no text of the list is a well-formed
// DDMMRRRR or MMRRRR date, every element is replaced by today's date (as a
// day value); otherwise texts valid in neither form are skipped. For each
// date the visitor gets the value (YYYYMMDD for 8-character texts, YYYYMM for
// 6-character texts); each text is checked once. A clock that cannot be read
// (today 0) stops the walk with kListaBlad. The visitor returns kListaDalej to go on or any other value
// to stop with it. Returns kListaKoniec when the list was walked to its end,
// kListaPusta when it holds no text at all.
// A visitor that takes (int value, bool is_day) also learns the form of the
// text: a day text of a year below 100 gives a value below 1000000.
constexpr int kListaDalej = 1;
constexpr int kListaKoniec = 2;
constexpr int kListaBlad = 3;
constexpr int kListaPusta = 4;
template <class Source, class Visitor>
int PrzejdzListeDat(Source& dates, Visitor&& visit);

}  // namespace kod

#include "dates/date_list.inl"
