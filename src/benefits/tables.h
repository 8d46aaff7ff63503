// Benefit code rule tables, the special title table and the lookups that
// every benefit check shares.
#pragma once

#include "dates/period.h"
#include "records/records.h"

namespace kod {

// Parts of the one-time build.
void BudujTabliceZaleznosci();   // the eight rule-table headers
void BudujSlownikKodySwRazem();  // the trie of benefit codes that may stand together

// Attribute of a title-benefit matrix entry that allows the code.
constexpr KChar kDozwolony = 120;

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

// Slot of a six-digit insurance title code in the title-benefit matrix
// (dictionary 10001); null when the text is not six digits or the title has
// no list. Runs the one-time build.
const _stOpisKodu* SlotTytulu(const KChar* title);

// Benefit codes that may be reported together (generated trie, linked by
// the one-time build; reachable only through this root).
const _stOpisKodu* KorzenKodySwRazem();

// fb_KVDKodySwiadMogaBycRazem: whether the list of the first code names the
// second (both three digits), with an entry in force on the date unless it
// is -1. Runs the build.
bool MogaBycRazem(const KChar* first, const KChar* second, int date);

// For titles whose insured person pays contributions on his own account,
// the amount kinds 106 and 107 count as 105 (ZamienStala); a null title
// changes nothing.
int ZamienStalaKwoty(const KChar* title, int kind);

// The matrix check of one title for a month (fb_KVDZaleznosciKodSwKodTytIdent):
// kTak or kNie.
int KodSwDlaTytuluWMiesiacu(const KChar* title4, const KChar* pension, const KChar* disability, const KChar* code,
                            const KChar* month);

}  // namespace kod
