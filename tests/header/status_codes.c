/* The named results of the public header are the library's results: a C89
 * host, built with -std=c89 -pedantic in both text modes, gets from every
 * date check the KODOWNIK_DATA_* code the header names, and yes/no from the
 * int checks and the one-byte booleans with the polarity the header states. */
#include <stdio.h>
#include <string.h>

#include <kodownik/kodownik.h>

/* An ASCII text as the library's text type. */
static const KChar* text(const char* ascii, KChar* buffer) {
    size_t i;
    for (i = 0; ascii[i]; ++i) buffer[i] = (KChar)(unsigned char)ascii[i];
    buffer[i] = 0;
    return buffer;
}

typedef int (*DateCheck)(const KChar*);

struct DateCase {
    const char* name;
    DateCheck check;
    const char* text;
    long expected;
};

int main(void) {
    static const struct DateCase cases[] = {
        {"DDMMRRRR", sl_PoprawnaData_DDMMRRRR, "29022000", KODOWNIK_TAK},
        {"DDMMRRRR", sl_PoprawnaData_DDMMRRRR, "2902200", KODOWNIK_DATA_ZLY_FORMAT},
        {"DDMMRRRR", sl_PoprawnaData_DDMMRRRR, "2902200a", KODOWNIK_DATA_ZLY_FORMAT},
        {"DDMMRRRR", sl_PoprawnaData_DDMMRRRR, "32132005", KODOWNIK_DATA_ZLY_MIESIAC},
        {"DDMMRRRR", sl_PoprawnaData_DDMMRRRR, "29021900", KODOWNIK_DATA_ZLY_DZIEN},
        {"MMRRRR", sl_PoprawnaData_MMRRRR, "122020", KODOWNIK_TAK},
        {"MMRRRR", sl_PoprawnaData_MMRRRR, "12202", KODOWNIK_DATA_ZLY_FORMAT},
        {"MMRRRR", sl_PoprawnaData_MMRRRR, "002021", KODOWNIK_DATA_ZLY_MIESIAC},
        {"MMRRRR", sl_PoprawnaData_MMRRRR, "121849", KODOWNIK_DATA_ZLY_ROK},
        {"DDMM", sl_PoprawnaData_DDMM, "2902", KODOWNIK_TAK},
        {"DDMM", sl_PoprawnaData_DDMM, "2 02", KODOWNIK_DATA_ZLY_FORMAT},
        {"DDMM", sl_PoprawnaData_DDMM, "0013", KODOWNIK_DATA_ZLY_MIESIAC},
        {"DDMM", sl_PoprawnaData_DDMM, "3002", KODOWNIK_DATA_ZLY_DZIEN},
    };
    KChar a[16], b[16], c[16];
    int failed = 0;
    unsigned i;
    for (i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        int got = cases[i].check(text(cases[i].text, a));
        if (got != cases[i].expected) {
            printf("FAIL: %s \"%s\" gave %d, expected %ld\n", cases[i].name, cases[i].text, got, cases[i].expected);
            failed = 1;
        }
        if (cases[i].check(0) != KODOWNIK_NIE) {
            printf("FAIL: %s of a null text is not KODOWNIK_NIE\n", cases[i].name);
            failed = 1;
        }
    }
    if (fb_KVDKodSprawdzArkusze(10004, text("011101", a), text("01012003", b)) != KODOWNIK_TAK ||
        fb_KVDKodSprawdzArkusze(10004, text("011101", a), text("31122002", b)) != KODOWNIK_NIE) {
        printf("FAIL: fb_KVDKodSprawdzArkusze answers 0 for yes, -1 for no\n");
        failed = 1;
    }
    if (fb_KVDKodySwiadMogaBycRazem(text("111", a), text("350", b), -1) != 1 ||
        fb_KVDKodySwiadMogaBycRazem(text("111", a), text("155", b), 20050101) != 0) {
        printf("FAIL: fb_KVDKodySwiadMogaBycRazem answers 1 for yes, 0 for no\n");
        failed = 1;
    }
    if (bw_MapujKod("011000", "155", "15062004") != 1 || bw_MapujKod("011000", "155", "15012005") != 0) {
        printf("FAIL: bw_MapujKod answers 1 for yes, 0 for no\n");
        failed = 1;
    }
    if (fb_KVD_KodTyt_WypDok_DRA_ONE(0, text("0512", a), text("2", b), text("0", c), (const KChar*)0) != KODOWNIK_TAK) {
        printf("FAIL: a variadic check called from C\n");
        failed = 1;
    }
    if (!failed) printf("%s: the header's named results hold\n", sizeof(KChar) == 1 ? "A" : "W");
    return failed;
}
