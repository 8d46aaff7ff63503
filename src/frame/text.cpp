#include "frame/text.h"

#include <climits>
#include <initializer_list>

namespace kod {

namespace {

// Appends the digits of one part; false at a non-digit or a seventh character.
inline bool DopiszCyfry(KChar (&out)[7], int& n, const KChar* part) {
    for (; *part; ++part) {
        if (n == 6 || !IsDigit(*part)) return false;
        out[n++] = *part;
    }
    return true;
}

}  // namespace

bool KodSzesciocyfrowy(KChar (&out)[7], const KChar* a, const KChar* b, const KChar* c) {
    if (!a || !b || !c) return false;
    int n = 0;
    if (!DopiszCyfry(out, n, a) || !DopiszCyfry(out, n, b) || !DopiszCyfry(out, n, c) || n != 6) return false;
    out[6] = 0;
    return true;
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
