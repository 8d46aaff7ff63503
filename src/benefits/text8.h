// An 8-bit text argument of a bw_ entry point as a text of the build's type.
#pragma once

#include "frame/text.h"
#include "platform/platform.h"

namespace kod {

// Kodownik_A uses the bytes unchanged; Kodownik_W converts them into a
// buffer of N units on the caller's stack. Both read a text no further than
// N bytes: a null text, one of N bytes or more, and one that cannot be
// converted all become null, so both builds answer alike.
template <int N>
class Tekst8 {
public:
    explicit Tekst8(const char* text, bool ansi = false) {
#ifdef KODOWNIK_WIDE
        tekst_ = platform::Na16Bitow(text, bufor_, N, ansi) ? bufor_ : nullptr;
#else
        (void)ansi;
        // reads at most N bytes: N means "N or more"
        const std::size_t n = text ? TextLengthUpTo(text, N - 1) : N;
        tekst_ = n < static_cast<std::size_t>(N) ? text : nullptr;
#endif
    }
    Tekst8(const Tekst8&) = delete;
    Tekst8& operator=(const Tekst8&) = delete;

    const KChar* get() const { return tekst_; }

private:
#ifdef KODOWNIK_WIDE
    KChar bufor_[N];
#endif
    const KChar* tekst_;
};

constexpr int kKrotkiTekst8 = 64;    // codes, titles, date texts
constexpr int kTytulSpecjalny = 1024;  // the title of bw_KodSpecjalny

}  // namespace kod
