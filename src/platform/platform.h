// The only interface to the operating system: the build lock, the lock of
// the buffer registry and the thread-local slot of the text buffer.
#pragma once

namespace kod {
namespace platform {

void ZablokujBudowe();
void OdblokujBudowe();

void ZablokujRejestr();
void OdblokujRejestr();

// The calling thread's value in the library's thread-local slot.
void* WartoscWatku();
void UstawWartoscWatku(void* value);

// 8-bit text -> UTF-16 for the bw_ entry points of Kodownik_W. Converts a
// text of fewer than cap bytes into out (cap units, the NUL included) and
// returns true; returns false for a null text, a text of cap bytes or more
// (read no further than that) and one the code page cannot convert.
// Windows uses the code page chosen on the first conversion of the process,
// or with ansi the system ANSI code page; elsewhere the text is read as
// Windows-1250.
bool Na16Bitow(const char* text, char16_t* out, int cap, bool ansi);

}  // namespace platform
}  // namespace kod
