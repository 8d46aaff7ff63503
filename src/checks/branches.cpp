// The ZUS branch table: the one-time build clears the 100 slots and sets the
// occupied ones from the generated list; nothing changes afterwards.
#include "checks/branches.h"

namespace kod {
namespace {

const OddzialZUS* g_sloty[kSlotyNIPZUS];

}  // namespace

void BudujSlownikNIPZUS() {
    for (auto& s : g_sloty) s = nullptr;
    for (unsigned int i = 0; i < kOddzialyZUSCount; ++i) {
        const OddzialZrodlowy& o = kOddzialyZUS[i];
        if (o.slot >= 0 && o.slot < kSlotyNIPZUS) g_sloty[o.slot] = &o.record;
    }
}

const OddzialZUS* SlotNIPZUS(int i) { return (i >= 0 && i < kSlotyNIPZUS) ? g_sloty[i] : nullptr; }

}  // namespace kod
