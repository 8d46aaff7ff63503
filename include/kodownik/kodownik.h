/*
 * Kodownik: code dictionaries and validation rules of ZUS declarations.
 *
 * This header is the manual of both libraries. It declares the 59 exported
 * functions, grouped by family; each family begins with a short
 * introduction, and each function says what it answers, what its arguments
 * are, what its result means and whether it runs the one-time build, with
 * one example call.
 *
 * TEXT TYPES
 *   Define KODOWNIK_WIDE before including this header to use Kodownik_W:
 *   every text is then NUL-terminated UTF-16 (KChar is char16_t in C++ on
 *   Linux, unsigned short in C and on Windows). Leave it undefined to use
 *   Kodownik_A: every text is NUL-terminated Windows-1250 bytes (KChar is
 *   char). The bw_ functions take 8-bit text in both libraries.
 *
 * EXAMPLES
 *   Each function has one example, "call -> result", written for Kodownik_A
 *   (with Kodownik_W write u"011101" in C++, or build the UTF-16 array in
 *   C); a test runs every example against both libraries. In them, true and
 *   false are the booleans 1 and 0; root(ID) stands for sl_PobierzSlownik(ID)
 *   and slot(ID, "code") for sl_PobierzOpisKodu(root(ID), "code"); out is
 *   the address of an int, whose value after the call follows the result;
 *   @N is the N-th argument itself (from 0); today is today's YYYYMMDD;
 *   ["a", null] is an array of texts.
 *
 * CALLING CONVENTION AND OWNERSHIP
 *   Every function uses the C calling convention (__cdecl). Returned texts
 *   and records belong to the library and stay valid until it is unloaded
 *   (the text of KVDSlownikGetKodMsg: until the same thread calls it
 *   again); the caller frees nothing. Every function may be called from any
 *   thread at any time. ZamienStala and fb_KVD_KodTyt_WypDok_ONE have C++
 *   linkage: on Windows they are exported under the decorations a 32-bit
 *   MSVC host links against, on Linux under the compiler's own mangling.
 *   They are declared for C++ only.
 *
 * RESULTS
 *   Most checks return an int: KODOWNIK_TAK (0) for yes and KODOWNIK_NIE
 *   (-1) for no, and -1 as well for every unusable argument (a null text, a
 *   code of the wrong form, an unknown ID): "no" and "cannot say" are not
 *   told apart. Seven functions answer a one-byte boolean (KodBool) instead,
 *   1 for yes and 0 for no: fb_KVDKodySwiadMogaBycRazem and the six bw_
 *   functions. The three date checks sl_PoprawnaData_* return 0 for a
 *   well-formed text, -1 for a null text, or one of the KODOWNIK_DATA_*
 *   codes below. Lookups return a pointer, or null when there is nothing.
 *   A few functions return a number (a date, a kind, a WST number); each
 *   says so.
 *
 * DATES
 *   Date texts: DDMMRRRR (31122002, a day), MMRRRR (122002, a month) and
 *   DDMM (3112, a day of any year), digits only, fixed width. Integer dates:
 *   YYYYMMDD (20021231) or YYYYMM (200212); 99991231 marks an open end. A
 *   check that takes a date text and finds none (null) or an ill-formed one
 *   checks without a date, unless it says otherwise; without a date a code
 *   counts at any time. A month is in a period when any of its days is.
 *   Lists of date texts given to the variadic functions end with a null
 *   pointer.
 *
 * THE ONE-TIME BUILD
 *   Some tables are linked together in memory on first need, once per
 *   process, under a lock ("runs the build" below). The functions that read
 *   only constant data or their arguments never run it.
 *
 * CODE TRIES
 *   A dictionary is a trie of nodes of ten _stOpisKodu slots, one per digit;
 *   the slot of a code's last digit holds the number of its entries (its
 *   editions, _stOpisOkresu: a validity period and its wording), the first
 *   entry and the child node of longer codes. sl_PobierzSlownik gives the
 *   root, sl_PobierzOpisKodu walks it.
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

/* Results of the int checks. */
#define KODOWNIK_TAK 0   /* yes: admissible, in force, well formed */
#define KODOWNIK_NIE (-1) /* no, or an argument that cannot be used */

/* Results of sl_PoprawnaData_DDMMRRRR, _MMRRRR and _DDMM besides
 * KODOWNIK_TAK (well formed) and KODOWNIK_NIE (a null text). The month is
 * checked before the day and the year. */
#define KODOWNIK_DATA_ZLY_FORMAT 60006201  /* wrong length, or a character that is not a digit */
#define KODOWNIK_DATA_ZLY_MIESIAC 60005701 /* month outside 01 to 12 */
#define KODOWNIK_DATA_ZLY_DZIEN 60005801   /* day 00, or past the end of the month */
#define KODOWNIK_DATA_ZLY_ROK 60006301     /* year outside 1850 to 2020 (MMRRRR only) */

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

/* ==========================================================================
 * Dictionary lookups
 *
 * The dictionaries have IDs 10001 to 10049; 45 of them have a code trie and
 * 41 a name (10001, 10016, 10041 and 10042 have a trie but no name; 10003,
 * 10026, 10043 and 10044 have neither). Every edition of a code's wording is
 * kept with its validity period, newest first where a dictionary has
 * several.
 * ========================================================================== */

/* Is the code well formed: digits only and, unless expected_length is 0,
 * exactly that many characters?
 *   code             text; null gives -1. The empty code is well formed
 *                    when expected_length is 0.
 *   expected_length  number of characters, or 0 for any.
 * Returns 0 yes, -1 no. Does not run the build.
 * Example: sl_PoprawnyKod("0110", 4) -> 0 */
int KODOWNIK_CALL sl_PoprawnyKod(const KChar* code, int expected_length);

/* The root of a dictionary's code trie.
 *   id  dictionary ID.
 * Returns the first slot of the root node, or null for an ID without a trie.
 * Runs the build.
 * Example: sl_PobierzSlownik(10003) -> null */
const _stOpisKodu* KODOWNIK_CALL sl_PobierzSlownik(unsigned int id);

/* The trie slot of a code: one step per digit from the root.
 *   root  a root from sl_PobierzSlownik (or a node of the same trie); null
 *         gives null.
 *   code  text of digits; null, a non-digit or a code that leaves the trie
 *         gives null. The empty code gives the root itself.
 * Returns the slot of the code's last digit, whether or not a code ends
 * there (count 0: only a step towards longer codes), or null. Does not run
 * the build.
 * Example: sl_PobierzOpisKodu(null, "1") -> null */
const _stOpisKodu* KODOWNIK_CALL sl_PobierzOpisKodu(const _stOpisKodu* root, const KChar* code);

/* The name of a dictionary.
 *   id  dictionary ID.
 * Returns the constant name text, or null for an ID without a name. Two IDs
 * may share a name (10013 and 10021, 10015 and 10040, 10024 and 10037).
 * Does not run the build.
 * Example: sl_PobierzNazweSlownika(10001) -> null */
const KChar* KODOWNIK_CALL sl_PobierzNazweSlownika(unsigned int id);

/* The edition of a code in force on a date.
 *   id    dictionary ID.
 *   code  text of digits; null gives null. In 10005 and 10014 only the
 *         first two characters count and must be digits ("07R" finds 07).
 *   date  YYYYMMDD, or YYYYMM (compared with whole months), or 0 for the
 *         first stored edition.
 * Returns the first entry of the code whose period holds the date, or null.
 * Runs the build.
 * Example: sl_PobierzOpisOkresu(10013, "0", 19981230) -> null */
const _stOpisOkresu* KODOWNIK_CALL sl_PobierzOpisOkresu(int id, const KChar* code, int date);

/* ==========================================================================
 * Message dictionaries
 *
 * A registry of flat message lists, found by an integer key. The registry
 * of this library is empty: every key finds no dictionary, and the results
 * are those for an absent dictionary. None of these runs the build.
 * ========================================================================== */

/* The message dictionary of a key.
 *   key  any value.
 * Returns the descriptor, or null (always null here).
 * Example: KVDSlownikGet(0) -> null */
const _stSlownikMsg* KODOWNIK_CALL KVDSlownikGet(int key);

/* The same as KVDSlownikGet.
 * Example: sl_KVDSlownikGet(10001) -> null */
const _stSlownikMsg* KODOWNIK_CALL sl_KVDSlownikGet(int key);

/* The message of a code in the key's dictionary.
 *   key   any value.
 *   code  text, compared whole; null or empty gives the empty text.
 *   date  text; never read, null allowed.
 * Returns the message copied into the calling thread's buffer (valid until
 * the thread's next call of this function), or the library's constant empty
 * text (always the empty text here).
 * Example: KVDSlownikGetKodMsg(0, "01", null) -> "" */
const KChar* KODOWNIK_CALL KVDSlownikGetKodMsg(int key, const KChar* code, const KChar* date);

/* The same as KVDSlownikGetKodMsg.
 * Example: sl_KVDSlownikGetKodMsg(1, "01", null) -> "" */
const KChar* KODOWNIK_CALL sl_KVDSlownikGetKodMsg(int key, const KChar* code, const KChar* date);

/* The selectable value of a code in the key's dictionary.
 *   key   any value.
 *   code  text; null gives 0.
 * Returns the value, or 0 for an absent dictionary or code (always 0 here).
 * Example: KVDSlownikKodDoWyboru(1, null) -> 0 */
int KODOWNIK_CALL KVDSlownikKodDoWyboru(int key, const KChar* code);

/* ==========================================================================
 * Dates
 *
 * Checks and conversions of date texts, today's date, and the earliest or
 * latest of several dates. They read no table and never run the build.
 * ========================================================================== */

/* Today's date, in local time.
 *   buffer  null, or room for 9 characters: receives today as DDMMRRRR.
 * Returns today as YYYYMMDD.
 * Example: sl_Now(null) -> today */
int KODOWNIK_CALL sl_Now(KChar* buffer);

/* Is the text a well-formed day DDMMRRRR (any year, 0000 included)?
 *   text  null gives -1.
 * Returns 0 well formed, -1 null, or KODOWNIK_DATA_ZLY_FORMAT,
 * KODOWNIK_DATA_ZLY_MIESIAC, KODOWNIK_DATA_ZLY_DZIEN.
 * Example: sl_PoprawnaData_DDMMRRRR("29021900") -> 60005801 */
int KODOWNIK_CALL sl_PoprawnaData_DDMMRRRR(const KChar* text);

/* Is the text a well-formed month MMRRRR of the years 1850 to 2020?
 *   text  null gives -1.
 * Returns 0 well formed, -1 null, or KODOWNIK_DATA_ZLY_FORMAT,
 * KODOWNIK_DATA_ZLY_MIESIAC, KODOWNIK_DATA_ZLY_ROK.
 * Example: sl_PoprawnaData_MMRRRR("012021") -> 60006301 */
int KODOWNIK_CALL sl_PoprawnaData_MMRRRR(const KChar* text);

/* Is the text a well-formed day of the year DDMM (29 February allowed)?
 *   text  null gives -1.
 * Returns 0 well formed, -1 null, or KODOWNIK_DATA_ZLY_FORMAT,
 * KODOWNIK_DATA_ZLY_MIESIAC, KODOWNIK_DATA_ZLY_DZIEN.
 * Example: sl_PoprawnaData_DDMM("3002") -> 60005801 */
int KODOWNIK_CALL sl_PoprawnaData_DDMM(const KChar* text);

/* A DDMMRRRR text as YYYYMMDD.
 *   text  null gives -1; a text that is not a well-formed day gives today.
 * Returns the date number. Check the text first if today is not wanted.
 * Example: sl_PrzeksztalcDate_DDMMRRRR("31121998") -> 19981231 */
int KODOWNIK_CALL sl_PrzeksztalcDate_DDMMRRRR(const KChar* text);

/* An MMRRRR text as YYYYMM.
 *   text  null gives -1; a text that is not a well-formed month gives the
 *         current month.
 * Returns the month number.
 * Example: sl_PrzeksztalcDate_MMRRRR("122005") -> 200512 */
int KODOWNIK_CALL sl_PrzeksztalcDate_MMRRRR(const KChar* text);

/* A DDMM text as MMDD.
 *   text  null gives -1; a text that is not a well-formed day of the year
 *         gives today's MMDD.
 * Returns the day-month number.
 * Example: sl_PrzeksztalcDate_DDMM("3112") -> 1231 */
int KODOWNIK_CALL sl_PrzeksztalcDate_DDMM(const KChar* text);

/* The earliest of several DDMMRRRR texts.
 *   fallback  any pointer (null allowed); not compared.
 *   first...  date texts ending with a null pointer; texts that are not
 *             well-formed days are skipped.
 * Returns the pointer of the earliest text (the first of equal ones), or
 * fallback when none is well formed; never a copy.
 * Example: sl_NajwczesniejszaData("f", null) -> @0 */
const KChar* KODOWNIK_CALL sl_NajwczesniejszaData(const KChar* fallback, const KChar* first, ...);

/* The latest of several DDMMRRRR texts; as sl_NajwczesniejszaData.
 * Example: sl_NajpozniejszaData("f", "01012004", "01012005", null) -> @2 */
const KChar* KODOWNIK_CALL sl_NajpozniejszaData(const KChar* fallback, const KChar* first, ...);

/* ==========================================================================
 * Code admissibility and validity
 *
 * May a code typed into a field of a declaration be entered on a date? The
 * dictionary ID chooses the rule: digit codes in a hierarchy (a heading of
 * longer codes in force is not admissible), six-digit insurance title codes
 * (10003), NFZ branch codes written with their letter (10005, 10014), letter
 * codes (10024, 10034, 10037, 10045) and names (10046, 10047). Also: is a
 * text a ZUS branch, and over which span is a title code valid.
 * ========================================================================== */

/* May the code be entered in the dictionary's field on the date?
 *   id    dictionary ID; IDs without a rule (10026, 10040 to 10044, and any
 *         number outside 10001 to 10049) give -1.
 *   code  text in the dictionary's form; null gives -1.
 *   date  DDMMRRRR or MMRRRR text; null or ill-formed: without a date.
 * Returns 0 admissible, -1 not. Runs the build.
 * Example: fb_KVDKodSprawdzArkusze(10004, "011101", "31122002") -> -1 */
int KODOWNIK_CALL fb_KVDKodSprawdzArkusze(int id, const KChar* code, const KChar* date);

/* fb_KVDKodSprawdzArkusze without a date.
 * Returns 0 admissible, -1 not. Runs the build.
 * Example: fb_KVDKodSprawdz(10004, "0111") -> -1 */
int KODOWNIK_CALL fb_KVDKodSprawdz(int id, const KChar* code);

/* Is the text the name (or short text) of a code in the trie below the
 * node, in force at the reference value? Only the first 22 characters of
 * both count. The rule of 10046 and 10047.
 *   node       a root from sl_PobierzSlownik; null gives -1.
 *   code       the text; null gives -1.
 *   reference  YYYYMMDD, YYYYMM, or 0 (or less) for any time.
 * Returns 0 yes, -1 no. Does not run the build (the root comes from
 * sl_PobierzSlownik, which has).
 * Example: sl_CzyPrawidlowyKodLiterowy(root(10047), "AF", 20051102) -> -1 */
int KODOWNIK_CALL sl_CzyPrawidlowyKodLiterowy(const _stOpisKodu* node, const KChar* code, int reference);

/* Is the key the code, NIP, REGON or name of a ZUS branch in force on the
 * date? Compared exactly (case and blanks count).
 *   key_kind  0 code text, 1 NIP (10 digits), 2 REGON (14 digits), 3 name;
 *             any other gives -1.
 *   key       text; null gives -1.
 *   date      DDMMRRRR or MMRRRR text; null or ill-formed: without a date.
 * Returns 0 yes, -1 no. Runs the build.
 * Example: sl_SprawdzSlownikNIPZUS(1, "5422591316", "30121998") -> -1 */
int KODOWNIK_CALL sl_SprawdzSlownikNIPZUS(int key_kind, const KChar* key, const KChar* date);

/* Over which span is an insurance title code valid: from the start of its
 * first rule period to the end of its last (gaps included)?
 *   title       six-digit title code; null gives -1.
 *   valid_from  receives YYYYMMDD; must not be null (null gives -1).
 *   valid_to    receives YYYYMMDD (99991231: open); must not be null.
 * Returns 0 and writes both, or -1 (no such code) and writes neither.
 * Runs the build.
 * Example: sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia("300000", out, out) -> 0, 19990101, 99991231 */
int KODOWNIK_CALL sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia(const KChar* title, int* valid_from, int* valid_to);

/* ==========================================================================
 * Benefit codes
 *
 * Benefit and break codes (dictionary 10019, three digits) against the rule
 * tables: which amount, day-count, period, benefit, MSC and DRA type belongs
 * to a code in a month, which WST number, which codes may be reported under
 * an insurance title (the title-benefit matrix, dictionary 10001, whose
 * entries allowed under the title carry attribute 120) and which codes may
 * stand together. A code text is read as a number where said ("111a" reads
 * as 111); elsewhere it must be exactly three digits. Every function here
 * runs the build.
 * ========================================================================== */

/* Is the amount type expected right for the benefit code in the month,
 * under the title? The title may turn types 106 and 107 into 105
 * (ZamienStala) before they are compared.
 *   title     six-digit title code; null: the type is compared unchanged.
 *   code      benefit code, read as a number; null or 0 gives -1.
 *   expected  amount type.
 *   month     MMRRRR text; null gives -1; an ill-formed one gives the
 *             current month.
 * Returns 0 yes, -1 no.
 * Example: fb_KVDZaleznosciKodSwKwotaTyp("011000", "311", 106, "012005") -> 0 */
int KODOWNIK_CALL fb_KVDZaleznosciKodSwKwotaTyp(const KChar* title, const KChar* code, int expected, const KChar* month);

/* Is the contribution-days type expected right for the benefit code in the
 * month? Arguments as fb_KVDZaleznosciKodSwKwotaTyp without the title.
 * Returns 0 yes, -1 no.
 * Example: fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp("401", 113, "012010") -> -1 */
int KODOWNIK_CALL fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp(const KChar* code, int expected, const KChar* month);

/* Is the period-from type expected right for the benefit code in the month?
 * Arguments as fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp.
 * Returns 0 yes, -1 no.
 * Example: fb_KVDZaleznosciKodSwOkresOdTyp(null, 101, "012005") -> -1 */
int KODOWNIK_CALL fb_KVDZaleznosciKodSwOkresOdTyp(const KChar* code, int expected, const KChar* month);

/* Is the period-to type expected right for the benefit code in the month?
 * Arguments as fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp.
 * Returns 0 yes, -1 no.
 * Example: fb_KVDZaleznosciKodSwOkresDoTyp("401", 118, null) -> -1 */
int KODOWNIK_CALL fb_KVDZaleznosciKodSwOkresDoTyp(const KChar* code, int expected, const KChar* month);

/* Is the benefit type expected right for the benefit code in the month?
 * Arguments as fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp.
 * Returns 0 yes, -1 no.
 * Example: fb_KVDTypSwiadczenia("401", 118, null) -> -1 */
int KODOWNIK_CALL fb_KVDTypSwiadczenia(const KChar* code, int expected, const KChar* month);

/* Is the MSC type expected right for the benefit code in the month?
 * Arguments as fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp.
 * Returns 0 yes, -1 no.
 * Example: fb_KVDZaleznosciKodSw_MSCTyp("111", 116, "012000") -> 0 */
int KODOWNIK_CALL fb_KVDZaleznosciKodSw_MSCTyp(const KChar* code, int expected, const KChar* month);

/* May the benefit code be reported under the title for a period?
 *   title4, pension, disability  the title code in three texts (four
 *                  digits, one, one); they must join to six digits.
 *   code           benefit code text, compared exactly; null gives -1.
 *   date_a, date_b DDMMRRRR or MMRRRR texts (the precision is date_a's);
 *                  a null text or one of another length is missing, and a
 *                  missing one takes the other's value. Both missing: 0 as
 *                  soon as the title's list names the code.
 *   whole_period   lowest byte 0: some allowed entry holds date_a or
 *                  date_b; non-zero: some entry of the code spans date_a to
 *                  date_b, and every entry that does is allowed.
 * Returns 0 yes, -1 no.
 * Example: fb_KVDZaleznosciKodSwKodTyt("0110", "0", "0", "155", "01012003", "31122005", 1) -> -1 */
int KODOWNIK_CALL fb_KVDZaleznosciKodSwKodTyt(const KChar* title4, const KChar* pension, const KChar* disability,
                                              const KChar* code, const KChar* date_a, const KChar* date_b,
                                              int whole_period);

/* May the benefit code be reported under the title in the month?
 *   title4, pension, disability  as fb_KVDZaleznosciKodSwKodTyt.
 *   code   benefit code text, compared exactly; null gives -1.
 *   month  MMRRRR text; null gives -1; an ill-formed one gives the current
 *          month.
 * Returns 0 yes, -1 no.
 * Example: fb_KVDZaleznosciKodSwKodTytIdent("0110", "0", "0", "155", "062004") -> 0 */
int KODOWNIK_CALL fb_KVDZaleznosciKodSwKodTytIdent(const KChar* title4, const KChar* pension,
                                                   const KChar* disability, const KChar* code,
                                                   const KChar* month);

/* May the two benefit codes be reported together on the day?
 *   first, second  three-digit codes; null or another form gives 0.
 *   date           YYYYMMDD, or -1 for any time (a YYYYMM value lies before
 *                  every period, so it gives 0).
 * Returns the one-byte boolean 1 yes, 0 no.
 * Example: fb_KVDKodySwiadMogaBycRazem("111", "350", -1) -> true */
KodBool KODOWNIK_CALL fb_KVDKodySwiadMogaBycRazem(const KChar* first, const KChar* second, int date);

/* Is the DRA type expected right for the benefit code on the date?
 *   code      three-digit code, not 000; null gives -1.
 *   expected  DRA type.
 *   date      YYYYMMDD, YYYYMM, or 0: then 0 whenever the code has DRA
 *             types at all.
 * Returns 0 yes, -1 no.
 * Example: sl_SprawdzKodSwDRA("211", 122, 20080701) -> -1 */
int KODOWNIK_CALL sl_SprawdzKodSwDRA(const KChar* code, int expected, int date);

/* The WST number of the benefit code on the date.
 *   code  three-digit code, not 000; null gives -1.
 *   date  MMRRRR or DDMMRRRR text (read by its length); null gives -1; a
 *         text of another length is no date and gives 0.
 * Returns the WST number (0 and up), 0 without a date, or -1 (unknown code,
 * or no number on that date). A number, not a yes/no answer.
 * Example: sl_SprawdzKodSwWST("212", "092009") -> 48 */
int KODOWNIK_CALL sl_SprawdzKodSwWST(const KChar* code, const KChar* date);

/* ==========================================================================
 * 8-bit entry points
 *
 * Benefit-code questions for hosts that hold 8-bit text: every text here is
 * 8-bit in both libraries. Kodownik_A reads the texts unchanged; Kodownik_W
 * converts them with the thread's ANSI code page, and a text longer than
 * 1023 characters, or one that cannot be converted, counts as null. Dates
 * are integers. Every answer is the one-byte boolean 1 yes, 0 no, and every
 * unusable argument gives 0. All but bw_KodSpecjalny run the build.
 * ========================================================================== */

/* May the benefit code be reported under the title in the month of the
 * day? (fb_KVDZaleznosciKodSwKodTytIdent on the title's first four, fifth
 * and sixth characters and the date text without its day.)
 *   title  at least six characters; only the first six count; null gives 0.
 *   code   benefit code text; null gives 0.
 *   date   DDMMRRRR text; null gives 0.
 * Returns 1 yes, 0 no. Runs the build.
 * Example: bw_MapujKod("0110001", "155", "15062004") -> true */
KodBool KODOWNIK_CALL bw_MapujKod(const char* title, const char* code, const char* date);

/* Is the DRA type expected right for the benefit code in the month?
 *   code      benefit code, read as a number; null gives 0.
 *   expected  DRA type.
 *   month     YYYYMM.
 * Returns 1 yes, 0 no. Runs the build.
 * Example: bw_OdowiedniTypSwiadczenia("211", 122, 200807) -> false */
KodBool KODOWNIK_CALL bw_OdowiedniTypSwiadczenia(const char* code, int expected, int month);

/* May the benefit code be reported under the title in some part of the
 * period from..to (an allowed entry that overlaps it)?
 *   title     six digits; null gives 0.
 *   code      benefit code text; null gives 0.
 *   from, to  YYYYMMDD.
 * Returns 1 yes, 0 no. Runs the build.
 * Example: bw_MapujKodData("011000", "155", 20050101, 20050131) -> false */
KodBool KODOWNIK_CALL bw_MapujKodData(const char* title, const char* code, int from, int to);

/* Does the benefit code, in some part of the period from..to, have one of
 * the amount types 101, 106, 107, 108 or 117 (106 and 107 after
 * ZamienStala for the title)?
 *   title     title code; read only for the types 106 and 107 (null: those
 *             count as no).
 *   code      benefit code, read as a number; null gives 0.
 *   from, to  both YYYYMMDD or both YYYYMM.
 * Returns 1 yes, 0 no. Runs the build.
 * Example: bw_TypZaleznosciKoduSwDlaOkresu("051000", "311", 200501, 200501) -> false */
KodBool KODOWNIK_CALL bw_TypZaleznosciKoduSwDlaOkresu(const char* title, const char* code, int from, int to);

/* bw_TypZaleznosciKoduSwDlaOkresu with from and to both the date.
 * Returns 1 yes, 0 no. Runs the build.
 * Example: bw_TypZaleznosciKoduSwDlaOkresu_DoklMies("011000", "311", 200501) -> true */
KodBool KODOWNIK_CALL bw_TypZaleznosciKoduSwDlaOkresu_DoklMies(const char* title, const char* code, int date);

/* Does a special-title record whose prefix begins the title, and which
 * applies in the months from..to (it starts within them, or holds the
 * month to), list the key?
 *   title     any length (Kodownik_W: up to 1023 characters); only the
 *             record's prefix is compared; null gives 0.
 *   key       the key asked for.
 *   from, to  YYYYMM.
 * Returns 1 yes, 0 no. Does not run the build.
 * Example: bw_KodSpecjalny("101000", 2, 199905, 200002) -> true */
KodBool KODOWNIK_CALL bw_KodSpecjalny(const char* title, int key, int from, int to);

/* ==========================================================================
 * Insurance titles per form
 *
 * May a six-digit insurance title code be entered on a ZUS form, and was it
 * admissible on one of the given dates? One function per form (ZUS RCA and
 * RNA share one table). The title code is given in three texts (four-digit
 * title, pension-right digit, disability digit) that are joined: how the
 * six digits are split among them does not matter. The dates follow as
 * DDMMRRRR or MMRRRR texts ending with a null pointer: no date asks whether
 * the code is admissible at any time; ill-formed texts are skipped, and a
 * list of only ill-formed texts asks about today. All run the build.
 * ========================================================================== */

/* May the title code be entered on ZUS DRA (on one of the dates)?
 *   pass                          any text, not read; null allowed.
 *   title4, pension, disability   the title code in three texts.
 *   ...                           date texts, ending with null.
 * Returns 0 yes, -1 no. Runs the build.
 * Example: fb_KVD_KodTyt_WypDok_DRA_ONE(null, "05", "12", "20", null) -> 0 */
int KODOWNIK_CALL fb_KVD_KodTyt_WypDok_DRA_ONE(const KChar* pass, const KChar* title4, const KChar* pension,
                                               const KChar* disability, ...);

/* The same on ZUS RCA (the table of ZUS RNA).
 * Example: fb_KVD_KodTyt_WypDok_RCA_ONE(null, "0110", "0", "0", null) -> 0 */
int KODOWNIK_CALL fb_KVD_KodTyt_WypDok_RCA_ONE(const KChar* pass, const KChar* title4, const KChar* pension,
                                               const KChar* disability, ...);

/* The same on ZUS RNA.
 * Example: fb_KVD_KodTyt_WypDok_RNA_ONE(null, "0110", "0", "4", "092003", null) -> -1 */
int KODOWNIK_CALL fb_KVD_KodTyt_WypDok_RNA_ONE(const KChar* pass, const KChar* title4, const KChar* pension,
                                               const KChar* disability, ...);

/* The same on ZUS RZA.
 * Example: fb_KVD_KodTyt_WypDok_RZA_ONE(null, "0110", "0", "0", null) -> -1 */
int KODOWNIK_CALL fb_KVD_KodTyt_WypDok_RZA_ONE(const KChar* pass, const KChar* title4, const KChar* pension,
                                               const KChar* disability, ...);

/* The same on ZUS ZUA.
 * Example: fb_KVD_KodTyt_WypDok_ZUA_ONE(null, "3000", "0", "0", null) -> -1 */
int KODOWNIK_CALL fb_KVD_KodTyt_WypDok_ZUA_ONE(const KChar* pass, const KChar* title4, const KChar* pension,
                                               const KChar* disability, ...);

/* The same on ZUS ZZA.
 * Example: fb_KVD_KodTyt_WypDok_ZZA_ONE(null, "0417", "0", "0", null) -> 0 */
int KODOWNIK_CALL fb_KVD_KodTyt_WypDok_ZZA_ONE(const KChar* pass, const KChar* title4, const KChar* pension,
                                               const KChar* disability, ...);

/* ==========================================================================
 * Insurance obligation rules
 *
 * Which statuses a person with a six-digit title code may have in each of
 * the five insurances (0 pension, 1 disability pension, 2 sickness,
 * 3 accident, 4 health) on a date: O obligatory, D voluntary, N not subject,
 * W (titles 3000 and 5000). A condition is a comma-separated list of
 * letters, each optionally preceded by "!" (for example "N,!O"); it holds
 * for a period when every listed status is set and every "!" status is not.
 * On a date that no period covers, the period "N" alone stands in. Dates
 * as for the forms above. All run the build.
 * ========================================================================== */

/* Does the title code have insurance rules, in force on the date if one is
 * given?
 *   title4, pension, disability  the title code in three texts.
 *   date  DDMMRRRR or MMRRRR text; null or ill-formed: without a date.
 * Returns 0 yes, -1 no. Runs the build.
 * Example: fb_KVDZasadyPodleganiaUb("0412", "0", "0", null) -> 0 */
int KODOWNIK_CALL fb_KVDZasadyPodleganiaUb(const KChar* title4, const KChar* pension, const KChar* disability,
                                           const KChar* date);

/* Does the condition hold for the insurance on every date, in every period
 * that covers it?
 *   title4, pension, disability  the title code in three texts.
 *   insurance  0 to 4; another value gives -1 once a date is examined.
 *   condition  text; null gives -1 once a date is examined.
 *   ...        date texts, ending with null; none: 0 once the code is found.
 * Returns 0 yes, -1 no. Runs the build.
 * Example: fb_KVD_Slw_Podl_ALL("0411", "0", "0", 2, "D", "15062005", null) -> 0 */
int KODOWNIK_CALL fb_KVD_Slw_Podl_ALL(const KChar* title4, const KChar* pension, const KChar* disability,
                                      int insurance, const KChar* condition, ...);

/* Does the condition hold for the insurance on at least one date, in at
 * least one period that covers it? Arguments as fb_KVD_Slw_Podl_ALL, except
 * that the parts must be four, one and one characters long and that no date
 * gives -1.
 * Returns 0 yes, -1 no. Runs the build.
 * Example: fb_KVD_Slw_Podl_ONE("0411", "0", "0", 2, "O", "15062005", null) -> -1 */
int KODOWNIK_CALL fb_KVD_Slw_Podl_ONE(const KChar* title4, const KChar* pension, const KChar* disability,
                                      int insurance, const KChar* condition, ...);

/* Does the title code's edition of dictionary 10048 (contribution bases)
 * in force on the date admit one of the kinds of the mask?
 *   title  six-digit title code; null gives -1.
 *   mask   bit set of contribution-base kinds (1, 2, 4).
 *   date   DDMMRRRR or MMRRRR text; null or ill-formed: the first edition.
 * Returns 0 yes, -1 no. Runs the build.
 * Example: sl_SprawdzPodstawySkladek("057000", 4, null) -> 0 */
int KODOWNIK_CALL sl_SprawdzPodstawySkladek(const KChar* title, int mask, const KChar* date);

/* ==========================================================================
 * Payers and relatives
 *
 * Payer deregistration reasons (dictionary 10008, three digits) per kind of
 * payer, and relationship codes (dictionary 10006, two digits) per group.
 * All run the build.
 * ========================================================================== */

/* May a payer of the kind use the deregistration reason on the date?
 *   code        three-digit reason code; null gives -1.
 *   payer_kind  the character 'P' (legal person) or 'F' (natural person).
 *   date        DDMMRRRR or MMRRRR text; null or ill-formed: without a date.
 * Returns 0 yes, -1 no. Runs the build.
 * Example: fb_KodWyrRozlicznikaTyp("111", 'P', null) -> 0 */
int KODOWNIK_CALL fb_KodWyrRozlicznikaTyp(const KChar* code, int payer_kind, const KChar* date);

/* fb_KodWyrRozlicznikaTyp for a legal person ('P').
 * Example: fb_KodWyrRozlicznikaOsPrawna("112", null) -> -1 */
int KODOWNIK_CALL fb_KodWyrRozlicznikaOsPrawna(const KChar* code, const KChar* date);

/* fb_KodWyrRozlicznikaTyp for a natural person ('F').
 * Example: fb_KodWyrRozlicznikaOsFizyczna("112", null) -> 0 */
int KODOWNIK_CALL fb_KodWyrRozlicznikaOsFizyczna(const KChar* code, const KChar* date);

/* Does the relationship code answer the question?
 *   code       two-digit code; null gives -1.
 *   question   1 an ascendant; 2 any relative; 3 the code has no short text
 *              or its short text begins with the character; other values
 *              give -1.
 *   character  the character of question 3.
 * Returns 0 yes, -1 no. Runs the build.
 * Example: fb_KVDKodPokrewienstwa("01", 1, '3') -> -1 */
int KODOWNIK_CALL fb_KVDKodPokrewienstwa(const KChar* code, int question, int character);

/* Does the relationship code answer the question: 1 an ascendant, 2 any
 * relative, 3 the code has a short text?
 *   code      two-digit code; null gives -1.
 *   question  1, 2 or 3; other values give -1.
 * Returns 0 yes, -1 no. Runs the build.
 * Example: fb_KVDKodPokrewienstwaJest("11", 3) -> 0 */
int KODOWNIK_CALL fb_KVDKodPokrewienstwaJest(const KChar* code, int question);

/* Does the relationship code belong to the age group?
 *   code       two-digit code; null gives -1.
 *   age_group  'S' (parents and grandparents), 'M' (children and
 *              grandchildren), or any other value as a bit mask of groups.
 * Returns 0 yes, -1 no. Runs the build.
 * Example: fb_KVDKodPokrewienstwaWiek("30", 'S') -> 0 */
int KODOWNIK_CALL fb_KVDKodPokrewienstwaWiek(const KChar* code, int age_group);

#ifdef __cplusplus
} /* extern "C" */

/* ==========================================================================
 * C++ linkage (decorated names)
 * ========================================================================== */

/* The amount type to compare for a title: 106 and 107 count as 105 for
 * titles whose insured person pays contributions on his own account (106:
 * titles beginning 05, 10, 0125, 0126, 0426 to 0429; 107: 05, 10).
 *   title  the title code, at least its first four digits; null: the kind
 *          unchanged.
 *   kind   the amount type.
 * Returns the type to use (a number, not a yes/no answer). Does not run the
 * build.
 * Example: ZamienStala("0510", 107) -> 105 */
int KODOWNIK_CALL ZamienStala(const KChar* title, int kind);

/* Does one of the dates lie in one of the periods of the slot's entries?
 * The date matching of the form checks.
 *   pass   any text, not read; null allowed.
 *   slot   a trie slot (from sl_PobierzOpisKodu); null gives -1.
 *   dates  array of DDMMRRRR or MMRRRR texts ending with null; null gives
 *          -1; ill-formed texts are skipped, and only ill-formed ones ask
 *          about today.
 * Returns 0 yes, -1 no. Runs the build.
 * Example: fb_KVD_KodTyt_WypDok_ONE(null, slot(10015, "0110"), ["30121998", null]) -> -1 */
int KODOWNIK_CALL fb_KVD_KodTyt_WypDok_ONE(const KChar* pass, const _stOpisKodu* slot, const KChar** dates);
#endif

/* Record layouts of the 32-bit Windows ABI (WebAssembly's wasm32 lays the
 * records out the same way) and of the 64-bit ABIs, checked by the compiler
 * wherever the header is included. */
#if defined(__i386__) || defined(_M_IX86) || defined(__wasm32__) || defined(__x86_64__) || defined(_M_X64)
#if defined(__cplusplus) && (__cplusplus >= 201103L || (defined(_MSC_VER) && _MSC_VER >= 1600))
#define KODOWNIK_STATIC_ASSERT(c, m) static_assert(c, m)
#elif !defined(__cplusplus) && defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
#define KODOWNIK_STATIC_ASSERT(c, m) _Static_assert(c, m)
#else
/* C89, C99 and older C++: an array type of negative size stops the compiler. */
#define KODOWNIK_ASSERT_JOIN(a, b) a##b
#define KODOWNIK_ASSERT_AT(c, line) typedef char KODOWNIK_ASSERT_JOIN(kodownik_layout_check_, line)[(c) ? 1 : -1]
#define KODOWNIK_STATIC_ASSERT(c, m) KODOWNIK_ASSERT_AT(c, __LINE__)
#endif
#include <stddef.h>
#endif

/* 32-bit: pointers are 4 bytes. */
#if defined(__i386__) || defined(_M_IX86) || defined(__wasm32__)
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
#endif

/* 64-bit (Windows x64 and x86-64 Linux agree): pointers are 8 bytes and
 * aligned to 8. */
#if defined(__x86_64__) || defined(_M_X64)
KODOWNIK_STATIC_ASSERT(sizeof(_stOpisKodu) == 24, "_stOpisKodu is 24 bytes on x64");
KODOWNIK_STATIC_ASSERT(offsetof(_stOpisKodu, entries) == 8, "_stOpisKodu.entries at 8 on x64");
KODOWNIK_STATIC_ASSERT(offsetof(_stOpisKodu, child) == 16, "_stOpisKodu.child at 16 on x64");
KODOWNIK_STATIC_ASSERT(sizeof(_stOpisOkresu) == 32, "_stOpisOkresu is 32 bytes on x64");
KODOWNIK_STATIC_ASSERT(offsetof(_stOpisOkresu, valid_from) == 8, "_stOpisOkresu.valid_from at 8 on x64");
KODOWNIK_STATIC_ASSERT(offsetof(_stOpisOkresu, valid_to) == 12, "_stOpisOkresu.valid_to at 12 on x64");
KODOWNIK_STATIC_ASSERT(offsetof(_stOpisOkresu, attribute) == 16, "_stOpisOkresu.attribute at 16 on x64");
KODOWNIK_STATIC_ASSERT(offsetof(_stOpisOkresu, short_text) == 24, "_stOpisOkresu.short_text at 24 on x64");
KODOWNIK_STATIC_ASSERT(sizeof(_stKodMsg) == 24, "_stKodMsg is 24 bytes on x64");
KODOWNIK_STATIC_ASSERT(offsetof(_stKodMsg, message) == 8, "_stKodMsg.message at 8 on x64");
KODOWNIK_STATIC_ASSERT(offsetof(_stKodMsg, reserved) == 16, "_stKodMsg.reserved at 16 on x64");
KODOWNIK_STATIC_ASSERT(offsetof(_stKodMsg, selectable) == 20, "_stKodMsg.selectable at 20 on x64");
KODOWNIK_STATIC_ASSERT(offsetof(_stSlownikMsg, name) == 4, "_stSlownikMsg.name at 4 on x64");
#ifdef KODOWNIK_WIDE
KODOWNIK_STATIC_ASSERT(sizeof(_stSlownikMsg) == 176, "_stSlownikMsg is 176 bytes in W on x64");
KODOWNIK_STATIC_ASSERT(offsetof(_stSlownikMsg, entries) == 168, "_stSlownikMsg.entries at 168 in W on x64");
#else
KODOWNIK_STATIC_ASSERT(sizeof(_stSlownikMsg) == 96, "_stSlownikMsg is 96 bytes in A on x64");
KODOWNIK_STATIC_ASSERT(offsetof(_stSlownikMsg, entries) == 88, "_stSlownikMsg.entries at 88 in A on x64");
#endif
#endif

#if defined(__i386__) || defined(_M_IX86) || defined(__wasm32__) || defined(__x86_64__) || defined(_M_X64)
#undef KODOWNIK_STATIC_ASSERT
#undef KODOWNIK_ASSERT_AT
#undef KODOWNIK_ASSERT_JOIN
#endif

#endif /* KODOWNIK_KODOWNIK_H */
