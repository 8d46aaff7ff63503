// The dictionary catalogue: IDs 10001-10049, their names and tries.
#pragma once

#include "dictionary/trie.h"

namespace kod {

struct PozycjaKatalogu {
    unsigned int id;
    const KChar* name;       // null for an ID without a name
    const ZrodloTrie* trie;  // null for an ID without a trie
};

// Generated (src/data/catalogue.cpp): IDs 10001-10049 in order.
extern const PozycjaKatalogu kKatalog[49];

constexpr unsigned int kPierwszySlownik = 10001;
constexpr unsigned int kOstatniSlownik = 10049;

// Catalogue entry of an ID, or null outside 10001-10049.
const PozycjaKatalogu* PozycjaSlownika(unsigned int id);

// Links the trie of one catalogued dictionary (part of the one-time build).
void BudujSlownik(unsigned int id);

// Root of a dictionary's trie after the build, without running the build.
const _stOpisKodu* KorzenSlownika(unsigned int id);

}  // namespace kod
