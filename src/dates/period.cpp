// The period test and the reference value of a date text.
#include "dates/dates.h"

namespace kod {

bool DataWOkresie(int r, int from, int to) {
    if (r > 999999) return from <= r && r <= to;
    return from / 100 <= r && r <= to / 100;
}

namespace {

// Value of n digits starting at s; the caller has checked they are digits.
int Cyfry(const KChar* s, int n) {
    int v = 0;
    for (int i = 0; i < n; ++i) v = v * 10 + static_cast<int>(s[i] - '0');
    return v;
}

}  // namespace

// Every dated check calls this: a text that passed its form check is
// converted here directly, not by the conversion export, which would check
// it a second time.
int WartoscOdniesienia(const KChar* date) {
    if (!date) return 0;
    if (sl_PoprawnaData_DDMMRRRR(date) == 0) {
        // A day of a year below 100 spells a number that the period test
        // would take for a month (01010050 -> 500101, "January 5001").
        // It lies before every stored period: keep it a day value.
        const int day = Cyfry(date + 4, 4) * 10000 + Cyfry(date + 2, 2) * 100 + Cyfry(date, 2);
        return day > 999999 ? day : 1000000;
    }
    if (sl_PoprawnaData_MMRRRR(date) == 0) return Cyfry(date + 2, 4) * 100 + Cyfry(date, 2);
    return 0;
}

}  // namespace kod
