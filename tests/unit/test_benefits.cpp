// Benefit rule tables after the build, the shared lookups, the conversion
// of 8-bit text and concurrent use of the benefit checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "benefits/tables.h"
#include "dates/dates.h"
#include "benefits/text8.h"
#include "frame/build.h"
#include "platform/platform.h"

namespace {

using namespace kod;

// ---------------------------------------------------------------- tables

TEST(BenefitTables, BuildSetsEveryHeaderToItsSource) {
    ZbudujSlowniki();
    for (int t = 0; t < kTablicZaleznosci; ++t) {
        const _stTablicaZaleznosci& h = Tablica(static_cast<TablicaZaleznosci>(t));
        EXPECT_EQ(h.count, 44) << t;
        EXPECT_EQ(h.rows, kZrodlaZaleznosci[t].rows) << t;
    }
    EXPECT_EQ(&Tablica(kDRA), &ZaleznosciDRA);
    EXPECT_EQ(&Tablica(kKwotaTyp), &ZaleznosciKwotaTyp);
}

TEST(BenefitTables, RowSearchFindsTheFirstRowOfACode) {
    ZbudujSlowniki();
    const _stZaleznosciKodSw* first = &ZaleznosciWST.rows[0];
    const _stZaleznosciKodSw* last = &ZaleznosciWST.rows[43];
    EXPECT_EQ(ZnajdzWiersz(ZaleznosciWST, 111), first);
    EXPECT_EQ(ZnajdzWiersz(ZaleznosciWST, 100), last);
    for (long absent : {0L, -111L, 999L, 300L, 2147483647L}) EXPECT_EQ(ZnajdzWiersz(ZaleznosciWST, absent), nullptr);
    // an empty table (as before the build) has no rows
    const _stTablicaZaleznosci empty = {0, nullptr};
    EXPECT_EQ(ZnajdzWiersz(empty, 111), nullptr);
    // the first of two rows of one code decides
    const _stOkresZaleznosci p[2] = {{1, 2, 10}, {1, 2, 20}};
    const _stZaleznosciKodSw rows[2] = {{5, 1, &p[0]}, {5, 1, &p[1]}};
    const _stTablicaZaleznosci twice = {2, rows};
    EXPECT_EQ(ZnajdzWiersz(twice, 5), &rows[0]);
}

TEST(BenefitTables, PeriodScanStopsAtTheFirstMatch) {
    const _stOkresZaleznosci p[3] = {{19990101, 20010531, 105}, {19990101, 20030930, 105}, {20031001, 99991231, 100}};
    const _stZaleznosciKodSw row = {155, 3, p};
    int seen = 0;
    const _stOkresZaleznosci* hit = ZnajdzOkres(&row, [&](const _stOkresZaleznosci& e) {
        ++seen;
        return MiesiacWOkresie(200101, e.valid_from, e.valid_to);
    });
    EXPECT_EQ(hit, &p[0]);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(ZnajdzOkres(&row, [](const _stOkresZaleznosci& e) { return e.value == 100; }), &p[2]);
    EXPECT_EQ(ZnajdzOkres(&row, [](const _stOkresZaleznosci&) { return false; }), nullptr);
    EXPECT_EQ(ZnajdzOkres(nullptr, [](const _stOkresZaleznosci&) { return true; }), nullptr);
}

struct NachodziCase {
    int a, b, from, to;
    bool months, expected;
};

TEST(BenefitTables, RangeOverlap) {
    const NachodziCase cases[] = {
        // the entry starts within the query, or the query starts within the entry
        {20080630, 20080701, 20080701, 99991231, false, true},
        {20080701, 20080701, 20031001, 20080630, false, false},
        {20080630, 20080630, 20031001, 20080630, false, true},
        // a query ending before it starts only meets an entry holding its start
        {20080701, 20080630, 20031001, 20080630, false, false},
        {20050101, 20040101, 20031001, 20080630, false, true},
        // months against bounds divided by 100
        {200806, 200806, 20031001, 20080630, true, true},
        {200807, 200807, 20031001, 20080630, true, false},
        {200806, 200807, 20080701, 99991231, true, true},
        {999912, 999912, 20080701, 99991231, true, true},
        // months against full bounds lie before every entry
        {200806, 200806, 20031001, 20080630, false, false},
        {-2147483647 - 1, 2147483647, 19990101, 20010531, false, true},
    };
    for (const NachodziCase& c : cases)
        EXPECT_EQ(ZakresNachodzi(c.a, c.b, c.from, c.to, c.months), c.expected)
            << c.a << ".." << c.b << " vs " << c.from << ".." << c.to << (c.months ? " months" : "");
}

TEST(BenefitTables, DateTextByLength) {
    auto T = [](const char* s) {
        static thread_local std::basic_string<KChar> t;
        t.assign(s, s + std::char_traits<char>::length(s));
        return t.c_str();
    };
    EXPECT_EQ(DataWedlugDlugosci(nullptr), 0);
    EXPECT_EQ(DataWedlugDlugosci(T("")), 0);
    EXPECT_EQ(DataWedlugDlugosci(T("12005")), 0);
    EXPECT_EQ(DataWedlugDlugosci(T("012005")), 200501);
    EXPECT_EQ(DataWedlugDlugosci(T("15012005")), 20050115);
    EXPECT_EQ(DataWedlugDlugosci(T("150120051")), 0);
    EXPECT_EQ(DataWedlugDlugosci(T(std::string(10000, '1').c_str())), 0);
}

// ---------------------------------------------------------------- 8-bit text

TEST(Text8, ConversionIsBoundedAndReadsWindows1250) {
    char16_t out[8];
    EXPECT_FALSE(platform::Na16Bitow(nullptr, out, 8, false));
    ASSERT_TRUE(platform::Na16Bitow("", out, 8, false));
    EXPECT_EQ(out[0], 0);
    ASSERT_TRUE(platform::Na16Bitow("1234567", out, 8, false));  // 7 bytes + NUL fit
    EXPECT_EQ(std::u16string(out), u"1234567");
    EXPECT_FALSE(platform::Na16Bitow("12345678", out, 8, false));
    EXPECT_FALSE(platform::Na16Bitow("1", out, 0, false));
    // the text is never read past the bound
    const char unterminated[8] = {'1', '1', '1', '1', '1', '1', '1', '1'};
    EXPECT_FALSE(platform::Na16Bitow(unterminated, out, 8, false));
    ASSERT_TRUE(platform::Na16Bitow("\xB3\xB9\x80\x81\xA5", out, 8, true));
    EXPECT_EQ(std::u16string(out), std::u16string({0x0142, 0x0105, 0x20AC, 0x0081, 0x0104}));
}

// Kodownik_W converts up to 1023 characters and takes a longer text for
// null; Kodownik_A uses the bytes as they are, whatever their length.
TEST(Text8, TheBoundIsTheBuffersInWAndNoneInA) {
    struct Case {
        std::size_t length;
        bool w_text;  // Kodownik_W gets a text (not null)
    };
    const Case cases[] = {{0, true}, {63, true}, {64, true}, {1022, true}, {1023, true}, {1024, false}, {5000, false}};
    for (const Case& c : cases) {
        const std::string text(c.length, '1');
        const Tekst8 t(text.c_str());
        const bool expected = kWide ? c.w_text : true;
        EXPECT_EQ(t.get() != nullptr, expected) << "length " << c.length;
        if (t.get()) {
            EXPECT_EQ(TextLength(t.get()), c.length) << "length " << c.length;
        }
    }
    EXPECT_EQ(Tekst8(nullptr).get(), nullptr);
    const Tekst8 t("311");
    ASSERT_NE(t.get(), nullptr);
    EXPECT_EQ(TextToLong(t.get()), 311);
}

// ---------------------------------------------------------------- pairs

// The pair check answers from an index by period; it must agree with the
// plain reading of the generated list (any entry of the first code naming
// the second whose period holds the date) for every code, every partner
// named anywhere, codes named nowhere, and dates on, just inside and just
// outside every period (and -1, any period).
TEST(BenefitPairs, TheIndexByPeriodAgreesWithTheList) {
    ZbudujSlowniki();
    const ZrodloTrie& trie = kTrieKodySwRazem;
    std::vector<std::string> partners = {"000", "999", "123"};
    std::vector<int> dates = {-1, 0, 200501, 19000101, 99991231};
    for (unsigned i = 0; i < trie.code_count; ++i) {
        for (unsigned k = 0; k < trie.codes[i].count; ++k) {
            const _stOpisOkresu& e = trie.entries[trie.codes[i].first + k];
            if (e.short_text) partners.emplace_back(e.short_text, e.short_text + TextLength(e.short_text));
            for (int d : {e.valid_from - 1, e.valid_from, e.valid_to, e.valid_to + 1}) dates.push_back(d);
        }
    }
    std::sort(partners.begin(), partners.end());
    partners.erase(std::unique(partners.begin(), partners.end()), partners.end());
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());

    long compared = 0, yes = 0;
    for (unsigned i = 0; i < trie.code_count; ++i) {
        const KodZrodlowy& code = trie.codes[i];
        const std::basic_string<KChar> first(code.code, code.code + std::strlen(code.code));
        for (const std::string& p : partners) {
            const std::basic_string<KChar> second(p.begin(), p.end());
            for (int date : dates) {
                bool expected = false;
                for (unsigned k = 0; k < code.count && !expected; ++k) {
                    const _stOpisOkresu& e = trie.entries[code.first + k];
                    expected = TextEqual(e.short_text, second.c_str()) &&
                               (date == -1 || (e.valid_from <= date && date <= e.valid_to));
                }
                ASSERT_EQ(MogaBycRazem(first.c_str(), second.c_str(), date), expected)
                    << code.code << " " << p << " " << date;
                ++compared;
                yes += expected;
            }
        }
    }
    EXPECT_GT(yes, 0);
    EXPECT_GT(compared - yes, 0);
}

// ---------------------------------------------------------------- threads

TEST(BenefitChecks, ConcurrentCallsAgree) {
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([&wrong] {
            for (int k = 0; k < 200; ++k) {
                if (!bw_TypZaleznosciKoduSwDlaOkresu("011000", "311", 200501, 200501)) ++wrong;
                if (bw_TypZaleznosciKoduSwDlaOkresu("051000", "311", 200501, 200501)) ++wrong;
                if (!bw_OdowiedniTypSwiadczenia("211", 122, 200806)) ++wrong;
                if (!bw_KodSpecjalny("101000", 21, 200501, 200501)) ++wrong;
                const KChar code[] = {'2', '1', '2', 0}, month[] = {'0', '9', '2', '0', '0', '9', 0};
                if (sl_SprawdzKodSwWST(code, month) != 48) ++wrong;
                const KChar a[] = {'1', '1', '1', 0}, b[] = {'3', '5', '0', 0};
                if (!fb_KVDKodySwiadMogaBycRazem(a, b, 20040615)) ++wrong;
            }
        });
    }
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
