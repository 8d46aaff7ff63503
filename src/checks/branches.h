// The ZUS branch table: 100 slots, each null or a branch record whose
// entries give the branch's code text, NIP, REGON, name and period.
#pragma once

#include "frame/text.h"

namespace kod {

struct WpisOddzialuZUS {
    const KChar* code;   // empty in every entry
    const KChar* nip;    // ten digits
    const KChar* regon;  // fourteen digits
    const KChar* name;
    int valid_from;      // YYYYMMDD, inclusive
    int valid_to;        // YYYYMMDD, inclusive; 99991231 = open end
};

struct OddzialZUS {
    unsigned short count;
    const WpisOddzialuZUS* entries;
};

constexpr int kSlotyNIPZUS = 100;

// Generated (src/data/zus_branches.cpp): the occupied slots.
struct OddzialZrodlowy {
    int slot;
    OddzialZUS record;
};
extern const OddzialZrodlowy kOddzialyZUS[];
extern const unsigned int kOddzialyZUSCount;

// Slot i of the table built by BudujSlownikNIPZUS, or null.
const OddzialZUS* SlotNIPZUS(int i);

}  // namespace kod
