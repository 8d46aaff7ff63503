// POSIX: 8-bit text of the bw_ entry points to UTF-16 through the built-in
// Windows-1250 table (the system has no code page of its own to offer).
#if !defined(_WIN32)

#include "platform/platform.h"

namespace kod {
namespace platform {
namespace {

const char16_t kCp1250[256] = {
#include "data/cp1250_table.inc"
};

}  // namespace

bool Na16Bitow(const char* text, char16_t* out, int cap, bool /*ansi*/) {
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

#endif
