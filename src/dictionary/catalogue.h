// The dictionary catalogue (IDs 10001-10049, their names and tries) and the
// lookups in it.
#pragma once

#include "dictionary/trie.h"

namespace kod {

// Catalogue entry of an ID, or null outside 10001-10049.
const PozycjaKatalogu* PozycjaSlownika(unsigned int id);

// Links the trie of one catalogued dictionary (part of the one-time build).
void BudujSlownik(unsigned int id);

// Root of a dictionary's trie after the build, without running the build.
const _stOpisKodu* KorzenSlownika(unsigned int id);

// The first entry of a code in force on a date (0: the first entry), as
// sl_PobierzOpisOkresu answers; null when there is none. Runs the build.
const _stOpisOkresu* OpisOkresu(int id, const KChar* code, int date);

}  // namespace kod
