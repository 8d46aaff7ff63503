#include "dictionary/catalogue.h"

#include "frame/build.h"

namespace kod {

const PozycjaKatalogu* PozycjaSlownika(unsigned int id) {
    if (id < kPierwszySlownik || id > kOstatniSlownik) return nullptr;
    return &kKatalog[id - kPierwszySlownik];
}

void BudujSlownik(unsigned int id) {
    const PozycjaKatalogu* p = PozycjaSlownika(id);
    if (p && p->trie) ZbudujTrie(*p->trie);
}

const _stOpisKodu* KorzenSlownika(unsigned int id) {
    const PozycjaKatalogu* p = PozycjaSlownika(id);
    return (p && p->trie) ? KorzenTrie(*p->trie) : nullptr;
}

}  // namespace kod
