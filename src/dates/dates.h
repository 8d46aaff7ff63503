// Date texts, today's date and the period test used by every check.
#pragma once

#include "frame/text.h"

namespace kod {

// Status codes of the date-text checks.
constexpr int kDataZlaDlugoscLubZnak = 60006201;  // wrong length or non-digit
constexpr int kDataZlyMiesiac = 60005701;         // month outside 01..12
constexpr int kDataZlyDzien = 60005801;           // day 00 or past the month
constexpr int kDataZlyRok = 60006301;             // year outside 1850..2020 (MMRRRR)

// Today's date number YYYYMMDD in local time (thread-safe conversion).
int Dzisiaj();

// Period test: r > 999999 is a date number compared with [from, to];
// otherwise a month number compared with [from/100, to/100].
bool DataWOkresie(int r, int from, int to);

// Reference value of a date text used by the checks: a well-formed DDMMRRRR
// text gives its date number, else a well-formed MMRRRR text its month
// number, else (null or ill-formed) 0.
int WartoscOdniesienia(const KChar* date);

// The shared walk over a null-terminated list of date texts used by the form
// checks and the obligation rules. The list comes from a source with
// Restart() and Next() (null at the end): ZrodloDatTablica over an array,
// ZrodloDatVa over a va_list (walked twice through va_copy, so a list of any
// length needs no storage). when no text of the list is a well-formed
// DDMMRRRR or MMRRRR date, every element is replaced by today's date (as a
// day value); otherwise texts valid in neither form are skipped. For each
// date the visitor gets the value (YYYYMMDD for 8-character texts, YYYYMM for
// 6-character texts). A value of another length or 0 stops the walk with
// kListaBlad. The visitor returns kListaDalej to go on or any other value
// to stop with it. Returns kListaKoniec when the list was walked to its end.
// A visitor that takes (int value, bool is_day) also learns the form of the
// text: a day text of a year below 100 gives a value below 1000000.
constexpr int kListaDalej = 1;
constexpr int kListaKoniec = 2;
constexpr int kListaBlad = 3;
template <class Source, class Visitor>
int PrzejdzListeDat(Source& dates, Visitor&& visit);

}  // namespace kod

#include "dates/date_list.inl"
