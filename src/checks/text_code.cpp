// Codes written as names (citizenship 10046, countries 10047): the typed text
// is compared with the short text of each entry, or with its description
// where the short text is empty, over the first 22 characters.
#include "checks/admissibility.h"
#include "dates/dates.h"
#include "dictionary/catalogue.h"
#include "frame/build.h"
#include "frame/result.h"

namespace kod {

namespace {

// Text an entry is matched by: its short text when that is present and not
// empty, else its description (possibly null).
const KChar* TekstWpisu(const _stOpisOkresu& e) {
    return (e.short_text && e.short_text[0]) ? e.short_text : e.description;
}

// The whole-trie search below a node: whether some entry's text matches the
// code and the entry counts at r.
bool SzukajTekstu(const _stOpisKodu* node, const KChar* code, int r) {
    return PrzejdzWpisy(node, [code, r](const _stOpisOkresu& e) {
        return TekstKoduPasuje(TekstWpisu(e), code) && WpisLiczySie(e, r);
    });
}

// Index of the two name dictionaries, so that a check looks at a few
// entries instead of walking the whole trie: the entries that the walk
// visits, grouped by a hash of the first two characters of their text. A
// text matches a code only when their first two characters are equal (both
// match rules compare at least 21 characters, a NUL included), so only the
// code's group can hold a match, and the result (is there a matching entry
// in force) is the walk's. Filled by the one-time build after the
// tries it indexes; read only once the build has finished.
constexpr unsigned kGrupyNazw = 256;
constexpr unsigned kWpisyNazwMax = 512;  // 10046 has 245 entries, 10047 240

struct IndeksNazw {
    unsigned int id;
    const _stOpisKodu* root;  // null until built, or when the entries do not fit
    unsigned start[kGrupyNazw + 1];
    const _stOpisOkresu* entries[kWpisyNazwMax];
};

IndeksNazw g_indeksy_nazw[2] = {{10046, nullptr, {}, {}}, {10047, nullptr, {}, {}}};

// Reads the second character only when the first is not the NUL.
unsigned GrupaNazwy(const KChar* t) {
    const unsigned c0 = CharValue(t[0]);
    const unsigned c1 = c0 ? CharValue(t[1]) : 0u;
    return (c0 * 31u + c1) & (kGrupyNazw - 1);
}

// Visits every entry with a text in the trie below node, as SzukajTekstu does.
template <class Visit>
void ZbierzWpisy(const _stOpisKodu* node, Visit&& visit) {
    PrzejdzWpisy(node, [&visit](const _stOpisOkresu& e) {
        if (TekstWpisu(e)) visit(e);
        return false;
    });
}

void BudujIndeksNazw(IndeksNazw& ix) {
    ix.root = nullptr;
    for (unsigned& s : ix.start) s = 0;
    const _stOpisKodu* root = KorzenSlownika(ix.id);
    unsigned total = 0;
    ZbierzWpisy(root, [&](const _stOpisOkresu& e) {
        ++ix.start[GrupaNazwy(TekstWpisu(e)) + 1];
        ++total;
    });
    if (!root || total > kWpisyNazwMax) return;  // the walk answers instead
    for (unsigned g = 0; g < kGrupyNazw; ++g) ix.start[g + 1] += ix.start[g];
    unsigned next[kGrupyNazw];
    for (unsigned g = 0; g < kGrupyNazw; ++g) next[g] = ix.start[g];
    ZbierzWpisy(root, [&](const _stOpisOkresu& e) { ix.entries[next[GrupaNazwy(TekstWpisu(e))]++] = &e; });
    ix.root = root;
}

bool SzukajWIndeksie(const IndeksNazw& ix, const KChar* code, int r) {
    const unsigned g = GrupaNazwy(code);
    for (unsigned i = ix.start[g]; i < ix.start[g + 1]; ++i) {
        const _stOpisOkresu& e = *ix.entries[i];
        if (TekstKoduPasuje(TekstWpisu(e), code) && WpisLiczySie(e, r)) return true;
    }
    return false;
}

}  // namespace

// Part of the one-time build; runs after the tries of 10046 and 10047.
void BudujIndeksyNazw() {
    for (IndeksNazw& ix : g_indeksy_nazw) BudujIndeksNazw(ix);
}

bool KodLiterowyPasuje(const _stOpisKodu* node, const KChar* code, int r) {
    if (!code) return false;
    if (SlownikiZbudowane()) {
        for (const IndeksNazw& ix : g_indeksy_nazw) {
            if (ix.root && node == ix.root) return SzukajWIndeksie(ix, code, r);
        }
    }
    return SzukajTekstu(node, code, r);
}

}  // namespace kod

extern "C" {

// Reads only the node handed in (from sl_PobierzSlownik, which has built the
// tables), so it does not run the build itself.
KOD_EXPORT int sl_CzyPrawidlowyKodLiterowy(const _stOpisKodu* node, const KChar* code, int reference) {
    // A slot taken for a node would be searched past the end of its node.
    if (!node || !code || kod::WnetrzeWezla(node)) return kod::kNie;
    return kod::Odpowiedz(kod::KodLiterowyPasuje(node, code, reference));
}

}  // extern "C"
