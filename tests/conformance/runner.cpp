// Conformance runner: loads one built library (Kodownik_W or Kodownik_A, a
// Linux .so or a Windows .dll) by path, finds every export by its exported
// name and runs the vector files against it. Prints "N passed, N failed".
//
//   kodownik_conformance [--wide|--narrow] LIBRARY FILE.vec...
//
// The text type is taken from the library's name (Kodownik_W / Kodownik_A)
// unless given. See tests/vectors/README.md for the format.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

// ---------------------------------------------------------------------------
// Library access

struct Library {
    void* handle = nullptr;
    bool wide = false;

    bool Open(const std::string& path) {
#ifdef _WIN32
        handle = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
#else
        handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) std::fprintf(stderr, "%s\n", dlerror());
#endif
        return handle != nullptr;
    }
    void* Find(const char* name) const {
#ifdef _WIN32
        return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(handle), name));
#else
        return dlsym(handle, name);
#endif
    }
};

// Parameter kinds: T text of the build, N 8-bit text, I int, P trie slot,
// O int out, B buffer, L text array, V variadic texts (rest of the line).
// Result kinds: I int, T text, S slot, E entry, M message descriptor, B bool.
struct Signature {
    const char* name;
    const char* params;
    char result;
    const char* win_w = nullptr;  // exported names of the C++-linkage functions
    const char* win_a = nullptr;
    const char* lin_w = nullptr;
    const char* lin_a = nullptr;
};

const Signature kSignatures[] = {
    {"sl_PoprawnyKod", "TI", 'I'},
    {"sl_PobierzSlownik", "I", 'S'},
    {"sl_PobierzOpisKodu", "PT", 'S'},
    {"sl_PobierzNazweSlownika", "I", 'T'},
    {"sl_PobierzOpisOkresu", "ITI", 'E'},
    {"KVDSlownikGet", "I", 'M'},
    {"sl_KVDSlownikGet", "I", 'M'},
    {"KVDSlownikGetKodMsg", "ITT", 'T'},
    {"sl_KVDSlownikGetKodMsg", "ITT", 'T'},
    {"KVDSlownikKodDoWyboru", "IT", 'I'},
    {"sl_Now", "B", 'I'},
    {"sl_PoprawnaData_DDMMRRRR", "T", 'I'},
    {"sl_PoprawnaData_MMRRRR", "T", 'I'},
    {"sl_PoprawnaData_DDMM", "T", 'I'},
    {"sl_PrzeksztalcDate_DDMMRRRR", "T", 'I'},
    {"sl_PrzeksztalcDate_MMRRRR", "T", 'I'},
    {"sl_PrzeksztalcDate_DDMM", "T", 'I'},
    {"sl_NajwczesniejszaData", "TV", 'T'},
    {"sl_NajpozniejszaData", "TV", 'T'},
    {"fb_KVDKodSprawdzArkusze", "ITT", 'I'},
    {"fb_KVDKodSprawdz", "IT", 'I'},
    {"sl_CzyPrawidlowyKodLiterowy", "PTI", 'I'},
    {"sl_SprawdzSlownikNIPZUS", "ITT", 'I'},
    {"sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia", "TOO", 'I'},
    {"fb_KVDZaleznosciKodSwKwotaTyp", "TTIT", 'I'},
    {"fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp", "TIT", 'I'},
    {"fb_KVDZaleznosciKodSwOkresOdTyp", "TIT", 'I'},
    {"fb_KVDZaleznosciKodSwOkresDoTyp", "TIT", 'I'},
    {"fb_KVDTypSwiadczenia", "TIT", 'I'},
    {"fb_KVDZaleznosciKodSw_MSCTyp", "TIT", 'I'},
    {"fb_KVDZaleznosciKodSwKodTyt", "TTTTTTI", 'I'},
    {"fb_KVDZaleznosciKodSwKodTytIdent", "TTTTT", 'I'},
    {"fb_KVDKodySwiadMogaBycRazem", "TTI", 'B'},
    {"sl_SprawdzKodSwDRA", "TII", 'I'},
    {"sl_SprawdzKodSwWST", "TT", 'I'},
    {"bw_MapujKod", "NNN", 'B'},
    {"bw_OdowiedniTypSwiadczenia", "NII", 'B'},
    {"bw_MapujKodData", "NNII", 'B'},
    {"bw_TypZaleznosciKoduSwDlaOkresu", "NNII", 'B'},
    {"bw_TypZaleznosciKoduSwDlaOkresu_DoklMies", "NNI", 'B'},
    {"bw_KodSpecjalny", "NIII", 'B'},
    {"fb_KVD_KodTyt_WypDok_ONE", "TPL", 'I', "?fb_KVD_KodTyt_WypDok_ONE@@YAHPBGPBU_stOpisKodu@@PAPBG@Z",
     "?fb_KVD_KodTyt_WypDok_ONE@@YAHPBDPBU_stOpisKodu@@PAPBD@Z", "_Z24fb_KVD_KodTyt_WypDok_ONEPKDsPK11_stOpisKoduPS0_",
     "_Z24fb_KVD_KodTyt_WypDok_ONEPKcPK11_stOpisKoduPS0_"},
    {"fb_KVD_KodTyt_WypDok_DRA_ONE", "TTTTV", 'I'},
    {"fb_KVD_KodTyt_WypDok_RCA_ONE", "TTTTV", 'I'},
    {"fb_KVD_KodTyt_WypDok_RNA_ONE", "TTTTV", 'I'},
    {"fb_KVD_KodTyt_WypDok_RZA_ONE", "TTTTV", 'I'},
    {"fb_KVD_KodTyt_WypDok_ZUA_ONE", "TTTTV", 'I'},
    {"fb_KVD_KodTyt_WypDok_ZZA_ONE", "TTTTV", 'I'},
    {"ZamienStala", "TI", 'I', "?ZamienStala@@YAHPBGH@Z", "?ZamienStala@@YAHPBDH@Z", "_Z11ZamienStalaPKDsi",
     "_Z11ZamienStalaPKci"},
    {"fb_KVDZasadyPodleganiaUb", "TTTT", 'I'},
    {"fb_KVD_Slw_Podl_ALL", "TTTITV", 'I'},
    {"fb_KVD_Slw_Podl_ONE", "TTTITV", 'I'},
    {"sl_SprawdzPodstawySkladek", "TIT", 'I'},
    {"fb_KodWyrRozlicznikaTyp", "TIT", 'I'},
    {"fb_KodWyrRozlicznikaOsPrawna", "TT", 'I'},
    {"fb_KodWyrRozlicznikaOsFizyczna", "TT", 'I'},
    {"fb_KVDKodPokrewienstwa", "TII", 'I'},
    {"fb_KVDKodPokrewienstwaJest", "TI", 'I'},
    {"fb_KVDKodPokrewienstwaWiek", "TI", 'I'},
};

// Every export is called through one variadic pointer type with a fixed
// number of integer-class arguments: with the C calling convention the
// callee reads the arguments it declares and ignores the rest, and a
// variadic callee stops at the null that ends its list.
constexpr int kMaxArgs = 420;
typedef intptr_t (*AnyFunction)(intptr_t, ...);

#define A10(i) a[i], a[i + 1], a[i + 2], a[i + 3], a[i + 4], a[i + 5], a[i + 6], a[i + 7], a[i + 8], a[i + 9]
#define A100(i) A10(i), A10(i + 10), A10(i + 20), A10(i + 30), A10(i + 40), A10(i + 50), A10(i + 60), \
    A10(i + 70), A10(i + 80), A10(i + 90)

intptr_t Call(void* fn, const intptr_t* a) {
    AnyFunction f = reinterpret_cast<AnyFunction>(fn);
    return f(A100(0), A100(100), A100(200), A100(300), A10(400), A10(410));
}

// ---------------------------------------------------------------------------
// Texts

const unsigned short kCp1250[256] = {
#include "data/cp1250_table.inc"
};

// UTF-8 -> code points; invalid sequences become U+FFFD.
std::u32string DecodeUtf8(const std::string& s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t cp;
        int n;
        if (c < 0x80) { cp = c; n = 1; }
        else if ((c >> 5) == 6) { cp = c & 0x1F; n = 2; }
        else if ((c >> 4) == 14) { cp = c & 0x0F; n = 3; }
        else { cp = c & 0x07; n = 4; }
        for (int k = 1; k < n && i + k < s.size(); ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(cp);
        i += n;
    }
    return out;
}

std::string EncodeUtf8(char32_t cp) {
    std::string out;
    if (cp < 0x80) out += static_cast<char>(cp);
    else if (cp < 0x800) { out += static_cast<char>(0xC0 | (cp >> 6)); out += static_cast<char>(0x80 | (cp & 0x3F)); }
    else { out += static_cast<char>(0xE0 | (cp >> 12)); out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F)); out += static_cast<char>(0x80 | (cp & 0x3F)); }
    return out;
}

int ToCp1250(char32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    for (int b = 0x80; b < 256; ++b)
        if (kCp1250[b] == cp) return b;
    return -1;
}

// A text argument as parsed: a list of units, each either a character (to
// be converted) or a raw unit (\xHH).
struct TextUnit {
    char32_t value;
    bool raw;
};

struct TextArg {
    std::vector<TextUnit> units;
};

// Storage for one call's converted texts.
struct Arena {
    std::vector<std::unique_ptr<std::vector<char>>> narrow;
    std::vector<std::unique_ptr<std::vector<char16_t>>> wide;
    std::vector<std::unique_ptr<std::vector<intptr_t>>> arrays;
    std::vector<std::unique_ptr<int>> outs;
    const void* buffer = nullptr;
    std::unique_ptr<std::vector<char16_t>> wbuf;
    std::unique_ptr<std::vector<char>> nbuf;
};

struct Unconvertible {};

const void* MakeText(Arena& arena, const TextArg& t, bool wide, bool eight_bit) {
    if (wide && !eight_bit) {
        auto v = std::make_unique<std::vector<char16_t>>();
        for (const TextUnit& u : t.units) {
            if (u.value > 0xFFFF) throw Unconvertible{};
            v->push_back(static_cast<char16_t>(u.value));
        }
        v->push_back(0);
        arena.wide.push_back(std::move(v));
        return arena.wide.back()->data();
    }
    auto v = std::make_unique<std::vector<char>>();
    for (const TextUnit& u : t.units) {
        int b = u.raw ? static_cast<int>(u.value) : ToCp1250(u.value);
        if (b < 0 || b > 255) throw Unconvertible{};
        v->push_back(static_cast<char>(b));
    }
    v->push_back(0);
    arena.narrow.push_back(std::move(v));
    return arena.narrow.back()->data();
}

std::string ReadText(const void* p, bool wide) {
    std::string out;
    if (wide) {
        for (const char16_t* s = static_cast<const char16_t*>(p); *s; ++s) out += EncodeUtf8(*s);
    } else {
        for (const unsigned char* s = static_cast<const unsigned char*>(p); *s; ++s) out += EncodeUtf8(kCp1250[*s]);
    }
    return out;
}

// ---------------------------------------------------------------------------
// Vector parsing

struct Cursor {
    const std::string& s;
    size_t i = 0;
    explicit Cursor(const std::string& str) : s(str) {}
    void Skip() { while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i; }
    bool Eat(char c) { Skip(); if (i < s.size() && s[i] == c) { ++i; return true; } return false; }
    bool Word(const char* w) {
        Skip();
        size_t n = std::strlen(w);
        if (s.compare(i, n, w) == 0 && (i + n >= s.size() || !(std::isalnum(static_cast<unsigned char>(s[i + n])) || s[i + n] == '_'))) {
            i += n;
            return true;
        }
        return false;
    }
    bool AtEnd() { Skip(); return i >= s.size() || s[i] == '#'; }
    char Peek() { Skip(); return i < s.size() ? s[i] : 0; }
};

struct ParseError {
    std::string what;
};

long long ParseInt(Cursor& c) {
    c.Skip();
    if (c.i < c.s.size() && c.s[c.i] == '\'') {  // a character
        long long v = static_cast<unsigned char>(c.s[c.i + 1]);
        c.i += 3;
        return v;
    }
    size_t start = c.i;
    if (c.i < c.s.size() && (c.s[c.i] == '-' || c.s[c.i] == '+')) ++c.i;
    int base = 10;
    if (c.s.compare(c.i, 2, "0x") == 0) { base = 16; c.i += 2; }
    size_t digits = c.i;
    while (c.i < c.s.size() && std::isxdigit(static_cast<unsigned char>(c.s[c.i]))) ++c.i;
    if (digits == c.i) throw ParseError{"integer expected at: " + c.s.substr(start)};
    return std::strtoll(c.s.substr(start, c.i - start).c_str(), nullptr, base);
}

TextArg ParseString(Cursor& c) {
    if (!c.Eat('"')) throw ParseError{"text expected at: " + c.s.substr(c.i)};
    std::string utf8;
    TextArg t;
    auto flush = [&]() {
        for (char32_t cp : DecodeUtf8(utf8)) t.units.push_back({cp, false});
        utf8.clear();
    };
    while (true) {
        if (c.i >= c.s.size()) throw ParseError{"unterminated text"};
        char ch = c.s[c.i++];
        if (ch == '"') break;
        if (ch != '\\') { utf8 += ch; continue; }
        char e = c.s[c.i++];
        if (e == 'n') utf8 += '\n';
        else if (e == 't') utf8 += '\t';
        else if (e == 'x') {
            flush();
            t.units.push_back({static_cast<char32_t>(std::strtoul(c.s.substr(c.i, 2).c_str(), nullptr, 16)), true});
            c.i += 2;
        } else if (e == 'u') {
            flush();
            size_t close = c.s.find('}', c.i);
            t.units.push_back({static_cast<char32_t>(std::strtoul(c.s.substr(c.i + 1, close - c.i - 1).c_str(), nullptr, 16)), false});
            c.i = close + 1;
        } else utf8 += e;
    }
    flush();
    if (c.i < c.s.size() && c.s[c.i] == '*') {
        ++c.i;
        long long n = ParseInt(c);
        TextArg r;
        for (long long k = 0; k < n; ++k) r.units.insert(r.units.end(), t.units.begin(), t.units.end());
        return r;
    }
    return t;
}

struct Case {
    std::string where;
    std::string text;
};

// One call: arguments turned into integers and pointers.
struct Prepared {
    std::vector<intptr_t> args;
    std::vector<const void*> arg_pointers;  // for @N
    std::vector<char> out_kinds;             // 'O' or 'B' in order
    std::vector<const void*> out_places;
};

class Runner {
public:
    Runner(Library& lib) : lib_(lib) {}

    int passed = 0, failed = 0, skipped = 0;

    void RunFile(const std::string& path) {
        std::ifstream f(path);
        if (!f) {
            std::fprintf(stderr, "cannot read %s\n", path.c_str());
            ++failed;
            return;
        }
        std::string line;
        int n = 0;
        while (std::getline(f, line)) {
            ++n;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            RunLine(path + ":" + std::to_string(n), line);
        }
    }

private:
    Library& lib_;
    std::map<std::string, void*> cache_;

    void* Function(const Signature& sig) {
        const char* name = sig.name;
        if (sig.win_w) {
#ifdef _WIN32
            name = lib_.wide ? sig.win_w : sig.win_a;
#else
            name = lib_.wide ? sig.lin_w : sig.lin_a;
#endif
        }
        auto it = cache_.find(name);
        if (it != cache_.end()) return it->second;
        void* fn = lib_.Find(name);
        cache_[name] = fn;
        return fn;
    }

    const Signature* Lookup(const std::string& name) {
        for (const Signature& s : kSignatures)
            if (name == s.name) return &s;
        return nullptr;
    }

    void Fail(const std::string& where, const std::string& line, const std::string& why) {
        ++failed;
        std::printf("FAIL %s: %s\n     %s\n", where.c_str(), line.c_str(), why.c_str());
    }

    intptr_t ParsePointerArg(Cursor& c, Arena& arena, char kind) {
        if (c.Word("null")) return 0;
        if (kind == 'P') {
            if (c.Word("root")) {
                c.Eat('(');
                long long id = ParseInt(c);
                c.Eat(')');
                return reinterpret_cast<intptr_t>(Root(static_cast<unsigned>(id)));
            }
            if (c.Word("slot")) {
                c.Eat('(');
                long long id = ParseInt(c);
                c.Eat(',');
                TextArg code = ParseString(c);
                c.Eat(')');
                return reinterpret_cast<intptr_t>(Slot(arena, static_cast<unsigned>(id), code));
            }
            throw ParseError{"root(ID) or slot(ID, \"code\") expected"};
        }
        if (kind == 'L') {
            if (!c.Eat('[')) throw ParseError{"[ expected"};
            auto v = std::make_unique<std::vector<intptr_t>>();
            while (!c.Eat(']')) {
                if (c.Word("null")) v->push_back(0);
                else v->push_back(reinterpret_cast<intptr_t>(MakeText(arena, ParseString(c), lib_.wide, false)));
                c.Eat(',');
            }
            v->push_back(0);
            arena.arrays.push_back(std::move(v));
            return reinterpret_cast<intptr_t>(arena.arrays.back()->data());
        }
        bool eight_bit = (kind == 'N');
        c.Skip();
        if (c.s.compare(c.i, 3, "a8\"") == 0) {
            c.i += 2;
            eight_bit = true;
        }
        return reinterpret_cast<intptr_t>(MakeText(arena, ParseString(c), lib_.wide, eight_bit));
    }

    const void* Root(unsigned id) {
        const Signature* s = Lookup("sl_PobierzSlownik");
        intptr_t a[kMaxArgs] = {static_cast<intptr_t>(id)};
        return reinterpret_cast<const void*>(Call(Function(*s), a));
    }

    const void* Slot(Arena& arena, unsigned id, const TextArg& code) {
        const Signature* s = Lookup("sl_PobierzOpisKodu");
        intptr_t a[kMaxArgs] = {reinterpret_cast<intptr_t>(Root(id)),
                                reinterpret_cast<intptr_t>(MakeText(arena, code, lib_.wide, false))};
        return reinterpret_cast<const void*>(Call(Function(*s), a));
    }

    void RunLine(const std::string& where, std::string line) {
        size_t hash_pos = std::string::npos;
        {
            bool in_text = false;
            for (size_t i = 0; i < line.size(); ++i) {
                if (line[i] == '\\' && in_text) { ++i; continue; }
                if (line[i] == '"') in_text = !in_text;
                // '#' after a blank (or at the start) opens a comment; "x"#300 repeats.
                if (line[i] == '#' && !in_text && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) {
                    hash_pos = i;
                    break;
                }
            }
        }
        if (hash_pos != std::string::npos) line = line.substr(0, hash_pos);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos) return;
        line = line.substr(first);
        if (line.compare(0, 3, "W: ") == 0) {
            if (!lib_.wide) return;
            line = line.substr(3);
        } else if (line.compare(0, 3, "A: ") == 0) {
            if (lib_.wide) return;
            line = line.substr(3);
        }
        try {
            RunCase(where, line);
        } catch (const ParseError& e) {
            Fail(where, line, "cannot parse: " + e.what);
        } catch (const Unconvertible&) {
            ++skipped;
        }
    }

    void RunCase(const std::string& where, const std::string& line) {
        Cursor c(line);
        c.Skip();
        size_t start = c.i;
        while (c.i < line.size() && (std::isalnum(static_cast<unsigned char>(line[c.i])) || line[c.i] == '_')) ++c.i;
        std::string name = line.substr(start, c.i - start);
        const Signature* sig = Lookup(name);
        if (!sig) throw ParseError{"unknown function " + name};
        void* fn = Function(*sig);
        if (!fn) {
            Fail(where, line, "export not found: " + name);
            return;
        }
        Arena arena;
        Prepared p;
        if (!c.Eat('(')) throw ParseError{"( expected"};
        for (const char* k = sig->params; *k; ++k) {
            if (*k == 'V') {
                while (c.Peek() != ')') {
                    intptr_t v = ParsePointerArg(c, arena, 'T');
                    long long times = 1;
                    if (c.Peek() == '#') { c.Eat('#'); times = ParseInt(c); }
                    for (long long t = 0; t < times; ++t) {
                        p.args.push_back(v);
                        p.arg_pointers.push_back(reinterpret_cast<const void*>(v));
                    }
                    c.Eat(',');
                }
                break;
            }
            if (*k == 'I') {
                long long v = ParseInt(c);
                p.args.push_back(static_cast<intptr_t>(static_cast<int32_t>(v)));
                p.arg_pointers.push_back(nullptr);
            } else if (*k == 'O') {
                if (c.Word("null")) {
                    p.args.push_back(0);
                } else {
                    if (!c.Word("out")) throw ParseError{"out expected"};
                    arena.outs.push_back(std::make_unique<int>(12345));
                    p.args.push_back(reinterpret_cast<intptr_t>(arena.outs.back().get()));
                    p.out_kinds.push_back('O');
                    p.out_places.push_back(arena.outs.back().get());
                }
                p.arg_pointers.push_back(nullptr);
            } else if (*k == 'B') {
                if (c.Word("null")) {
                    p.args.push_back(0);
                } else {
                    if (!c.Word("buf")) throw ParseError{"buf expected"};
                    const void* b;
                    if (lib_.wide) { arena.wbuf = std::make_unique<std::vector<char16_t>>(1000, 0); b = arena.wbuf->data(); }
                    else { arena.nbuf = std::make_unique<std::vector<char>>(1000, 0); b = arena.nbuf->data(); }
                    p.args.push_back(reinterpret_cast<intptr_t>(b));
                    p.out_kinds.push_back('B');
                    p.out_places.push_back(b);
                }
                p.arg_pointers.push_back(nullptr);
            } else {
                intptr_t v = ParsePointerArg(c, arena, *k);
                p.args.push_back(v);
                p.arg_pointers.push_back(reinterpret_cast<const void*>(v));
            }
            if (k[1] && k[1] != 'V') {
                if (!c.Eat(',')) throw ParseError{"',' expected"};
            } else {
                c.Eat(',');
            }
        }
        if (!c.Eat(')')) throw ParseError{"')' expected"};
        if (!c.Eat('=')) throw ParseError{"'=' expected"};
        if (p.args.size() + 1 > static_cast<size_t>(kMaxArgs)) throw ParseError{"too many arguments"};

        intptr_t a[kMaxArgs] = {};
        for (size_t i = 0; i < p.args.size(); ++i) a[i] = p.args[i];
        intptr_t raw = Call(fn, a);

        std::string why;
        if (!CheckResult(c, *sig, raw, p, why)) {
            Fail(where, line, why);
            return;
        }
        for (size_t k = 0; k < p.out_kinds.size(); ++k) {
            if (!c.Eat(',')) throw ParseError{"expected value of out/buf argument"};
            if (!CheckOut(c, p.out_kinds[k], p.out_places[k], why)) {
                Fail(where, line, why);
                return;
            }
        }
        if (!c.AtEnd()) throw ParseError{"trailing text: " + line.substr(c.i)};
        ++passed;
    }

    static int Today() {
        std::time_t t = std::time(nullptr);
        std::tm tm{};
#ifdef _WIN32
        localtime_s(&tm, &t);
#else
        localtime_r(&t, &tm);
#endif
        return (tm.tm_year + 1900) * 10000 + (tm.tm_mon + 1) * 100 + tm.tm_mday;
    }

    // Expected integer: a number or today, today/100, today%10000.
    long long ExpectedInt(Cursor& c) {
        if (c.Word("today")) {
            int t = Today();
            if (c.Eat('/')) return t / ParseInt(c);
            if (c.Eat('%')) return t % ParseInt(c);
            return t;
        }
        return ParseInt(c);
    }

    std::string ExpectedText(Cursor& c) {
        TextArg t = ParseString(c);
        std::string out;
        for (const TextUnit& u : t.units) {
            // Round-trip through the library's text type so that raw units
            // compare as the library would return them.
            char32_t cp = u.value;
            if (u.raw && !lib_.wide) cp = kCp1250[u.value & 0xFF];
            out += EncodeUtf8(cp);
        }
        return out;
    }

    static std::string Quote(const void* p, bool wide) {
        return p ? "\"" + ReadText(p, wide) + "\"" : std::string("null");
    }

    bool CheckResult(Cursor& c, const Signature& sig, intptr_t raw, const Prepared& p, std::string& why) {
        const bool wide = lib_.wide;
        if (sig.result == 'I' || sig.result == 'B') {
            long long got = sig.result == 'I' ? static_cast<long long>(static_cast<int32_t>(raw))
                                              : static_cast<long long>(static_cast<unsigned char>(raw));
            long long want;
            if (sig.result == 'B' && c.Word("true")) want = 1;
            else if (sig.result == 'B' && c.Word("false")) want = 0;
            else want = ExpectedInt(c);
            if (got != want) { why = "got " + std::to_string(got) + ", expected " + std::to_string(want); return false; }
            return true;
        }
        const void* ptr = reinterpret_cast<const void*>(raw);
        if (c.Word("null")) {
            if (ptr) { why = "expected null, got a pointer"; if (sig.result == 'T') why += " to " + Quote(ptr, wide); return false; }
            return true;
        }
        if (c.Eat('@')) {
            long long n = ParseInt(c);
            if (n < 0 || static_cast<size_t>(n) >= p.arg_pointers.size() || ptr != p.arg_pointers[n]) {
                why = "result is not the pointer of argument " + std::to_string(n);
                if (ptr && sig.result == 'T') why += " (got " + Quote(ptr, wide) + ")";
                return false;
            }
            return true;
        }
        if (!ptr) { why = "got null"; return false; }
        if (sig.result == 'T') {
            std::string want = ExpectedText(c), got = ReadText(ptr, wide);
            if (got != want) { why = "got \"" + got + "\", expected \"" + want + "\""; return false; }
            return true;
        }
        if (sig.result == 'S') {
            if (!c.Word("slot")) throw ParseError{"slot(count, child|nochild) expected"};
            c.Eat('(');
            long long count = ParseInt(c);
            c.Eat(',');
            bool child = c.Word("child");
            if (!child && !c.Word("nochild")) throw ParseError{"child or nochild expected"};
            c.Eat(')');
            long long got_count = wide ? *static_cast<const uint16_t*>(ptr) : *static_cast<const signed char*>(ptr);
            const void* got_child = static_cast<const void* const*>(ptr)[2];
            bool got_has_child = got_child != nullptr;
            if (got_count != count || got_has_child != child) {
                why = "got slot(" + std::to_string(got_count) + ", " + (got_has_child ? "child" : "nochild") + ")";
                return false;
            }
            return true;
        }
        if (sig.result == 'E') {
            // description, from, to, attribute, short text
            struct EntryW { const void* d; int32_t from, to; uint16_t attr; const void* s; };
            struct EntryA { const void* d; int32_t from, to; signed char attr; const void* s; };
            const void* d; const void* s; long long from, to, attr;
            if (wide) { auto e = static_cast<const EntryW*>(ptr); d = e->d; from = e->from; to = e->to; attr = e->attr; s = e->s; }
            else { auto e = static_cast<const EntryA*>(ptr); d = e->d; from = e->from; to = e->to; attr = e->attr; s = e->s; }
            std::string got = "{" + Quote(d, wide) + ", " + std::to_string(from) + ", " + std::to_string(to) + ", " +
                              std::to_string(attr) + ", " + Quote(s, wide) + "}";
            if (!c.Eat('{')) throw ParseError{"{entry} expected"};
            std::string want = "{";
            want += c.Word("null") ? "null" : "\"" + ExpectedText(c) + "\"";
            c.Eat(','); want += ", " + std::to_string(ParseInt(c));
            c.Eat(','); want += ", " + std::to_string(ParseInt(c));
            c.Eat(','); want += ", " + std::to_string(ParseInt(c));
            c.Eat(',');
            want += ", " + (c.Word("null") ? std::string("null") : "\"" + ExpectedText(c) + "\"");
            want += "}";
            c.Eat('}');
            if (got != want) { why = "got " + got + ", expected " + want; return false; }
            return true;
        }
        why = "a pointer was returned where null was expected";
        return false;
    }

    bool CheckOut(Cursor& c, char kind, const void* place, std::string& why) {
        if (kind == 'O') {
            long long want = ExpectedInt(c);
            long long got = *static_cast<const int*>(place);
            if (got != want) { why = "out value " + std::to_string(got) + ", expected " + std::to_string(want); return false; }
            return true;
        }
        std::string got = ReadText(place, lib_.wide), want;
        if (c.Word("today_ddmmrrrr")) {
            int t = Today();
            char b[16];
            std::snprintf(b, sizeof b, "%02d%02d%04d", t % 100, t / 100 % 100, t / 10000);
            want = b;
        } else {
            want = ExpectedText(c);
        }
        if (got != want) { why = "buffer \"" + got + "\", expected \"" + want + "\""; return false; }
        return true;
    }
};

}  // namespace

int main(int argc, char** argv) {
    int i = 1;
    int wide = -1;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        if (std::strcmp(argv[i], "--wide") == 0) wide = 1;
        else if (std::strcmp(argv[i], "--narrow") == 0) wide = 0;
    }
    if (argc - i < 2) {
        std::fprintf(stderr, "usage: %s [--wide|--narrow] LIBRARY FILE.vec...\n", argv[0]);
        return 2;
    }
    Library lib;
    std::string path = argv[i++];
    lib.wide = wide >= 0 ? wide == 1 : path.find("Kodownik_W") != std::string::npos;
    if (!lib.Open(path)) {
        std::fprintf(stderr, "cannot load %s\n", path.c_str());
        return 2;
    }
    Runner r(lib);
    for (; i < argc; ++i) r.RunFile(argv[i]);
    std::printf("%s: %d passed, %d failed", lib.wide ? "W" : "A", r.passed, r.failed);
    if (r.skipped) std::printf(", %d skipped", r.skipped);
    std::printf("\n");
    return r.failed == 0 ? 0 : 1;
}
