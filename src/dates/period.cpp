// The values of date texts that the dated checks compare with periods.
#include "dates/dates.h"

namespace kod {

// The reference value of the checks that take one date text (the
// admissibility check, the lookups of payers, branches and contribution
// bases): the text is checked once and converted here.
int WartoscOdniesienia(const KChar* date) {
    bool day = false;
    const int value = WartoscDaty(date, day);
    // A day of a year below 100 spells a number that the period test would
    // take for a month (01010050 -> 500101, "January 5001"). It lies before
    // every stored period: keep it a day value.
    if (day && value <= 999999) return 1000000;
    return value;
}

int DataWedlugDlugosci(const KChar* text) {
    switch (TextLengthUpTo(text, 8)) {
        case 6: return PrzeksztalcDateMMRRRR(text);
        case 8: return PrzeksztalcDateDDMMRRRR(text);
        default: return kBezDaty;
    }
}

}  // namespace kod
