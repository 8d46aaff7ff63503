// Benefit codes that may be reported together: the pair dictionary (a code
// trie without a dictionary ID) and its check.
#include "benefits/tables.h"
#include "dictionary/trie.h"
#include "frame/build.h"
#include "frame/result.h"

namespace kod {

// Part of the one-time build.
void BudujSlownikKodySwRazem() { ZbudujTrie(kTrieKodySwRazem); }

const _stOpisKodu* KorzenKodySwRazem() { return KorzenTrie(kTrieKodySwRazem); }

}  // namespace kod

using namespace kod;

// True when the list of the first code names the second and, unless the
// date is -1, one such entry holds the date YYYYMMDD (compared as a full
// date: a month YYYYMM lies before every entry). One direction only.
extern "C" KOD_EXPORT KodBool fb_KVDKodySwiadMogaBycRazem(const KChar* first, const KChar* second, int date) {
    if (!KodCyfrowy(first, 3) || !KodCyfrowy(second, 3)) return kNieBool;
    ZbudujSlowniki();
    const _stOpisKodu* slot = ZnajdzSlot(KorzenKodySwRazem(), first);
    if (!slot) return kNieBool;
    const int count = static_cast<int>(CharValue(slot->count));
    for (int i = 0; i < count; ++i) {
        const _stOpisOkresu& e = slot->entries[i];
        // The date first: it is the cheaper test and rules out most entries.
        if (date != -1 && !WOkresie(date, true, e.valid_from, e.valid_to, true)) continue;
        if (TextEqual(e.short_text, second)) return kTakBool;
    }
    return kNieBool;
}
