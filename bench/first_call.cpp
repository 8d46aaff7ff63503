// The one-time costs, measured in a fresh process (run it N times):
// loading the library (dlopen), the first sl_PobierzSlownik (the one-time
// build), and the resident memory that the build adds (VmRSS delta).
// Prints one line: load_us build_us rss_load_kb rss_build_kb
//
//   kodownik_first_call LIBRARY
#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

long VmRssKb() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, "VmRSS:", 6) == 0) {
            std::sscanf(line + 6, "%ld", &kb);
            break;
        }
    }
    std::fclose(f);
    return kb;
}

double Us(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
    return std::chrono::duration<double, std::micro>(b - a).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s LIBRARY\n", argv[0]);
        return 2;
    }
    const long rss0 = VmRssKb();
    const auto t0 = std::chrono::steady_clock::now();
    void* h = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    const auto t1 = std::chrono::steady_clock::now();
    if (!h) {
        std::fprintf(stderr, "cannot load %s: %s\n", argv[1], dlerror());
        return 2;
    }
    using Fn = const void* (*)(unsigned int);
    Fn pobierz = reinterpret_cast<Fn>(dlsym(h, "sl_PobierzSlownik"));
    if (!pobierz) return 2;
    const long rss1 = VmRssKb();
    const auto t2 = std::chrono::steady_clock::now();
    const void* root = pobierz(10004);
    const auto t3 = std::chrono::steady_clock::now();
    const long rss2 = VmRssKb();
    if (!root) return 1;
    std::printf("%.1f %.1f %ld %ld\n", Us(t0, t1), Us(t2, t3), rss1 - rss0, rss2 - rss1);
    return 0;
}
