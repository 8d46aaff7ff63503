// Insurance title codes admitted on the forms ZUS DRA, RCA, RNA, RZA, ZUA and
// ZZA, and the date matching that they share with fb_KVD_KodTyt_WypDok_ONE.
#include <cstdarg>

#include "dates/dates.h"
#include "dictionary/trie.h"
#include "frame/build.h"
#include "frame/builders.h"

namespace kod {

// Generated tables (src/data/form_titles_*.cpp). ZUS RNA and ZUS RCA share one.
extern const ZrodloTrie kTrieFormularzaDRA;
extern const ZrodloTrie kTrieFormularzaRNA_RCA;
extern const ZrodloTrie kTrieFormularzaRZA;
extern const ZrodloTrie kTrieFormularzaZUA;
extern const ZrodloTrie kTrieFormularzaZZA;

namespace {

const ZrodloTrie* const kTablice[kFormCount] = {
    &kTrieFormularzaDRA, &kTrieFormularzaRNA_RCA, &kTrieFormularzaRZA, &kTrieFormularzaZUA, &kTrieFormularzaZZA,
};

constexpr int kNajwiekszyMiesiac = 999999;  // values up to this are months (YYYYMM)

// One period against one date. The entry's precision is told by its
// valid-from, the date's by the form of its text (8 characters: a day), so
// that a day of a year below 100, whose value is small, is never read as a
// month. A month date against a day entry compares with the entry's months;
// a day date against a month entry compares its month.
bool DataWpisu(const _stOpisOkresu& wpis, int data, bool dzien) {
    const bool wpis_dzienny = wpis.valid_from > kNajwiekszyMiesiac;
    if (wpis_dzienny && !dzien) return wpis.valid_from / 100 <= data && data <= wpis.valid_to / 100;
    if (!wpis_dzienny && dzien) return wpis.valid_from <= data / 100 && data / 100 <= wpis.valid_to;
    return wpis.valid_from <= data && data <= wpis.valid_to;
}

// 0 when one date of the list lies in one of the slot's periods, else -1.
// The list is walked by the shared walk (invalid texts skipped, or today
// when no text is a date); a date text of another length ends with -1.
template <class Zrodlo>
int DopasujDaty(const _stOpisKodu& slot, Zrodlo& daty) {
    const unsigned liczba = CharValue(slot.count);
    const _stOpisOkresu* wpisy = slot.entries;
    if (liczba == 0 || !wpisy) return -1;
    const int wynik = PrzejdzListeDat(daty, [&](int data, bool dzien) {
        for (unsigned i = 0; i < liczba; ++i) {
            if (DataWpisu(wpisy[i], data, dzien)) return 0;
        }
        return kListaDalej;
    });
    return wynik == 0 ? 0 : -1;
}

// The form check behind the six variadic exports: the three parts form one
// six-digit code, which the form's table must hold; without dates that is
// enough, otherwise one of the dates must lie in one of its periods.
int SprawdzNaFormularzu(Formularz form, const KChar* tytul, const KChar* emerytura, const KChar* niepelnosprawnosc,
                        va_list daty) {
    ZbudujSlowniki();
    KChar kod[8];  // six digits and the NUL; a longer join fails
    if (JoinTexts(kod, 8, tytul, emerytura, niepelnosprawnosc) != 6 || sl_PoprawnyKod(kod, 6) != 0) return -1;
    const _stOpisKodu* slot = ZnajdzSlot(KorzenTrie(*kTablice[form]), kod);
    if (!slot || CharValue(slot->count) == 0) return -1;

    va_list reszta;
    va_copy(reszta, daty);
    const KChar* pierwsza = va_arg(reszta, const KChar*);
    int wynik = 0;
    if (pierwsza) {
        ZrodloDatVa lista(pierwsza, reszta);
        wynik = DopasujDaty(*slot, lista);
    }
    va_end(reszta);
    return wynik;
}

}  // namespace

void BudujTabliceFormularza(Formularz form) {
    if (form >= 0 && form < kFormCount) ZbudujTrie(*kTablice[form]);
}

}  // namespace kod

// The pass-through text is handed on by the form checks and read by nobody.
KOD_EXPORT int fb_KVD_KodTyt_WypDok_ONE(const KChar* /*pass*/, const _stOpisKodu* slot, const KChar** dates) {
    kod::ZbudujSlowniki();
    if (!slot) return -1;
    kod::ZrodloDatTablica lista(dates);
    return kod::DopasujDaty(*slot, lista);
}

#define KOD_FORMULARZ(nazwa, form)                                                                              \
    extern "C" KOD_EXPORT int nazwa(const KChar* /*pass*/, const KChar* title4, const KChar* pension,          \
                                    const KChar* disability, ...) {                                             \
        va_list daty;                                                                                           \
        va_start(daty, disability);                                                                             \
        const int wynik = kod::SprawdzNaFormularzu(kod::form, title4, pension, disability, daty);               \
        va_end(daty);                                                                                           \
        return wynik;                                                                                           \
    }

KOD_FORMULARZ(fb_KVD_KodTyt_WypDok_DRA_ONE, kFormDRA)
KOD_FORMULARZ(fb_KVD_KodTyt_WypDok_RCA_ONE, kFormRNA_RCA)
KOD_FORMULARZ(fb_KVD_KodTyt_WypDok_RNA_ONE, kFormRNA_RCA)
KOD_FORMULARZ(fb_KVD_KodTyt_WypDok_RZA_ONE, kFormRZA)
KOD_FORMULARZ(fb_KVD_KodTyt_WypDok_ZUA_ONE, kFormZUA)
KOD_FORMULARZ(fb_KVD_KodTyt_WypDok_ZZA_ONE, kFormZZA)
