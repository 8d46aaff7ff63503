// Code tries: generated source tables and the builder that links them.
#pragma once

#include "frame/text.h"

namespace kod {

// One code of a generated table: its digits (ASCII), how many entries it has
// and the index of the first of them in the table's entry array.
struct KodZrodlowy {
    const char* code;
    unsigned short count;
    unsigned int first;
};

// A generated table and the fixed node storage its trie is linked into.
// nodes[0] is the root; node_count is exact (computed by the generator).
struct ZrodloTrie {
    const KodZrodlowy* codes;
    unsigned int code_count;
    const _stOpisOkresu* entries;
    _stOpisKodu (*nodes)[10];
    unsigned int node_count;
};

// The nodes of every generated trie (src/data/node_pool.cpp).
extern _stOpisKodu kPulaWezlow[][10];
extern const unsigned int kLiczbaWezlow;

// True when p points into the node storage but not at the first slot of a
// node: a slot that a caller took for a node. Reading ten slots from there
// would run past the node (and, at the last node, past the storage).
bool WnetrzeWezla(const _stOpisKodu* p);

// Clears the nodes of the table and links every code into them. Allocates
// nothing; the same input always gives the same trie.
void ZbudujTrie(const ZrodloTrie& source);

inline const _stOpisKodu* KorzenTrie(const ZrodloTrie& source) { return &source.nodes[0][0]; }

// Slot of a digit code in a trie (the walk of sl_PobierzOpisKodu): null when
// the code has a non-digit or leaves the trie; the empty code gives the root.
const _stOpisKodu* ZnajdzSlot(const _stOpisKodu* root, const KChar* code);

}  // namespace kod
