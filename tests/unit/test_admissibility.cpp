// The text match of name codes and the trie searches of the admissibility
// check, on small hand-built tries (the shipped content has no name whose
// 22nd character is a blank, and no cyclic trie).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "checks/admissibility.h"

namespace {

using Tekst = std::basic_string<KChar>;

Tekst T(const std::string& ascii) { return Tekst(ascii.begin(), ascii.end()); }

// A text in an allocation of exactly its length plus the NUL, so that a
// read past the NUL leaves the allocation (reported by the sanitizer build).
std::unique_ptr<KChar[]> Exact(const std::string& ascii) {
    std::unique_ptr<KChar[]> p(new KChar[ascii.size() + 1]);
    for (std::size_t i = 0; i < ascii.size(); ++i) p[i] = static_cast<KChar>(ascii[i]);
    p[ascii.size()] = 0;
    return p;
}

const std::string k22 = "ABCDEFGHIJKLMNOPQRSTUV";   // 22 characters
const std::string k21b = "ABCDEFGHIJKLMNOPQRSTU";   // 21 characters
const std::string kBlank = k21b + " REST";          // 22nd character a blank

TEST(TekstKoduPasuje, FirstTwentyTwoCharactersAndTheBlankRule) {
    const struct {
        std::string text, code;
        bool expected;
    } cases[] = {
        {"POLSKIE", "POLSKIE", true},
        {"", "", true},
        {"", "A", false},
        {"A", "", false},
        {k22, k22, true},
        {k22 + "X", k22, true},
        {k22, k22 + "X", true},
        {k22, k22.substr(0, 21), false},
        {k22.substr(0, 21), k22, false},
        // a text whose 22nd character is a blank also matches its first 21
        {kBlank, k21b, true},
        {kBlank, k21b + " ", true},
        {kBlank, k21b + "X", false},
        {kBlank, k21b.substr(0, 20), false},
        {k21b + " ", k21b, true},
        // but not the other way round, and not at another position
        {k21b, k21b + " ", false},
        {"ABCDEFGHIJKLMNOPQRST UVW", "ABCDEFGHIJKLMNOPQRST", false},
        {"ABCDEFGHIJKLMNOPQRSTUV WX", "ABCDEFGHIJKLMNOPQRSTUV", true},
    };
    for (const auto& c : cases) {
        auto text = Exact(c.text);
        auto code = Exact(c.code);
        EXPECT_EQ(kod::TekstKoduPasuje(text.get(), code.get()), c.expected)
            << '"' << c.text << "\" ~ \"" << c.code << '"';
    }
    const Tekst a = T("A");
    EXPECT_FALSE(kod::TekstKoduPasuje(nullptr, a.c_str()));
    EXPECT_FALSE(kod::TekstKoduPasuje(a.c_str(), nullptr));
    EXPECT_FALSE(kod::TekstKoduPasuje(nullptr, nullptr));
}

TEST(TekstKoduPasuje, ReadsNoFurtherThanTheTwentySecondCharacter) {
    // Neither text has a NUL within its first 22 characters, and nothing
    // after the 22nd is readable: the match must stop there.
    std::unique_ptr<KChar[]> a(new KChar[22]);
    std::unique_ptr<KChar[]> b(new KChar[22]);
    for (int i = 0; i < 22; ++i) a[i] = b[i] = static_cast<KChar>('A' + i);
    EXPECT_TRUE(kod::TekstKoduPasuje(a.get(), b.get()));
    b[21] = 'x';
    EXPECT_FALSE(kod::TekstKoduPasuje(a.get(), b.get()));
}

// ------------------------------------------------------- hand-built tries

_stOpisOkresu Wpis(const KChar* description, int from, int to, const KChar* short_text) {
    return _stOpisOkresu{description, from, to, 0, short_text};
}

struct Trie {
    _stOpisKodu root[10] = {};
    _stOpisKodu child[10] = {};
};

TEST(SlCzyPrawidlowyKodLiterowy, SearchesEveryLevelWithShortTextFirst) {
    const Tekst blank = T(kBlank), shortname = T("SHORT"), empty, desc = T("DESCRIPTION"), deep = T("DEEP");
    const _stOpisOkresu e3[] = {Wpis(desc.c_str(), 20050101, 99991231, shortname.c_str())};
    const _stOpisOkresu e5[] = {Wpis(desc.c_str(), 20050101, 20051231, empty.c_str())};
    const _stOpisOkresu e7[] = {Wpis(nullptr, 19990101, 99991231, blank.c_str())};
    const _stOpisOkresu e42[] = {Wpis(deep.c_str(), 20100101, 99991231, nullptr)};
    Trie t;
    t.root[3] = {1, e3, nullptr};
    t.root[5] = {1, e5, nullptr};
    t.root[7] = {1, e7, nullptr};
    t.root[4] = {0, nullptr, t.child};
    t.child[2] = {1, e42, nullptr};

    const struct {
        const char* code;
        int r;
        int expected;
    } cases[] = {
        {"SHORT", 0, 0},
        {"DESCRIPTION", 0, 0},  // entry 5: its short text is empty
        {"DESCRIPTION", 20060101, -1},
        {"DESCRIPTION", 200512, 0},
        {"ABCDEFGHIJKLMNOPQRSTU", 0, 0},  // entry 7 by the blank rule
        {"DEEP", 0, 0},                   // below an inner step
        {"DEEP", 20091231, -1},
        {"DEEP", 201001, 0},
        {"NONE", 0, -1},
    };
    for (const auto& c : cases) {
        const Tekst code = T(c.code);
        EXPECT_EQ(sl_CzyPrawidlowyKodLiterowy(t.root, code.c_str(), c.r), c.expected) << c.code << " at " << c.r;
    }
    // the search starts at the node handed in
    EXPECT_EQ(sl_CzyPrawidlowyKodLiterowy(t.child, T("DEEP").c_str(), 0), 0);
    EXPECT_EQ(sl_CzyPrawidlowyKodLiterowy(t.child, T("SHORT").c_str(), 0), -1);
}

TEST(TrieSearches, CyclicTrieEndsWithoutAnswer) {
    // A host may hand in any node; a trie that loops back into itself is
    // searched to a bounded depth and answers -1.
    const Tekst name = T("NAME");
    const _stOpisOkresu e[] = {Wpis(name.c_str(), 20050101, 20051231, nullptr)};
    Trie t;
    t.root[1] = {1, e, t.root};
    EXPECT_EQ(sl_CzyPrawidlowyKodLiterowy(t.root, T("OTHER").c_str(), 0), -1);
    EXPECT_EQ(kod::KodWPoddrzewie(t.root, 20060101), -1);
    EXPECT_EQ(kod::KodWPoddrzewie(t.root, 20050101), 0);
}

// A host-built chain of nodes with one name at the bottom level: found while
// the chain is at most 64 levels deep, beyond that the bounded search gives
// up (as it does on a loop).
TEST(TrieSearches, HostTriesAreSearchedSixtyFourLevelsDeep) {
    const Tekst name = T("NAME");
    const _stOpisOkresu e[] = {Wpis(name.c_str(), 20050101, 20051231, nullptr)};
    const struct {
        int levels;
        int expected;
    } cases[] = {{1, 0}, {10, 0}, {20, 0}, {63, 0}, {64, 0}, {65, -1}, {100, -1}};
    for (const auto& c : cases) {
        std::vector<Trie> chain(static_cast<std::size_t>(c.levels));
        for (int i = 0; i + 1 < c.levels; ++i) chain[i].root[0].child = chain[i + 1].root;
        chain.back().root[3] = {1, e, nullptr};
        EXPECT_EQ(sl_CzyPrawidlowyKodLiterowy(chain[0].root, T("NAME").c_str(), 0), c.expected) << c.levels;
        EXPECT_EQ(kod::KodWPoddrzewie(chain[0].root, 20050601), c.expected) << c.levels;
    }
}

TEST(KodWPoddrzewie, AnyEntryBelowThatCountsAtR) {
    const _stOpisOkresu old[] = {Wpis(nullptr, 19990101, 20021231, nullptr)};
    const _stOpisOkresu later[] = {Wpis(nullptr, 20050101, 99991231, nullptr),
                                   Wpis(nullptr, 20030101, 20041231, nullptr)};
    Trie t;
    t.root[9] = {1, old, nullptr};
    t.root[0] = {0, nullptr, t.child};
    t.child[6] = {2, later, nullptr};

    const struct {
        int r, expected;
    } cases[] = {
        {0, 0},        {-1, 0},       {19981231, -1}, {19990101, 0},
        {20041231, 0}, {199812, -1},   {200212, 0},    {2147483647, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(kod::KodWPoddrzewie(t.root, c.r), c.expected) << c.r;

    EXPECT_EQ(kod::KodWPoddrzewie(nullptr, 0), -1);
    const Trie empty;
    EXPECT_EQ(kod::KodWPoddrzewie(empty.root, 0), -1);
    // only the child: the 1999-2002 entry of the root is not below it
    EXPECT_EQ(kod::KodWPoddrzewie(t.child, 20020101), -1);
}

}  // namespace
