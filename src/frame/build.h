// The one-time build of every table filled at run time.
#pragma once

namespace kod {

// Ensures that all tables are built; returns at once when they are.
void ZbudujSlowniki();

// True once the build has finished (acquire read of the flag).
bool SlownikiZbudowane();

}  // namespace kod
