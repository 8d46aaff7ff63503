// Internals of the admissibility check of a code typed into a declaration
// field (fb_KVDKodSprawdzArkusze and sl_CzyPrawidlowyKodLiterowy).
#pragma once

#include "dictionary/trie.h"

namespace kod {

// 0 when some code in the trie below node (the node's own slots included)
// has an entry that counts at r (r <= 0: every entry counts), else -1.
// A null node gives -1.
int KodWPoddrzewie(const _stOpisKodu* node, int r);

// Text match of the text-code rule: only the first 22 characters count, and
// a text whose 22nd character is a blank also matches a code made of its
// first 21 characters alone. Neither text is read past its NUL nor beyond
// its 22nd character; a null text matches nothing.
constexpr int kZnakiKoduTekstowego = 22;
bool TekstKoduPasuje(const KChar* text, const KChar* code);

}  // namespace kod
