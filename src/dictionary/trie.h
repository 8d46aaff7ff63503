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

// Deepest walk below a node: the tries are at most nine levels deep; a bad
// node from a host (a loop of children) stops here instead of exhausting
// the stack.
constexpr int kGlebokoscTrie = 16;

// Visits the entries of every code below node, the node's own slots
// included, depth first in digit order, until visit returns true. Returns
// whether it did.
template <class Visit>
bool PrzejdzWpisy(const _stOpisKodu* node, Visit&& visit, int depth = 0) {
    if (!node || depth >= kGlebokoscTrie) return false;
    for (int d = 0; d < 10; ++d) {
        const _stOpisKodu& slot = node[d];
        if (slot.entries) {
            const unsigned count = CharValue(slot.count);
            for (unsigned i = 0; i < count; ++i) {
                if (visit(slot.entries[i])) return true;
            }
        }
        if (PrzejdzWpisy(slot.child, visit, depth + 1)) return true;
    }
    return false;
}

// Slot of a digit code in a trie (the walk of sl_PobierzOpisKodu): null when
// the code has a non-digit or leaves the trie; the empty code gives the root.
const _stOpisKodu* ZnajdzSlot(const _stOpisKodu* root, const KChar* code);

}  // namespace kod
