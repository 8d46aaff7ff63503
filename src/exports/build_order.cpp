// The order of the one-time build: every builder of every family, called
// once under the build lock (frame/build.cpp). Each builder writes only its
// own static storage and reads only constant data, except the name index,
// which reads the tries of 10046 and 10047 and so runs after them.
#include <initializer_list>

#include "benefits/tables.h"
#include "checks/admissibility.h"
#include "checks/branches.h"
#include "dictionary/catalogue.h"
#include "dictionary/title_index.h"
#include "frame/build.h"
#include "titles/forms.h"

namespace kod {

void UruchomBudowniczych() {
    BudujIndeksZasad();
    BudujTabliceZaleznosci();
    for (unsigned id : {10014u, 10008u, 10009u, 10010u, 10049u, 10012u, 10013u, 10021u, 10002u, 10007u, 10004u})
        BudujSlownik(id);
    BudujSlownikKodySwRazem();
    for (unsigned id : {10006u, 10011u, 10019u}) BudujSlownik(id);
    for (int f = 0; f < kFormCount; ++f) BudujTabliceFormularza(static_cast<Formularz>(f));
    for (unsigned id : {10015u, 10005u, 10016u, 10017u, 10018u, 10001u, 10020u}) BudujSlownik(id);
    BudujSlownikNIPZUS();
    for (unsigned id : {10022u, 10023u, 10024u, 10025u, 10027u, 10028u, 10029u, 10030u, 10031u, 10032u, 10033u,
                        10034u, 10035u, 10037u, 10036u, 10038u, 10039u, 10040u, 10041u, 10042u, 10045u, 10046u,
                        10047u, 10048u})
        BudujSlownik(id);
    // Reads the tries of 10046 and 10047, so it comes after them.
    BudujIndeksyNazw();
}

}  // namespace kod
