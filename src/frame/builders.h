// Builders of the tables that the one-time build fills, one per table.
// Each writes only its own static storage and reads only constant data,
// except the name index, which reads the tries of 10046 and 10047 and so
// runs after them.
#pragma once

namespace kod {

void BudujIndeksZasad();          // dense title-rule index
void BudujTabliceZaleznosci();    // the eight benefit rule-table headers
void BudujSlownik(unsigned int id);  // one catalogued dictionary trie
void BudujSlownikKodySwRazem();   // benefit codes that may stand together

// Insurance title tables of the forms.
enum Formularz { kFormDRA = 0, kFormRNA_RCA = 1, kFormRZA = 2, kFormZUA = 3, kFormZZA = 4, kFormCount = 5 };
void BudujTabliceFormularza(Formularz form);

void BudujSlownikNIPZUS();        // ZUS branch table
void BudujIndeksyNazw();          // index of the name dictionaries (after their tries)

}  // namespace kod
