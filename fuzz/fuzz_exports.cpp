// libFuzzer target: arbitrary bytes become a sequence of up to 16 calls of
// any of the 59 exports (see the byte format in tests/harness/case.cpp):
// texts of any length and content, null pointers, any integers, variadic
// lists of 0 to 300 dates, trie slots from the library's own lookups. Every
// returned text and record is read in full, so that AddressSanitizer sees a
// result that is not properly terminated or points at freed memory.
// Built once per text type, linked with the library's objects.
//
// KODOWNIK_FUZZ_FIRST_SLOTS_ONLY=1 in the environment passes a slot's child
// node instead of the slot, so that a run spends its calls on whole nodes
// only. Without it, slots that are not the first of their node are passed
// too; the library rejects them (WnetrzeWezla), and the fuzzer checks that.
#include <cstdlib>

#define HARNESS_LINKED 1
#include "harness/call.h"

namespace {

HARNESS_NS::Bound Bind() {
    HARNESS_NS::Bound b = HARNESS_NS::BindLinked();
    const char* only = std::getenv("KODOWNIK_FUZZ_FIRST_SLOTS_ONLY");
    b.first_slots_only = only && *only && *only != '0';
    return b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const HARNESS_NS::Bound bound = Bind();
    for (const harness::Case& c : harness::DecodeFuzz(data, size, HARNESS_NS::kWideText, 16))
        HARNESS_NS::Run(bound, c);
    return 0;
}
