// Rule records of insurance title codes: per insurance, which statuses a
// person with the title may have in each period.
#pragma once

#include "frame/text.h"

namespace kod {

// One period of a rule: bounds inclusive, then the four statuses.
struct _stOkresPodlegania {
    int valid_from;
    int valid_to;
    unsigned char N;  // not subject
    unsigned char O;  // subject obligatorily
    unsigned char D;  // may be subject voluntarily
    unsigned char W;  // the fourth status (titles 3000 and 5000)
};

struct ListaOkresowPodlegania {
    int count;
    const _stOkresPodlegania* periods;
};

// Insurances: 0 pension, 1 disability pension, 2 sickness, 3 accident, 4 health.
constexpr int kUbezpieczenia = 5;

// Rule record of one six-digit title code: day lists (YYYYMMDD bounds) of
// insurances 0-4, then month lists (YYYYMM bounds) in the same order.
struct _stZasadyPodlegania {
    ListaOkresowPodlegania dni[kUbezpieczenia];
    ListaOkresowPodlegania miesiace[kUbezpieczenia];
};

// Generated (src/data/title_rules.cpp): every full code with its record.
struct ZasadaKodu {
    const char* code;  // six digits
    const _stZasadyPodlegania* record;
};
extern const ZasadaKodu kZasadyKodow[];
extern const unsigned int kZasadyKodowCount;

// Record of a five- or six-character title code through the dense index, or
// null. Runs the build.
const _stZasadyPodlegania* PobierzZasadyKoduTytulu(const KChar* code);

}  // namespace kod
