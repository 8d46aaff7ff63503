// May a benefit code be reported under an insurance title: the checks of
// the title-benefit matrix (dictionary 10001) for a period and for a month.
#include "benefits/tables.h"
#include "dates/dates.h"
#include "frame/result.h"

namespace kod {
namespace {

// The title from its three parts (four digits, one, one); null when they
// do not join to six digits.
const _stOpisKodu* SlotZCzesci(KChar (&buffer)[7], const KChar* title4, const KChar* pension,
                               const KChar* disability) {
    if (!KodSzesciocyfrowy(buffer, title4, pension, disability)) return nullptr;
    return SlotTytulu(buffer);
}

}  // namespace

int KodSwDlaTytuluWMiesiacu(const KChar* title4, const KChar* pension, const KChar* disability, const KChar* code,
                            const KChar* month) {
    KChar title[7];
    const _stOpisKodu* slot = SlotZCzesci(title, title4, pension, disability);
    if (!slot) return kNie;
    bool month_read = false;
    int m = 0;
    const int count = static_cast<int>(CharValue(slot->count));
    for (int i = 0; i < count; ++i) {
        const _stOpisOkresu& e = slot->entries[i];
        if (!TextEqual(e.short_text, code)) continue;
        if (!month_read) {
            month_read = true;
            m = PrzeksztalcDateMMRRRR(month);
        }
        if (m == -1) return kNie;  // a null month text
        if (e.attribute == kDozwolony && MiesiacWOkresie(m, e.valid_from, e.valid_to)) return kTak;
    }
    return kNie;
}

}  // namespace kod

using namespace kod;

extern "C" {

// Date A and date B are read by their length at the first entry that names
// the code; a null date text counts as a missing date. Without either date
// a code named in the list is accepted. The precision follows date A.
// whole_period (lowest byte): one allowed entry must span [A, B] and no
// entry spanning it may forbid the code; otherwise one allowed entry must
// contain A or B.
KOD_EXPORT int fb_KVDZaleznosciKodSwKodTyt(const KChar* title4, const KChar* pension, const KChar* disability,
                                           const KChar* code, const KChar* date_a, const KChar* date_b,
                                           int whole_period) {
    KChar title[7];
    const _stOpisKodu* slot = SlotZCzesci(title, title4, pension, disability);
    if (!slot) return kNie;
    const bool whole = (whole_period & 0xFF) != 0;
    int result = kNie;
    bool dates_read = false;
    int a = 0, b = 0;
    const int count = static_cast<int>(CharValue(slot->count));
    for (int i = 0; i < count; ++i) {
        const _stOpisOkresu& e = slot->entries[i];
        if (!TextEqual(e.short_text, code)) continue;
        if (!dates_read) {
            dates_read = true;
            a = DataWedlugDlugosci(date_a);
            b = DataWedlugDlugosci(date_b);
            if (a == 0 && b == 0) return kTak;
            if (a == 0) a = b;
            if (b == 0) b = a;
        }
        if (a == kNajwiekszyMiesiac) continue;  // neither a date nor a month: matches nothing
        const bool a_is_day = a > kNajwiekszyMiesiac;
        if (whole) {
            // The entry spans [A, B], in the precision of date A.
            const Granice g = GraniceWPrecyzji(e.valid_from, e.valid_to, a_is_day);
            if (g.from <= a && g.to >= b) {
                if (e.attribute != kDozwolony) return kNie;
                result = kTak;
            }
        } else if (WOkresie(a, a_is_day, e.valid_from, e.valid_to, true) ||
                   WOkresie(b, a_is_day, e.valid_from, e.valid_to, true)) {
            if (e.attribute == kDozwolony) return kTak;
        }
    }
    return result;
}

KOD_EXPORT int fb_KVDZaleznosciKodSwKodTytIdent(const KChar* title4, const KChar* pension,
                                                const KChar* disability, const KChar* code,
                                                const KChar* month) {
    return KodSwDlaTytuluWMiesiacu(title4, pension, disability, code, month);
}

}  // extern "C"
