// Windows: the library entry (DllMain) gives each thread its buffer in a TLS
// slot and frees it when the thread ends; the locks are critical sections
// constructed by static initialisation.
#if defined(_WIN32)

#include <windows.h>

#include "frame/thread_buffer.h"
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

}  // namespace

void ZablokujBudowe() { EnterCriticalSection(&g_build.cs); }
void OdblokujBudowe() { LeaveCriticalSection(&g_build.cs); }
void ZablokujRejestr() { EnterCriticalSection(&g_registry.cs); }
void OdblokujRejestr() { LeaveCriticalSection(&g_registry.cs); }

void* WartoscWatku() { return g_tls == TLS_OUT_OF_INDEXES ? nullptr : TlsGetValue(g_tls); }
void UstawWartoscWatku(void* value) {
    if (g_tls != TLS_OUT_OF_INDEXES) TlsSetValue(g_tls, value);
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
