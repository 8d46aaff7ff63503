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

namespace kod {
extern const ZrodloTrie kTrieKodySwRazem;
extern const ZrodloTrie kTrieFormularzaDRA;
extern const ZrodloTrie kTrieFormularzaRNA_RCA;
extern const ZrodloTrie kTrieFormularzaRZA;
extern const ZrodloTrie kTrieFormularzaZUA;
extern const ZrodloTrie kTrieFormularzaZZA;
}  // namespace kod

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

TEST(NodePool, EveryTrieOwnsADisjointStretchAndTheyFillThePool) {
    std::vector<Named> tries = AllTries();
    std::sort(tries.begin(), tries.end(),
              [](const Named& a, const Named& b) { return FirstNode(*a.trie) < FirstNode(*b.trie); });
    std::ptrdiff_t next = 0;
    for (const Named& n : tries) {
        SCOPED_TRACE(n.name);
        EXPECT_EQ(FirstNode(*n.trie), next) << "a gap or an overlap before this trie";
        EXPECT_GT(n.trie->node_count, 0u);
        next = FirstNode(*n.trie) + n.trie->node_count;
    }
    EXPECT_EQ(next, static_cast<std::ptrdiff_t>(kod::kLiczbaWezlow));
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
