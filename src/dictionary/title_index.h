// The dense index of the obligation-rule records of insurance title codes,
// and the rule that the admissibility check and the obligation rules share:
// whether a title code is in force on a date.
#pragma once

#include "records/records.h"

namespace kod {

// Part of the one-time build.
void BudujIndeksZasad();

// Record of a five- or six-character title code through the dense index, or
// null. Runs the build.
const _stZasadyPodlegania* PobierzZasadyKoduTytulu(const KChar* code);

// A six-digit title code with a record, and (unless r is 0) a period of one
// of its day lists in force at the reference value r.
bool TytulObowiazuje(const KChar* code, int r);

// The same for a record: true when r is 0 or a period of one of its day
// lists holds r; a null record is not in force.
bool ZasadyObowiazuja(const _stZasadyPodlegania* record, int r);

}  // namespace kod
