#include "dictionary/trie.h"

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

const _stOpisKodu* ZnajdzSlot(const _stOpisKodu* root, const KChar* code) {
    if (!code) return nullptr;
    const _stOpisKodu* slot = root;
    for (std::size_t i = 0; code[i]; ++i) {
        if (!IsDigit(code[i])) return nullptr;
        const _stOpisKodu* node = (i == 0) ? root : slot->child;
        if (!node) return nullptr;
        slot = node + (code[i] - '0');
    }
    return slot;
}

}  // namespace kod
