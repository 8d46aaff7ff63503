// The record types of the generated tables (src/data/*.cpp) and the names
// of those tables. The generated files include this header and nothing
// else; the layers above read the tables through it.
#pragma once

#include "frame/text.h"

// KOD_T(wide, narrow): the literal of the build's text type.
#ifdef KODOWNIK_WIDE
#define KOD_T(w, a) w
#else
#define KOD_T(w, a) a
#endif

// KOD_R(text): a text whose wording was not checked against an official
// list. The verified-texts-only build leaves it null.
#ifdef KODOWNIK_VERIFIED_TEXTS_ONLY
#define KOD_R(s) nullptr
#else
#define KOD_R(s) s
#endif

namespace kod {

// ---------------------------------------------------------------------------
// Code tries

// One code of a generated table: its digits (ASCII), how many entries it has
// and the index of the first of them in the table's entry array.
struct KodZrodlowy {
    const char* code;
    unsigned short count;
    unsigned int first;
};

// A generated table and the fixed node storage its trie is linked into.
// nodes[0] is the root; node_count is exact (computed by the generator).
struct ZrodloTrie {
    const KodZrodlowy* codes;
    unsigned int code_count;
    const _stOpisOkresu* entries;
    _stOpisKodu (*nodes)[10];
    unsigned int node_count;
};

// The nodes of every generated trie (node_pool.cpp).
extern _stOpisKodu kPulaWezlow[][10];
extern const unsigned int kLiczbaWezlow;
// The stretches of the pool no trie links (first node, count): the current
// editions build keeps every trie's snapshot place, so the places of the
// tries it replaces stay empty. Defined in that build only.
extern const unsigned int kNieuzywaneWezly[][2];
extern const unsigned int kLiczbaNieuzywanychZakresow;

// ---------------------------------------------------------------------------
// The dictionary catalogue (catalogue.cpp): IDs 10001-10049 in order.

struct PozycjaKatalogu {
    unsigned int id;
    const KChar* name;       // null for an ID without a name
    const ZrodloTrie* trie;  // null for an ID without a trie
};

constexpr unsigned int kPierwszySlownik = 10001;
constexpr unsigned int kOstatniSlownik = 10049;
extern const PozycjaKatalogu kKatalog[kOstatniSlownik - kPierwszySlownik + 1];

// ---------------------------------------------------------------------------
// Obligation rules of insurance title codes (title_rules.cpp)

// One period of a rule: bounds inclusive, then the four statuses.
struct _stOkresPodlegania {
    int valid_from;
    int valid_to;
    unsigned char N;  // not subject
    unsigned char O;  // subject obligatorily
    unsigned char D;  // may be subject voluntarily
    unsigned char W;  // the fourth status (titles 3000 and 5000)
};

struct ListaOkresowPodlegania {
    int count;
    const _stOkresPodlegania* periods;
};

// Insurances: 0 pension, 1 disability pension, 2 sickness, 3 accident, 4 health.
constexpr int kUbezpieczenia = 5;

// Rule record of one six-digit title code: day lists (YYYYMMDD bounds) of
// insurances 0-4, then month lists (YYYYMM bounds) in the same order.
struct _stZasadyPodlegania {
    ListaOkresowPodlegania days[kUbezpieczenia];
    ListaOkresowPodlegania months[kUbezpieczenia];
};

// Every full code with its record.
struct ZasadaKodu {
    const char* code;  // six digits
    const _stZasadyPodlegania* record;
};
extern const ZasadaKodu kZasadyKodow[];
extern const unsigned int kZasadyKodowCount;

// ---------------------------------------------------------------------------
// The ZUS branch table (zus_branches.cpp): 100 slots, each null or a branch
// record whose entries give the branch's code text, NIP, REGON, name and period.

struct WpisOddzialuZUS {
    const KChar* code;   // empty in every entry
    const KChar* nip;    // ten digits
    const KChar* regon;  // fourteen digits
    const KChar* name;
    int valid_from;      // YYYYMMDD, inclusive
    int valid_to;        // YYYYMMDD, inclusive; 99991231 = open end
};

struct OddzialZUS {
    unsigned short count;
    const WpisOddzialuZUS* entries;
};

constexpr int kSlotyNIPZUS = 100;

// The occupied slots.
struct OddzialZrodlowy {
    int slot;
    OddzialZUS record;
};
extern const OddzialZrodlowy kOddzialyZUS[];
extern const unsigned int kOddzialyZUSCount;

// ---------------------------------------------------------------------------
// Benefit code rule tables (benefit_rules.cpp)

// One period of a rule-table row: the table's value for the code in it.
struct _stOkresZaleznosci {
    int valid_from;  // YYYYMMDD, inclusive
    int valid_to;    // YYYYMMDD, inclusive; 99991231 = open end
    int value;
};

// One row: a benefit code as a number and its period entries.
struct _stZaleznosciKodSw {
    int code;
    int period_count;
    const _stOkresZaleznosci* periods;
};

// A rule table: rows in the stored code order.
struct _stTablicaZaleznosci {
    int count;
    const _stZaleznosciKodSw* rows;
};

// The eight rule tables.
enum TablicaZaleznosci {
    kOkresOdTyp = 0,            // period-from type
    kOkresDoTyp = 1,            // period-to type (same values as period-from)
    kKwotaTyp = 2,              // amount type
    kLiczbaDniSkladkiTyp = 3,   // contribution-days type
    kMSCTyp = 4,                // MSC type
    kWST = 5,                   // WST number
    kTypSwiadczenia = 6,        // benefit type
    kDRA = 7,                   // DRA type
    kTablicZaleznosci = 8
};

extern const _stTablicaZaleznosci kZrodlaZaleznosci[kTablicZaleznosci];

// ---------------------------------------------------------------------------
// The special title table (special_titles.cpp)

struct _stKodSpecjalny {
    const KChar* prefix;  // leading characters of an insurance title code
    int valid_from;       // YYYYMM, inclusive
    int valid_to;         // YYYYMM, inclusive; 999912 = open end
    const int* keys;
    int key_count;
};
constexpr int kKodowSpecjalnych = 14;
extern const _stKodSpecjalny kKodySpecjalne[kKodowSpecjalnych];

// ---------------------------------------------------------------------------
// Tries without a dictionary ID

// Benefit codes that may be reported together (benefit_pairs.cpp).
extern const ZrodloTrie kTrieKodySwRazem;

// Insurance title tables of the forms (form_titles_*.cpp); ZUS RNA and ZUS
// RCA share one.
extern const ZrodloTrie kTrieFormularzaDRA;
extern const ZrodloTrie kTrieFormularzaRNA_RCA;
extern const ZrodloTrie kTrieFormularzaRZA;
extern const ZrodloTrie kTrieFormularzaZUA;
extern const ZrodloTrie kTrieFormularzaZZA;

}  // namespace kod
