// Benefit code rule tables, the special title table and the lookups that
// every benefit check shares.
#pragma once

#include "frame/text.h"

namespace kod {

// One period of a rule-table row: the table's value for the code in it.
struct _stOkresZaleznosci {
    int valid_from;  // YYYYMMDD, inclusive
    int valid_to;    // YYYYMMDD, inclusive; 99991231 = open end
    int value;
};

// One row: a benefit code as a number and its period entries.
struct _stZaleznosciKodSw {
    int code;
    int period_count;
    const _stOkresZaleznosci* periods;
};

// A rule table: rows in the stored code order.
struct _stTablicaZaleznosci {
    int count;
    const _stZaleznosciKodSw* rows;
};

// The eight rule tables.
enum TablicaZaleznosci {
    kOkresOdTyp = 0,            // period-from type
    kOkresDoTyp = 1,            // period-to type (same values as period-from)
    kKwotaTyp = 2,              // amount type
    kLiczbaDniSkladkiTyp = 3,   // contribution-days type
    kMSCTyp = 4,                // MSC type
    kWST = 5,                   // WST number
    kTypSwiadczenia = 6,        // benefit type
    kDRA = 7,                   // DRA type
    kTablicZaleznosci = 8
};

// Generated (src/data/benefit_rules.cpp): the full tables.
extern const _stTablicaZaleznosci kZrodlaZaleznosci[kTablicZaleznosci];

// The headers the checks read: empty (count 0) until the one-time build
// sets them; never written afterwards.
extern _stTablicaZaleznosci ZaleznosciOkresOdTyp;
extern _stTablicaZaleznosci ZaleznosciOkresDoTyp;
extern _stTablicaZaleznosci ZaleznosciKwotaTyp;
extern _stTablicaZaleznosci ZaleznosciLiczbaDniSkladkiTyp;
extern _stTablicaZaleznosci ZaleznosciMSCTyp;
extern _stTablicaZaleznosci ZaleznosciWST;
extern _stTablicaZaleznosci ZaleznosciTypSwiadczenia;
extern _stTablicaZaleznosci ZaleznosciDRA;

// Header of a table by index (always one of the eight above).
const _stTablicaZaleznosci& Tablica(TablicaZaleznosci t);

// Row search: the first row of the code, or null.
const _stZaleznosciKodSw* ZnajdzWiersz(const _stTablicaZaleznosci& table, long code);

// Period scan: the first period entry of the row (null row: none) for which
// test(entry) holds, or null.
template <class Test>
const _stOkresZaleznosci* ZnajdzOkres(const _stZaleznosciKodSw* row, Test&& test) {
    if (!row) return nullptr;
    for (int i = 0; i < row->period_count; ++i) {
        if (test(row->periods[i])) return &row->periods[i];
    }
    return nullptr;
}

// Date tests of the scans.
// A month YYYYMM within the entry's bounds divided by 100.
inline bool MiesiacWOkresie(int month, int from, int to) { return from / 100 <= month && month <= to / 100; }
// The query [a, b] against an entry [from, to]: a <= from <= b, or
// from <= a <= to. Bounds are compared as stored when months is false and
// divided by 100 when it is true.
inline bool ZakresNachodzi(int a, int b, int from, int to, bool months) {
    if (months) {
        from /= 100;
        to /= 100;
    }
    return (a <= from && from <= b) || (from <= a && a <= to);
}

// A date text read by its length: "MMRRRR" gives YYYYMM, "DDMMRRRR"
// YYYYMMDD (an ill-formed text of either length the current month or day),
// any other length or null 0 (no date). Reads at most nine characters.
int DataWedlugDlugosci(const KChar* text);

// Slot of a six-digit insurance title code in the title-benefit matrix
// (dictionary 10001); null when the text is not six digits or the title has
// no list. Runs the one-time build.
const _stOpisKodu* SlotTytulu(const KChar* title);

// Benefit codes that may be reported together (generated trie, linked by
// the one-time build; reachable only through this root).
const _stOpisKodu* KorzenKodySwRazem();

// The special title table (generated, src/data/special_titles.cpp).
struct _stKodSpecjalny {
    const KChar* prefix;  // leading characters of an insurance title code
    int valid_from;       // YYYYMM, inclusive
    int valid_to;         // YYYYMM, inclusive; 999912 = open end
    const int* keys;
    int key_count;
};
constexpr int kKodowSpecjalnych = 14;
extern const _stKodSpecjalny kKodySpecjalne[kKodowSpecjalnych];

}  // namespace kod
