// Internals of the admissibility check of a code typed into a declaration
// field (fb_KVDKodSprawdzArkusze and sl_CzyPrawidlowyKodLiterowy).
#pragma once

#include "dictionary/code_rules.h"
#include "dictionary/trie.h"

namespace kod {

// kTak when some code in the trie below node (the node's own slots
// included) has an entry that counts at r (r <= 0: every entry counts),
// else kNie. A null node gives kNie.
int KodWPoddrzewie(const _stOpisKodu* node, int r);

// The admissibility check: kTak or kNie. Runs the build.
int SprawdzKod(int id, const KChar* code, const KChar* date);

// The name search below a node (sl_CzyPrawidlowyKodLiterowy without its
// guards): whether an entry's text matches the code and the entry counts at
// r. Uses the index of 10046 and 10047 once the build has finished.
bool KodLiterowyPasuje(const _stOpisKodu* node, const KChar* code, int r);

// Part of the one-time build; runs after the tries of 10046 and 10047.
void BudujIndeksyNazw();

}  // namespace kod
