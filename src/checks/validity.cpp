// Validity-date checks: whether a text names a ZUS branch in force on a date,
// and the overall validity span of an insurance title code.
#include "checks/branches.h"
#include "dates/dates.h"
#include "frame/build.h"
#include "dictionary/title_index.h"
#include "frame/result.h"

using namespace kod;

namespace {

// The text of an entry that a key kind selects: 0 code, 1 NIP, 2 REGON, 3 name.
const KChar* TekstKlucza(const WpisOddzialuZUS& e, int kind) {
    switch (kind) {
        case 0: return e.code;
        case 1: return e.nip;
        case 2: return e.regon;
        case 3: return e.name;
        default: return nullptr;
    }
}

}  // namespace

extern "C" {

KOD_EXPORT int sl_SprawdzSlownikNIPZUS(int key_kind, const KChar* key, const KChar* date) {
    const int r = WartoscOdniesienia(date);
    ZbudujSlowniki();
    if (!key || key_kind < 0 || key_kind > 3) return kNie;
    for (int i = 0; i < kSlotyNIPZUS; ++i) {
        const OddzialZUS* o = SlotNIPZUS(i);
        if (!o) continue;
        for (unsigned k = 0; k < o->count; ++k) {
            const WpisOddzialuZUS& e = o->entries[k];
            if (r > 0 && !DataWOkresie(r, e.valid_from, e.valid_to)) continue;
            // Whole-text comparison: the key is read no further than the
            // entry's text plus its NUL.
            if (TextEqual(TekstKlucza(e, key_kind), key)) return kTak;
        }
    }
    return kNie;
}

KOD_EXPORT int sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia(const KChar* title, int* valid_from,
                                                                    int* valid_to) {
    ZbudujSlowniki();
    if (!valid_from || !valid_to) return kNie;
    if (!KodCyfrowy(title, 6)) return kNie;
    const _stZasadyPodlegania* rec = PobierzZasadyKoduTytulu(title);
    if (!rec) return kNie;
    int from = 999999999;
    int to = 0;
    for (const ListaOkresowPodlegania& list : rec->days) {
        for (int i = 0; i < list.count; ++i) {
            if (list.periods[i].valid_from < from) from = list.periods[i].valid_from;
            if (list.periods[i].valid_to > to) to = list.periods[i].valid_to;
        }
    }
    if (from == 999999999) from = 0;
    *valid_from = from;
    *valid_to = to;
    return kTak;
}

}  // extern "C"
