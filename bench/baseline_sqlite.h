// Baseline (b): the same dictionaries and rule tables in an in-memory SQLite
// database, one indexed table per kind of data, queried through prepared
// statements (bound, stepped and reset on every call).
#pragma once

#include "common.h"

struct sqlite3;
struct sqlite3_stmt;

namespace bench {

class SqliteBaseline {
public:
    SqliteBaseline();  // creates and fills the database
    ~SqliteBaseline();
    SqliteBaseline(const SqliteBaseline&) = delete;
    SqliteBaseline& operator=(const SqliteBaseline&) = delete;

    // The same questions as HashBaseline; Find answers whether the code has
    // entries, Period10004 gives the valid-from of the entry found or -1.
    bool Find(const KChar* code);
    int Period10004(const KChar* code, int date);
    int Admissible10004(const KChar* code, const KChar* date);
    int Title(const KChar* code, const KChar* date);
    int TitleFromParts(const KChar* title4, const KChar* pension, const KChar* disability, const KChar* date);
    int AmountKind(const KChar* title, const KChar* code, int expected, const KChar* month);
    bool Together(const KChar* first, const KChar* second, int date);
    int FormRNA(const KChar* title4, const KChar* pension, const KChar* disability, const KChar* const* dates);
    int Country(const KChar* text, const KChar* date);

private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* find_ = nullptr;
    sqlite3_stmt* period_ = nullptr;
    sqlite3_stmt* entries_ = nullptr;
    sqlite3_stmt* longer_ = nullptr;
    sqlite3_stmt* title_ = nullptr;
    sqlite3_stmt* amount_ = nullptr;
    sqlite3_stmt* pair_ = nullptr;
    sqlite3_stmt* form_ = nullptr;
    sqlite3_stmt* country_ = nullptr;
};

}  // namespace bench
