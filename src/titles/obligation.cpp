// Insurance obligation rules: which statuses a title code allows in an
// insurance on given dates, whether a code has rules in force, and the
// contribution-base kinds of dictionary 10048.
#include "titles/obligation.h"

#include <cstdarg>

#include "dates/dates.h"
#include "dictionary/catalogue.h"
#include "dictionary/title_index.h"
#include "frame/build.h"
#include "frame/result.h"

using namespace kod;

namespace kod {

bool SprawdzWarunekOkresu(const _stOkresPodlegania& period, const KChar* condition) {
    if (!condition) return false;
    const bool none = !period.N && !period.O && !period.D && !period.W;
    const KChar* p = condition;
    for (;;) {
        // One element: up to the next comma or the end of the text.
        const KChar* start = p;
        while (*p && *p != ',') ++p;
        if (p == start) return false;  // empty element
        bool wanted = true;
        KChar letter = start[0];
        if (letter == '!') {
            if (p - start < 2) return false;  // "!" without a letter
            wanted = false;
            letter = start[1];
        }
        if (!none) {
            int status = -1;
            switch (letter) {
                case 'O': status = period.O; break;
                case 'D': status = period.D; break;
                case 'N': status = period.N; break;
                case 'W': status = period.W; break;
                default: break;  // other letters pass
            }
            if (status >= 0 && (status != 0) != wanted) return false;
        }
        if (*p == 0) return true;
        ++p;  // past the comma
    }
}

}  // namespace kod

namespace {

// The period tested when no period of the list covers a date: not subject.
constexpr _stOkresPodlegania kOkresDomyslny = {0, 0, 1, 0, 0, 0};

constexpr int kKodDlugosc = 6;
constexpr int kSlownikPodstawSkladek = 10048;  // contribution-base kinds

// Visitor results that stop the walk (distinct from kListaKoniec/kListaBlad).
constexpr int kStopNie = 100;
constexpr int kStopTak = 101;

enum class Tryb { kWszystkie, kJeden };

// Tests the periods of one insurance that cover a date. ALL: every covering
// period must pass; ONE: some covering period must pass. Without a covering
// period the default period is tested.
// The list is the day list for a day value and the month list for a month
// value, so both have the same precision.
bool OkresyDaty(const ListaOkresowPodlegania& list, int value, bool is_day, const KChar* condition, Tryb mode) {
    bool covered = false;
    for (int i = 0; i < list.count; ++i) {
        const _stOkresPodlegania& p = list.periods[i];
        if (WOkresie(value, is_day, p.valid_from, p.valid_to, is_day)) {
            covered = true;
            const bool ok = SprawdzWarunekOkresu(p, condition);
            if (mode == Tryb::kWszystkie && !ok) return false;
            if (mode == Tryb::kJeden && ok) return true;
        }
    }
    if (!covered) return SprawdzWarunekOkresu(kOkresDomyslny, condition);
    return mode == Tryb::kWszystkie;
}

int SlwPodl(const _stZasadyPodlegania* rec, int insurance, const KChar* condition, va_list ap, Tryb mode) {
    ZrodloDatVa dates(ap);
    const int r = PrzejdzListeDat(dates, [&](int value, bool is_day) -> int {
        if (insurance < 0 || insurance >= kUbezpieczenia) return kStopNie;
        const ListaOkresowPodlegania& list = is_day ? rec->days[insurance] : rec->months[insurance];
        const bool ok = OkresyDaty(list, value, is_day, condition, mode);
        if (mode == Tryb::kWszystkie) return ok ? kListaDalej : kStopNie;
        return ok ? kStopTak : kListaDalej;
    });
    switch (r) {
        case kListaKoniec:
        case kListaPusta: return Odpowiedz(mode == Tryb::kWszystkie);
        case kStopTak: return kTak;
        default: return kNie;  // kStopNie, kListaBlad
    }
}

// Record of the code joined from its three parts when the join gives exactly
// six digits; the parts are read no further than the join needs.
const _stZasadyPodlegania* RekordZCzesci(const KChar* title, const KChar* pension, const KChar* disability) {
    KChar code[kKodDlugosc + 1];
    if (!KodSzesciocyfrowy(code, title, pension, disability)) return nullptr;
    ZbudujSlowniki();
    return PobierzZasadyKoduTytulu(code);
}

}  // namespace

extern "C" {

KOD_EXPORT int fb_KVD_Slw_Podl_ALL(const KChar* title4, const KChar* pension, const KChar* disability, int insurance,
                                   const KChar* condition, ...) {
    ZbudujSlowniki();
    const _stZasadyPodlegania* rec = RekordZCzesci(title4, pension, disability);
    if (!rec) return kNie;
    va_list ap;
    va_start(ap, condition);
    const int r = SlwPodl(rec, insurance, condition, ap, Tryb::kWszystkie);
    va_end(ap);
    return r;
}

KOD_EXPORT int fb_KVD_Slw_Podl_ONE(const KChar* title4, const KChar* pension, const KChar* disability, int insurance,
                                   const KChar* condition, ...) {
    ZbudujSlowniki();
    // Each part must have its own length: four, one and one characters.
    if (TextLengthUpTo(title4, 4) != 4 || TextLengthUpTo(pension, 1) != 1 || TextLengthUpTo(disability, 1) != 1)
        return kNie;
    const _stZasadyPodlegania* rec = RekordZCzesci(title4, pension, disability);
    if (!rec) return kNie;
    va_list ap;
    va_start(ap, condition);
    const int r = SlwPodl(rec, insurance, condition, ap, Tryb::kJeden);
    va_end(ap);
    return r;
}

KOD_EXPORT int fb_KVDZasadyPodleganiaUb(const KChar* title4, const KChar* pension, const KChar* disability,
                                        const KChar* date) {
    ZbudujSlowniki();
    // The rule of the admissibility check of dictionary 10003 (the
    // title-rule table), on the six digits of the join.
    KChar code[kKodDlugosc + 1];
    if (!KodSzesciocyfrowy(code, title4, pension, disability)) return kNie;
    return Odpowiedz(ZasadyObowiazuja(PobierzZasadyKoduTytulu(code), WartoscOdniesienia(date)));
}

KOD_EXPORT int sl_SprawdzPodstawySkladek(const KChar* title, int mask, const KChar* date) {
    ZbudujSlowniki();
    if (!KodCyfrowy(title, kKodDlugosc)) return kNie;
    const _stOpisOkresu* e = OpisOkresu(kSlownikPodstawSkladek, title, WartoscOdniesienia(date));
    if (!e) return kNie;
    return Odpowiedz((CharValue(e->attribute) & static_cast<unsigned>(mask)) != 0);
}

}  // extern "C"
