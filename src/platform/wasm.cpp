// WebAssembly: the module runs on one thread (a browser page or a Node
// isolate), so the locks guard nothing and the thread-local slot is one
// plain variable. The text buffer is created on first use, like a new POSIX
// thread's. Conversion of 8-bit text is the built-in Windows-1250 table of
// codepage_posix.cpp, which has no system dependency.
#if defined(__wasm__)

#include "platform/platform.h"

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

}  // namespace platform
}  // namespace kod

// The memory grows when a host passes large arguments; the host renews its
// views of the memory by itself, so the growth needs no notice and the
// module imports nothing for it.
extern "C" void emscripten_notify_memory_growth(unsigned long) {}

#endif
