// Baseline (a): the same dictionaries and rule tables as hash maps, the way a
// team would write them without the library's design: one
// std::unordered_map<text, std::vector<Entry>> per table, filled at start-up
// from the same data (the generated tables of data/*.tsv), owning its texts.
#pragma once

#include <unordered_map>
#include <vector>

#include "common.h"

namespace bench {

class HashBaseline {
public:
    struct Entry {
        int from;
        int to;
        KChar attribute;
        Str short_text;
        Str description;
    };
    using Entries = std::vector<Entry>;
    struct Period {
        int from;
        int to;
        int value;
    };

    HashBaseline();  // fills every map

    // Dictionary 10004: the code's entries, or null (sl_PobierzOpisKodu).
    const Entries* Find(const KChar* code) const;
    // The entry of a 10004 code in force on the date (0: the first), or
    // null (sl_PobierzOpisOkresu).
    const Entry* Period10004(const KChar* code, int date) const;
    // May the code be entered in a 10004 field on the date text: a code none
    // of whose longer codes counts at the date, with an entry in force.
    int Admissible10004(const KChar* code, const KChar* date) const;
    // A six-digit insurance title code in force on the date text (10003).
    int Title(const KChar* code, const KChar* date) const;
    // The title from its three parts, then Title (obligation rules).
    int TitleFromParts(const KChar* title4, const KChar* pension, const KChar* disability,
                       const KChar* date) const;
    // Amount kind of a benefit code in a month, adjusted by the title.
    int AmountKind(const KChar* title, const KChar* code, int expected, const KChar* month) const;
    // May the second benefit code stand with the first on the date.
    bool Together(const KChar* first, const KChar* second, int date) const;
    // Is the title (three parts) on form ZUS RNA at one of the dates.
    int FormRNA(const KChar* title4, const KChar* pension, const KChar* disability,
                const KChar* const* dates) const;
    // A country written as its code or name (10047) in force on the date.
    int Country(const KChar* text, const KChar* date) const;

private:
    std::unordered_map<Str, Entries> occupations_;                  // 10004
    std::unordered_map<Str, std::vector<const Entries*>> longer_;   // 10004: prefix -> longer codes
    std::unordered_map<Str, std::vector<Period>> titles_;           // title rules (day lists)
    std::unordered_map<Str, std::vector<Period>> amount_;           // benefit amount kinds
    std::unordered_map<Str, Entries> pairs_;                        // benefit codes together
    std::unordered_map<Str, Entries> form_rna_;                     // titles on ZUS RNA / RCA
    std::unordered_map<Str, std::vector<Period>> countries_;        // 10047 by text
};

}  // namespace bench
