// The dense title-rule index: one reference per possible six-character title
// code (first digit 0-5, then three digits, pension-right digit 0-2,
// disability-degree digit 0-4).
#include "dictionary/title_index.h"

#include "dates/dates.h"
#include "frame/build.h"

namespace kod {
namespace {

constexpr int kIndexSize = 6 * 10 * 10 * 10 * 3 * 5;
// Each reference is kept as 1 + the position of the code in kZasadyKodow
// (0: no record): a quarter of the memory of pointers on a 64-bit system,
// so the one-time build clears and touches far fewer pages.
using PozycjaIndeksu = unsigned short;
PozycjaIndeksu g_indeks[kIndexSize];

constexpr int kPozaIndeksem = -1;

// Index of a code, or kPozaIndeksem when a character is out of its range. A
// missing sixth character (a five-character code) counts as 0; characters
// after the sixth are not examined.
// A digit no greater than max; any other character (the NUL included) is not.
inline bool Cyfra(KChar c, unsigned max, unsigned& d) {
    d = CharValue(c) - '0';  // wraps above max for a character below '0'
    return d <= max;
}

int IndeksKodu(const KChar* code) {
    if (!code) return kPozaIndeksem;
    // Each character is read only after the one before it was a digit.
    unsigned d0, d1, d2, d3, d4, d5 = 0;
    if (!Cyfra(code[0], 5, d0) || !Cyfra(code[1], 9, d1) || !Cyfra(code[2], 9, d2) || !Cyfra(code[3], 9, d3) ||
        !Cyfra(code[4], 2, d4))
        return kPozaIndeksem;
    if (code[5] != 0 && !Cyfra(code[5], 4, d5)) return kPozaIndeksem;
    return static_cast<int>(((((d0 * 10 + d1) * 10 + d2) * 10 + d3) * 3 + d4) * 5 + d5);
}

int IndeksAscii(const char* code) {
    KChar buf[7] = {};
    for (int i = 0; i < 6 && code[i]; ++i) buf[i] = static_cast<KChar>(code[i]);
    return IndeksKodu(buf);
}

}  // namespace

void BudujIndeksZasad() {
    static_assert(sizeof(PozycjaIndeksu) == 2, "positions up to 65535");
    for (auto& p : g_indeks) p = 0;
    // The generator fixes the count (1966); more codes than positions would
    // be a broken table, and are left out rather than wrapped.
    for (unsigned int i = 0; i < kZasadyKodowCount && i < 65535u; ++i) {
        int index = IndeksAscii(kZasadyKodow[i].code);
        if (index >= 0) g_indeks[index] = static_cast<PozycjaIndeksu>(i + 1);
    }
}

const _stZasadyPodlegania* PobierzZasadyKoduTytulu(const KChar* code) {
    ZbudujSlowniki();
    // A character out of range stops the check before a later position is
    // read, so a short text is never read past its NUL.
    const int index = IndeksKodu(code);
    if (index == kPozaIndeksem) return nullptr;
    const PozycjaIndeksu p = g_indeks[index];
    return p == 0 ? nullptr : kZasadyKodow[p - 1].record;
}

bool TytulObowiazuje(const KChar* code, int r) {
    // Exactly six digits: the index checks the first five and takes a
    // missing sixth for 0, so the sixth and the end are checked here (each
    // read only after the one before it was not the NUL).
    if (!code || !code[0] || !code[1] || !code[2] || !code[3] || !code[4] || !IsDigit(code[5]) || code[6] != 0)
        return false;
    return ZasadyObowiazuja(PobierzZasadyKoduTytulu(code), r);
}

bool ZasadyObowiazuja(const _stZasadyPodlegania* record, int r) {
    if (!record) return false;
    if (r == 0) return true;
    for (const ListaOkresowPodlegania& list : record->days) {
        if (!list.periods) continue;
        for (int i = 0; i < list.count; ++i) {
            if (DataWOkresie(r, list.periods[i].valid_from, list.periods[i].valid_to)) return true;
        }
    }
    return false;
}

}  // namespace kod
