// How each dictionary writes its codes, and the rules of the admissibility
// check that the lookups and the command-line tool's explanations share
// with it: which rule each dictionary ID is checked by, when an entry counts
// on a date, and the 22-character match of codes written as names. Inline
// and free of tables.
#pragma once

#include "dates/period.h"
#include "records/records.h"

namespace kod {

// How the codes of a dictionary are written, and so checked.
enum class RegulaKodu {
    kCyfrowa,   // digit codes in a hierarchy; a heading of longer codes is not a code to enter
    kTytulu,    // six-digit insurance title codes (the obligation-rule records)
    kOddzialu,  // branch codes such as 01R, under their two digits
    kLiterowa,  // letter codes kept as the short texts of one-digit codes
    kTekstowa,  // names (citizenship, countries)
    kBrak,      // no check: nothing may be entered
};

namespace detail {
constexpr RegulaKodu C = RegulaKodu::kCyfrowa, T = RegulaKodu::kTytulu, B = RegulaKodu::kOddzialu,
                     L = RegulaKodu::kLiterowa, X = RegulaKodu::kTekstowa, N = RegulaKodu::kBrak;
// Rule of each dictionary ID from kPierwszySlownik (10001) on.
constexpr RegulaKodu kRegulySlownikow[] = {
    //  1  2  3  4  5  6  7  8  9  10
    C, C, T, C, B, C, C, C, C, C,  // 10001-10010
    C, C, C, B, C, C, C, C, C, C,  // 10011-10020
    C, C, C, L, C, N, C, C, C, C,  // 10021-10030
    C, C, C, L, C, C, L, C, C, N,  // 10031-10040
    N, N, N, N, L, X, X, C, C,     // 10041-10049
};
static_assert(sizeof(kRegulySlownikow) / sizeof(kRegulySlownikow[0]) == kOstatniSlownik - kPierwszySlownik + 1,
              "one rule per catalogued ID");
}  // namespace detail

// The rule of a dictionary ID; kBrak outside 10001-10049.
inline RegulaKodu RegulaSlownika(unsigned int id) {
    if (id < kPierwszySlownik || id > kOstatniSlownik) return RegulaKodu::kBrak;
    return detail::kRegulySlownikow[id - kPierwszySlownik];
}

// An entry counts at the reference value r when r is 0 or less (no date)
// or the entry's period holds r.
inline bool WpisLiczySie(const _stOpisOkresu& e, int r) { return r <= 0 || DataWOkresie(r, e.valid_from, e.valid_to); }

// Text match of the codes written as names: only the first 22 characters
// count, and a text whose 22nd character is a blank also matches a code made
// of its first 21 characters alone. Neither text is read past its NUL nor
// beyond its 22nd character; a null text matches nothing.
constexpr int kZnakiKoduTekstowego = 22;
inline bool TekstKoduPasuje(const KChar* text, const KChar* code) {
    if (!text || !code) return false;
    for (int i = 0; i < kZnakiKoduTekstowego; ++i) {
        if (text[i] != code[i]) {
            // Every earlier character is equal and not NUL.
            return i == kZnakiKoduTekstowego - 1 && text[i] == ' ' && code[i] == 0;
        }
        if (text[i] == 0) return true;
    }
    return true;  // 22 equal characters: the rest does not count
}

}  // namespace kod
