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
    // The usual shape first: four digits, one and one.
    if (IsDigit(a[0]) && IsDigit(a[1]) && IsDigit(a[2]) && IsDigit(a[3]) && a[4] == 0 && IsDigit(b[0]) &&
        b[1] == 0 && IsDigit(c[0]) && c[1] == 0) {
        out[0] = a[0], out[1] = a[1], out[2] = a[2], out[3] = a[3], out[4] = b[0], out[5] = c[0], out[6] = 0;
        return true;
    }
    int n = 0;
    if (!DopiszCyfry(out, n, a) || !DopiszCyfry(out, n, b) || !DopiszCyfry(out, n, c) || n != 6) return false;
    out[6] = 0;
    return true;
}

long TextToLong(const KChar* s) {
    if (!s) return 0;
    // The usual text, a code of three digits, read directly; each character
    // only after the one before it was a digit.
    if (IsDigit(s[0]) && IsDigit(s[1]) && IsDigit(s[2]) && !IsDigit(s[3]))
        return (s[0] - '0') * 100L + (s[1] - '0') * 10L + (s[2] - '0');
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
