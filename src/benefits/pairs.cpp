// Benefit codes that may be reported together: the pair dictionary (a code
// trie without a dictionary ID), an index of it by period, and the check.
#include "benefits/tables.h"
#include "dictionary/trie.h"
#include "frame/build.h"
#include "frame/result.h"

namespace kod {
namespace {

// The index beside the trie: for each three-digit code, the periods of its
// entries in the order they first appear, and for each period the partners
// named with it, as numbers. A check then tests a few periods and compares
// the partners of the period in force, instead of testing every entry's
// period and text. Built by the one-time build after the trie; when the data
// do not fit, the check walks the trie's entries instead.
constexpr int kKodyPar = 1000;
constexpr int kGrupyParMax = 1024;
constexpr int kPartnerzyMax = 4096;
constexpr short kNieKodTrzycyfrowy = -1;  // a partner text that no three-digit code equals

struct GrupaPar {
    int valid_from;
    int valid_to;
    unsigned short first;  // in g_partnerzy
    unsigned short count;
};

struct KodPar {
    unsigned short first;  // in g_grupy
    unsigned short count;
};

KodPar g_kody_par[kKodyPar];
GrupaPar g_grupy_par[kGrupyParMax];
short g_partnerzy[kPartnerzyMax];
bool g_indeks_par = false;

// Three digits as a number, else kNieKodTrzycyfrowy.
template <class C>
int Trzycyfrowy(const C* t) {
    if (!t || !IsDigit(static_cast<KChar>(t[0])) || !IsDigit(static_cast<KChar>(t[1])) ||
        !IsDigit(static_cast<KChar>(t[2])) || t[3] != 0)
        return kNieKodTrzycyfrowy;
    return (t[0] - '0') * 100 + (t[1] - '0') * 10 + (t[2] - '0');
}

constexpr int kBrakGrupy = -1;

// The group of this code's period, among the code's groups so far, or kBrakGrupy.
int GrupaOkresu(const KodPar& k, const _stOpisOkresu& e) {
    for (unsigned g = k.first; g < static_cast<unsigned>(k.first + k.count); ++g) {
        if (g_grupy_par[g].valid_from == e.valid_from && g_grupy_par[g].valid_to == e.valid_to)
            return static_cast<int>(g);
    }
    return kBrakGrupy;
}

bool BudujIndeksPar() {
    for (KodPar& k : g_kody_par) k = KodPar{0, 0};
    const ZrodloTrie& trie = kTrieKodySwRazem;
    int groups = 0, partners = 0;
    for (unsigned int c = 0; c < trie.code_count; ++c) {
        const KodZrodlowy& code = trie.codes[c];
        const int n = Trzycyfrowy(code.code);
        if (n == kNieKodTrzycyfrowy) continue;  // no three-digit query reaches it
        const _stOpisOkresu* entries = trie.entries + code.first;
        KodPar& k = g_kody_par[n];
        k.first = static_cast<unsigned short>(groups);
        // The periods in the order they first appear, with their sizes.
        for (unsigned i = 0; i < code.count; ++i) {
            const int g = GrupaOkresu(k, entries[i]);
            if (g != kBrakGrupy) {
                ++g_grupy_par[g].count;
                continue;
            }
            if (groups == kGrupyParMax) return false;
            g_grupy_par[groups++] = GrupaPar{entries[i].valid_from, entries[i].valid_to, 0, 1};
            ++k.count;
        }
        // Each group's place among the partners, then the partners in data order.
        for (unsigned g = k.first; g < static_cast<unsigned>(k.first + k.count); ++g) {
            if (partners + g_grupy_par[g].count > kPartnerzyMax) return false;
            g_grupy_par[g].first = static_cast<unsigned short>(partners);
            partners += g_grupy_par[g].count;
            g_grupy_par[g].count = 0;
        }
        for (unsigned i = 0; i < code.count; ++i) {
            GrupaPar& g = g_grupy_par[GrupaOkresu(k, entries[i])];
            g_partnerzy[g.first + g.count++] = static_cast<short>(Trzycyfrowy(entries[i].short_text));
        }
    }
    return true;
}

// The check by the index: first and second are three digits.
bool RazemWedlugIndeksu(int first, int second, int date) {
    const KodPar& k = g_kody_par[first];
    for (unsigned g = k.first; g < static_cast<unsigned>(k.first + k.count); ++g) {
        const GrupaPar& group = g_grupy_par[g];
        if (date != -1 && !WOkresie(date, true, group.valid_from, group.valid_to, true)) continue;
        for (unsigned p = group.first; p < static_cast<unsigned>(group.first + group.count); ++p) {
            if (g_partnerzy[p] == second) return true;
        }
    }
    return false;
}

// The check by the trie's entries, in data order.
bool RazemWedlugTrie(const KChar* first, const KChar* second, int date) {
    const _stOpisKodu* slot = ZnajdzSlot(KorzenKodySwRazem(), first);
    if (!slot) return false;
    const int count = static_cast<int>(CharValue(slot->count));
    for (int i = 0; i < count; ++i) {
        const _stOpisOkresu& e = slot->entries[i];
        // The date first: it is the cheaper test and rules out most entries.
        if (date != -1 && !WOkresie(date, true, e.valid_from, e.valid_to, true)) continue;
        if (TextEqual(e.short_text, second)) return true;
    }
    return false;
}

}  // namespace

// Part of the one-time build: the trie, then its index.
void BudujSlownikKodySwRazem() {
    ZbudujTrie(kTrieKodySwRazem);
    g_indeks_par = BudujIndeksPar();
}

const _stOpisKodu* KorzenKodySwRazem() { return KorzenTrie(kTrieKodySwRazem); }

// True when the list of the first code names the second and, unless the
// date is -1, one such entry holds the date YYYYMMDD (compared as a full
// date: a month YYYYMM lies before every entry). One direction only.
bool MogaBycRazem(const KChar* first, const KChar* second, int date) {
    if (!KodCyfrowy(first, 3) || !KodCyfrowy(second, 3)) return false;
    ZbudujSlowniki();
    if (g_indeks_par) return RazemWedlugIndeksu(Trzycyfrowy(first), Trzycyfrowy(second), date);
    return RazemWedlugTrie(first, second, date);
}

}  // namespace kod

extern "C" KOD_EXPORT KodBool fb_KVDKodySwiadMogaBycRazem(const KChar* first, const KChar* second, int date) {
    return kod::OdpowiedzBool(kod::MogaBycRazem(first, second, date));
}
