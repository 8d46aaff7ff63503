// The dictionary lookups and their exports.
#include "dates/dates.h"
#include "dictionary/catalogue.h"
#include "dictionary/code_rules.h"
#include "frame/build.h"
#include "frame/result.h"

namespace kod {

const _stOpisOkresu* OpisOkresu(int id, const KChar* code, int date) {
    if (!code) return nullptr;
    ZbudujSlowniki();
    const _stOpisKodu* root = KorzenSlownika(static_cast<unsigned int>(id));
    if (!root) return nullptr;
    const _stOpisKodu* slot;
    if (RegulaSlownika(static_cast<unsigned int>(id)) == RegulaKodu::kOddzialu) {
        // Branch dictionaries are keyed by the two digits of codes written
        // as 01R; a code whose first two characters are not two digits
        // gives null.
        if (!IsDigit(code[0]) || !IsDigit(code[1])) return nullptr;
        const KChar key[3] = {code[0], code[1], 0};
        slot = ZnajdzSlot(root, key);
    } else {
        // No working copy: the walk rejects a non-digit and stops where the
        // code leaves the trie (no code is longer than nine digits), so the
        // code is read no further than the trie is deep.
        slot = ZnajdzSlot(root, code);
    }
    if (!slot) return nullptr;
    const int count = static_cast<int>(CharValue(slot->count));
    for (int i = 0; i < count; ++i) {
        const _stOpisOkresu& e = slot->entries[i];
        if (date == 0 || DataWOkresie(date, e.valid_from, e.valid_to)) return &e;
    }
    return nullptr;
}

}  // namespace kod

using namespace kod;

extern "C" {

KOD_EXPORT int sl_PoprawnyKod(const KChar* code, int expected_length) {
    return Odpowiedz(KodCyfrowy(code, expected_length));
}

KOD_EXPORT const _stOpisKodu* sl_PobierzSlownik(unsigned int id) {
    ZbudujSlowniki();
    return KorzenSlownika(id);
}

KOD_EXPORT const _stOpisKodu* sl_PobierzOpisKodu(const _stOpisKodu* root, const KChar* code) {
    // A slot taken for a node would be walked past the end of its node.
    if (!root || WnetrzeWezla(root)) return nullptr;
    return ZnajdzSlot(root, code);
}

KOD_EXPORT const KChar* sl_PobierzNazweSlownika(unsigned int id) {
    const PozycjaKatalogu* p = PozycjaSlownika(id);
    return p ? p->name : nullptr;
}

KOD_EXPORT const _stOpisOkresu* sl_PobierzOpisOkresu(int id, const KChar* code, int date) {
    return OpisOkresu(id, code, date);
}

}  // extern "C"
