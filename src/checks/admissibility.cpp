// Whether a code may be entered in a dictionary field of a declaration on a
// date: one rule per way the dictionaries write their codes, chosen by the
// dictionary ID through a table.
#include "checks/admissibility.h"
#include "dates/dates.h"
#include "dictionary/catalogue.h"
#include "frame/build.h"
#include "titles/rules.h"

namespace kod {

namespace {

bool WpisLiczySie(const _stOpisOkresu& e, int r) { return r <= 0 || DataWOkresie(r, e.valid_from, e.valid_to); }

// A rule: dictionary ID, the typed code, reference value r (0: no date).
using Regula = int (*)(unsigned int id, const KChar* code, int r);

// Digit codes in a hierarchy. A code that heads longer codes in force at r
// (with no date: any longer code) is a group heading, not a code to enter.
int RegulaCyfrowa(unsigned int id, const KChar* code, int r) {
    const _stOpisKodu* root = KorzenSlownika(id);
    if (!root || !code) return -1;
    // The walk rejects a non-digit and stops where the code leaves the trie,
    // so an over-long text is read no further than the trie is deep.
    const _stOpisKodu* slot = ZnajdzSlot(root, code);
    if (!slot || CharValue(slot->count) == 0 || !slot->entries) return -1;
    if (KodWPoddrzewie(slot->child, r) == 0) return -1;
    if (r == 0) return 0;
    const unsigned count = CharValue(slot->count);
    for (unsigned i = 0; i < count; ++i) {
        if (DataWOkresie(r, slot->entries[i].valid_from, slot->entries[i].valid_to)) return 0;
    }
    return -1;
}

// Six-digit insurance title codes: admissible while any rule period of the
// title's record is in force.
int RegulaTytulu(unsigned int, const KChar* code, int r) {
    if (sl_PoprawnyKod(code, 6) != 0) return -1;
    const _stZasadyPodlegania* record = PobierzZasadyKoduTytulu(code);
    if (!record) return -1;
    if (r == 0) return 0;
    for (const ListaOkresowPodlegania& list : record->dni) {
        if (!list.periods) continue;
        for (int i = 0; i < list.count; ++i) {
            if (DataWOkresie(r, list.periods[i].valid_from, list.periods[i].valid_to)) return 0;
        }
    }
    return -1;
}

// Branch codes such as 01R, stored under their two digits with the whole
// code as the entry's short text.
int RegulaOddzialu(unsigned int id, const KChar* code, int r) {
    const _stOpisKodu* root = KorzenSlownika(id);
    if (!root || !code || !IsDigit(code[0]) || !IsDigit(code[1])) return -1;
    const KChar key[3] = {code[0], code[1], 0};
    const _stOpisKodu* slot = ZnajdzSlot(root, key);
    if (!slot || CharValue(slot->count) == 0 || !slot->entries || slot->child) return -1;
    const unsigned count = CharValue(slot->count);
    for (unsigned i = 0; i < count; ++i) {
        const _stOpisOkresu& e = slot->entries[i];
        if (e.short_text && TextEqual(e.short_text, code) && WpisLiczySie(e, r)) return 0;
    }
    return -1;
}

// Letter codes (P, K, ...) kept as the short texts of the one-digit codes;
// only the root's slots are searched.
int RegulaLiterowa(unsigned int id, const KChar* code, int r) {
    const _stOpisKodu* root = KorzenSlownika(id);
    if (!root || !code) return -1;
    for (int d = 0; d < 10; ++d) {
        const _stOpisKodu& slot = root[d];
        if (!slot.entries) continue;
        const unsigned count = CharValue(slot.count);
        for (unsigned i = 0; i < count; ++i) {
            const _stOpisOkresu& e = slot.entries[i];
            if (e.short_text && TextEqual(e.short_text, code) && WpisLiczySie(e, r)) return 0;
        }
    }
    return -1;
}

// Names (citizenship, countries).
int RegulaTekstowa(unsigned int id, const KChar* code, int r) {
    const _stOpisKodu* root = KorzenSlownika(id);
    if (!root) return -1;
    return sl_CzyPrawidlowyKodLiterowy(root, code, r);
}

// Dictionaries whose fields are not checked this way.
int RegulaBrak(unsigned int, const KChar*, int) { return -1; }

constexpr Regula C = RegulaCyfrowa;
constexpr Regula T = RegulaTytulu;
constexpr Regula B = RegulaOddzialu;
constexpr Regula L = RegulaLiterowa;
constexpr Regula X = RegulaTekstowa;
constexpr Regula N = RegulaBrak;

// Rule of each dictionary ID from kPierwszySlownik (10001) on.
constexpr Regula kReguly[] = {
    //  1  2  3  4  5  6  7  8  9  10
    C, C, T, C, B, C, C, C, C, C,  // 10001-10010
    C, C, C, B, C, C, C, C, C, C,  // 10011-10020
    C, C, C, L, C, N, C, C, C, C,  // 10021-10030
    C, C, C, L, C, C, L, C, C, N,  // 10031-10040
    N, N, N, N, L, X, X, C, C,     // 10041-10049
};
static_assert(sizeof(kReguly) / sizeof(kReguly[0]) == kOstatniSlownik - kPierwszySlownik + 1,
              "one rule per catalogued ID");

}  // namespace

int KodWPoddrzewie(const _stOpisKodu* node, int r) {
    return PrzejdzWpisy(node, [r](const _stOpisOkresu& e) { return WpisLiczySie(e, r); }) ? 0 : -1;
}

}  // namespace kod

using namespace kod;

extern "C" {

KOD_EXPORT int fb_KVDKodSprawdzArkusze(int id, const KChar* code, const KChar* date) {
    ZbudujSlowniki();
    if (id < static_cast<int>(kPierwszySlownik) || id > static_cast<int>(kOstatniSlownik)) return -1;
    const int r = WartoscOdniesienia(date);
    const unsigned int u = static_cast<unsigned int>(id);
    return kReguly[u - kPierwszySlownik](u, code, r);
}

KOD_EXPORT int fb_KVDKodSprawdz(int id, const KChar* code) { return fb_KVDKodSprawdzArkusze(id, code, nullptr); }

}  // extern "C"
