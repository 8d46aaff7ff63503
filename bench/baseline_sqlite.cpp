#include "baseline_sqlite.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "source_tables.h"

namespace bench {
namespace {

void Check(sqlite3* db, int rc, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "bench: sqlite %s: %s\n", what, sqlite3_errmsg(db));
        std::exit(2);
    }
}

sqlite3_stmt* Prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* s = nullptr;
    Check(db, sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr), sql);
    return s;
}

// Texts of the variant: UTF-16 in W, 8-bit in A.
void BindText(sqlite3_stmt* s, int i, const KChar* text) {
#ifdef KODOWNIK_WIDE
    sqlite3_bind_text16(s, i, text, -1, SQLITE_STATIC);
#else
    sqlite3_bind_text(s, i, text, -1, SQLITE_STATIC);
#endif
}

void BindText(sqlite3_stmt* s, int i, const Str& text) {
#ifdef KODOWNIK_WIDE
    sqlite3_bind_text16(s, i, text.data(), static_cast<int>(text.size() * sizeof(KChar)), SQLITE_TRANSIENT);
#else
    sqlite3_bind_text(s, i, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
#endif
}

void Exec(sqlite3* db, const char* sql) { Check(db, sqlite3_exec(db, sql, nullptr, nullptr, nullptr), sql); }

// Steps an insert statement with the values bound and resets it.
void Insert(sqlite3* db, sqlite3_stmt* s) {
    Check(db, sqlite3_step(s), "insert");
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
}

// Reset before binding: a statement is left as its last call left it.
sqlite3_stmt* Use(sqlite3_stmt* s) {
    sqlite3_reset(s);
    return s;
}

}  // namespace

SqliteBaseline::SqliteBaseline() {
    if (sqlite3_open(":memory:", &db_) != SQLITE_OK) {
        std::fprintf(stderr, "bench: cannot open an in-memory database\n");
        std::exit(2);
    }
    Exec(db_,
         "CREATE TABLE entries(dict INTEGER, code TEXT, seq INTEGER, valid_from INTEGER, valid_to INTEGER,"
         " attribute INTEGER, short_text TEXT, description TEXT);"
         "CREATE TABLE titles(code TEXT, valid_from INTEGER, valid_to INTEGER);"
         "CREATE TABLE amount(code TEXT, seq INTEGER, valid_from INTEGER, valid_to INTEGER, value INTEGER);"
         "CREATE TABLE pairs(first TEXT, second TEXT, valid_from INTEGER, valid_to INTEGER);"
         "CREATE TABLE form(code TEXT, seq INTEGER, valid_from INTEGER, valid_to INTEGER);"
         "CREATE TABLE countries(key TEXT, valid_from INTEGER, valid_to INTEGER);"
         "BEGIN;");
    sqlite3_stmt* ins = Prepare(db_, "INSERT INTO entries VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    ForEachCode(kod::kTrie10004, [&](const char* code, const _stOpisOkresu* e, unsigned n) {
        for (unsigned i = 0; i < n; ++i) {
            sqlite3_bind_int(ins, 1, 10004);
            BindText(ins, 2, T(code));
            sqlite3_bind_int(ins, 3, static_cast<int>(i));
            sqlite3_bind_int(ins, 4, e[i].valid_from);
            sqlite3_bind_int(ins, 5, e[i].valid_to);
            sqlite3_bind_int(ins, 6, static_cast<int>(e[i].attribute));
            if (e[i].short_text) BindText(ins, 7, TextOrEmpty(e[i].short_text));
            if (e[i].description) BindText(ins, 8, TextOrEmpty(e[i].description));
            Insert(db_, ins);
        }
    });
    sqlite3_finalize(ins);
    ins = Prepare(db_, "INSERT INTO titles VALUES(?1, ?2, ?3)");
    for (unsigned i = 0; i < kod::kZasadyKodowCount; ++i) {
        const Str code = T(kod::kZasadyKodow[i].code);
        bool any = false;
        for (const kod::ListaOkresowPodlegania& list : kod::kZasadyKodow[i].record->days) {
            for (int p = 0; p < list.count; ++p) {
                BindText(ins, 1, code);
                sqlite3_bind_int(ins, 2, list.periods[p].valid_from);
                sqlite3_bind_int(ins, 3, list.periods[p].valid_to);
                Insert(db_, ins);
                any = true;
            }
        }
        if (!any) {  // a record without periods: the code exists, no period holds
            BindText(ins, 1, code);
            Insert(db_, ins);
        }
    }
    sqlite3_finalize(ins);
    ins = Prepare(db_, "INSERT INTO amount VALUES(?1, ?2, ?3, ?4, ?5)");
    const kod::_stTablicaZaleznosci& amount = kod::kZrodlaZaleznosci[kod::kKwotaTyp];
    for (int r = 0; r < amount.count; ++r) {
        for (int p = 0; p < amount.rows[r].period_count; ++p) {
            const kod::_stOkresZaleznosci& e = amount.rows[r].periods[p];
            BindText(ins, 1, T(std::to_string(amount.rows[r].code).c_str()));
            sqlite3_bind_int(ins, 2, p);
            sqlite3_bind_int(ins, 3, e.valid_from);
            sqlite3_bind_int(ins, 4, e.valid_to);
            sqlite3_bind_int(ins, 5, e.value);
            Insert(db_, ins);
        }
    }
    sqlite3_finalize(ins);
    ins = Prepare(db_, "INSERT INTO pairs VALUES(?1, ?2, ?3, ?4)");
    ForEachCode(kod::kTrieKodySwRazem, [&](const char* code, const _stOpisOkresu* e, unsigned n) {
        for (unsigned i = 0; i < n; ++i) {
            BindText(ins, 1, T(code));
            BindText(ins, 2, TextOrEmpty(e[i].short_text));
            sqlite3_bind_int(ins, 3, e[i].valid_from);
            sqlite3_bind_int(ins, 4, e[i].valid_to);
            Insert(db_, ins);
        }
    });
    sqlite3_finalize(ins);
    ins = Prepare(db_, "INSERT INTO form VALUES(?1, ?2, ?3, ?4)");
    ForEachCode(kod::kTrieFormularzaRNA_RCA, [&](const char* code, const _stOpisOkresu* e, unsigned n) {
        for (unsigned i = 0; i < n; ++i) {
            BindText(ins, 1, T(code));
            sqlite3_bind_int(ins, 2, static_cast<int>(i));
            sqlite3_bind_int(ins, 3, e[i].valid_from);
            sqlite3_bind_int(ins, 4, e[i].valid_to);
            Insert(db_, ins);
        }
    });
    sqlite3_finalize(ins);
    ins = Prepare(db_, "INSERT INTO countries VALUES(?1, ?2, ?3)");
    ForEachCode(kod::kTrie10047, [&](const char*, const _stOpisOkresu* e, unsigned n) {
        for (unsigned i = 0; i < n; ++i) {
            const KChar* t = (e[i].short_text && e[i].short_text[0]) ? e[i].short_text : e[i].description;
            if (!t) continue;
            const Str text(t);
            BindText(ins, 1, text.substr(0, 22));
            sqlite3_bind_int(ins, 2, e[i].valid_from);
            sqlite3_bind_int(ins, 3, e[i].valid_to);
            Insert(db_, ins);
            if (text.size() >= 22 && text[21] == ' ') {
                BindText(ins, 1, text.substr(0, 21));
                sqlite3_bind_int(ins, 2, e[i].valid_from);
                sqlite3_bind_int(ins, 3, e[i].valid_to);
                Insert(db_, ins);
            }
        }
    });
    sqlite3_finalize(ins);
    Exec(db_,
         "COMMIT;"
         "CREATE INDEX entries_code ON entries(dict, code, seq);"
         "CREATE INDEX titles_code ON titles(code);"
         "CREATE INDEX amount_code ON amount(code, seq);"
         "CREATE INDEX pairs_code ON pairs(first, second);"
         "CREATE INDEX form_code ON form(code, seq);"
         "CREATE INDEX countries_key ON countries(key);"
         "ANALYZE;");

    find_ = Prepare(db_, "SELECT 1 FROM entries WHERE dict = 10004 AND code = ?1 LIMIT 1");
    period_ = Prepare(db_,
                      "SELECT valid_from FROM entries WHERE dict = 10004 AND code = ?1 AND (?2 = 0 OR CASE WHEN ?2 < "
                      "999999 THEN valid_from / 100 <= ?2 AND ?2 <= valid_to / 100 ELSE valid_from <= ?2 AND ?2 <= "
                      "valid_to END) ORDER BY seq LIMIT 1");
    entries_ = Prepare(db_, "SELECT valid_from, valid_to FROM entries WHERE dict = 10004 AND code = ?1 ORDER BY seq");
    // Longer codes that begin with the code: the index range (code, code || ':')
    // holds exactly them, digits sorting below ':'.
    longer_ = Prepare(db_,
                      "SELECT 1 FROM entries WHERE dict = 10004 AND code > ?1 AND code < ?1 || ':' AND (?2 <= 0 OR "
                      "CASE WHEN ?2 <= 999999 THEN valid_from / 100 <= ?2 AND ?2 <= valid_to / 100 ELSE valid_from "
                      "<= ?2 AND ?2 <= valid_to END) LIMIT 1");
    title_ = Prepare(db_,
                     "SELECT 1 FROM titles WHERE code = ?1 AND (?2 = 0 OR CASE WHEN ?2 <= 999999 THEN valid_from / "
                     "100 <= ?2 AND ?2 <= valid_to / 100 ELSE valid_from <= ?2 AND ?2 <= valid_to END) LIMIT 1");
    amount_ = Prepare(db_,
                      "SELECT value FROM amount WHERE code = ?1 AND valid_from / 100 <= ?2 AND ?2 <= valid_to / 100 "
                      "ORDER BY seq");
    pair_ = Prepare(db_,
                    "SELECT 1 FROM pairs WHERE first = ?1 AND second = ?2 AND (?3 = -1 OR (valid_from <= ?3 AND ?3 "
                    "<= valid_to)) LIMIT 1");
    form_ = Prepare(db_, "SELECT valid_from, valid_to FROM form WHERE code = ?1 ORDER BY seq");
    country_ = Prepare(db_,
                       "SELECT 1 FROM countries WHERE key = ?1 AND (?2 <= 0 OR CASE WHEN ?2 <= 999999 THEN "
                       "valid_from / 100 <= ?2 AND ?2 <= valid_to / 100 ELSE valid_from <= ?2 AND ?2 <= valid_to "
                       "END) LIMIT 1");
}

SqliteBaseline::~SqliteBaseline() {
    for (sqlite3_stmt* s : {find_, period_, entries_, longer_, title_, amount_, pair_, form_, country_})
        sqlite3_finalize(s);
    sqlite3_close(db_);
}

bool SqliteBaseline::Find(const KChar* code) {
    if (!code) return false;
    sqlite3_stmt* s = Use(find_);
    BindText(s, 1, code);
    return sqlite3_step(s) == SQLITE_ROW;
}

int SqliteBaseline::Period10004(const KChar* code, int date) {
    if (!code) return -1;
    sqlite3_stmt* s = Use(period_);
    BindText(s, 1, code);
    sqlite3_bind_int(s, 2, date);
    return sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int(s, 0) : -1;
}

int SqliteBaseline::Admissible10004(const KChar* code, const KChar* date) {
    if (!code) return -1;
    const int r = RefValue(date);
    sqlite3_stmt* s = Use(entries_);
    BindText(s, 1, code);
    bool found = false, in_force = false;
    while (sqlite3_step(s) == SQLITE_ROW) {
        found = true;
        if (r != 0 && InPeriod(r, sqlite3_column_int(s, 0), sqlite3_column_int(s, 1))) in_force = true;
    }
    if (!found) return -1;
    sqlite3_stmt* l = Use(longer_);
    BindText(l, 1, code);
    sqlite3_bind_int(l, 2, r);
    if (sqlite3_step(l) == SQLITE_ROW) return -1;  // heading of a longer code
    if (r == 0) return 0;
    return in_force ? 0 : -1;
}

int SqliteBaseline::Title(const KChar* code, const KChar* date) {
    if (!code) return -1;
    int n = 0;
    for (; code[n]; ++n) {
        if (n >= 6 || code[n] < '0' || code[n] > '9') return -1;
    }
    if (n != 6) return -1;
    sqlite3_stmt* s = Use(title_);
    BindText(s, 1, code);
    sqlite3_bind_int(s, 2, RefValue(date));
    return sqlite3_step(s) == SQLITE_ROW ? 0 : -1;
}

int SqliteBaseline::TitleFromParts(const KChar* title4, const KChar* pension, const KChar* disability,
                                   const KChar* date) {
    if (!title4 || !pension || !disability) return -1;
    const Str code = Str(title4) + pension + disability;
    return Title(code.c_str(), date);
}

int SqliteBaseline::AmountKind(const KChar* title, const KChar* code, int expected, const KChar* month) {
    if (!code) return -1;
    int m = MonthValue(month);
    if (m < 0) m = month ? Today() / 100 : -1;
    sqlite3_stmt* s = Use(amount_);
    BindText(s, 1, code);
    sqlite3_bind_int(s, 2, m);
    while (sqlite3_step(s) == SQLITE_ROW) {
        if (AdjustAmountKind(title, sqlite3_column_int(s, 0)) == expected) return 0;
    }
    return -1;
}

bool SqliteBaseline::Together(const KChar* first, const KChar* second, int date) {
    if (!first || !second) return false;
    sqlite3_stmt* s = Use(pair_);
    BindText(s, 1, first);
    BindText(s, 2, second);
    sqlite3_bind_int(s, 3, date);
    return sqlite3_step(s) == SQLITE_ROW;
}

int SqliteBaseline::FormRNA(const KChar* title4, const KChar* pension, const KChar* disability,
                            const KChar* const* dates) {
    if (!title4 || !pension || !disability) return -1;
    const Str code = Str(title4) + pension + disability;
    if (code.size() != 6) return -1;
    struct Date {
        int value;
        bool day;
    };
    std::vector<Date> list;
    if (dates) {
        for (const KChar* const* d = dates; *d; ++d) {
            const int day = DayValue(*d);
            if (day >= 0) {
                list.push_back({day, true});
                continue;
            }
            const int month = MonthValue(*d);
            if (month >= 0) list.push_back({month, false});
        }
        if (list.empty() && dates[0]) list.push_back({Today(), true});
    }
    sqlite3_stmt* s = Use(form_);
    BindText(s, 1, code);
    bool found = false;
    while (sqlite3_step(s) == SQLITE_ROW) {
        found = true;
        if (list.empty()) return 0;
        const int from = sqlite3_column_int(s, 0), to = sqlite3_column_int(s, 1);
        const bool entry_day = from > 999999;
        for (const Date& d : list) {
            bool in;
            if (entry_day && !d.day) in = from / 100 <= d.value && d.value <= to / 100;
            else if (!entry_day && d.day) in = from <= d.value / 100 && d.value / 100 <= to;
            else in = from <= d.value && d.value <= to;
            if (in) return 0;
        }
    }
    (void)found;
    return -1;
}

int SqliteBaseline::Country(const KChar* text, const KChar* date) {
    if (!text) return -1;
    Str key(text);
    if (key.size() > 22) key.resize(22);
    sqlite3_stmt* s = Use(country_);
    BindText(s, 1, key);
    sqlite3_bind_int(s, 2, RefValue(date));
    return sqlite3_step(s) == SQLITE_ROW ? 0 : -1;
}

}  // namespace bench
