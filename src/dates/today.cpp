// Today's date from the system clock in local time.
#include <ctime>

#include "dates/dates.h"

namespace kod {

#if defined(__wasm__)
// A WebAssembly module has no clock of its own: the host gives today's date
// in its local time as YYYYMMDD (0 when it cannot tell).
extern "C" __attribute__((import_module("env"), import_name("kodownik_today"))) int kodownik_today();

int Dzisiaj() { return kodownik_today(); }
#else
int Dzisiaj() {
    const std::time_t teraz = std::time(nullptr);
    if (teraz == static_cast<std::time_t>(-1)) return 0;
    std::tm czas{};
#if defined(_WIN32)
    if (localtime_s(&czas, &teraz) != 0) return 0;
#else
    if (!localtime_r(&teraz, &czas)) return 0;
#endif
    return (czas.tm_year + 1900) * 10000 + (czas.tm_mon + 1) * 100 + czas.tm_mday;
}
#endif

}  // namespace kod

namespace {

// Writes the last n decimal digits of v (zero-padded) to out.
void Cyfry(KChar* out, int v, int n) {
    for (int i = n - 1; i >= 0; --i) {
        out[i] = static_cast<KChar>('0' + v % 10);
        v /= 10;
    }
}

}  // namespace

extern "C" KOD_EXPORT int sl_Now(KChar* buffer) {
    const int dzis = kod::Dzisiaj();
    if (buffer) {
        // DDMMRRRR: the clock gives a year of four digits; a wider one would
        // not fit the caller's nine characters, so exactly 8 digits are
        // written whatever the clock says.
        const int v = dzis < 0 ? 0 : dzis;
        Cyfry(buffer, v % 100, 2);
        Cyfry(buffer + 2, v / 100 % 100, 2);
        Cyfry(buffer + 4, v / 10000 % 10000, 4);
        buffer[8] = 0;
    }
    return dzis;
}
