// The index of the name dictionaries (10046, 10047) must give exactly what
// the walk over the whole trie gives: every text of the content, cut and
// altered in the ways a typed name can differ, on dates around each period.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/admissibility.h"
#include "dates/dates.h"

namespace {

using Tekst = std::basic_string<KChar>;

struct Wpis {
    const _stOpisOkresu* e;
    const KChar* text;
};

void Zbierz(const _stOpisKodu* node, std::vector<Wpis>& out) {
    if (!node) return;
    for (int d = 0; d < 10; ++d) {
        const _stOpisKodu& s = node[d];
        for (unsigned i = 0; s.entries && i < kod::CharValue(s.count); ++i) {
            const _stOpisOkresu& e = s.entries[i];
            const KChar* t = (e.short_text && e.short_text[0]) ? e.short_text : e.description;
            out.push_back({&e, t});
        }
        Zbierz(s.child, out);
    }
}

// The walk's answer, computed here from the entries alone.
int Oczekiwany(const std::vector<Wpis>& all, const KChar* code, int r) {
    for (const Wpis& w : all) {
        if (kod::TekstKoduPasuje(w.text, code) && (r <= 0 || kod::DataWOkresie(r, w.e->valid_from, w.e->valid_to)))
            return 0;
    }
    return -1;
}

TEST(IndeksNazw, AgreesWithTheWalkOnEveryText) {
    for (unsigned id : {10046u, 10047u}) {
        const _stOpisKodu* root = sl_PobierzSlownik(id);
        ASSERT_NE(root, nullptr);
        std::vector<Wpis> all;
        Zbierz(root, all);
        ASSERT_GT(all.size(), 200u) << id;
        int checked = 0, accepted = 0;
        for (const Wpis& w : all) {
            if (!w.text) continue;
            const Tekst t(w.text);
            std::vector<Tekst> codes = {t, t.substr(0, 22), t.substr(0, 21), t.substr(0, 1), t + KChar('X'),
                                        Tekst(1, static_cast<KChar>(t.empty() ? 'A' : t[0] + 1)) + t.substr(1)};
            if (!t.empty()) codes.push_back(t.substr(0, t.size() - 1));
            const std::vector<int> dates = {0,
                                            -1,
                                            w.e->valid_from,
                                            w.e->valid_from - 1,
                                            w.e->valid_to,
                                            w.e->valid_to + 1,
                                            w.e->valid_from / 100,
                                            20991231};
            for (const Tekst& c : codes) {
                for (int r : dates) {
                    const int want = Oczekiwany(all, c.c_str(), r);
                    ASSERT_EQ(sl_CzyPrawidlowyKodLiterowy(root, c.c_str(), r), want) << id << " r=" << r;
                    ++checked;
                    accepted += want == 0;
                }
            }
        }
        EXPECT_GT(accepted, 0);
        EXPECT_GT(checked, accepted);
        // Below the root the walk answers, for its own subtree only.
        const _stOpisKodu* sub = root[0].child;
        if (sub) {
            std::vector<Wpis> part;
            Zbierz(sub, part);
            for (const Wpis& w : all) {
                if (!w.text) continue;
                EXPECT_EQ(sl_CzyPrawidlowyKodLiterowy(sub, w.text, 0), Oczekiwany(part, w.text, 0));
            }
        }
    }
}

TEST(IndeksNazw, EmptyAndForeignTexts) {
    for (unsigned id : {10046u, 10047u}) {
        const _stOpisKodu* root = sl_PobierzSlownik(id);
        std::vector<Wpis> all;
        Zbierz(root, all);
        const KChar empty[] = {0};
        const KChar high[] = {static_cast<KChar>(0xB3), static_cast<KChar>(0x141), 0};
        for (const KChar* c : {empty, high}) EXPECT_EQ(sl_CzyPrawidlowyKodLiterowy(root, c, 0), Oczekiwany(all, c, 0));
    }
}

}  // namespace
