// The period test and the reference value of a date text.
#include "dates/dates.h"

namespace kod {

bool DataWOkresie(int r, int from, int to) {
    if (r > 999999) return from <= r && r <= to;
    return from / 100 <= r && r <= to / 100;
}

int WartoscOdniesienia(const KChar* date) {
    if (!date) return 0;
    if (sl_PoprawnaData_DDMMRRRR(date) == 0) {
        // A day of a year below 100 spells a number that the period test
        // would take for a month (01010050 -> 500101, "January 5001").
        // It lies before every stored period: keep it a day value.
        const int day = sl_PrzeksztalcDate_DDMMRRRR(date);
        return day > 999999 ? day : 1000000;
    }
    if (sl_PoprawnaData_MMRRRR(date) == 0) return sl_PrzeksztalcDate_MMRRRR(date);
    return 0;
}

}  // namespace kod
