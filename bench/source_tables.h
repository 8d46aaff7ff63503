// The generated tables (src/data/*.cpp, made from data/*.tsv) that the
// baselines are filled from. The bench compiles those files itself; it reads
// their source arrays, never the library's built tries.
#pragma once

#include "benefits/tables.h"
#include "dictionary/trie.h"
#include "records/records.h"

namespace kod {
extern const ZrodloTrie kTrie10004;
extern const ZrodloTrie kTrie10047;
extern const ZrodloTrie kTrieKodySwRazem;
extern const ZrodloTrie kTrieFormularzaRNA_RCA;
}  // namespace kod

namespace bench {

// Calls fn(code as ASCII, first entry, count) for every code of a table.
template <class F>
void ForEachCode(const kod::ZrodloTrie& t, F&& fn) {
    for (unsigned i = 0; i < t.code_count; ++i) fn(t.codes[i].code, t.entries + t.codes[i].first, t.codes[i].count);
}

inline Str TextOrEmpty(const KChar* s) { return s ? Str(s) : Str(); }

}  // namespace bench
