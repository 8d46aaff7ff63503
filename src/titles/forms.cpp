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
// kNie. The list is walked by the shared walk (invalid texts skipped, or
// today when no text is a date).
template <class Source>
int DopasujDaty(const _stOpisKodu& slot, Source& dates) {
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
    return Odpowiedz(result == kZnaleziona);
}

// The form check behind the six variadic exports: the three parts form one
// six-digit code, which the form's table must hold; without dates that is
// enough, otherwise one of the dates must lie in one of its periods.
int SprawdzNaFormularzu(Formularz form, const KChar* title4, const KChar* pension, const KChar* disability,
                        va_list dates) {
    ZbudujSlowniki();
    KChar code[7];  // six digits and the NUL
    if (!KodSzesciocyfrowy(code, title4, pension, disability)) return kNie;
    const _stOpisKodu* slot = ZnajdzSlotSzesciu(KorzenTrie(*kTablice[form]), code);
    if (!slot || CharValue(slot->count) == 0) return kNie;

    va_list rest;
    va_copy(rest, dates);
    const KChar* first = va_arg(rest, const KChar*);
    int result = kTak;
    if (first) {
        ZrodloDatVa list(first, rest);
        result = DopasujDaty(*slot, list);
    }
    va_end(rest);
    return result;
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
    return kod::DopasujDaty(*slot, list);
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
