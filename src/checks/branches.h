// The ZUS branch table as the one-time build sets it.
#pragma once

#include "records/records.h"

namespace kod {

// Part of the one-time build: clears the 100 slots and sets the occupied ones.
void BudujSlownikNIPZUS();

// Slot i of the table, or null.
const OddzialZUS* SlotNIPZUS(int i);

}  // namespace kod
