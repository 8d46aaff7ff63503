// Windows: the library entry (DllMain) gives each thread its buffer in a TLS
// slot and frees it when the thread ends; the locks are critical sections
// constructed by static initialisation.
//
// 8-bit text of the bw_ entry points becomes UTF-16 through
// MultiByteToWideChar. The code page is decided on the first conversion of
// the process: the calling thread's ANSI code page (CP_THREAD_ACP) on
// Windows NT 5 and later; otherwise, at each conversion, the default ANSI
// code page of the thread's locale, or GetACP() when that is unknown. The
// decision is a function pointer installed by an interlocked exchange, so
// threads racing through the first conversion end with the same choice.
#if defined(_WIN32)

#include <windows.h>

#include <ctime>

#include "platform/platform.h"

namespace kod {
namespace platform {
namespace {

struct SekcjaKrytyczna {
    CRITICAL_SECTION cs;
    SekcjaKrytyczna() { InitializeCriticalSection(&cs); }
    ~SekcjaKrytyczna() { DeleteCriticalSection(&cs); }
};
SekcjaKrytyczna g_build;
SekcjaKrytyczna g_registry;
DWORD g_tls = TLS_OUT_OF_INDEXES;

typedef UINT (*WyborStrony)();

UINT StronaWatku() { return CP_THREAD_ACP; }

UINT StronaLokalizacji() {
    char buffer[7] = {};
    const int n = GetLocaleInfoA(GetThreadLocale(), LOCALE_IDEFAULTANSICODEPAGE, buffer, sizeof buffer);
    UINT page = 0;
    for (int i = 0; i < n && buffer[i] >= '0' && buffer[i] <= '9'; ++i)
        page = page * 10 + static_cast<UINT>(buffer[i] - '0');
    return page != 0 ? page : GetACP();
}

UINT StronaPierwszejKonwersji();

void* volatile g_wybor = reinterpret_cast<void*>(&StronaPierwszejKonwersji);

UINT StronaPierwszejKonwersji() {
    OSVERSIONINFOA version;
    ZeroMemory(&version, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    WyborStrony choice = &StronaLokalizacji;
    if (GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5)
        choice = &StronaWatku;
    InterlockedExchangePointer(&g_wybor, reinterpret_cast<void*>(choice));
    return choice();
}

// StronaKodowaKonwersji: the code page of the next conversion.
UINT StronaKodowaKonwersji() {
    void* p = InterlockedCompareExchangePointer(&g_wybor, nullptr, nullptr);
    return reinterpret_cast<WyborStrony>(p)();
}

}  // namespace

void ZablokujBudowe() { EnterCriticalSection(&g_build.cs); }
void OdblokujBudowe() { LeaveCriticalSection(&g_build.cs); }
void ZablokujRejestr() { EnterCriticalSection(&g_registry.cs); }
void OdblokujRejestr() { LeaveCriticalSection(&g_registry.cs); }

void* WartoscWatku() { return g_tls == TLS_OUT_OF_INDEXES ? nullptr : TlsGetValue(g_tls); }
void UstawWartoscWatku(void* value) {
    if (g_tls != TLS_OUT_OF_INDEXES) TlsSetValue(g_tls, value);
}

int DataLokalna() {
    const std::time_t now = std::time(nullptr);
    if (now == static_cast<std::time_t>(-1)) return 0;
    std::tm local{};
    if (localtime_s(&local, &now) != 0) return 0;
    return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

bool Na16Bitow(const char* text, char16_t* out, int cap, bool ansi) {
    if (!text || !out || cap <= 0) return false;
    int n = 0;
    while (n < cap && text[n]) ++n;
    if (n >= cap) return false;
    if (n > 0) {
        const UINT page = ansi ? CP_ACP : StronaKodowaKonwersji();
        // A single-, double-byte or UTF-8 code page gives at most one unit per byte.
        n = MultiByteToWideChar(page, ansi ? MB_PRECOMPOSED : 0, text, n, reinterpret_cast<LPWSTR>(out), cap - 1);
        if (n <= 0) return false;
    }
    out[n] = 0;
    return true;
}

}  // namespace platform
}  // namespace kod

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    using namespace kod;
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            platform::g_tls = TlsAlloc();
            PrzyZaladowaniu();
            break;
        case DLL_THREAD_ATTACH:
            PrzyStarcieWatku();
            break;
        case DLL_THREAD_DETACH:
            PrzyKoncuWatku(platform::WartoscWatku());
            break;
        case DLL_PROCESS_DETACH:
            PrzyWyladowaniu();
            if (platform::g_tls != TLS_OUT_OF_INDEXES) TlsFree(platform::g_tls);
            platform::g_tls = TLS_OUT_OF_INDEXES;
            break;
        default:
            break;
    }
    return TRUE;
}

#endif
