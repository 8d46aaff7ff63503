// The only interface to the operating system, the bottom layer of the
// library: the export attribute, two locks (the one-time build and the
// registry of text buffers), the thread-local slot of the text buffer,
// today's local date, and the 8-bit to UTF-16 conversion of Kodownik_W.
// One implementation file per system (posix.cpp, windows.cpp, wasm.cpp).
#pragma once

// Exported functions carry this on their definitions; the export list
// (version script / .def) decides what really leaves the library.
#if defined(_WIN32)
#define KOD_EXPORT
#else
#define KOD_EXPORT __attribute__((visibility("default")))
#endif

namespace kod {

// The library's hooks, which the operating system's entry points call.
// Defined above this layer (frame/thread_buffer.cpp); declared here, so the
// dependency runs downwards: the frame implements what the platform asks.
void PrzyZaladowaniu();             // load: slot ready, the loading thread gets its buffer
void PrzyStarcieWatku();            // a new thread gets its buffer
void PrzyKoncuWatku(void* buffer);  // frees a thread's buffer (value of its slot)
void PrzyWyladowaniu();             // unload: frees every buffer still held

namespace platform {

void ZablokujBudowe();
void OdblokujBudowe();

void ZablokujRejestr();
void OdblokujRejestr();

// The calling thread's value in the library's thread-local slot.
void* WartoscWatku();
void UstawWartoscWatku(void* value);

// Today's date YYYYMMDD in local time (a thread-safe conversion); 0 when the
// clock cannot be read.
int DataLokalna();

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
