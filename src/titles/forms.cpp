// Insurance title codes admitted on the forms ZUS DRA, RCA, RNA, RZA, ZUA and
// ZZA, and the date matching that they share with fb_KVD_KodTyt_WypDok_ONE.
#include <cstdarg>

#include "dates/dates.h"
#include "dictionary/trie.h"
#include "frame/build.h"
#include "frame/result.h"
#include "titles/forms.h"

namespace kod {

namespace {

// The slot of the six-digit code that three parts (four digits, one, one)
// join to; null when they are not six digits together (a null part
// included) or the code leaves the trie.
const _stOpisKodu* ZnajdzSlotCzesci(const _stOpisKodu* root, const KChar* title4, const KChar* pension,
                                    const KChar* disability) {
    KChar code[7];
    if (!KodSzesciocyfrowy(code, title4, pension, disability)) return nullptr;
    return ZnajdzSlotSzesciu(root, code);
}

const ZrodloTrie* const kTablice[kFormCount] = {
    &kTrieFormularzaDRA, &kTrieFormularzaRNA_RCA, &kTrieFormularzaRZA, &kTrieFormularzaZUA, &kTrieFormularzaZZA,
};

// One period against one date. The entry's precision is told by its
// valid-from, the date's by the form of its text (8 characters: a day), so
// that a day of a year below 100, whose value is small, is never read as a
// month.
bool DataWpisu(const _stOpisOkresu& entry, int date, bool is_day) {
    return WOkresie(date, is_day, entry.valid_from, entry.valid_to, entry.valid_from > kNajwiekszyMiesiac);
}

// kTak when one date of the list lies in one of the slot's periods, else
// kNie; an empty list gives empty_list. The list is walked by the shared
// walk (invalid texts skipped, or today when no text is a date).
template <class Source>
int DopasujDaty(const _stOpisKodu& slot, Source& dates, int empty_list) {
    const unsigned count = CharValue(slot.count);
    const _stOpisOkresu* entries = slot.entries;
    if (count == 0 || !entries) return kNie;
    constexpr int kZnaleziona = 0;  // a visitor result that stops the walk: a date matched
    const int result = PrzejdzListeDat(dates, [&](int date, bool is_day) {
        for (unsigned i = 0; i < count; ++i) {
            if (DataWpisu(entries[i], date, is_day)) return kZnaleziona;
        }
        return kListaDalej;
    });
    if (result == kListaPusta) return empty_list;
    return Odpowiedz(result == kZnaleziona);
}

// The form check behind the six variadic exports: the three parts form one
// six-digit code, which the form's table must hold; without dates that is
// enough, otherwise one of the dates must lie in one of its periods.
int SprawdzNaFormularzu(Formularz form, const KChar* title4, const KChar* pension, const KChar* disability,
                        va_list dates) {
    ZbudujSlowniki();
    const _stOpisKodu* slot = ZnajdzSlotCzesci(KorzenTrie(*kTablice[form]), title4, pension, disability);
    if (!slot || CharValue(slot->count) == 0) return kNie;
    ZrodloDatVa list(dates);
    return DopasujDaty(*slot, list, kTak);  // no dates: the code alone is enough
}

}  // namespace

void BudujTabliceFormularza(Formularz form) {
    if (form >= 0 && form < kFormCount) ZbudujTrie(*kTablice[form]);
}

}  // namespace kod

// The pass-through text is handed on by the form checks and read by nobody.
KOD_EXPORT int fb_KVD_KodTyt_WypDok_ONE(const KChar* /*pass*/, const _stOpisKodu* slot, const KChar** dates) {
    kod::ZbudujSlowniki();
    if (!slot) return kod::kNie;
    kod::ZrodloDatTablica list(dates);
    return kod::DopasujDaty(*slot, list, kod::kNie);
}

#define KOD_FORMULARZ(name, form)                                                                               \
    extern "C" KOD_EXPORT int name(const KChar* /*pass*/, const KChar* title4, const KChar* pension,           \
                                   const KChar* disability, ...) {                                              \
        va_list dates;                                                                                          \
        va_start(dates, disability);                                                                            \
        const int result = kod::SprawdzNaFormularzu(kod::form, title4, pension, disability, dates);             \
        va_end(dates);                                                                                          \
        return result;                                                                                          \
    }

KOD_FORMULARZ(fb_KVD_KodTyt_WypDok_DRA_ONE, kFormDRA)
KOD_FORMULARZ(fb_KVD_KodTyt_WypDok_RCA_ONE, kFormRNA_RCA)
KOD_FORMULARZ(fb_KVD_KodTyt_WypDok_RNA_ONE, kFormRNA_RCA)
KOD_FORMULARZ(fb_KVD_KodTyt_WypDok_RZA_ONE, kFormRZA)
KOD_FORMULARZ(fb_KVD_KodTyt_WypDok_ZUA_ONE, kFormZUA)
KOD_FORMULARZ(fb_KVD_KodTyt_WypDok_ZZA_ONE, kFormZZA)
