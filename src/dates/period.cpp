// The period test and the reference value of a date text.
#include "dates/dates.h"

namespace kod {

bool DataWOkresie(int r, int from, int to) {
    if (r > 999999) return from <= r && r <= to;
    return from / 100 <= r && r <= to / 100;
}

int WartoscOdniesienia(const KChar* date) {
    if (!date) return 0;
    if (sl_PoprawnaData_DDMMRRRR(date) == 0) return sl_PrzeksztalcDate_DDMMRRRR(date);
    if (sl_PoprawnaData_MMRRRR(date) == 0) return sl_PrzeksztalcDate_MMRRRR(date);
    return 0;
}

}  // namespace kod
