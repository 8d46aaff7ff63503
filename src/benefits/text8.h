// An 8-bit text argument of a bw_ entry point as a text of the build's type.
#pragma once

#include "frame/text.h"
#include "platform/platform.h"

namespace kod {

// The longest bw_ text Kodownik_W converts: 1023 characters (its buffer
// holds them and the NUL).
constexpr int kZnakiTekstu8 = 1023;

// Kodownik_A uses the bytes unchanged, whatever their length. Kodownik_W
// converts them into a buffer on the caller's stack, reading a text no
// further than its buffer: a text longer than kZnakiTekstu8 characters,
// like a null text and one that cannot be converted, becomes null.
class Tekst8 {
public:
    explicit Tekst8(const char* text, bool ansi = false) {
#ifdef KODOWNIK_WIDE
        text_ = platform::Na16Bitow(text, buffer_, kZnakiTekstu8 + 1, ansi) ? buffer_ : nullptr;
#else
        (void)ansi;
        text_ = text;
#endif
    }
    Tekst8(const Tekst8&) = delete;
    Tekst8& operator=(const Tekst8&) = delete;

    const KChar* get() const { return text_; }

private:
#ifdef KODOWNIK_WIDE
    KChar buffer_[kZnakiTekstu8 + 1];
#endif
    const KChar* text_;
};

}  // namespace kod
