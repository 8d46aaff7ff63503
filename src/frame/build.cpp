// The one-time build: every table filled at run time is built once, under
// the build lock, on the first call that needs it.
#include "frame/build.h"

#include <atomic>

#include "platform/platform.h"

namespace kod {
namespace {

std::atomic<bool> g_zbudowane{false};

}  // namespace

void ZbudujSlowniki() {
    if (g_zbudowane.load(std::memory_order_acquire)) return;
    platform::ZablokujBudowe();
    if (!g_zbudowane.load(std::memory_order_relaxed)) {
        UruchomBudowniczych();
        g_zbudowane.store(true, std::memory_order_release);
    }
    platform::OdblokujBudowe();
}

bool SlownikiZbudowane() { return g_zbudowane.load(std::memory_order_acquire); }

}  // namespace kod
