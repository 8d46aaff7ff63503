// Shared by the benchmarks, the callgrind driver and the baselines: the text
// type of the variant, the date helpers every implementation needs, and the
// library loaded as a host loads it (by path, exports looked up by name).
#pragma once

#include <string>

#include "kodownik/kodownik.h"

namespace bench {

using Str = std::basic_string<KChar>;

// An ASCII literal as a text of the variant.
inline Str T(const char* s) {
    Str out;
    for (; *s; ++s) out.push_back(static_cast<KChar>(static_cast<unsigned char>(*s)));
    return out;
}

// Today's date YYYYMMDD (local time).
int Today();

// The date helpers the baselines share. They do what every implementation
// of these checks has to do with a date text.
// A well-formed DDMMRRRR text gives YYYYMMDD, else -1.
int DayValue(const KChar* text);
// A well-formed MMRRRR text (year 1850-2020) gives YYYYMM, else -1.
int MonthValue(const KChar* text);
// The reference value of a date text of the admissibility checks: a day
// number, else a month number, else 0 (no date). A day of a year below 100
// reads as the first day value, 1000000.
int RefValue(const KChar* text);
// The period test: r > 999999 a day, else a month against from/100, to/100.
inline bool InPeriod(int r, int from, int to) {
    if (r > 999999) return from <= r && r <= to;
    return from / 100 <= r && r <= to / 100;
}
// Amount kinds 106 and 107 count as 105 for some titles.
int AdjustAmountKind(const KChar* title, int kind);

// The library's exports that the benchmarks call, looked up by name in a
// library loaded with dlopen (as a Windows host does with LoadLibrary and
// GetProcAddress).
struct Library {
    void* handle = nullptr;
    const _stOpisKodu* (*PobierzSlownik)(unsigned int) = nullptr;
    const _stOpisKodu* (*PobierzOpisKodu)(const _stOpisKodu*, const KChar*) = nullptr;
    const _stOpisOkresu* (*PobierzOpisOkresu)(int, const KChar*, int) = nullptr;
    int (*KodSprawdzArkusze)(int, const KChar*, const KChar*) = nullptr;
    int (*KwotaTyp)(const KChar*, const KChar*, int, const KChar*) = nullptr;
    KodBool (*MogaBycRazem)(const KChar*, const KChar*, int) = nullptr;
    int (*FormRNA)(const KChar*, const KChar*, const KChar*, const KChar*, ...) = nullptr;
    int (*ZasadyPodlegania)(const KChar*, const KChar*, const KChar*, const KChar*) = nullptr;
};

// Loads the library at path; exits with a message when it or an export is
// missing.
Library LoadLibrary(const char* path);

}  // namespace bench
