#include "cases.h"

#include <cstdio>

namespace bench {

const char* const kImplNames[kImpls] = {"lib", "hash", "sqlite"};

std::unique_ptr<Context> MakeContext(const char* library, bool with_hash, bool with_sqlite) {
    auto ctx = std::make_unique<Context>();
    ctx->lib = LoadLibrary(library);
    ctx->root10004 = ctx->lib.PobierzSlownik(10004);  // runs the one-time build
    if (with_hash) ctx->hash = std::make_unique<HashBaseline>();
    if (with_sqlite) ctx->sqlite = std::make_unique<SqliteBaseline>();
    return ctx;
}

namespace {

// Results as numbers: a slot or vector found: its entry count (0: none);
// an entry found: its valid-from (-1: none); a check: its result.
long SlotCount(const _stOpisKodu* s) { return s ? static_cast<long>(static_cast<unsigned>(s->count) & 0xFFFF) : 0; }
long EntryFrom(const _stOpisOkresu* e) { return e ? e->valid_from : -1; }
long HashCount(const HashBaseline::Entries* v) { return v ? static_cast<long>(v->size()) : 0; }
long HashFrom(const HashBaseline::Entry* e) { return e ? e->from : -1; }

// sqlite answers "has entries" as 0 / 1; the lookup cases compare that.
long Found(long count) { return count > 0 ? 1 : 0; }

#define LIB(expr) [](Context& c) -> long { return (expr); }
#define HASH(expr) [](Context& c) -> long { return (expr); }
#define SQL(expr) [](Context& c) -> long { return (expr); }

}  // namespace

const Case kCases[] = {
    {"lookup6", "dictionary lookup", "sl_PobierzOpisKodu(root 10004, \"011101\")",
     {LIB(Found(SlotCount(c.lib.PobierzOpisKodu(c.root10004, c.code6.c_str())))),
      HASH(Found(HashCount(c.hash->Find(c.code6.c_str())))), SQL(c.sqlite->Find(c.code6.c_str()) ? 1 : 0)}},
    {"lookup7", "dictionary lookup", "sl_PobierzOpisKodu(root 10004, \"6129001\")",
     {LIB(Found(SlotCount(c.lib.PobierzOpisKodu(c.root10004, c.code7.c_str())))),
      HASH(Found(HashCount(c.hash->Find(c.code7.c_str())))), SQL(c.sqlite->Find(c.code7.c_str()) ? 1 : 0)}},
    {"period6", "dictionary lookup", "sl_PobierzOpisOkresu(10004, \"011101\", 0)",
     {LIB(EntryFrom(c.lib.PobierzOpisOkresu(10004, c.code6.c_str(), 0))),
      HASH(HashFrom(c.hash->Period10004(c.code6.c_str(), 0))), SQL(c.sqlite->Period10004(c.code6.c_str(), 0))}},
    {"period6_date", "dictionary lookup", "sl_PobierzOpisOkresu(10004, \"011101\", 20030615)",
     {LIB(EntryFrom(c.lib.PobierzOpisOkresu(10004, c.code6.c_str(), 20030615))),
      HASH(HashFrom(c.hash->Period10004(c.code6.c_str(), 20030615))),
      SQL(c.sqlite->Period10004(c.code6.c_str(), 20030615))}},
    {"period7", "dictionary lookup", "sl_PobierzOpisOkresu(10004, \"6129001\", 0)",
     {LIB(EntryFrom(c.lib.PobierzOpisOkresu(10004, c.code7.c_str(), 0))),
      HASH(HashFrom(c.hash->Period10004(c.code7.c_str(), 0))), SQL(c.sqlite->Period10004(c.code7.c_str(), 0))}},
    {"period7_date", "dictionary lookup", "sl_PobierzOpisOkresu(10004, \"6129001\", 20000101)",
     {LIB(EntryFrom(c.lib.PobierzOpisOkresu(10004, c.code7.c_str(), 20000101))),
      HASH(HashFrom(c.hash->Period10004(c.code7.c_str(), 20000101))),
      SQL(c.sqlite->Period10004(c.code7.c_str(), 20000101))}},
    {"admit_leaf", "admissibility", "fb_KVDKodSprawdzArkusze(10004, \"011101\", \"15062003\")",
     {LIB(c.lib.KodSprawdzArkusze(10004, c.code6.c_str(), c.day2003.c_str())),
      HASH(c.hash->Admissible10004(c.code6.c_str(), c.day2003.c_str())),
      SQL(c.sqlite->Admissible10004(c.code6.c_str(), c.day2003.c_str()))}},
    {"admit_heading", "admissibility", "fb_KVDKodSprawdzArkusze(10004, \"0111\", \"15062003\")",
     {LIB(c.lib.KodSprawdzArkusze(10004, c.heading.c_str(), c.day2003.c_str())),
      HASH(c.hash->Admissible10004(c.heading.c_str(), c.day2003.c_str())),
      SQL(c.sqlite->Admissible10004(c.heading.c_str(), c.day2003.c_str()))}},
    {"admit_title", "admissibility", "fb_KVDKodSprawdzArkusze(10003, \"011000\", \"01012005\")",
     {LIB(c.lib.KodSprawdzArkusze(10003, c.title.c_str(), c.day2005.c_str())),
      HASH(c.hash->Title(c.title.c_str(), c.day2005.c_str())),
      SQL(c.sqlite->Title(c.title.c_str(), c.day2005.c_str()))}},
    {"admit_text", "admissibility", "fb_KVDKodSprawdzArkusze(10047, \"AF\", \"01012006\")",
     {LIB(c.lib.KodSprawdzArkusze(10047, c.country.c_str(), c.day2006.c_str())),
      HASH(c.hash->Country(c.country.c_str(), c.day2006.c_str())),
      SQL(c.sqlite->Country(c.country.c_str(), c.day2006.c_str()))}},
    // The last country of the trie: the text rule searches the whole trie.
    {"admit_text_last", "admissibility", "fb_KVDKodSprawdzArkusze(10047, \"AE\", \"01012008\")",
     {LIB(c.lib.KodSprawdzArkusze(10047, c.country_last.c_str(), c.day2008.c_str())),
      HASH(c.hash->Country(c.country_last.c_str(), c.day2008.c_str())),
      SQL(c.sqlite->Country(c.country_last.c_str(), c.day2008.c_str()))}},
    {"benefit_amount", "benefit checks", "fb_KVDZaleznosciKodSwKwotaTyp(\"011000\", \"111\", 105, \"012005\")",
     {LIB(c.lib.KwotaTyp(c.title.c_str(), c.benefit.c_str(), 105, c.month2005.c_str())),
      HASH(c.hash->AmountKind(c.title.c_str(), c.benefit.c_str(), 105, c.month2005.c_str())),
      SQL(c.sqlite->AmountKind(c.title.c_str(), c.benefit.c_str(), 105, c.month2005.c_str()))}},
    {"benefit_pair", "benefit checks", "fb_KVDKodySwiadMogaBycRazem(\"111\", \"121\", 20050101)",
     {LIB(c.lib.MogaBycRazem(c.benefit.c_str(), c.partner.c_str(), 20050101)),
      HASH(c.hash->Together(c.benefit.c_str(), c.partner.c_str(), 20050101) ? 1 : 0),
      SQL(c.sqlite->Together(c.benefit.c_str(), c.partner.c_str(), 20050101) ? 1 : 0)}},
    {"form_rna", "form checks",
     "fb_KVD_KodTyt_WypDok_RNA_ONE(\"\", \"0110\", \"0\", \"0\", \"01012005\", \"022005\", \"15032005\", NULL)",
     {LIB(c.lib.FormRNA(c.pass.c_str(), c.title4.c_str(), c.zero.c_str(), c.zero.c_str(), c.form_day.c_str(),
                        c.form_month.c_str(), c.form_day2.c_str(), static_cast<const KChar*>(nullptr))),
      [](Context& c) -> long {
          const KChar* dates[] = {c.form_day.c_str(), c.form_month.c_str(), c.form_day2.c_str(), nullptr};
          return c.hash->FormRNA(c.title4.c_str(), c.zero.c_str(), c.zero.c_str(), dates);
      },
      [](Context& c) -> long {
          const KChar* dates[] = {c.form_day.c_str(), c.form_month.c_str(), c.form_day2.c_str(), nullptr};
          return c.sqlite->FormRNA(c.title4.c_str(), c.zero.c_str(), c.zero.c_str(), dates);
      }}},
    {"obligation", "obligation rules", "fb_KVDZasadyPodleganiaUb(\"0110\", \"0\", \"0\", \"01012005\")",
     {LIB(c.lib.ZasadyPodlegania(c.title4.c_str(), c.zero.c_str(), c.zero.c_str(), c.day2005.c_str())),
      HASH(c.hash->TitleFromParts(c.title4.c_str(), c.zero.c_str(), c.zero.c_str(), c.day2005.c_str())),
      SQL(c.sqlite->TitleFromParts(c.title4.c_str(), c.zero.c_str(), c.zero.c_str(), c.day2005.c_str()))}},
};
const int kCaseCount = static_cast<int>(sizeof(kCases) / sizeof(kCases[0]));

bool ResultsAgree(Context& ctx) {
    bool ok = true;
    for (int i = 0; i < kCaseCount; ++i) {
        const long expected = kCases[i].run[kLib](ctx);
        for (int impl = kHash; impl < kImpls; ++impl) {
            if ((impl == kHash && !ctx.hash) || (impl == kSqlite && !ctx.sqlite)) continue;
            const long got = kCases[i].run[impl](ctx);
            if (got != expected) {
                std::fprintf(stderr, "bench: %s: %s gives %ld, the library %ld\n", kCases[i].name, kImplNames[impl],
                             got, expected);
                ok = false;
            }
        }
    }
    return ok;
}

}  // namespace bench
