// The earliest and the latest of several DDMMRRRR texts.
#include <cstdarg>

#include "dates/dates.h"

namespace {

// Walks the list and returns the text of the best date by `lepsza`, or the
// fallback when no text is a well-formed DDMMRRRR date. Of equal dates the
// first keeps its place.
template <class Lepsza>
const KChar* WybierzDate(const KChar* fallback, kod::ZrodloDatVa& daty, Lepsza lepsza) {
    const KChar* wybrana = nullptr;
    int najlepsza = 0;
    daty.Restart();
    while (const KChar* tekst = daty.Next()) {
        if (sl_PoprawnaData_DDMMRRRR(tekst) != 0) continue;
        const int data = sl_PrzeksztalcDate_DDMMRRRR(tekst);
        if (!wybrana || lepsza(data, najlepsza)) {
            wybrana = tekst;
            najlepsza = data;
        }
    }
    return wybrana ? wybrana : fallback;
}

}  // namespace

extern "C" KOD_EXPORT const KChar* sl_NajwczesniejszaData(const KChar* fallback, const KChar* first, ...) {
    va_list ap;
    va_start(ap, first);
    const KChar* wynik;
    {
        kod::ZrodloDatVa daty(first, ap);
        wynik = WybierzDate(fallback, daty, [](int a, int b) { return a < b; });
    }
    va_end(ap);
    return wynik;
}

extern "C" KOD_EXPORT const KChar* sl_NajpozniejszaData(const KChar* fallback, const KChar* first, ...) {
    va_list ap;
    va_start(ap, first);
    const KChar* wynik;
    {
        kod::ZrodloDatVa daty(first, ap);
        wynik = WybierzDate(fallback, daty, [](int a, int b) { return a > b; });
    }
    va_end(ap);
    return wynik;
}
