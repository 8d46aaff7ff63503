// Today's date from the system clock in local time.
#include "dates/dates.h"
#include "platform/platform.h"

namespace kod {

int Dzisiaj() { return platform::DataLokalna(); }

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
    const int today = kod::Dzisiaj();
    if (buffer) {
        // DDMMRRRR: the clock gives a year of four digits; a wider one would
        // not fit the caller's nine characters, so exactly 8 digits are
        // written whatever the clock says.
        const int v = today < 0 ? 0 : today;
        Cyfry(buffer, v % 100, 2);
        Cyfry(buffer + 2, v / 100 % 100, 2);
        Cyfry(buffer + 4, v / 10000 % 10000, 4);
        buffer[8] = 0;
    }
    return today;
}
