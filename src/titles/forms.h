// Insurance title tables of the forms, as the one-time build links them.
#pragma once

namespace kod {

enum Formularz { kFormDRA = 0, kFormRNA_RCA = 1, kFormRZA = 2, kFormZUA = 3, kFormZZA = 4, kFormCount = 5 };

// Part of the one-time build: links the trie of one form's table.
void BudujTabliceFormularza(Formularz form);

}  // namespace kod
