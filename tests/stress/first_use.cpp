// The exports that read only constant data or their arguments never run the
// one-time build: with the build flag still clear, every vector case of
// those exports and random arguments for them (no trie slots, which would
// come from sl_PobierzSlownik) leave it clear; sl_PobierzSlownik then builds.
// Links the library's objects; a process of its own, since nothing may
// call the library before it.
//
//   kodownik_first_use_{W,A} FILE.vec...
#include <cstdio>
#include <set>
#include <string>

#define HARNESS_LINKED 1
#include "frame/build.h"
#include "harness/call.h"

int main(int argc, char** argv) {
    if (kod::SlownikiZbudowane()) {
        std::printf("FAIL: the tables were built before the first call\n");
        return 1;
    }
    const std::set<std::string> no_build = {
        "sl_Now", "sl_PrzeksztalcDate_MMRRRR", "sl_PrzeksztalcDate_DDMMRRRR", "sl_PrzeksztalcDate_DDMM",
        "sl_PoprawnaData_DDMM", "sl_PoprawnaData_DDMMRRRR", "sl_PoprawnaData_MMRRRR", "sl_NajwczesniejszaData",
        "sl_NajpozniejszaData", "sl_CzyPrawidlowyKodLiterowy", "sl_PoprawnyKod", "sl_PobierzNazweSlownika",
        "sl_PobierzOpisKodu", "ZamienStala", "bw_KodSpecjalny", "KVDSlownikGet", "KVDSlownikGetKodMsg",
        "KVDSlownikKodDoWyboru", "sl_KVDSlownikGet", "sl_KVDSlownikGetKodMsg"};
    const HARNESS_NS::Bound bound = HARNESS_NS::BindLinked();
    const auto corpus = harness::ReadVectorFiles(std::vector<std::string>(argv + 1, argv + argc));
    harness::Generator gen(corpus, 11);

    auto usable = [](harness::Case c) {
        for (harness::Arg& a : c.args)
            if (a.kind == 'P') a.value = 0;  // a slot would come from sl_PobierzSlownik
        return c;
    };
    long calls = 0;
    std::set<std::string> seen;
    auto run = [&](const harness::Case& c) {
        HARNESS_NS::Run(bound, usable(c));
        ++calls;
        seen.insert(harness::ExportName(c.function));
        if (kod::SlownikiZbudowane()) {
            std::printf("FAIL: %s ran the one-time build\n", harness::Describe(usable(c)).substr(0, 300).c_str());
            std::exit(1);
        }
    };
    for (const harness::VectorCase& v : corpus)
        if (no_build.count(harness::ExportName(v.call.function)) && (!v.only || v.only == (HARNESS_NS::kWideText ? 'W' : 'A')))
            run(v.call);
    for (int f = 0; f < harness::ExportCount(); ++f)
        if (no_build.count(harness::ExportName(f)))
            for (int n = 0; n < 200; ++n) run(gen.RandomFor(f));
    for (const std::string& name : no_build)
        if (!seen.count(name)) {
            std::printf("FAIL: %s was never called\n", name.c_str());
            return 1;
        }

    // Names and messages keep working without the build; the first lookup builds.
    if (!sl_PobierzSlownik(10004) || !kod::SlownikiZbudowane()) {
        std::printf("FAIL: sl_PobierzSlownik did not build the tables\n");
        return 1;
    }
    std::printf("%s: %ld calls of %zu exports without the build; sl_PobierzSlownik built it\n",
                HARNESS_NS::kWideText ? "W" : "A", calls, no_build.size());
    return 0;
}
