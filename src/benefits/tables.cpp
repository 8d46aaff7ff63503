// The rule-table headers, their builder and the row search.
#include "benefits/tables.h"

#include "dates/dates.h"
#include "frame/build.h"
#include "frame/builders.h"

namespace kod {

_stTablicaZaleznosci ZaleznosciOkresOdTyp = {0, nullptr};
_stTablicaZaleznosci ZaleznosciOkresDoTyp = {0, nullptr};
_stTablicaZaleznosci ZaleznosciKwotaTyp = {0, nullptr};
_stTablicaZaleznosci ZaleznosciLiczbaDniSkladkiTyp = {0, nullptr};
_stTablicaZaleznosci ZaleznosciMSCTyp = {0, nullptr};
_stTablicaZaleznosci ZaleznosciWST = {0, nullptr};
_stTablicaZaleznosci ZaleznosciTypSwiadczenia = {0, nullptr};
_stTablicaZaleznosci ZaleznosciDRA = {0, nullptr};

namespace {

_stTablicaZaleznosci* const kNaglowki[kTablicZaleznosci] = {
    &ZaleznosciOkresOdTyp, &ZaleznosciOkresDoTyp, &ZaleznosciKwotaTyp, &ZaleznosciLiczbaDniSkladkiTyp,
    &ZaleznosciMSCTyp,     &ZaleznosciWST,        &ZaleznosciTypSwiadczenia, &ZaleznosciDRA,
};

}  // namespace

// Part of the one-time build: runs under the build lock, before the flag
// that publishes the tables is set.
void BudujTabliceZaleznosci() {
    for (int t = 0; t < kTablicZaleznosci; ++t) *kNaglowki[t] = kZrodlaZaleznosci[t];
}

const _stTablicaZaleznosci& Tablica(TablicaZaleznosci t) { return *kNaglowki[t]; }

const _stZaleznosciKodSw* ZnajdzWiersz(const _stTablicaZaleznosci& table, long code) {
    for (int i = 0; i < table.count; ++i) {
        if (table.rows[i].code == code) return &table.rows[i];
    }
    return nullptr;
}

int DataWedlugDlugosci(const KChar* text) {
    switch (TextLengthUpTo(text, 8)) {
        case 6: return sl_PrzeksztalcDate_MMRRRR(text);
        case 8: return sl_PrzeksztalcDate_DDMMRRRR(text);
        default: return 0;
    }
}

const _stOpisKodu* SlotTytulu(const KChar* title) {
    if (sl_PoprawnyKod(title, 6) != 0) return nullptr;
    const _stOpisKodu* slot = sl_PobierzOpisKodu(sl_PobierzSlownik(10001), title);
    return slot && CharValue(slot->count) > 0 ? slot : nullptr;
}

}  // namespace kod
