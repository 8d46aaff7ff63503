// Every generated trie owns its own stretch of the node pool. The rule
// tables' tries and the dictionaries' tries come from separate generated
// files (in the current editions build, from two directories); a place that
// drifted in one of them would let one trie's build overwrite another's
// nodes, and a later walk would find codes that no table holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "dictionary/catalogue.h"
#include "dictionary/trie.h"
#include "frame/build.h"
#include "records/records.h"

namespace {

using kod::ZrodloTrie;

struct Named {
    std::string name;
    const ZrodloTrie* trie;
};

std::vector<Named> AllTries() {
    std::vector<Named> out = {
        {"benefit pairs", &kod::kTrieKodySwRazem},   {"form DRA", &kod::kTrieFormularzaDRA},
        {"form RNA/RCA", &kod::kTrieFormularzaRNA_RCA}, {"form RZA", &kod::kTrieFormularzaRZA},
        {"form ZUA", &kod::kTrieFormularzaZUA},       {"form ZZA", &kod::kTrieFormularzaZZA},
    };
    for (unsigned id = kod::kPierwszySlownik; id <= kod::kOstatniSlownik; ++id) {
        const kod::PozycjaKatalogu* p = kod::PozycjaSlownika(id);
        if (p && p->trie) out.push_back({"dictionary " + std::to_string(id), p->trie});
    }
    return out;
}

std::ptrdiff_t FirstNode(const ZrodloTrie& t) { return t.nodes - kod::kPulaWezlow; }

// The codes a built trie answers, each with its entry count and first entry;
// every node reached must be one of the trie's own.
void Collect(const ZrodloTrie& t, const _stOpisKodu* node, const std::string& prefix,
             std::map<std::string, std::pair<unsigned, const _stOpisOkresu*>>& codes, std::string& stray, int depth) {
    ASSERT_LT(depth, kod::kGlebokoscTrie);
    const std::ptrdiff_t n = (node - &kod::kPulaWezlow[0][0]);
    if (n % 10 != 0 || n / 10 < FirstNode(t) || n / 10 >= FirstNode(t) + static_cast<std::ptrdiff_t>(t.node_count)) {
        if (stray.empty()) stray = prefix.empty() ? "root" : prefix;
        return;
    }
    for (int d = 0; d < 10; ++d) {
        const _stOpisKodu& slot = node[d];
        const std::string code = prefix + static_cast<char>('0' + d);
        const unsigned count = kod::CharValue(slot.count);
        if (count) codes[code] = {count, slot.entries};
        if (slot.child) Collect(t, slot.child, code, codes, stray, depth + 1);
    }
}

// A stretch of the pool: a trie's nodes or a stretch no trie links.
struct Stretch {
    std::string name;
    std::ptrdiff_t first;
    std::ptrdiff_t count;
};

// The stretches this build leaves empty. The current editions build keeps
// every trie's snapshot place; the tries it replaces take new places after
// the snapshot's, and their old places stay empty.
std::vector<Stretch> UnusedStretches() {
    std::vector<Stretch> out;
#ifdef KODOWNIK_EDITIONS_CURRENT
    for (unsigned i = 0; i < kod::kLiczbaNieuzywanychZakresow; ++i)
        out.push_back({"unused stretch " + std::to_string(kod::kNieuzywaneWezly[i][0]),
                       static_cast<std::ptrdiff_t>(kod::kNieuzywaneWezly[i][0]),
                       static_cast<std::ptrdiff_t>(kod::kNieuzywaneWezly[i][1])});
#endif
    return out;
}

TEST(NodePool, EveryTrieOwnsADisjointStretchAndTheyFillThePool) {
    std::vector<Stretch> stretches = UnusedStretches();
    for (const Named& n : AllTries())
        stretches.push_back({n.name, FirstNode(*n.trie), static_cast<std::ptrdiff_t>(n.trie->node_count)});
    std::sort(stretches.begin(), stretches.end(),
              [](const Stretch& a, const Stretch& b) { return a.first < b.first; });
    std::ptrdiff_t next = 0;
    for (const Stretch& s : stretches) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(s.first, next) << "a gap or an overlap before this stretch";
        EXPECT_GT(s.count, 0);
        next = s.first + s.count;
    }
    EXPECT_EQ(next, static_cast<std::ptrdiff_t>(kod::kLiczbaWezlow));
}

TEST(NodePool, OnlyTheCurrentBuildLeavesStretchesEmpty) {
    // The current build replaces the tries of the occupations, the
    // deregistration reasons, the two title code lists and the benefit codes:
    // exactly their snapshot places stay empty, each before the place the
    // build gives the same trie.
    std::vector<unsigned> replaced;
#ifdef KODOWNIK_EDITIONS_CURRENT
    replaced = {10004, 10009, 10015, 10019, 10040};
#endif
    const std::vector<Stretch> unused = UnusedStretches();
    ASSERT_EQ(unused.size(), replaced.size());
    for (std::size_t i = 0; i < unused.size(); ++i) {
        SCOPED_TRACE(replaced[i]);
        const kod::PozycjaKatalogu* p = kod::PozycjaSlownika(replaced[i]);
        ASSERT_TRUE(p && p->trie);
        EXPECT_LT(unused[i].first, FirstNode(*p->trie)) << "the trie sits before its old place";
        EXPECT_LE(unused[i].count, static_cast<std::ptrdiff_t>(p->trie->node_count))
            << "the later editions never make a trie smaller";
    }
}

TEST(NodePool, AfterTheBuildTheUnusedStretchesStayEmpty) {
    kod::ZbudujSlowniki();
    for (const Stretch& s : UnusedStretches()) {
        SCOPED_TRACE(s.name);
        for (std::ptrdiff_t n = s.first; n < s.first + s.count; ++n)
            for (int d = 0; d < 10; ++d) {
                const _stOpisKodu& slot = kod::kPulaWezlow[n][d];
                if (slot.child || slot.entries || kod::CharValue(slot.count)) {
                    ADD_FAILURE() << "node " << n << " slot " << d << " was linked by some trie";
                    return;
                }
            }
    }
}

TEST(NodePool, AfterTheBuildEachTrieAnswersExactlyItsOwnCodes) {
    kod::ZbudujSlowniki();
    for (const Named& n : AllTries()) {
        SCOPED_TRACE(n.name);
        const ZrodloTrie& t = *n.trie;
        std::map<std::string, std::pair<unsigned, const _stOpisOkresu*>> found;
        std::string stray;
        Collect(t, kod::KorzenTrie(t), "", found, stray, 0);
        EXPECT_EQ(stray, "") << "the walk left the trie's own nodes below this code";
        std::map<std::string, std::pair<unsigned, const _stOpisOkresu*>> expected;
        for (unsigned i = 0; i < t.code_count; ++i)
            expected[t.codes[i].code] = {t.codes[i].count, t.entries + t.codes[i].first};
        EXPECT_EQ(found.size(), expected.size());
        for (const auto& e : expected) {
            auto it = found.find(e.first);
            if (it == found.end()) {
                ADD_FAILURE() << "code " << e.first << " is not answered";
            } else if (it->second != e.second) {
                ADD_FAILURE() << "code " << e.first << " has other entries";
            }
        }
        for (const auto& f : found)
            if (!expected.count(f.first)) ADD_FAILURE() << "code " << f.first << " is answered but no table holds it";
    }
}

}  // namespace
