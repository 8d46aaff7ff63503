// Google Benchmark suite: every case of cases.cpp for the library and both
// baselines, on warm tables (the one-time build and the baselines' fill are
// done before measuring).
//
//   kodownik_bench_W <path of libKodownik_W.so> [--benchmark_... flags]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cases.h"

int main(int argc, char** argv) {
    std::vector<char*> args;
    const char* library = nullptr;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && !library && std::strncmp(argv[i], "--", 2) != 0) {
            library = argv[i];
        } else {
            args.push_back(argv[i]);
        }
    }
    if (!library) {
        std::fprintf(stderr, "usage: %s LIBRARY [--benchmark_... flags]\n", argv[0]);
        return 2;
    }
    int n = static_cast<int>(args.size());
    benchmark::Initialize(&n, args.data());
    if (benchmark::ReportUnrecognizedArguments(n, args.data())) return 2;

    static std::unique_ptr<bench::Context> ctx = bench::MakeContext(library, true, true);
    if (!bench::ResultsAgree(*ctx)) return 1;
    for (int i = 0; i < bench::kCaseCount; ++i) {
        for (int impl = 0; impl < bench::kImpls; ++impl) {
            const bench::Case& c = bench::kCases[i];
            const std::string name = std::string(c.name) + "/" + bench::kImplNames[impl];
            auto fn = c.run[impl];
            benchmark::RegisterBenchmark(name.c_str(), [fn](benchmark::State& state) {
                for (auto _ : state) benchmark::DoNotOptimize(fn(*ctx));
            });
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
