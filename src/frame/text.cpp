#include "frame/text.h"

#include <climits>
#include <initializer_list>

namespace kod {

bool KodSzesciocyfrowy(KChar (&out)[7], const KChar* a, const KChar* b, const KChar* c) {
    if (!a || !b || !c) return false;
    int n = 0;
    for (const KChar* part : {a, b, c}) {
        for (; *part; ++part) {
            if (n == 6 || !IsDigit(*part)) return false;  // a seventh character, or not a digit
            out[n++] = *part;
        }
    }
    out[n] = 0;
    return n == 6;
}

long TextToLong(const KChar* s) {
    if (!s) return 0;
    // White space as the C runtime sees it in the "C" locale.
    while (*s == ' ' || (*s >= '\t' && *s <= '\r')) ++s;
    bool negative = false;
    if (*s == '+' || *s == '-') {
        negative = (*s == '-');
        ++s;
    }
    // Accumulate as unsigned and clamp, so that a long run of digits never
    // overflows; a benefit code has three digits.
    unsigned long long value = 0;
    for (; IsDigit(*s); ++s) {
        if (value < 1000000000ULL) value = value * 10 + static_cast<unsigned long long>(*s - '0');
    }
    if (value > static_cast<unsigned long long>(INT_MAX)) value = INT_MAX;
    return negative ? -static_cast<long>(value) : static_cast<long>(value);
}

}  // namespace kod
