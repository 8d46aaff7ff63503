// Makes N calls of one case under callgrind with instrumentation switched on
// for the calls alone (run valgrind with --instr-atstart=no):
//
//   kodownik_callgrind_W LIBRARY CASE IMPL N
//
// CASE is a name of cases.cpp, IMPL lib, hash or sqlite. Instructions per
// call = the run's total Ir / N.
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cases.h"

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (int i = 0; i < bench::kCaseCount; ++i) std::printf("%s\n", bench::kCases[i].name);
        return 0;
    }
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s LIBRARY CASE IMPL N | --list\n", argv[0]);
        return 2;
    }
    int impl = -1;
    for (int i = 0; i < bench::kImpls; ++i) {
        if (std::strcmp(argv[3], bench::kImplNames[i]) == 0) impl = i;
    }
    const bench::Case* c = nullptr;
    for (int i = 0; i < bench::kCaseCount; ++i) {
        if (std::strcmp(argv[2], bench::kCases[i].name) == 0) c = &bench::kCases[i];
    }
    const long n = std::atol(argv[4]);
    if (impl < 0 || !c || n <= 0) {
        std::fprintf(stderr, "callgrind driver: unknown case or implementation, or N <= 0\n");
        return 2;
    }
    auto ctx = bench::MakeContext(argv[1], impl == bench::kHash, impl == bench::kSqlite);
    auto fn = c->run[impl];
    volatile long sink = fn(*ctx);  // warm: first call outside the count
    CALLGRIND_ZERO_STATS;
    CALLGRIND_START_INSTRUMENTATION;
    for (long i = 0; i < n; ++i) sink = sink + fn(*ctx);
    CALLGRIND_STOP_INSTRUMENTATION;
    std::printf("%ld\n", static_cast<long>(sink));
    return 0;
}
