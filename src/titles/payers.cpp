// Payer deregistration reasons (dictionary 10008): which reason codes a
// legal person ('P') or a natural person ('F') may give on a date. The
// attribute of an entry is the payer kind it is for, 0 for any payer.
#include "dates/dates.h"
#include "dictionary/catalogue.h"
#include "dictionary/trie.h"
#include "frame/build.h"
#include "frame/result.h"

namespace kod {
namespace {

constexpr unsigned int kSlownikPrzyczynRozlicznika = 10008;

int PrzyczynaDlaRozlicznika(const KChar* code, KChar kind, const KChar* date) {
    ZbudujSlowniki();
    if (!KodCyfrowy(code, 3)) return kNie;
    const _stOpisKodu* slot = ZnajdzSlot(KorzenSlownika(kSlownikPrzyczynRozlicznika), code);
    if (!slot || !slot->entries) return kNie;

    // A day text is compared with the bounds as they stand, a month text
    // with their months; without a date the period plays no part.
    const int r = WartoscOdniesienia(date);

    const unsigned count = CharValue(slot->count);
    for (unsigned i = 0; i < count; ++i) {
        const _stOpisOkresu& e = slot->entries[i];
        if (e.attribute != kind && e.attribute != 0) continue;
        if (r == 0 || DataWOkresie(r, e.valid_from, e.valid_to)) return kTak;
    }
    return kNie;
}

}  // namespace
}  // namespace kod

extern "C" {

// Only the character of the build's type carried in payer_kind is compared.
KOD_EXPORT int fb_KodWyrRozlicznikaTyp(const KChar* code, int payer_kind, const KChar* date) {
    return kod::PrzyczynaDlaRozlicznika(code, static_cast<KChar>(payer_kind), date);
}

KOD_EXPORT int fb_KodWyrRozlicznikaOsPrawna(const KChar* code, const KChar* date) {
    return kod::PrzyczynaDlaRozlicznika(code, static_cast<KChar>('P'), date);
}

KOD_EXPORT int fb_KodWyrRozlicznikaOsFizyczna(const KChar* code, const KChar* date) {
    return kod::PrzyczynaDlaRozlicznika(code, static_cast<KChar>('F'), date);
}

}  // extern "C"
