// The rule-table headers, their builder and the row search.
#include "benefits/tables.h"

#include "dictionary/catalogue.h"
#include "dictionary/trie.h"
#include "frame/build.h"

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

constexpr unsigned int kSlownikTytulowSwiadczen = 10001;  // the title-benefit matrix

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

const _stOpisKodu* SlotTytulu(const KChar* title) {
    if (!KodCyfrowy(title, 6)) return nullptr;
    ZbudujSlowniki();
    const _stOpisKodu* slot = ZnajdzSlot(KorzenSlownika(kSlownikTytulowSwiadczen), title);
    return slot && CharValue(slot->count) > 0 ? slot : nullptr;
}

}  // namespace kod
