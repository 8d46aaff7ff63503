// The calls that are measured: one representative call per export family,
// each made by the library and by both baselines with the same arguments.
#pragma once

#include <memory>

#include "baseline_hash.h"
#include "baseline_sqlite.h"
#include "common.h"

namespace bench {

enum Impl { kLib = 0, kHash = 1, kSqlite = 2, kImpls = 3 };
extern const char* const kImplNames[kImpls];

// Everything a case needs, made once before measuring: the loaded library
// with its tables built, the baselines filled, the arguments as texts.
struct Context {
    Library lib;
    const _stOpisKodu* root10004 = nullptr;
    std::unique_ptr<HashBaseline> hash;      // null unless wanted
    std::unique_ptr<SqliteBaseline> sqlite;  // null unless wanted
    Str code6 = T("011101"), code7 = T("6129001"), heading = T("0111");
    Str day2003 = T("15062003"), day2005 = T("01012005"), day2006 = T("01012006");
    Str title = T("011000"), title4 = T("0110"), zero = T("0"), pass = T("");
    Str benefit = T("111"), partner = T("121"), month2005 = T("012005");
    Str form_day = T("01012005"), form_month = T("022005"), form_day2 = T("15032005");
    Str country = T("AF"), country_last = T("AE"), day2008 = T("01012008");
};

// Loads the library at path (and runs its one-time build); fills the
// baselines that are asked for.
std::unique_ptr<Context> MakeContext(const char* library, bool with_hash, bool with_sqlite);

struct Case {
    const char* name;    // short name: family and call
    const char* family;  // export family
    const char* call;    // the library call, as written in the report
    long (*run[kImpls])(Context&);
};
extern const Case kCases[];
extern const int kCaseCount;

// Runs every case once with each available implementation and compares the
// results; prints the differences and returns false when there are any.
bool ResultsAgree(Context& ctx);

}  // namespace bench
