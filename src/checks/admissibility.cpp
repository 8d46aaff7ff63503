// Whether a code may be entered in a dictionary field of a declaration on a
// date: one rule per way the dictionaries write their codes, chosen by the
// dictionary ID (dictionary/code_rules.h).
#include "checks/admissibility.h"
#include "dates/dates.h"
#include "dictionary/catalogue.h"
#include "dictionary/title_index.h"
#include "frame/build.h"
#include "frame/result.h"

namespace kod {

namespace {

// Digit codes in a hierarchy. A code that heads longer codes in force at r
// (with no date: any longer code) is a group heading, not a code to enter.
bool RegulaCyfrowa(unsigned int id, const KChar* code, int r) {
    const _stOpisKodu* root = KorzenSlownika(id);
    if (!root || !code) return false;
    // The walk rejects a non-digit and stops where the code leaves the trie,
    // so an over-long text is read no further than the trie is deep.
    const _stOpisKodu* slot = ZnajdzSlot(root, code);
    if (!slot || CharValue(slot->count) == 0 || !slot->entries) return false;
    if (KodWPoddrzewie(slot->child, r) == kTak) return false;
    if (r == 0) return true;
    const unsigned count = CharValue(slot->count);
    for (unsigned i = 0; i < count; ++i) {
        if (DataWOkresie(r, slot->entries[i].valid_from, slot->entries[i].valid_to)) return true;
    }
    return false;
}

// Branch codes such as 01R, stored under their two digits with the whole
// code as the entry's short text.
bool RegulaOddzialu(unsigned int id, const KChar* code, int r) {
    const _stOpisKodu* root = KorzenSlownika(id);
    if (!root || !code || !IsDigit(code[0]) || !IsDigit(code[1])) return false;
    const KChar key[3] = {code[0], code[1], 0};
    const _stOpisKodu* slot = ZnajdzSlot(root, key);
    if (!slot || CharValue(slot->count) == 0 || !slot->entries || slot->child) return false;
    const unsigned count = CharValue(slot->count);
    for (unsigned i = 0; i < count; ++i) {
        const _stOpisOkresu& e = slot->entries[i];
        if (e.short_text && TextEqual(e.short_text, code) && WpisLiczySie(e, r)) return true;
    }
    return false;
}

// Letter codes (P, K, ...) kept as the short texts of the one-digit codes;
// only the root's slots are searched.
bool RegulaLiterowa(unsigned int id, const KChar* code, int r) {
    const _stOpisKodu* root = KorzenSlownika(id);
    if (!root || !code) return false;
    for (int d = 0; d < 10; ++d) {
        const _stOpisKodu& slot = root[d];
        if (!slot.entries) continue;
        const unsigned count = CharValue(slot.count);
        for (unsigned i = 0; i < count; ++i) {
            const _stOpisOkresu& e = slot.entries[i];
            if (e.short_text && TextEqual(e.short_text, code) && WpisLiczySie(e, r)) return true;
        }
    }
    return false;
}

// Names (citizenship, countries).
bool RegulaTekstowa(unsigned int id, const KChar* code, int r) {
    const _stOpisKodu* root = KorzenSlownika(id);
    return root && KodLiterowyPasuje(root, code, r);
}

}  // namespace

int KodWPoddrzewie(const _stOpisKodu* node, int r) {
    return Odpowiedz(PrzejdzWpisy(node, [r](const _stOpisOkresu& e) { return WpisLiczySie(e, r); }));
}

int SprawdzKod(int id, const KChar* code, const KChar* date) {
    ZbudujSlowniki();
    if (id < static_cast<int>(kPierwszySlownik) || id > static_cast<int>(kOstatniSlownik)) return kNie;
    const int r = WartoscOdniesienia(date);
    const unsigned int u = static_cast<unsigned int>(id);
    switch (RegulaSlownika(u)) {
        case RegulaKodu::kCyfrowa: return Odpowiedz(RegulaCyfrowa(u, code, r));
        case RegulaKodu::kTytulu: return Odpowiedz(TytulObowiazuje(code, r));
        case RegulaKodu::kOddzialu: return Odpowiedz(RegulaOddzialu(u, code, r));
        case RegulaKodu::kLiterowa: return Odpowiedz(RegulaLiterowa(u, code, r));
        case RegulaKodu::kTekstowa: return Odpowiedz(RegulaTekstowa(u, code, r));
        case RegulaKodu::kBrak: break;
    }
    return kNie;  // dictionaries whose fields are not checked this way
}

}  // namespace kod

extern "C" {

KOD_EXPORT int fb_KVDKodSprawdzArkusze(int id, const KChar* code, const KChar* date) {
    return kod::SprawdzKod(id, code, date);
}

KOD_EXPORT int fb_KVDKodSprawdz(int id, const KChar* code) { return kod::SprawdzKod(id, code, nullptr); }

}  // extern "C"
