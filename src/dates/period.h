// The period test, the one rule of every dated check (the library's and the
// command-line tool's explanations). Inline and free of tables, so that any
// layer and the tool can use it.
#pragma once

namespace kod {

// The largest value that is a month (YYYYMM); larger values are days (YYYYMMDD).
constexpr int kNajwiekszyMiesiac = 999999;

// A value and a period's bounds each have a precision: a day (YYYYMMDD) or
// a month (YYYYMM). Equal precisions compare as they stand; a month against
// day bounds compares with the bounds' months (from/100 .. to/100); a day
// against month bounds compares its month.
inline bool WOkresie(int value, bool value_is_day, int from, int to, bool bounds_are_days) {
    if (value_is_day == bounds_are_days) return from <= value && value <= to;
    if (bounds_are_days) return from / 100 <= value && value <= to / 100;  // a month against days
    return from <= value / 100 && value / 100 <= to;                       // a day against months
}

// Bounds of full dates in the precision of a value: as they stand for a
// day, their months for a month.
struct Granice {
    int from;
    int to;
};
inline Granice GraniceWPrecyzji(int from, int to, bool value_is_day) {
    return value_is_day ? Granice{from, to} : Granice{from / 100, to / 100};
}

// The usual case, bounds of full dates: r above kNajwiekszyMiesiac is a
// day, anything else a month.
inline bool DataWOkresie(int r, int from, int to) { return WOkresie(r, r > kNajwiekszyMiesiac, from, to, true); }

// A month YYYYMM against bounds of full dates.
inline bool MiesiacWOkresie(int month, int from, int to) { return WOkresie(month, false, from, to, true); }

// A query [a, b] against a period [from, to] of full dates: a <= from <= b,
// or from <= a <= to. With months the bounds are compared in their months.
inline bool ZakresNachodzi(int a, int b, int from, int to, bool months) {
    const Granice g = GraniceWPrecyzji(from, to, !months);
    return (a <= g.from && g.from <= b) || (g.from <= a && a <= g.to);
}

}  // namespace kod
