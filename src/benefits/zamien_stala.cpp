// ZamienStala: for titles whose insured person pays contributions on his own
// account, the amount kinds 106 and 107 count as 105.
#include "benefits/tables.h"

namespace kod {

int ZamienStalaKwoty(const KChar* title, int kind) {
    if (!title) return kind;  // no title: nothing to adjust
    static const char* const kFor107[] = {"05", "10"};
    static const char* const kFor106[] = {"05", "10", "0125", "0126", "0426", "0427", "0428", "0429"};
    if (kind == 107) {
        for (const char* p : kFor107)
            if (TextStartsWithAscii(title, p)) return 105;
    } else if (kind == 106) {
        for (const char* p : kFor106)
            if (TextStartsWithAscii(title, p)) return 105;
    }
    return kind;
}

}  // namespace kod

// C++ linkage, as the header declares it.
KOD_EXPORT int ZamienStala(const KChar* title, int kind) { return kod::ZamienStalaKwoty(title, kind); }
