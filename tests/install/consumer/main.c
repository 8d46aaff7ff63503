/* A host program in plain C, built against an installed Kodownik. Built
 * twice: with KODOWNIK_WIDE against Kodownik_W, without it against
 * Kodownik_A. Prints "ok" and exits 0 when the library answers. */
#include <stdio.h>

#include <kodownik/kodownik.h>

int main(void) {
    static const KChar code[] = {'0', '1', '1', '0', 0};
    static const KChar bad[] = {'0', '1', 'x', 0};
    static const KChar day[] = {'2', '9', '0', '2', '2', '0', '0', '4', 0};
    static const KChar no_day[] = {'2', '9', '0', '2', '2', '0', '0', '5', 0};
    int failures = 0;
    const KChar* name = sl_PobierzNazweSlownika(10013);

    failures += sl_PoprawnyKod(code, 4) != 0;
    failures += sl_PoprawnyKod(bad, 3) != -1;
    failures += sl_PoprawnaData_DDMMRRRR(day) != 0;
    failures += sl_PoprawnaData_DDMMRRRR(no_day) != 60005801;
    failures += sl_PrzeksztalcDate_DDMMRRRR(day) != 20040229;
    failures += sl_PobierzSlownik(10013) == NULL;
    failures += sl_PobierzSlownik(10003) != NULL;
    failures += name == NULL || name[0] != 'K';
    failures += sl_PobierzNazweSlownika(10001) != NULL;
    if (failures) {
        printf("%d checks failed\n", failures);
        return 1;
    }
    printf("ok (%s)\n", sizeof(KChar) == 2 ? "Kodownik_W" : "Kodownik_A");
    return 0;
}
