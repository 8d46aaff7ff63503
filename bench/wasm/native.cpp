// Native side of the WebAssembly comparison: the cost of one call of each
// case through the loaded Kodownik_W (dlopen, exports looked up by name, as a
// host calls them), printed as "case ns_per_call" lines.
//
//   wasm_native LIBRARY [CALLS]
#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

typedef char16_t KChar;
struct Slot;
struct Entry {
    const KChar* description;
    int valid_from;
    int valid_to;
    KChar attribute;
    const KChar* short_text;
};

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s LIBRARY [CALLS]\n", argv[0]);
        return 2;
    }
    const long calls = argc > 2 ? std::atol(argv[2]) : 2000000;
    void* lib = dlopen(argv[1], RTLD_NOW);
    if (!lib) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 2;
    }
    auto okres = reinterpret_cast<const Entry* (*)(int, const KChar*, int)>(dlsym(lib, "sl_PobierzOpisOkresu"));
    auto slownik = reinterpret_cast<const Slot* (*)(unsigned)>(dlsym(lib, "sl_PobierzSlownik"));
    auto kod = reinterpret_cast<const Slot* (*)(const Slot*, const KChar*)>(dlsym(lib, "sl_PobierzOpisKodu"));
    auto arkusze = reinterpret_cast<int (*)(int, const KChar*, const KChar*)>(dlsym(lib, "fb_KVDKodSprawdzArkusze"));
    if (!okres || !slownik || !kod || !arkusze) return 2;
    const Slot* root = slownik(10004);
    long sink = 0;
    auto time = [&](const char* name, auto&& body) {
        for (long i = 0; i < calls / 10; ++i) sink += body();
        const auto t0 = std::chrono::steady_clock::now();
        for (long i = 0; i < calls; ++i) sink += body();
        const auto t1 = std::chrono::steady_clock::now();
        std::printf("%s %.2f\n", name, std::chrono::duration<double, std::nano>(t1 - t0).count() / calls);
    };
    time("okres", [&] { return static_cast<long>(okres(10004, u"011101", 20030101)->valid_from); });
    time("kod", [&] { return reinterpret_cast<long>(kod(root, u"011101")) & 1; });
    time("arkusze", [&] { return static_cast<long>(arkusze(10004, u"011101", u"01012003")); });
    std::fprintf(stderr, "(%ld)\n", sink);
    return 0;
}
