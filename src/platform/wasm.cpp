// WebAssembly: the module runs on one thread (a browser page or a Node
// isolate), so the locks guard nothing and the thread-local slot is one
// plain variable. The text buffer is created on first use, like a new POSIX
// thread's. Today's date comes from the host, and 8-bit text is read as
// Windows-1250 through the built-in table.
#if defined(__wasm__)

#include "platform/cp1250.h"
#include "platform/platform.h"

// A WebAssembly module has no clock of its own: the host gives today's date
// in its local time as YYYYMMDD (0 when it cannot tell).
extern "C" __attribute__((import_module("env"), import_name("kodownik_today"))) int kodownik_today();

namespace kod {
namespace platform {
namespace {

void* g_wartosc = nullptr;

}  // namespace

void ZablokujBudowe() {}
void OdblokujBudowe() {}
void ZablokujRejestr() {}
void OdblokujRejestr() {}

void* WartoscWatku() { return g_wartosc; }
void UstawWartoscWatku(void* value) { g_wartosc = value; }

int DataLokalna() { return kodownik_today(); }

bool Na16Bitow(const char* text, char16_t* out, int cap, bool /*ansi*/) { return Z1250(text, out, cap); }

}  // namespace platform
}  // namespace kod

// The memory grows when a host passes large arguments; the host renews its
// views of the memory by itself, so the growth needs no notice and the
// module imports nothing for it.
extern "C" void emscripten_notify_memory_growth(unsigned long) {}

#endif
