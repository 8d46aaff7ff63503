// The exported dictionary lookups.
#include "dictionary/catalogue.h"
#include "frame/build.h"

using namespace kod;

extern "C" {

KOD_EXPORT int sl_PoprawnyKod(const KChar* code, int expected_length) {
    if (!code) return -1;
    if (expected_length != 0) {
        // Count no further than one past the expected length.
        std::size_t limit = expected_length > 0 ? static_cast<std::size_t>(expected_length) : 0;
        if (expected_length < 0 || TextLengthUpTo(code, limit) != limit) return -1;
    }
    for (const KChar* p = code; *p; ++p) {
        if (!IsDigit(*p)) return -1;
    }
    return 0;
}

KOD_EXPORT const _stOpisKodu* sl_PobierzSlownik(unsigned int id) {
    ZbudujSlowniki();
    return KorzenSlownika(id);
}

KOD_EXPORT const _stOpisKodu* sl_PobierzOpisKodu(const _stOpisKodu* root, const KChar* code) {
    if (!root) return nullptr;
    return ZnajdzSlot(root, code);
}

KOD_EXPORT const KChar* sl_PobierzNazweSlownika(unsigned int id) {
    const PozycjaKatalogu* p = PozycjaSlownika(id);
    return p ? p->name : nullptr;
}

KOD_EXPORT const _stOpisOkresu* sl_PobierzOpisOkresu(int id, const KChar* code, int date) {
    if (!code) return nullptr;
    // Working copy of the code. Branch dictionaries are keyed by the two
    // digits of codes written as 01R; a code that does not fit gives null.
    constexpr std::size_t kBuffer = 52;
    KChar copy[kBuffer];
    const bool branch = (id == 10005 || id == 10014);
    std::size_t n = 0;
    const std::size_t take = branch ? 2 : kBuffer - 1;
    while (n < take && code[n]) {
        copy[n] = code[n];
        ++n;
    }
    if (!branch && code[n]) return nullptr;  // longer than any code
    copy[n] = 0;
    if (sl_PoprawnyKod(copy, branch ? 2 : 0) != 0) return nullptr;
    const _stOpisKodu* slot = sl_PobierzOpisKodu(sl_PobierzSlownik(static_cast<unsigned int>(id)), copy);
    if (!slot) return nullptr;
    const int count = static_cast<int>(CharValue(slot->count));
    for (int i = 0; i < count; ++i) {
        const _stOpisOkresu& e = slot->entries[i];
        if (date == 0) return &e;
        if (date < 999999) {
            if (e.valid_from / 100 <= date && date <= e.valid_to / 100) return &e;
        } else if (e.valid_from <= date && date <= e.valid_to) {
            return &e;
        }
    }
    return nullptr;
}

}  // extern "C"
