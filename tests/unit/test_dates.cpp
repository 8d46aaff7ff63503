// The period test, the reference value and the date-list walk.
#include <gtest/gtest.h>

#include <cstdarg>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "dates/dates.h"

namespace {

using Tekst = std::basic_string<KChar>;

Tekst T(const std::string& ascii) { return Tekst(ascii.begin(), ascii.end()); }

// ---------------------------------------------------------------- period test

struct OkresCase {
    int r, from, to;
    bool expected;
};

TEST(DataWOkresie, DayAndMonthValues) {
    const OkresCase cases[] = {
        // a month touches the period when any of its days does
        {200312, 20031215, 99991231, true},
        {200311, 20031215, 99991231, false},
        {200401, 20031201, 20031231, false},
        {200312, 20031231, 20031231, true},
        // day values compare with both bounds inclusive
        {20031214, 20031215, 99991231, false},
        {20031215, 20031215, 99991231, true},
        {99991231, 20031215, 99991231, true},
        {20040101, 20031201, 20031231, false},
        // 999999 is the last month value, 1000000 the first day value
        {999912, 19990101, 99991231, true},
        {999999, 19990101, 99991231, false},
        {999999, 0, 99991231, false},  // still a month value: 999999 > 999912
        {1000000, 19990101, 99991231, false},
        // an empty period holds nothing
        {20050101, 20060101, 20041231, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kod::DataWOkresie(c.r, c.from, c.to), c.expected)
            << c.r << " in " << c.from << ".." << c.to;
    }
}

// ----------------------------------------------------------- reference value

// The one period test: a value and the bounds each a day or a month.
TEST(WOkresie, EveryPairOfPrecisions) {
    struct Case {
        int value;
        bool value_is_day;
        int from, to;
        bool bounds_are_days;
        bool expected;
    };
    const Case cases[] = {
        // day against days: as they stand, both ends inclusive
        {20050101, true, 20050101, 20051231, true, true},
        {20041231, true, 20050101, 20051231, true, false},
        {20051231, true, 20050101, 20051231, true, true},
        {20060101, true, 20050101, 20051231, true, false},
        // month against days: the bounds' months
        {200501, false, 20050115, 20050131, true, true},
        {200412, false, 20050101, 20051231, true, false},
        {200512, false, 20050101, 20051215, true, true},
        {200601, false, 20050101, 20051231, true, false},
        // day against months: the day's month
        {20050131, true, 200501, 200512, false, true},
        {20041231, true, 200501, 200512, false, false},
        {20051231, true, 200501, 200512, false, true},
        {20060101, true, 200501, 200512, false, false},
        // month against months
        {200501, false, 200501, 200512, false, true},
        {200601, false, 200501, 200512, false, false},
        // a day of a year below 100 told by its form, not by its size
        {500101, true, 19990101, 99991231, true, false},
        {500101, true, 101, 99991231, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kod::WOkresie(c.value, c.value_is_day, c.from, c.to, c.bounds_are_days), c.expected)
            << c.value << (c.value_is_day ? " day" : " month") << " in " << c.from << ".." << c.to
            << (c.bounds_are_days ? " days" : " months");
    }
}

// The value of a date text, read in one pass: a calendar day, else a month
// of the years 1850-2020, else no date.
TEST(WartoscDaty, DayMonthOrNoDate) {
    struct Case {
        const char* text;
        int value;
        bool is_day;
    };
    const Case cases[] = {
        {"01012005", 20050101, true}, {"29022004", 20040229, true}, {"29022000", 20000229, true},
        {"29021900", 0, false},       {"31042005", 0, false},       {"00012005", 0, false},
        {"01132005", 0, false},       {"01010050", 500101, true},   {"122003", 200312, false},
        {"011850", 185001, false},    {"122020", 202012, false},    {"012021", 0, false},
        {"001999", 0, false},         {"131999", 0, false},         {"0101200", 0, false},
        {"010120055", 0, false},      {"01012005 ", 0, false},      {"1a0105", 0, false},
        {"", 0, false},               {"12003", 0, false},
    };
    for (const Case& c : cases) {
        const Tekst t(c.text, c.text + std::char_traits<char>::length(c.text));
        bool is_day = !c.is_day;  // left as it is when there is no date
        const int value = kod::WartoscDaty(t.c_str(), is_day);
        EXPECT_EQ(value, c.value) << c.text;
        if (c.value != 0) {
            EXPECT_EQ(is_day, c.is_day) << c.text;
        }
    }
    bool is_day = false;
    EXPECT_EQ(kod::WartoscDaty(nullptr, is_day), 0);
}

TEST(WartoscOdniesienia, DayMonthOrNothing) {
    const struct {
        const char* text;  // null: null pointer
        int expected;
    } cases[] = {
        {nullptr, 0},
        {"", 0},
        {"31121998", 19981231},
        // Days of years below 100 stay days before every period, never
        // months: 01010050 would otherwise spell the month 5001-01.
        {"01010000", 1000000},
        {"01010050", 1000000},
        {"31129999", 99991231},
        {"01010100", 1000101},
        {"121998", 199812},
        {"011850", 185001},
        {"132005", 0},    // month 13
        {"122021", 0},    // month text past 2020
        {"29022005", 0},  // no such day, and 8 characters are no month
        {"2902", 0},      // DDMM is no reference date
        {"1219980", 0},
        {" 121998", 0},
    };
    for (const auto& c : cases) {
        const Tekst t = c.text ? T(c.text) : Tekst();
        EXPECT_EQ(kod::WartoscOdniesienia(c.text ? t.c_str() : nullptr), c.expected)
            << (c.text ? c.text : "null");
    }
    const Tekst dlugi = T(std::string(10000, '1'));
    EXPECT_EQ(kod::WartoscOdniesienia(dlugi.c_str()), 0);
}

// ------------------------------------------------------------- list sources

// Reads a source to its end, at most `limit` texts (guards against a source
// that never ends).
std::vector<const KChar*> Czytaj(kod::ZrodloDatVa& z, int limit = 20) {
    std::vector<const KChar*> out;
    z.Restart();
    while (limit-- > 0) {
        const KChar* t = z.Next();
        if (!t) break;
        out.push_back(t);
    }
    return out;
}

std::vector<const KChar*> VaBezPierwszego(int dummy, ...) {
    va_list ap;
    va_start(ap, dummy);
    std::vector<const KChar*> first, second, after;
    {
        kod::ZrodloDatVa z(ap);
        first = Czytaj(z);
        second = Czytaj(z);
        // past the end the source stays at its end
        after.push_back(z.Next());
        after.push_back(z.Next());
    }
    va_end(ap);
    EXPECT_EQ(first, second);
    EXPECT_EQ(after, (std::vector<const KChar*>{nullptr, nullptr}));
    return first;
}

std::vector<const KChar*> VaZPierwszym(const KChar* first_text, ...) {
    va_list ap;
    va_start(ap, first_text);
    std::vector<const KChar*> first, second;
    {
        kod::ZrodloDatVa z(first_text, ap);
        first = Czytaj(z);
        second = Czytaj(z);
        EXPECT_EQ(z.Next(), nullptr);
    }
    va_end(ap);
    EXPECT_EQ(first, second);
    return first;
}

TEST(ZrodloDat, StopsAtTheFirstNull) {
    const Tekst a = T("a"), b = T("b"), c = T("c");
    // "c" after the null must never be seen
    EXPECT_EQ(VaBezPierwszego(0, a.c_str(), b.c_str(), static_cast<const KChar*>(nullptr), c.c_str(),
                              static_cast<const KChar*>(nullptr)),
              (std::vector<const KChar*>{a.c_str(), b.c_str()}));
    EXPECT_TRUE(VaBezPierwszego(0, static_cast<const KChar*>(nullptr), c.c_str(),
                                static_cast<const KChar*>(nullptr))
                    .empty());
    EXPECT_EQ(VaZPierwszym(a.c_str(), b.c_str(), static_cast<const KChar*>(nullptr), c.c_str(),
                           static_cast<const KChar*>(nullptr)),
              (std::vector<const KChar*>{a.c_str(), b.c_str()}));
    // a null first text is an empty list; the arguments behind it are not read
    EXPECT_TRUE(VaZPierwszym(nullptr, c.c_str(), static_cast<const KChar*>(nullptr)).empty());

    const KChar* tablica[] = {a.c_str(), nullptr, c.c_str(), nullptr};
    kod::ZrodloDatTablica z(tablica);
    for (int pass = 0; pass < 2; ++pass) {
        z.Restart();
        EXPECT_EQ(z.Next(), a.c_str());
        EXPECT_EQ(z.Next(), nullptr);
        EXPECT_EQ(z.Next(), nullptr);
    }
    kod::ZrodloDatTablica pusta(nullptr);
    pusta.Restart();
    EXPECT_EQ(pusta.Next(), nullptr);
}

// --------------------------------------------------------------- list walk

constexpr int kDzis = -7;  // placeholder for today's date number in a case

struct Wizyta {
    int value;
    bool dzien;
    bool operator==(const Wizyta& o) const { return value == o.value && dzien == o.dzien; }
};

std::ostream& operator<<(std::ostream& os, const Wizyta& w) {
    return os << "(" << w.value << (w.dzien ? ", day)" : ", month)");
}

struct Rejestr {
    std::vector<Wizyta> wizyty;
    int stop_at = -1;  // index of the visit that returns stop_value
    int stop_value = 0;
    int operator()(int value, bool dzien) {
        wizyty.push_back({value, dzien});
        return static_cast<int>(wizyty.size()) - 1 == stop_at ? stop_value : kod::kListaDalej;
    }
};

struct ListaCase {
    const char* name;
    std::vector<std::string> texts;
    int stop_at;
    int stop_value;
    std::vector<Wizyta> expected;  // kDzis in value means today
    int result;
};

std::vector<ListaCase> Przypadki() {
    using kod::kListaDalej;
    using kod::kListaKoniec;
    const std::string dlugi(10000, 'x');
    return {
        {"empty list", {}, -1, 0, {}, kod::kListaPusta},  // told apart from a list walked to its end
        {"all invalid: today for each",
         {"ab", "", "31022005", "1320", dlugi, "132005"},
         -1, 0,
         {{kDzis, true}, {kDzis, true}, {kDzis, true}, {kDzis, true}, {kDzis, true}, {kDzis, true}},
         kListaKoniec},
        {"one valid: invalid skipped", {"ab", "15052004", "zz", "32012004"}, -1, 0, {{20040515, true}},
         kListaKoniec},
        {"month and day values", {"122003", "15052004", "011850"}, -1, 0,
         {{200312, false}, {20040515, true}, {185001, false}},
         kListaKoniec},
        {"month text out of years skipped", {"012021", "01012005"}, -1, 0, {{20050101, true}},
         kListaKoniec},
        {"day text of a small year stays a day", {"01010050"}, -1, 0, {{500101, true}}, kListaKoniec},
        {"visitor stops with its value", {"01012005", "01022005", "01032005"}, 1, 7,
         {{20050101, true}, {20050201, true}},
         7},
        {"visitor stops an all-invalid list", {"a", "b"}, 0, -1, {{kDzis, true}}, -1},
        {"visitor's kListaBlad passes through", {"01012005", "01022005"}, 0, kod::kListaBlad,
         {{20050101, true}},
         kod::kListaBlad},
    };
}

std::vector<Wizyta> ZDzisiaj(std::vector<Wizyta> v, int dzis) {
    for (auto& w : v)
        if (w.value == kDzis) w.value = dzis;
    return v;
}

int WalkVaC(Rejestr* rej, ...) {
    va_list ap;
    va_start(ap, rej);
    int r;
    {
        kod::ZrodloDatVa z(ap);
        r = kod::PrzejdzListeDat(z, *rej);
    }
    va_end(ap);
    return r;
}

int WalkVaFirstC(Rejestr* rej, const KChar* first, ...) {
    va_list ap;
    va_start(ap, first);
    int r;
    {
        kod::ZrodloDatVa z(first, ap);
        r = kod::PrzejdzListeDat(z, *rej);
    }
    va_end(ap);
    return r;
}

template <std::size_t... I>
int WalkVa(Rejestr& rej, const std::vector<const KChar*>& v, std::index_sequence<I...>) {
    return WalkVaC(&rej, v[I]..., static_cast<const KChar*>(nullptr));
}

template <std::size_t... I>
int WalkVaFirst(Rejestr& rej, const std::vector<const KChar*>& v, std::index_sequence<I...>) {
    // the list begins with the named argument
    return WalkVaFirstC(&rej, v.empty() ? nullptr : v[0], v[I + 1]..., static_cast<const KChar*>(nullptr));
}

template <std::size_t N>
int ZOboma(Rejestr& rej, const std::vector<const KChar*>& v, bool first) {
    if constexpr (N == 0) {
        return first ? WalkVaFirstC(&rej, nullptr) : WalkVaC(&rej, static_cast<const KChar*>(nullptr));
    } else {
        return first ? WalkVaFirst(rej, v, std::make_index_sequence<N - 1>{})
                     : WalkVa(rej, v, std::make_index_sequence<N>{});
    }
}

int WalkVaAny(Rejestr& rej, const std::vector<const KChar*>& v, bool first) {
    switch (v.size()) {
        case 0: return ZOboma<0>(rej, v, first);
        case 1: return ZOboma<1>(rej, v, first);
        case 2: return ZOboma<2>(rej, v, first);
        case 3: return ZOboma<3>(rej, v, first);
        case 4: return ZOboma<4>(rej, v, first);
        case 5: return ZOboma<5>(rej, v, first);
        case 6: return ZOboma<6>(rej, v, first);
    }
    ADD_FAILURE() << "list too long for the test helper";
    return 0;
}

TEST(PrzejdzListeDat, OverEverySource) {
    const int dzis = kod::Dzisiaj();
    ASSERT_GT(dzis, 19700101);
    for (const auto& c : Przypadki()) {
        std::vector<Tekst> teksty;
        for (const auto& s : c.texts) teksty.push_back(T(s));
        std::vector<const KChar*> ptrs;
        for (const auto& t : teksty) ptrs.push_back(t.c_str());
        const std::vector<Wizyta> expected = ZDzisiaj(c.expected, dzis);

        enum { kTablica, kVa, kVaPierwszy };
        for (int zrodlo : {kTablica, kVa, kVaPierwszy}) {
            Rejestr rej;
            rej.stop_at = c.stop_at;
            rej.stop_value = c.stop_value;
            int r;
            if (zrodlo == kTablica) {
                std::vector<const KChar*> tab = ptrs;
                tab.push_back(nullptr);
                kod::ZrodloDatTablica z(tab.data());
                r = kod::PrzejdzListeDat(z, rej);
            } else {
                r = WalkVaAny(rej, ptrs, zrodlo == kVaPierwszy);
            }
            EXPECT_EQ(r, c.result) << c.name << " source " << zrodlo;
            EXPECT_EQ(rej.wizyty, expected) << c.name << " source " << zrodlo;
        }
    }
}

TEST(PrzejdzListeDat, VisitorOfValueOnly) {
    const Tekst a = T("122003"), b = T("15052004");
    const KChar* tab[] = {a.c_str(), b.c_str(), nullptr};
    kod::ZrodloDatTablica z(tab);
    std::vector<int> values;
    const int r = kod::PrzejdzListeDat(z, [&](int v) {
        values.push_back(v);
        return kod::kListaDalej;
    });
    EXPECT_EQ(r, kod::kListaKoniec);
    EXPECT_EQ(values, (std::vector<int>{200312, 20040515}));
}

}  // namespace
