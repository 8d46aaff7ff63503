// The earliest and the latest of several DDMMRRRR texts.
#include <cstdarg>

#include "dates/dates.h"

namespace {

// Walks the list and returns the text of the best date by `better`, or the
// fallback when no text is a well-formed DDMMRRRR date. Of equal dates the
// first keeps its place.
template <class Better>
const KChar* WybierzDate(const KChar* fallback, kod::ZrodloDatVa& dates, Better better) {
    const KChar* chosen = nullptr;
    int best = 0;
    dates.Restart();
    while (const KChar* text = dates.Next()) {
        if (kod::PoprawnaDataDDMMRRRR(text) != kod::kDataPoprawna) continue;
        const int date = kod::PrzeksztalcDateDDMMRRRR(text);
        if (!chosen || better(date, best)) {
            chosen = text;
            best = date;
        }
    }
    return chosen ? chosen : fallback;
}

}  // namespace

extern "C" KOD_EXPORT const KChar* sl_NajwczesniejszaData(const KChar* fallback, const KChar* first, ...) {
    va_list ap;
    va_start(ap, first);
    const KChar* result;
    {
        kod::ZrodloDatVa dates(first, ap);
        result = WybierzDate(fallback, dates, [](int a, int b) { return a < b; });
    }
    va_end(ap);
    return result;
}

extern "C" KOD_EXPORT const KChar* sl_NajpozniejszaData(const KChar* fallback, const KChar* first, ...) {
    va_list ap;
    va_start(ap, first);
    const KChar* result;
    {
        kod::ZrodloDatVa dates(first, ap);
        result = WybierzDate(fallback, dates, [](int a, int b) { return a > b; });
    }
    va_end(ap);
    return result;
}
