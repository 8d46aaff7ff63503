// Differential test of the two text types: every conformance vector case and
// a fixed-seed stream of random cases around them go to Kodownik_W and
// Kodownik_A; the answers (integers, booleans, texts converted to one
// encoding, records field by field, out places) must be identical. A case
// whose texts Windows-1250 cannot hold, or that names raw code units (which
// mean different characters in the two types), is skipped and counted.
//
//   kodownik_differential [--seed N] [--cases N] LIB_W LIB_A FILE.vec...
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "harness/case.h"
#include "harness/loaded.h"

namespace {

bool HasRawUnit(const harness::Text& t) {
    for (uint32_t u : t.units)
        if ((u & harness::kRaw) && (u & ~harness::kRaw) >= 0x80) return true;
    return false;
}

// Raw units above ASCII in a text of the library's type mean different
// characters in the two builds (8-bit texts are the same bytes in both). So
// do integers outside ASCII where an export takes one character of the
// build's type in an int (the age group, the child mark): the W build keeps
// 16 bits of it and the A build 8.
//
// An 8-bit text longer than 1023 bytes: Kodownik_W converts no longer text
// (it counts as null) while Kodownik_A uses any text unchanged, so the two
// answer such a case differently by design.
constexpr size_t kLongest8BitTextOfW = 1023;

bool Comparable(const harness::Case& c) {
    const std::string name = harness::ExportName(c.function);
    const size_t character = name == "fb_KVDKodPokrewienstwaWiek" ? 1 : name == "fb_KVDKodPokrewienstwa" ? 2 : 0;
    if (character && (c.args[character].value < 0 || c.args[character].value > 0x7F)) return false;
    for (const harness::Arg& a : c.args) {
        if ((a.kind == 'T' || a.kind == 'P') && HasRawUnit(a.text)) return false;
        if (a.kind == 'N' && a.text.units.size() > kLongest8BitTextOfW) return false;
        if (a.kind == 'L' || a.kind == 'V')
            for (const harness::Text& t : a.list)
                if (HasRawUnit(t)) return false;
    }
    return true;
}

struct Tally {
    long compared = 0, unexpressible = 0, raw = 0, differ = 0;
    long per_function[64] = {};
};

void Compare(harness::Loaded& w, harness::Loaded& a, const harness::Case& c, const std::string& where, Tally& t) {
    if (!Comparable(c)) { ++t.raw; return; }
    harness::Answer aw = w.Run(c), aa = a.Run(c);
    if (aw.impossible || aa.impossible) { ++t.unexpressible; return; }
    ++t.compared;
    ++t.per_function[c.function];
    if (aw.text == aa.text) return;
    if (++t.differ <= 25) {
        std::string call = harness::Describe(c);
        if (call.size() > 400) call = call.substr(0, 400) + "...";
        std::printf("DIFFER %s\n  %s\n  W: %s\n  A: %s\n", where.c_str(), call.c_str(), aw.text.c_str(), aa.text.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    uint32_t seed = 20260101;
    long cases = 20000;
    int i = 1;
    for (; i + 1 < argc && argv[i][0] == '-'; i += 2) {
        if (std::strcmp(argv[i], "--seed") == 0) seed = static_cast<uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
        else if (std::strcmp(argv[i], "--cases") == 0) cases = std::strtol(argv[i + 1], nullptr, 10);
        else break;
    }
    if (argc - i < 2) {
        std::fprintf(stderr, "usage: %s [--seed N] [--cases N] LIB_W LIB_A FILE.vec...\n", argv[0]);
        return 2;
    }
    std::string error;
    auto w = harness::LoadWide(argv[i], error);
    if (!w) { std::fprintf(stderr, "%s\n", error.c_str()); return 2; }
    auto a = harness::LoadNarrow(argv[i + 1], error);
    if (!a) { std::fprintf(stderr, "%s\n", error.c_str()); return 2; }
    std::vector<std::string> files(argv + i + 2, argv + argc);
    const std::vector<harness::VectorCase> corpus = harness::ReadVectorFiles(files);

    Tally vectors, random;
    for (const harness::VectorCase& v : corpus)
        if (!v.only) Compare(*w, *a, v.call, v.where, vectors);
    harness::Generator gen(corpus, seed);
    for (long n = 0; n < cases; ++n) Compare(*w, *a, gen.Next(), "random #" + std::to_string(n), random);
    // Every export, with arguments of every kind, not only the ones the vectors use.
    for (int f = 0; f < harness::ExportCount(); ++f)
        for (int n = 0; n < 50; ++n) Compare(*w, *a, gen.RandomFor(f), std::string("random ") + harness::ExportName(f), random);

    int untouched = 0;
    for (int f = 0; f < harness::ExportCount(); ++f)
        if (!vectors.per_function[f] && !random.per_function[f]) {
            ++untouched;
            std::printf("never compared: %s\n", harness::ExportName(f));
        }
    std::printf("vector cases: %ld compared, %ld differ, %ld skipped (not in Windows-1250), %ld skipped (raw units, characters past ASCII)\n",
                vectors.compared, vectors.differ, vectors.unexpressible, vectors.raw);
    std::printf("random cases (seed %u): %ld compared, %ld differ, %ld skipped (not in Windows-1250), %ld skipped (raw units, characters past ASCII)\n",
                seed, random.compared, random.differ, random.unexpressible, random.raw);
    w->Close();
    a->Close();
    return (vectors.differ || random.differ || untouched) ? 1 : 0;
}
