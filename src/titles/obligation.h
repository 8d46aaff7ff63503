// Conditions on the statuses of an obligation-rule period.
#pragma once

#include "records/records.h"

namespace kod {

// Tests one period against a condition text: elements separated by commas,
// each a status letter (O, D, N, W) that must be set or "!" and a letter that
// must not be set; only the first two characters of an element count and
// other letters pass. A period without any status passes every element.
// Returns true when the condition holds. A null condition, an empty element
// ("", ",O", "O,,D", "O,") or a lone "!" makes the condition fail.
bool SprawdzWarunekOkresu(const _stOkresPodlegania& period, const KChar* condition);

}  // namespace kod
