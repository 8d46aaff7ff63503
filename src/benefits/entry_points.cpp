// Benefit-code questions for callers that hold 8-bit text: the same text
// type in both libraries, converted to the build's type in Kodownik_W.
#include "benefits/tables.h"
#include "benefits/text8.h"
#include "frame/build.h"
#include "frame/result.h"

namespace kod {
namespace {

// Amount types that bw_TypZaleznosciKoduSwDlaOkresu accepts: 101, 108, 117,
// and 106 / 107 unless the title turns them into 105. A null title never
// makes 106 or 107 count.
bool TypKwotyPasuje(const KChar* title, int value) {
    switch (value) {
        case 101:
        case 108:
        case 117:
            return true;
        case 106:
        case 107:
            return title != nullptr && ZamienStalaKwoty(title, value) == value;
        default:
            return false;
    }
}

bool TypZaleznosciDlaOkresu(const KChar* title, const KChar* code, int from, int to) {
    ZbudujSlowniki();
    if (!code) return false;
    const bool months = from <= kNajwiekszyMiesiac;
    return ZnajdzOkres(ZnajdzWiersz(ZaleznosciKwotaTyp, TextToLong(code)), [&](const _stOkresZaleznosci& e) {
               return ZakresNachodzi(from, to, e.valid_from, e.valid_to, months) && TypKwotyPasuje(title, e.value);
           }) != nullptr;
}

bool PrefiksTekstu(const KChar* text, const KChar* prefix) {
    for (; *prefix; ++prefix, ++text) {
        if (*text != *prefix) return false;  // also stops at the end of text
    }
    return true;
}

}  // namespace
}  // namespace kod

using namespace kod;

extern "C" {

// The title's first four characters, its fifth and its sixth against the
// matrix for the month of a DDMMRRRR date text.
KOD_EXPORT KodBool bw_MapujKod(const char* title, const char* code, const char* date) {
    const Tekst8 t(title), c(code), d(date);
    const KChar* title_text = t.get();
    if (!title_text || !c.get() || !d.get()) return kNieBool;
    if (TextLengthUpTo(title_text, 6) < 6 || TextLengthUpTo(d.get(), 2) < 2) return kNieBool;
    const KChar title4[5] = {title_text[0], title_text[1], title_text[2], title_text[3], 0};
    const KChar pension[2] = {title_text[4], 0};
    const KChar disability[2] = {title_text[5], 0};
    return OdpowiedzBool(KodSwDlaTytuluWMiesiacu(title4, pension, disability, c.get(), d.get() + 2) == kTak);
}

// DRA type of the code in a month YYYYMM (always compared as months).
KOD_EXPORT KodBool bw_OdowiedniTypSwiadczenia(const char* code, int expected, int month) {
    ZbudujSlowniki();
    const Tekst8 c(code);
    if (!c.get()) return kNieBool;
    return OdpowiedzBool(ZnajdzOkres(ZnajdzWiersz(ZaleznosciDRA, TextToLong(c.get())), [&](const _stOkresZaleznosci& e) {
                             return MiesiacWOkresie(month, e.valid_from, e.valid_to) && e.value == expected;
                         }) != nullptr);
}

// An allowing matrix entry of the code overlapping [from, to] (full dates).
KOD_EXPORT KodBool bw_MapujKodData(const char* title, const char* code, int from, int to) {
    const Tekst8 t(title), c(code);
    const _stOpisKodu* slot = SlotTytulu(t.get());
    if (!slot || !c.get()) return kNieBool;
    const int count = static_cast<int>(CharValue(slot->count));
    for (int i = 0; i < count; ++i) {
        const _stOpisOkresu& e = slot->entries[i];
        if (e.attribute == kDozwolony && TextEqual(e.short_text, c.get()) &&
            ZakresNachodzi(from, to, e.valid_from, e.valid_to, false))
            return kTakBool;
    }
    return kNieBool;
}

// Does the code's amount type in a period overlapping [from, to] (dates
// YYYYMMDD, or months YYYYMM when from is one) call for an amount.
KOD_EXPORT KodBool bw_TypZaleznosciKoduSwDlaOkresu(const char* title, const char* code, int from, int to) {
    const Tekst8 t(title), c(code);
    return OdpowiedzBool(TypZaleznosciDlaOkresu(t.get(), c.get(), from, to));
}

KOD_EXPORT KodBool bw_TypZaleznosciKoduSwDlaOkresu_DoklMies(const char* title, const char* code, int date) {
    const Tekst8 t(title), c(code);
    return OdpowiedzBool(TypZaleznosciDlaOkresu(t.get(), c.get(), date, date));
}

// A special title record for the title's prefix whose months meet the query
// (its start within [from, to], or the query's end within the record) and
// whose keys hold the key. Constant data: needs no build.
KOD_EXPORT KodBool bw_KodSpecjalny(const char* title, int key, int from, int to) {
    const Tekst8 t(title, true);
    if (!t.get()) return kNieBool;
    for (const _stKodSpecjalny& r : kKodySpecjalne) {
        if (!PrefiksTekstu(t.get(), r.prefix)) continue;
        // Months throughout: the record's start within the query, or the
        // query's end within the record.
        if (!WOkresie(r.valid_from, false, from, to, false) && !WOkresie(to, false, r.valid_from, r.valid_to, false))
            continue;
        for (int k = 0; k < r.key_count; ++k) {
            if (r.keys[k] == key) return kTakBool;
        }
    }
    return kNieBool;
}

}  // extern "C"
