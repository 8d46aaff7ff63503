// Writes one fuzzer seed per conformance vector line, or shows the calls
// that a fuzzer input (a crash file) stands for:
//   kodownik_fuzz_seeds W|A OUTPUT_DIR FILE.vec...
//   kodownik_fuzz_seeds --describe W|A INPUT...
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "harness/case.h"

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "--describe") == 0) {
        const bool wide = argv[2][0] == 'W';
        for (int i = 3; i < argc; ++i) {
            std::ifstream f(argv[i], std::ios::binary);
            std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
            std::printf("%s:\n", argv[i]);
            for (const harness::Case& c : harness::DecodeFuzz(reinterpret_cast<const uint8_t*>(bytes.data()),
                                                               bytes.size(), wide, 16))
                std::printf("  %s\n", harness::Describe(c).c_str());
        }
        return 0;
    }
    if (argc < 4 || (std::strcmp(argv[1], "W") != 0 && std::strcmp(argv[1], "A") != 0)) {
        std::fprintf(stderr, "usage: %s W|A OUTPUT_DIR FILE.vec...\n", argv[0]);
        return 2;
    }
    const bool wide = argv[1][0] == 'W';
    const std::string dir = argv[2];
    int written = 0;
    for (int i = 3; i < argc; ++i) {
        std::string base = argv[i];
        base = base.substr(base.find_last_of('/') + 1);
        int n = 0;
        for (const harness::VectorCase& v : harness::ReadVectorFiles({argv[i]})) {
            if (v.only && v.only != argv[1][0]) continue;
            const std::string bytes = harness::EncodeFuzz(v.call, wide);
            const std::string path = dir + "/" + base + "_" + std::to_string(++n);
            FILE* f = std::fopen(path.c_str(), "wb");
            if (!f) { std::perror(path.c_str()); return 1; }
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
            ++written;
        }
    }
    std::printf("%d seeds written to %s\n", written, dir.c_str());
    return 0;
}
