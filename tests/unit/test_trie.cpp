// Trie linking, the slot walk and the dense title-rule index.
#include <gtest/gtest.h>

#include <string>

#include "dictionary/catalogue.h"
#include "dictionary/trie.h"
#include "frame/text.h"
#include "dictionary/title_index.h"

namespace {

using kod::KodZrodlowy;
using kod::ZrodloTrie;

std::basic_string<KChar> T(const char* s) {
    std::basic_string<KChar> out;
    for (; *s; ++s) out.push_back(static_cast<KChar>(*s));
    return out;
}

// A heading and its members on one path, two codes sharing one entry list,
// and a code under a slot that is only an inner step.
const _stOpisOkresu kEntries[] = {
    {nullptr, 19990101, 20021231, 0, nullptr},
    {nullptr, 20030101, 99991231, 0, nullptr},
    {nullptr, 19981231, 99991231, 64, nullptr},
};
const KodZrodlowy kCodes[] = {
    {"0", 1, 2}, {"01", 2, 0}, {"011", 1, 2}, {"59", 2, 0}, {"5931", 1, 1},
};

_stOpisKodu kNodesExact[6][10];
const ZrodloTrie kTrie = {kCodes, 5, kEntries, kNodesExact, 6};

TEST(Trie, LinksEveryCodeAndKeepsHeadingsOnTheirPath) {
    kod::ZbudujTrie(kTrie);
    const _stOpisKodu* root = kod::KorzenTrie(kTrie);
    struct Case { const char* code; int count; bool child; int first; };
    const Case cases[] = {
        {"0", 1, true, 2}, {"01", 2, true, 0}, {"011", 1, false, 2}, {"5", 0, true, -1},
        {"59", 2, true, 0}, {"593", 0, true, -1}, {"5931", 1, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const _stOpisKodu* slot = kod::ZnajdzSlot(root, T(c.code).c_str());
        ASSERT_NE(slot, nullptr);
        EXPECT_EQ(static_cast<int>(slot->count), c.count);
        EXPECT_EQ(slot->child != nullptr, c.child);
        if (c.first >= 0) EXPECT_EQ(slot->entries, &kEntries[c.first]);
        else EXPECT_EQ(slot->entries, nullptr);
    }
    // Codes 01 and 59 share one entry sequence.
    EXPECT_EQ(kod::ZnajdzSlot(root, T("01").c_str())->entries, kod::ZnajdzSlot(root, T("59").c_str())->entries);
}

TEST(Trie, WalkRefusesWhatIsNotOnAPath) {
    kod::ZbudujTrie(kTrie);
    const _stOpisKodu* root = kod::KorzenTrie(kTrie);
    EXPECT_EQ(kod::ZnajdzSlot(root, T("").c_str()), root);  // the empty code is slot 0 of the root
    for (const char* bad : {"0111", "6", "59310", "5a", "a", " 1", "01-"}) {
        SCOPED_TRACE(bad);
        const _stOpisKodu* slot = kod::ZnajdzSlot(root, T(bad).c_str());
        // A slot may exist for a digit that no code uses, but then it ends nothing and leads nowhere.
        if (slot) {
            EXPECT_EQ(slot->count, 0);
            EXPECT_EQ(slot->child, nullptr);
        }
    }
    EXPECT_EQ(kod::ZnajdzSlot(root, nullptr), nullptr);
    EXPECT_EQ(kod::ZnajdzSlot(root, T("5a").c_str()), nullptr);
    EXPECT_EQ(kod::ZnajdzSlot(root, T(std::string(10000, '5').c_str()).c_str()), nullptr);
}

TEST(Trie, RebuildingGivesTheSameTrie) {
    kod::ZbudujTrie(kTrie);
    _stOpisKodu copy[6][10];
    for (int n = 0; n < 6; ++n)
        for (int d = 0; d < 10; ++d) copy[n][d] = kNodesExact[n][d];
    kod::ZbudujTrie(kTrie);
    for (int n = 0; n < 6; ++n)
        for (int d = 0; d < 10; ++d) {
            EXPECT_EQ(copy[n][d].count, kNodesExact[n][d].count);
            EXPECT_EQ(copy[n][d].entries, kNodesExact[n][d].entries);
            EXPECT_EQ(copy[n][d].child, kNodesExact[n][d].child);
        }
}

TEST(Trie, TooFewNodesNeverWritesOutside) {
    // A table whose node count is short stops linking instead of writing
    // past its storage (the generator counts nodes exactly; this guards it).
    _stOpisKodu guard[2][10] = {};
    const ZrodloTrie short_trie = {kCodes, 5, kEntries, guard, 1};
    kod::ZbudujTrie(short_trie);
    for (const _stOpisKodu& s : guard[1]) {
        EXPECT_EQ(s.count, 0);
        EXPECT_EQ(s.child, nullptr);
    }
}

TEST(Text, RuntimeDecimalConversion) {
    struct Case { const char* text; long value; };
    const Case cases[] = {
        {"111", 111}, {"111a", 111}, {"+111", 111}, {"-111", -111}, {" 111", 111}, {"\t\n111", 111},
        {"", 0}, {"a111", 0}, {"+", 0}, {"0", 0}, {"99999999999999999999", 2147483647},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(kod::TextToLong(T(c.text).c_str()), c.value);
    }
    EXPECT_EQ(kod::TextToLong(nullptr), 0);
}

TEST(Text, SixDigitJoinIsBoundedAndRefusesNulls) {
    struct Case {
        const char *a, *b, *c;
        const char* joined;  // null: no six-digit code
    };
    const Case cases[] = {
        {"0110", "0", "0", "011000"}, {"05", "12", "20", "051220"}, {"", "", "011000", "011000"},
        {"0110", "00", "1", nullptr},  // seven characters
        {"0110", "0", "", nullptr},    // five
        {"", "", "", nullptr},         {"011a", "0", "0", nullptr}, {"0110", " ", "0", nullptr},
        {nullptr, "0", "0", nullptr},  {"0110", nullptr, "0", nullptr}, {"0110", "0", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a ? c.a : "null") + "|" + (c.b ? c.b : "null") + "|" + (c.c ? c.c : "null"));
        const auto a = c.a ? T(c.a) : T(""), b = c.b ? T(c.b) : T(""), cc = c.c ? T(c.c) : T("");
        KChar out[7];
        const bool ok = kod::KodSzesciocyfrowy(out, c.a ? a.c_str() : nullptr, c.b ? b.c_str() : nullptr,
                                               c.c ? cc.c_str() : nullptr);
        EXPECT_EQ(ok, c.joined != nullptr);
        if (ok && c.joined) {
            EXPECT_EQ(std::basic_string<KChar>(out), T(c.joined));
        }
    }
}

TEST(TitleIndex, CharacterRangesAndTheFiveCharacterForm) {
    // Codes outside the index are null without indexing; a five-character
    // code is the six-character code with disability digit 0.
    for (const char* bad : {"611000", "0a1000", "011030", "011005", "01100a", "0110", "", "/11000", ":11000"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(kod::PobierzZasadyKoduTytulu(T(bad).c_str()), nullptr);
    }
    EXPECT_EQ(kod::PobierzZasadyKoduTytulu(nullptr), nullptr);
    EXPECT_EQ(kod::PobierzZasadyKoduTytulu(T("01100").c_str()), kod::PobierzZasadyKoduTytulu(T("011000").c_str()));
    // Characters after the sixth are not examined.
    EXPECT_EQ(kod::PobierzZasadyKoduTytulu(T("011000xyz").c_str()), kod::PobierzZasadyKoduTytulu(T("011000").c_str()));
    if (kod::kZasadyKodowCount > 0) {
        EXPECT_NE(kod::PobierzZasadyKoduTytulu(T("011000").c_str()), nullptr);
        EXPECT_NE(kod::PobierzZasadyKoduTytulu(T("500024").c_str()), nullptr);
        EXPECT_EQ(kod::PobierzZasadyKoduTytulu(T("010000").c_str()), nullptr);
    }
}

TEST(Catalogue, IdsOutsideTheRangeHaveNoEntry) {
    EXPECT_EQ(kod::PozycjaSlownika(10000), nullptr);
    EXPECT_EQ(kod::PozycjaSlownika(10050), nullptr);
    EXPECT_EQ(kod::PozycjaSlownika(0xFFFFFFFFu), nullptr);
    for (unsigned id = 10001; id <= 10049; ++id) {
        ASSERT_NE(kod::PozycjaSlownika(id), nullptr);
        EXPECT_EQ(kod::PozycjaSlownika(id)->id, id);
    }
}

}  // namespace
