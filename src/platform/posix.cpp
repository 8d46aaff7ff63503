// POSIX: load and unload through constructor/destructor functions, the
// text buffer in a pthread key whose destructor frees it when a thread ends,
// locks as static mutexes. Threads get their buffer on first use (POSIX has
// no thread-start notification). 8-bit texts are converted through the
// built-in Windows-1250 table (the system has no code page of its own to
// offer). WebAssembly has its own (wasm.cpp).
#if !defined(_WIN32) && !defined(__wasm__)

#include <pthread.h>

#include <ctime>

#include "platform/cp1250.h"
#include "platform/platform.h"

namespace kod {
namespace platform {
namespace {

pthread_mutex_t g_build = PTHREAD_MUTEX_INITIALIZER;
pthread_mutex_t g_registry = PTHREAD_MUTEX_INITIALIZER;
pthread_key_t g_key;
bool g_key_ready = false;

void KoniecWatku(void* value) { PrzyKoncuWatku(value); }

__attribute__((constructor)) void Zaladowanie() {
    g_key_ready = pthread_key_create(&g_key, &KoniecWatku) == 0;
    PrzyZaladowaniu();
}

__attribute__((destructor)) void Wyladowanie() {
    PrzyWyladowaniu();
    if (g_key_ready) pthread_key_delete(g_key);
    g_key_ready = false;
}

}  // namespace

void ZablokujBudowe() { pthread_mutex_lock(&g_build); }
void OdblokujBudowe() { pthread_mutex_unlock(&g_build); }
void ZablokujRejestr() { pthread_mutex_lock(&g_registry); }
void OdblokujRejestr() { pthread_mutex_unlock(&g_registry); }

void* WartoscWatku() { return g_key_ready ? pthread_getspecific(g_key) : nullptr; }
void UstawWartoscWatku(void* value) {
    if (g_key_ready) pthread_setspecific(g_key, value);
}

int DataLokalna() {
    const std::time_t now = std::time(nullptr);
    if (now == static_cast<std::time_t>(-1)) return 0;
    std::tm local{};
    if (!localtime_r(&now, &local)) return 0;
    return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

bool Na16Bitow(const char* text, char16_t* out, int cap, bool /*ansi*/) { return Z1250(text, out, cap); }

}  // namespace platform
}  // namespace kod

#endif
