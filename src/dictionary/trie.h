// Code tries: the builder that links the generated tables and the walks over them.
#pragma once

#include "records/records.h"

namespace kod {

// True when p points into the node storage but not at the first slot of a
// node: a slot that a caller took for a node. Reading ten slots from there
// would run past the node (and, at the last node, past the storage).
bool WnetrzeWezla(const _stOpisKodu* p);

// Clears the nodes of the table and links every code into them. Allocates
// nothing; the same input always gives the same trie.
void ZbudujTrie(const ZrodloTrie& source);

inline const _stOpisKodu* KorzenTrie(const ZrodloTrie& source) { return &source.nodes[0][0]; }

// Deepest walk below a node, in levels: the library's tries are at most
// nine levels deep, but a host may build its own; a bad node from a host (a
// loop of children) stops here instead of exhausting the stack.
constexpr int kGlebokoscTrie = 64;

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

// The same walk for a code known to be six digits (KodSzesciocyfrowy).
inline const _stOpisKodu* ZnajdzSlotSzesciu(const _stOpisKodu* node, const KChar (&code)[7]) {
    for (int i = 0; i < 5; ++i) {
        if (!node) return nullptr;
        node = node[code[i] - '0'].child;
    }
    return node ? node + (code[5] - '0') : nullptr;
}

}  // namespace kod
