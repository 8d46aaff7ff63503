// Codes written as names (citizenship 10046, countries 10047): the typed text
// is compared with the short text of each entry, or with its description
// where the short text is empty, over the first 22 characters.
#include "checks/admissibility.h"
#include "dates/dates.h"

namespace kod {

bool TekstKoduPasuje(const KChar* text, const KChar* code) {
    if (!text || !code) return false;
    for (int i = 0; i < kZnakiKoduTekstowego; ++i) {
        if (text[i] != code[i]) {
            // Every earlier character is equal and not NUL. A name whose
            // 22nd character is a blank is also written as its first 21.
            return i == kZnakiKoduTekstowego - 1 && text[i] == ' ' && code[i] == 0;
        }
        if (text[i] == 0) return true;
    }
    return true;  // 22 equal characters: the rest does not count
}

namespace {

// Text an entry is matched by: its short text when that is present and not
// empty, else its description (possibly null).
const KChar* TekstWpisu(const _stOpisOkresu& e) {
    return (e.short_text && e.short_text[0]) ? e.short_text : e.description;
}

int SzukajTekstu(const _stOpisKodu* node, const KChar* code, int r, int depth) {
    if (!node || depth >= kGlebokoscTrie) return -1;
    for (int d = 0; d < 10; ++d) {
        const _stOpisKodu& slot = node[d];
        const unsigned count = CharValue(slot.count);
        if (slot.entries) {
            for (unsigned i = 0; i < count; ++i) {
                const _stOpisOkresu& e = slot.entries[i];
                if (TekstKoduPasuje(TekstWpisu(e), code) &&
                    (r <= 0 || DataWOkresie(r, e.valid_from, e.valid_to))) {
                    return 0;
                }
            }
        }
        if (SzukajTekstu(slot.child, code, r, depth + 1) == 0) return 0;
    }
    return -1;
}

}  // namespace
}  // namespace kod

extern "C" {

// Reads only the node handed in (from sl_PobierzSlownik, which has built the
// tables), so it does not run the build itself.
KOD_EXPORT int sl_CzyPrawidlowyKodLiterowy(const _stOpisKodu* node, const KChar* code, int reference) {
    if (!node || !code) return -1;
    return kod::SzukajTekstu(node, code, reference, 0);
}

}  // extern "C"
