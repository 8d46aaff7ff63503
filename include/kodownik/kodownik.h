/*
 * Kodownik: code dictionaries and validation rules of ZUS declarations.
 *
 * One header for both deliverables:
 *   - define KODOWNIK_WIDE before including it to use Kodownik_W
 *     (texts are NUL-terminated UTF-16 code units),
 *   - leave it undefined to use Kodownik_A
 *     (texts are NUL-terminated Windows-1250 bytes).
 * The bw_ functions take 8-bit text in both.
 *
 * Every function uses the C calling convention (__cdecl). Returned texts and
 * records belong to the library and stay valid until it is unloaded; the
 * caller frees nothing.
 *
 * ZamienStala and fb_KVD_KodTyt_WypDok_ONE have C++ linkage: on Windows they
 * are exported under the decorations a 32-bit MSVC host links against; on
 * Linux under the compiler's own mangling. They are declared for C++ only.
 */
#ifndef KODOWNIK_KODOWNIK_H
#define KODOWNIK_KODOWNIK_H

#if defined(_WIN32) && !defined(KODOWNIK_BUILDING)
#define KODOWNIK_CALL __cdecl
#else
#define KODOWNIK_CALL
#endif

/* The character type of the build. Inside the library and for C++ hosts on
 * Linux the wide type is char16_t; the Windows ABI and C see unsigned short,
 * which has the same size and representation. */
#if defined(KODOWNIK_WIDE)
#if defined(__cplusplus) && (defined(KODOWNIK_BUILDING) || !defined(_WIN32))
typedef char16_t KChar;
#else
typedef unsigned short KChar;
#endif
#else
typedef char KChar;
#endif

/* A one-byte boolean result (0 false, 1 true), as returned in AL. */
typedef unsigned char KodBool;

#ifdef __cplusplus
extern "C" {
#endif

/* One slot of a code trie node; a node is ten slots, one per digit. */
typedef struct _stOpisKodu {
    KChar count;                          /* entries of the code ending here */
    const struct _stOpisOkresu* entries;  /* first of count entries, or null */
    const struct _stOpisKodu* child;      /* node of the next digit, or null */
} _stOpisKodu;

/* One edition of a code. */
typedef struct _stOpisOkresu {
    const KChar* description;  /* may be null */
    int valid_from;            /* YYYYMMDD, inclusive */
    int valid_to;              /* YYYYMMDD, inclusive; 99991231 = open end */
    KChar attribute;           /* meaning fixed by the dictionary */
    const KChar* short_text;   /* may be null */
} _stOpisOkresu;

/* Entry of a message dictionary. */
typedef struct _stKodMsg {
    const KChar* code;
    const KChar* message;
    int reserved;              /* never read */
    short selectable;
} _stKodMsg;

/* Descriptor of a message dictionary. */
typedef struct _stSlownikMsg {
    int count;
    KChar name[80];
    const _stKodMsg* entries;
} _stSlownikMsg;

/* Dictionary lookups */
int KODOWNIK_CALL sl_PoprawnyKod(const KChar* code, int expected_length);
const _stOpisKodu* KODOWNIK_CALL sl_PobierzSlownik(unsigned int id);
const _stOpisKodu* KODOWNIK_CALL sl_PobierzOpisKodu(const _stOpisKodu* root, const KChar* code);
const KChar* KODOWNIK_CALL sl_PobierzNazweSlownika(unsigned int id);
const _stOpisOkresu* KODOWNIK_CALL sl_PobierzOpisOkresu(int id, const KChar* code, int date);

/* Message dictionaries */
const _stSlownikMsg* KODOWNIK_CALL KVDSlownikGet(int key);
const _stSlownikMsg* KODOWNIK_CALL sl_KVDSlownikGet(int key);
const KChar* KODOWNIK_CALL KVDSlownikGetKodMsg(int key, const KChar* code, const KChar* date);
const KChar* KODOWNIK_CALL sl_KVDSlownikGetKodMsg(int key, const KChar* code, const KChar* date);
int KODOWNIK_CALL KVDSlownikKodDoWyboru(int key, const KChar* code);

/* Dates */
int KODOWNIK_CALL sl_Now(KChar* buffer);
int KODOWNIK_CALL sl_PoprawnaData_DDMMRRRR(const KChar* text);
int KODOWNIK_CALL sl_PoprawnaData_MMRRRR(const KChar* text);
int KODOWNIK_CALL sl_PoprawnaData_DDMM(const KChar* text);
int KODOWNIK_CALL sl_PrzeksztalcDate_DDMMRRRR(const KChar* text);
int KODOWNIK_CALL sl_PrzeksztalcDate_MMRRRR(const KChar* text);
int KODOWNIK_CALL sl_PrzeksztalcDate_DDMM(const KChar* text);
const KChar* KODOWNIK_CALL sl_NajwczesniejszaData(const KChar* fallback, const KChar* first, ...);
const KChar* KODOWNIK_CALL sl_NajpozniejszaData(const KChar* fallback, const KChar* first, ...);

/* Code admissibility and validity */
int KODOWNIK_CALL fb_KVDKodSprawdzArkusze(int id, const KChar* code, const KChar* date);
int KODOWNIK_CALL fb_KVDKodSprawdz(int id, const KChar* code);
int KODOWNIK_CALL sl_CzyPrawidlowyKodLiterowy(const _stOpisKodu* node, const KChar* code, int reference);
int KODOWNIK_CALL sl_SprawdzSlownikNIPZUS(int key_kind, const KChar* key, const KChar* date);
int KODOWNIK_CALL sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia(const KChar* title, int* valid_from, int* valid_to);

/* Benefit codes */
int KODOWNIK_CALL fb_KVDZaleznosciKodSwKwotaTyp(const KChar* title, const KChar* code, int expected, const KChar* month);
int KODOWNIK_CALL fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp(const KChar* code, int expected, const KChar* month);
int KODOWNIK_CALL fb_KVDZaleznosciKodSwOkresOdTyp(const KChar* code, int expected, const KChar* month);
int KODOWNIK_CALL fb_KVDZaleznosciKodSwOkresDoTyp(const KChar* code, int expected, const KChar* month);
int KODOWNIK_CALL fb_KVDTypSwiadczenia(const KChar* code, int expected, const KChar* month);
int KODOWNIK_CALL fb_KVDZaleznosciKodSw_MSCTyp(const KChar* code, int expected, const KChar* month);
int KODOWNIK_CALL fb_KVDZaleznosciKodSwKodTyt(const KChar* title4, const KChar* pension, const KChar* disability,
                                              const KChar* code, const KChar* date_a, const KChar* date_b,
                                              int whole_period);
int KODOWNIK_CALL fb_KVDZaleznosciKodSwKodTytIdent(const KChar* title4, const KChar* pension,
                                                   const KChar* disability, const KChar* code,
                                                   const KChar* month);
KodBool KODOWNIK_CALL fb_KVDKodySwiadMogaBycRazem(const KChar* first, const KChar* second, int date);
int KODOWNIK_CALL sl_SprawdzKodSwDRA(const KChar* code, int expected, int date);
int KODOWNIK_CALL sl_SprawdzKodSwWST(const KChar* code, const KChar* date);

/* 8-bit entry points (8-bit text in both builds) */
KodBool KODOWNIK_CALL bw_MapujKod(const char* title, const char* code, const char* date);
KodBool KODOWNIK_CALL bw_OdowiedniTypSwiadczenia(const char* code, int expected, int month);
KodBool KODOWNIK_CALL bw_MapujKodData(const char* title, const char* code, int from, int to);
KodBool KODOWNIK_CALL bw_TypZaleznosciKoduSwDlaOkresu(const char* title, const char* code, int from, int to);
KodBool KODOWNIK_CALL bw_TypZaleznosciKoduSwDlaOkresu_DoklMies(const char* title, const char* code, int date);
KodBool KODOWNIK_CALL bw_KodSpecjalny(const char* title, int key, int from, int to);

/* Insurance titles per form (date lists end with a null pointer) */
int KODOWNIK_CALL fb_KVD_KodTyt_WypDok_DRA_ONE(const KChar* pass, const KChar* title4, const KChar* pension,
                                               const KChar* disability, ...);
int KODOWNIK_CALL fb_KVD_KodTyt_WypDok_RCA_ONE(const KChar* pass, const KChar* title4, const KChar* pension,
                                               const KChar* disability, ...);
int KODOWNIK_CALL fb_KVD_KodTyt_WypDok_RNA_ONE(const KChar* pass, const KChar* title4, const KChar* pension,
                                               const KChar* disability, ...);
int KODOWNIK_CALL fb_KVD_KodTyt_WypDok_RZA_ONE(const KChar* pass, const KChar* title4, const KChar* pension,
                                               const KChar* disability, ...);
int KODOWNIK_CALL fb_KVD_KodTyt_WypDok_ZUA_ONE(const KChar* pass, const KChar* title4, const KChar* pension,
                                               const KChar* disability, ...);
int KODOWNIK_CALL fb_KVD_KodTyt_WypDok_ZZA_ONE(const KChar* pass, const KChar* title4, const KChar* pension,
                                               const KChar* disability, ...);

/* Insurance obligation rules (date lists end with a null pointer) */
int KODOWNIK_CALL fb_KVDZasadyPodleganiaUb(const KChar* title4, const KChar* pension, const KChar* disability,
                                           const KChar* date);
int KODOWNIK_CALL fb_KVD_Slw_Podl_ALL(const KChar* title4, const KChar* pension, const KChar* disability,
                                      int insurance, const KChar* condition, ...);
int KODOWNIK_CALL fb_KVD_Slw_Podl_ONE(const KChar* title4, const KChar* pension, const KChar* disability,
                                      int insurance, const KChar* condition, ...);
int KODOWNIK_CALL sl_SprawdzPodstawySkladek(const KChar* title, int mask, const KChar* date);

/* Payers and relatives */
int KODOWNIK_CALL fb_KodWyrRozlicznikaTyp(const KChar* code, int payer_kind, const KChar* date);
int KODOWNIK_CALL fb_KodWyrRozlicznikaOsPrawna(const KChar* code, const KChar* date);
int KODOWNIK_CALL fb_KodWyrRozlicznikaOsFizyczna(const KChar* code, const KChar* date);
int KODOWNIK_CALL fb_KVDKodPokrewienstwa(const KChar* code, int question, int character);
int KODOWNIK_CALL fb_KVDKodPokrewienstwaJest(const KChar* code, int question);
int KODOWNIK_CALL fb_KVDKodPokrewienstwaWiek(const KChar* code, int age_group);

#ifdef __cplusplus
} /* extern "C" */

/* C++ linkage (decorated names). */
int KODOWNIK_CALL ZamienStala(const KChar* title, int kind);
int KODOWNIK_CALL fb_KVD_KodTyt_WypDok_ONE(const KChar* pass, const _stOpisKodu* slot, const KChar** dates);
#endif

/* Record layouts of the 32-bit Windows ABI (WebAssembly's wasm32 lays the
 * records out the same way). */
#if defined(__i386__) || defined(_M_IX86) || defined(__wasm32__)
#ifdef __cplusplus
#define KODOWNIK_STATIC_ASSERT static_assert
#else
#define KODOWNIK_STATIC_ASSERT _Static_assert
#endif
#include <stddef.h>
KODOWNIK_STATIC_ASSERT(sizeof(_stOpisKodu) == 12, "_stOpisKodu is 12 bytes");
KODOWNIK_STATIC_ASSERT(offsetof(_stOpisKodu, entries) == 4, "_stOpisKodu.entries at 4");
KODOWNIK_STATIC_ASSERT(offsetof(_stOpisKodu, child) == 8, "_stOpisKodu.child at 8");
KODOWNIK_STATIC_ASSERT(sizeof(_stOpisOkresu) == 20, "_stOpisOkresu is 20 bytes");
KODOWNIK_STATIC_ASSERT(offsetof(_stOpisOkresu, valid_from) == 4, "_stOpisOkresu.valid_from at 4");
KODOWNIK_STATIC_ASSERT(offsetof(_stOpisOkresu, valid_to) == 8, "_stOpisOkresu.valid_to at 8");
KODOWNIK_STATIC_ASSERT(offsetof(_stOpisOkresu, attribute) == 12, "_stOpisOkresu.attribute at 12");
KODOWNIK_STATIC_ASSERT(offsetof(_stOpisOkresu, short_text) == 16, "_stOpisOkresu.short_text at 16");
KODOWNIK_STATIC_ASSERT(sizeof(_stKodMsg) == 16, "_stKodMsg is 16 bytes");
KODOWNIK_STATIC_ASSERT(offsetof(_stKodMsg, selectable) == 12, "_stKodMsg.selectable at 12");
#ifdef KODOWNIK_WIDE
KODOWNIK_STATIC_ASSERT(sizeof(_stSlownikMsg) == 168, "_stSlownikMsg is 168 bytes in W");
KODOWNIK_STATIC_ASSERT(offsetof(_stSlownikMsg, entries) == 164, "_stSlownikMsg.entries at 164 in W");
#else
KODOWNIK_STATIC_ASSERT(sizeof(_stSlownikMsg) == 88, "_stSlownikMsg is 88 bytes in A");
KODOWNIK_STATIC_ASSERT(offsetof(_stSlownikMsg, entries) == 84, "_stSlownikMsg.entries at 84 in A");
#endif
#undef KODOWNIK_STATIC_ASSERT
#endif

#endif /* KODOWNIK_KODOWNIK_H */
