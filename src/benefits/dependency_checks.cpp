// Checks of a benefit code against the rule tables: the dependency types
// of a month, the DRA type and the WST number.
#include "benefits/tables.h"
#include "dates/dates.h"
#include "frame/build.h"
#include "frame/result.h"

namespace kod {
namespace {

// The shared procedure of the six dependency-type checks. With a title the
// value passes when ZamienStalaKwoty(title, value) equals the expected type
// (the amount-type check), otherwise when it equals it directly.
int SprawdzTypZaleznosci(TablicaZaleznosci table, bool use_zamien_stala, const KChar* title, const KChar* code,
                         int expected, const KChar* month) {
    if (!code) return kNie;
    const int m = PrzeksztalcDateMMRRRR(month);  // -1 for a null text: in no period
    const long n = TextToLong(code);
    if (n == 0) return kNie;
    ZbudujSlowniki();
    const _stOkresZaleznosci* hit = ZnajdzOkres(ZnajdzWiersz(Tablica(table), n), [&](const _stOkresZaleznosci& e) {
        if (!MiesiacWOkresie(m, e.valid_from, e.valid_to)) return false;
        return (use_zamien_stala ? ZamienStalaKwoty(title, e.value) : e.value) == expected;
    });
    return Odpowiedz(hit != nullptr);
}

// A benefit code as the DRA and WST checks take it: exactly three digits
// and not 000; kNieKodSwiadczenia when it is not.
constexpr long kNieKodSwiadczenia = 0;
long KodTrzycyfrowy(const KChar* code) {
    if (!KodCyfrowy(code, 3)) return kNieKodSwiadczenia;
    return TextToLong(code);
}

}  // namespace
}  // namespace kod

using namespace kod;

extern "C" {

KOD_EXPORT int fb_KVDZaleznosciKodSwKwotaTyp(const KChar* title, const KChar* code, int expected,
                                             const KChar* month) {
    return SprawdzTypZaleznosci(kKwotaTyp, true, title, code, expected, month);
}

KOD_EXPORT int fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp(const KChar* code, int expected, const KChar* month) {
    return SprawdzTypZaleznosci(kLiczbaDniSkladkiTyp, false, nullptr, code, expected, month);
}

KOD_EXPORT int fb_KVDZaleznosciKodSwOkresOdTyp(const KChar* code, int expected, const KChar* month) {
    return SprawdzTypZaleznosci(kOkresOdTyp, false, nullptr, code, expected, month);
}

KOD_EXPORT int fb_KVDZaleznosciKodSwOkresDoTyp(const KChar* code, int expected, const KChar* month) {
    return SprawdzTypZaleznosci(kOkresDoTyp, false, nullptr, code, expected, month);
}

KOD_EXPORT int fb_KVDTypSwiadczenia(const KChar* code, int expected, const KChar* month) {
    return SprawdzTypZaleznosci(kTypSwiadczenia, false, nullptr, code, expected, month);
}

KOD_EXPORT int fb_KVDZaleznosciKodSw_MSCTyp(const KChar* code, int expected, const KChar* month) {
    return SprawdzTypZaleznosci(kMSCTyp, false, nullptr, code, expected, month);
}

// DRA type: date YYYYMMDD compared with the stored bounds, YYYYMM with the
// bounds' months; 0 only asks whether the code is known.
KOD_EXPORT int sl_SprawdzKodSwDRA(const KChar* code, int expected, int date) {
    const long n = KodTrzycyfrowy(code);
    if (n == 0) return kNie;
    ZbudujSlowniki();
    const _stZaleznosciKodSw* row = ZnajdzWiersz(ZaleznosciDRA, n);
    if (!row) return kNie;
    if (date == 0) return kTak;
    const _stOkresZaleznosci* hit = ZnajdzOkres(row, [&](const _stOkresZaleznosci& e) {
        return DataWOkresie(date, e.valid_from, e.valid_to) && e.value == expected;
    });
    return Odpowiedz(hit != nullptr);
}

// What sl_SprawdzKodSwWST answers for a known code without a date to look at.
constexpr int kWSTBezDaty = 0;

// WST number of the code on the date; 0 also for a date text of another
// length than six or eight.
KOD_EXPORT int sl_SprawdzKodSwWST(const KChar* code, const KChar* date) {
    if (!date) return kNie;
    if (!KodCyfrowy(code, 3)) return kNie;
    const int d = DataWedlugDlugosci(date);
    const long n = TextToLong(code);
    if (n == 0) return kNie;
    ZbudujSlowniki();
    const _stZaleznosciKodSw* row = ZnajdzWiersz(ZaleznosciWST, n);
    if (!row) return kNie;
    if (d == 0) return kWSTBezDaty;
    const _stOkresZaleznosci* hit =
        ZnajdzOkres(row, [&](const _stOkresZaleznosci& e) { return DataWOkresie(d, e.valid_from, e.valid_to); });
    return hit ? hit->value : kNie;
}

}  // extern "C"
