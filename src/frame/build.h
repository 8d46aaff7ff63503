// The one-time build of every table filled at run time.
#pragma once

namespace kod {

// Ensures that all tables are built; returns at once when they are.
void ZbudujSlowniki();

// True once the build has finished (acquire read of the flag).
bool SlownikiZbudowane();

// The builders in their order: defined by the top layer
// (exports/build_order.cpp), which alone knows every table; the build runs
// it once, under the build lock.
void UruchomBudowniczych();

}  // namespace kod
