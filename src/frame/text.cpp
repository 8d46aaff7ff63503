#include "frame/text.h"

#include <climits>
#include <initializer_list>

namespace kod {

bool KodCyfrowy(const KChar* code, int length) {
    if (!code || length < 0) return false;
    if (length > 0) {
        // One pass: a NUL before the last position is not a digit.
        const std::size_t limit = static_cast<std::size_t>(length);
        for (std::size_t i = 0; i < limit; ++i) {
            if (!IsDigit(code[i])) return false;
        }
        return code[limit] == 0;
    }
    for (const KChar* p = code; *p; ++p) {
        if (!IsDigit(*p)) return false;
    }
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

int JoinTexts(KChar* out, int cap, const KChar* a, const KChar* b, const KChar* c) {
    if (!out || cap <= 0 || !a || !b || !c) return -1;
    int n = 0;
    for (const KChar* part : {a, b, c}) {
        for (; *part; ++part) {
            if (n + 1 >= cap) return -1;
            out[n++] = *part;
        }
    }
    out[n] = 0;
    return n;
}

}  // namespace kod
