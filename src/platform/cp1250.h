// The built-in Windows-1250 table, for the systems that offer no code page
// of their own (POSIX, WebAssembly): one 8-bit text to UTF-16.
#pragma once

namespace kod {
namespace platform {

inline const char16_t kCp1250[256] = {
#include "platform/cp1250_table.inc"
};

// Converts a text of fewer than cap bytes into out (cap units, the NUL
// included); false for a null text or one of cap bytes or more, which is read
// no further than that.
inline bool Z1250(const char* text, char16_t* out, int cap) {
    if (!text || !out || cap <= 0) return false;
    int n = 0;
    while (n < cap && text[n]) ++n;
    if (n >= cap) return false;
    for (int i = 0; i < n; ++i) out[i] = kCp1250[static_cast<unsigned char>(text[i])];
    out[n] = 0;
    return true;
}

}  // namespace platform
}  // namespace kod
