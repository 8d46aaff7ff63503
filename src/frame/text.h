// Texts of the build's character type and small helpers shared by every module.
#pragma once

#ifndef KODOWNIK_BUILDING
#define KODOWNIK_BUILDING 1
#endif
#include "kodownik/kodownik.h"

#include <cstddef>

#include "platform/platform.h"  // KOD_EXPORT

namespace kod {

#ifdef KODOWNIK_WIDE
constexpr bool kWide = true;
#else
constexpr bool kWide = false;
#endif

// Numeric value of one character, 0..65535 in W, 0..255 in A.
inline unsigned CharValue(KChar c) {
    return kWide ? static_cast<unsigned>(c) : static_cast<unsigned char>(c);
}

inline bool IsDigit(KChar c) { return c >= '0' && c <= '9'; }

// Length of a NUL-terminated text; null counts as empty.
inline std::size_t TextLength(const KChar* s) {
    if (!s) return 0;
    std::size_t n = 0;
    while (s[n]) ++n;
    return n;
}

// Length, but stops counting at limit+1 so that an over-long text is never
// walked further than the caller needs.
inline std::size_t TextLengthUpTo(const KChar* s, std::size_t limit) {
    if (!s) return 0;
    std::size_t n = 0;
    while (n <= limit && s[n]) ++n;
    return n;
}

// Exact comparison of whole texts; two nulls are not equal to anything.
inline bool TextEqual(const KChar* a, const KChar* b) {
    if (!a || !b) return false;
    while (*a && *a == *b) { ++a; ++b; }
    return *a == *b;
}

// Text equality against an ASCII literal.
inline bool TextEqualAscii(const KChar* a, const char* b) {
    if (!a || !b) return false;
    while (*a && static_cast<unsigned>(*a) == static_cast<unsigned char>(*b)) { ++a; ++b; }
    return *a == 0 && *b == 0;
}

// True when the text starts with the ASCII prefix.
inline bool TextStartsWithAscii(const KChar* s, const char* prefix) {
    if (!s) return false;
    for (; *prefix; ++prefix, ++s) {
        if (*s == 0 || static_cast<unsigned>(*s) != static_cast<unsigned char>(*prefix)) return false;
    }
    return true;
}

// A code of digits only: exactly `length` of them (read no further than one
// past that), or any number of them, none included, when length is 0. A
// null code or a negative length is not one.
inline bool KodCyfrowy(const KChar* code, int length) {
    if (!code || length < 0) return false;
    if (length > 0) {
        // One pass: a NUL before the last position is not a digit.
        for (int i = 0; i < length; ++i) {
            if (!IsDigit(code[i])) return false;
        }
        return code[length] == 0;
    }
    for (const KChar* p = code; *p; ++p) {
        if (!IsDigit(*p)) return false;
    }
    return true;
}

// A six-digit code joined from three parts (an insurance title from its
// four digits, the pension-right digit and the disability digit): true when
// the parts together are exactly six digits, written to out with the NUL.
// A null part fails; no part is read past a seventh character.
bool KodSzesciocyfrowy(KChar (&out)[7], const KChar* a, const KChar* b, const KChar* c);

// The runtime's decimal conversion (_wtol / atol): leading white space,
// an optional sign, digits up to the first other character; 0 without digits.
long TextToLong(const KChar* s);

}  // namespace kod
