// Conformance runner: loads one built library (Kodownik_W or Kodownik_A, a
// Linux .so or a Windows .dll) by path and runs the vector files against it.
// Prints "N passed, N failed".
//
//   kodownik_conformance [--wide|--narrow] LIBRARY FILE.vec...
//
// The text type is taken from the library's name (Kodownik_W / Kodownik_A)
// unless given. See tests/vectors/README.md for the format. The harness
// (tests/harness) reads the call of each line and makes it through the
// export's declared type; the runner checks what follows the call.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

#include "harness/case.h"
#include "harness/loaded.h"

namespace {

int Today() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return (tm.tm_year + 1900) * 10000 + (tm.tm_mon + 1) * 100 + tm.tm_mday;
}

class Runner {
public:
    explicit Runner(harness::Loaded& lib) : lib_(lib) {}

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
            RunLine(path + ":" + std::to_string(n), line);
        }
    }

private:
    harness::Loaded& lib_;

    void Fail(const std::string& where, const std::string& line, const std::string& why) {
        ++failed;
        std::printf("FAIL %s: %s\n     %s\n", where.c_str(), line.c_str(), why.c_str());
    }

    void RunLine(const std::string& where, const std::string& line) {
        harness::VectorCase v;
        const bool parsed = harness::ParseVectorLine(line, v);
        if (v.only && v.only != (lib_.Wide() ? 'W' : 'A')) return;
        if (!parsed) {
            if (!v.error.empty()) Fail(where, v.text, "cannot parse: " + v.error);
            return;
        }
        if (!lib_.Has(v.call.function)) {
            Fail(where, v.text, std::string("export not found: ") + harness::ExportName(v.call.function));
            return;
        }
        try {
            harness::Cursor c(v.text, v.end);
            c.Need('=', "'='");
            const harness::Answer a = lib_.Run(v.call, false, true);
            if (a.impossible) {
                ++skipped;
                return;
            }
            std::string why;
            if (!CheckResult(c, harness::ExportResult(v.call.function), a, why)) {
                Fail(where, v.text, why);
                return;
            }
            for (const std::string& out : a.outs) {
                c.Need(',', "value of out/buf argument");
                if (!CheckOut(c, out, why)) {
                    Fail(where, v.text, why);
                    return;
                }
            }
            if (!c.AtEnd()) throw harness::ParseError{"trailing text: " + c.Rest()};
            ++passed;
        } catch (const harness::ParseError& e) {
            Fail(where, v.text, "cannot parse: " + e.what);
        }
    }

    // Expected integer: a number or today, today/100, today%10000.
    static long long ExpectedInt(harness::Cursor& c) {
        if (c.Word("today")) {
            int t = Today();
            if (c.Eat('/')) return t / c.Number();
            if (c.Eat('%')) return t % c.Number();
            return t;
        }
        return c.Number();
    }

    // An expected text as the answer writes it: "UTF-8" or null.
    std::string ExpectedText(harness::Cursor& c, bool may_be_null) {
        if (may_be_null && c.Word("null")) return "null";
        return "\"" + harness::Utf8Of(c.Quoted(), lib_.Wide()) + "\"";
    }

    bool CheckResult(harness::Cursor& c, char kind, const harness::Answer& a, std::string& why) {
        if (kind == 'I' || kind == 'B') {
            long long got = kind == 'I' ? static_cast<long long>(static_cast<int32_t>(a.raw))
                                        : static_cast<long long>(static_cast<unsigned char>(a.raw));
            long long want;
            if (kind == 'B' && c.Word("true")) want = 1;
            else if (kind == 'B' && c.Word("false")) want = 0;
            else want = ExpectedInt(c);
            if (got != want) { why = "got " + std::to_string(got) + ", expected " + std::to_string(want); return false; }
            return true;
        }
        const void* ptr = reinterpret_cast<const void*>(a.raw);
        if (c.Word("null")) {
            if (ptr) { why = "expected null, got a pointer"; if (kind == 'T') why += " to " + a.result; return false; }
            return true;
        }
        if (c.Eat('@')) {
            long long n = c.Number();
            if (n < 0 || static_cast<size_t>(n) >= a.pointers.size() || ptr != a.pointers[n]) {
                why = "result is not the pointer of argument " + std::to_string(n);
                if (ptr && kind == 'T') why += " (got " + a.result + ")";
                return false;
            }
            return true;
        }
        if (!ptr) { why = "got null"; return false; }
        std::string want;
        if (kind == 'T') {
            want = ExpectedText(c, false);
        } else if (kind == 'S') {
            if (!c.Word("slot")) throw harness::ParseError{"slot(count, child|nochild) expected"};
            c.Eat('(');
            want = "slot(" + std::to_string(c.Number()) + ", ";
            c.Eat(',');
            if (c.Word("child")) want += "child)";
            else if (c.Word("nochild")) want += "nochild)";
            else throw harness::ParseError{"child or nochild expected"};
            c.Eat(')');
            if (a.result != want) { why = "got " + a.result; return false; }
            return true;
        } else if (kind == 'E') {
            c.Need('{', "{entry}");
            want = "{" + ExpectedText(c, true);
            for (int k = 0; k < 3; ++k) {
                c.Eat(',');
                want += ", " + std::to_string(c.Number());
            }
            c.Eat(',');
            want += ", " + ExpectedText(c, true) + "}";
            c.Eat('}');
        } else {
            why = "a pointer was returned where null was expected";
            return false;
        }
        if (a.result != want) { why = "got " + a.result + ", expected " + want; return false; }
        return true;
    }

    // The value of an out place (a number) or of a buffer (a "text").
    bool CheckOut(harness::Cursor& c, const std::string& got, std::string& why) {
        if (got.empty() || got[0] != '"') {
            long long want = ExpectedInt(c);
            if (got != std::to_string(want)) { why = "out value " + got + ", expected " + std::to_string(want); return false; }
            return true;
        }
        std::string want;
        if (c.Word("today_ddmmrrrr")) {
            int t = Today();
            char b[16];
            std::snprintf(b, sizeof b, "\"%02d%02d%04d\"", t % 100, t / 100 % 100, t / 10000);
            want = b;
        } else {
            want = ExpectedText(c, false);
        }
        if (got != want) { why = "buffer " + got + ", expected " + want; return false; }
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
    std::string path = argv[i++];
    const bool wide_text = wide >= 0 ? wide == 1 : path.find("Kodownik_W") != std::string::npos;
    // A library that lacks exports still runs: the cases of a missing export fail.
    std::string error;
    std::unique_ptr<harness::Loaded> lib =
        wide_text ? harness::LoadWide(path, error, true) : harness::LoadNarrow(path, error, true);
    if (!lib) {
        std::fprintf(stderr, "%s\ncannot load %s\n", error.c_str(), path.c_str());
        return 2;
    }
    Runner r(*lib);
    for (; i < argc; ++i) r.RunFile(argv[i]);
    std::printf("%s: %d passed, %d failed", wide_text ? "W" : "A", r.passed, r.failed);
    if (r.skipped) std::printf(", %d skipped", r.skipped);
    std::printf("\n");
    return r.failed == 0 ? 0 : 1;
}
