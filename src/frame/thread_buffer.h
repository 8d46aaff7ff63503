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

// The hooks that the platform layer calls on load, thread start, thread end
// and unload are declared in platform/platform.h and defined here.

}  // namespace kod
