// The per-thread text buffer: 1000 characters of the build's type,
// zero-filled when created, freed when the thread ends or the library is
// unloaded.
#pragma once

#include "frame/text.h"

namespace kod {

constexpr int kBuforZnakow = 1000;

// The calling thread's buffer; created (zero-filled) when the thread has
// none yet. Null only when memory cannot be had.
KChar* BuforWatku();

// Library entry hooks, called by the platform layer.
void PrzyZaladowaniu();      // load: slot ready, the loading thread gets its buffer
void PrzyStarcieWatku();     // a new thread gets its buffer
void PrzyKoncuWatku(void* buffer);  // frees a thread's buffer (value of its slot)
void PrzyWyladowaniu();      // unload: frees every buffer still held

}  // namespace kod
