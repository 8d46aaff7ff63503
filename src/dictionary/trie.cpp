#include "dictionary/trie.h"

#include <cstdint>

namespace kod {

void ZbudujTrie(const ZrodloTrie& source) {
    for (unsigned int n = 0; n < source.node_count; ++n) {
        for (auto& slot : source.nodes[n]) slot = _stOpisKodu{};
    }
    unsigned int next_free = 1;
    for (unsigned int i = 0; i < source.code_count; ++i) {
        const KodZrodlowy& code = source.codes[i];
        _stOpisKodu* node = source.nodes[0];
        const char* p = code.code;
        if (*p == 0) continue;
        for (; p[1] != 0; ++p) {
            _stOpisKodu& slot = node[*p - '0'];
            if (!slot.child) {
                if (next_free >= source.node_count) return;  // cannot happen: counted by the generator
                slot.child = source.nodes[next_free++];
            }
            node = const_cast<_stOpisKodu*>(slot.child);
        }
        _stOpisKodu& last = node[*p - '0'];
        last.count = static_cast<KChar>(code.count);
        last.entries = source.entries + code.first;
    }
}

bool WnetrzeWezla(const _stOpisKodu* p) {
    const _stOpisKodu* first = &kPulaWezlow[0][0];
    // Compared as addresses: a pointer from elsewhere is no concern of ours.
    const auto a = reinterpret_cast<std::uintptr_t>(p);
    const auto lo = reinterpret_cast<std::uintptr_t>(first);
    const auto hi = reinterpret_cast<std::uintptr_t>(first + 10 * static_cast<std::size_t>(kLiczbaWezlow));
    if (a < lo || a >= hi) return false;
    return (a - lo) % (10 * sizeof(_stOpisKodu)) != 0;
}

const _stOpisKodu* ZnajdzSlot(const _stOpisKodu* root, const KChar* code) {
    if (!code) return nullptr;
    if (code[0] == 0) return root;
    const _stOpisKodu* node = root;
    for (const KChar* p = code;; ++p) {
        const unsigned digit = CharValue(*p) - '0';  // wraps above 9 for a non-digit
        if (digit > 9 || !node) return nullptr;
        const _stOpisKodu* slot = node + digit;
        if (p[1] == 0) return slot;
        node = slot->child;
    }
}

}  // namespace kod
