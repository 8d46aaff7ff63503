// Windows: 8-bit text of the bw_ entry points to UTF-16 with
// MultiByteToWideChar. The code page is decided on the first conversion of
// the process: the calling thread's ANSI code page (CP_THREAD_ACP) on
// Windows NT 5 and later; otherwise, at each conversion, the default ANSI
// code page of the thread's locale, or GetACP() when that is unknown. The
// decision is a function pointer installed by an interlocked exchange, so
// threads racing through the first conversion end with the same choice.
#if defined(_WIN32)

#include <windows.h>

#include "platform/platform.h"

namespace kod {
namespace platform {
namespace {

typedef UINT (*WyborStrony)();

UINT StronaWatku() { return CP_THREAD_ACP; }

UINT StronaLokalizacji() {
    char bufor[7] = {};
    const int n = GetLocaleInfoA(GetThreadLocale(), LOCALE_IDEFAULTANSICODEPAGE, bufor, sizeof bufor);
    UINT strona = 0;
    for (int i = 0; i < n && bufor[i] >= '0' && bufor[i] <= '9'; ++i)
        strona = strona * 10 + static_cast<UINT>(bufor[i] - '0');
    return strona != 0 ? strona : GetACP();
}

UINT StronaPierwszejKonwersji();

void* volatile g_wybor = reinterpret_cast<void*>(&StronaPierwszejKonwersji);

UINT StronaPierwszejKonwersji() {
    OSVERSIONINFOA wersja;
    ZeroMemory(&wersja, sizeof wersja);
    wersja.dwOSVersionInfoSize = sizeof wersja;
    WyborStrony wybor = &StronaLokalizacji;
    if (GetVersionExA(&wersja) && wersja.dwPlatformId == VER_PLATFORM_WIN32_NT && wersja.dwMajorVersion >= 5)
        wybor = &StronaWatku;
    InterlockedExchangePointer(&g_wybor, reinterpret_cast<void*>(wybor));
    return wybor();
}

// StronaKodowaKonwersji: the code page of the next conversion.
UINT StronaKodowaKonwersji() {
    void* p = InterlockedCompareExchangePointer(&g_wybor, nullptr, nullptr);
    return reinterpret_cast<WyborStrony>(p)();
}

}  // namespace

bool Na16Bitow(const char* text, char16_t* out, int cap, bool ansi) {
    if (!text || !out || cap <= 0) return false;
    int n = 0;
    while (n < cap && text[n]) ++n;
    if (n >= cap) return false;
    if (n > 0) {
        const UINT strona = ansi ? CP_ACP : StronaKodowaKonwersji();
        // A single-, double-byte or UTF-8 code page gives at most one unit per byte.
        n = MultiByteToWideChar(strona, ansi ? MB_PRECOMPOSED : 0, text, n, reinterpret_cast<LPWSTR>(out), cap - 1);
        if (n <= 0) return false;
    }
    out[n] = 0;
    return true;
}

}  // namespace platform
}  // namespace kod

#endif
