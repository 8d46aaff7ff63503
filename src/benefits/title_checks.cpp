// May a benefit code be reported under an insurance title: the checks of
// the title-benefit matrix (dictionary 10001) for a period and for a month.
#include "benefits/tables.h"
#include "dates/dates.h"

namespace kod {
namespace {

constexpr KChar kDozwolony = 120;  // attribute of an entry that allows the code

// The title from its three parts (four digits, one, one); null when they
// do not join to six characters.
const _stOpisKodu* SlotZCzesci(KChar (&buffer)[8], const KChar* title4, const KChar* pension,
                               const KChar* disability) {
    if (JoinTexts(buffer, 8, title4, pension, disability) != 6) return nullptr;
    return SlotTytulu(buffer);
}

}  // namespace
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
    KChar title[8];
    const _stOpisKodu* slot = SlotZCzesci(title, title4, pension, disability);
    if (!slot) return -1;
    const bool caly = (whole_period & 0xFF) != 0;
    int result = -1;
    bool daty = false;
    int a = 0, b = 0;
    const int count = static_cast<int>(CharValue(slot->count));
    for (int i = 0; i < count; ++i) {
        const _stOpisOkresu& e = slot->entries[i];
        if (!TextEqual(e.short_text, code)) continue;
        if (!daty) {
            daty = true;
            a = DataWedlugDlugosci(date_a);
            b = DataWedlugDlugosci(date_b);
            if (a == 0 && b == 0) return 0;
            if (a == 0) a = b;
            if (b == 0) b = a;
        }
        int from = e.valid_from, to = e.valid_to;
        if (a == 999999) continue;  // neither a date nor a month: matches nothing
        if (a < 999999) {
            from /= 100;
            to /= 100;
        }
        if (caly) {
            if (from <= a && to >= b) {
                if (e.attribute != kDozwolony) return -1;
                result = 0;
            }
        } else if ((from <= a && a <= to) || (from <= b && b <= to)) {
            if (e.attribute == kDozwolony) return 0;
        }
    }
    return result;
}

KOD_EXPORT int fb_KVDZaleznosciKodSwKodTytIdent(const KChar* title4, const KChar* pension,
                                                const KChar* disability, const KChar* code,
                                                const KChar* month) {
    KChar title[8];
    const _stOpisKodu* slot = SlotZCzesci(title, title4, pension, disability);
    if (!slot) return -1;
    bool odczytany = false;
    int m = 0;
    const int count = static_cast<int>(CharValue(slot->count));
    for (int i = 0; i < count; ++i) {
        const _stOpisOkresu& e = slot->entries[i];
        if (!TextEqual(e.short_text, code)) continue;
        if (!odczytany) {
            odczytany = true;
            m = sl_PrzeksztalcDate_MMRRRR(month);
        }
        if (m == -1) return -1;
        if (e.attribute == kDozwolony && MiesiacWOkresie(m, e.valid_from, e.valid_to)) return 0;
    }
    return -1;
}

}  // extern "C"
