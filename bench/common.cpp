#include "common.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace bench {

int Today() {
    std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return (t.tm_year + 1900) * 10000 + (t.tm_mon + 1) * 100 + t.tm_mday;
}

namespace {

bool Digits(const KChar* s, int n) {
    for (int i = 0; i < n; ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
    }
    return s[n] == 0;
}

int Number(const KChar* s, int n) {
    int v = 0;
    for (int i = 0; i < n; ++i) v = v * 10 + (s[i] - '0');
    return v;
}

int DaysInMonth(int month, int year) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

int DayValue(const KChar* s) {
    if (!s) return -1;
    for (int i = 0; i < 8; ++i) {
        if (s[i] == 0) return -1;
    }
    if (!Digits(s, 8)) return -1;
    const int d = Number(s, 2), m = Number(s + 2, 2), y = Number(s + 4, 4);
    if (m < 1 || m > 12 || d < 1 || d > DaysInMonth(m, y)) return -1;
    return y * 10000 + m * 100 + d;
}

int MonthValue(const KChar* s) {
    if (!s) return -1;
    for (int i = 0; i < 6; ++i) {
        if (s[i] == 0) return -1;
    }
    if (!Digits(s, 6)) return -1;
    const int m = Number(s, 2), y = Number(s + 2, 4);
    if (m < 1 || m > 12 || y < 1850 || y > 2020) return -1;
    return y * 100 + m;
}

int RefValue(const KChar* text) {
    const int day = DayValue(text);
    if (day >= 0) return day < 1000000 ? 1000000 : day;
    const int month = MonthValue(text);
    return month >= 0 ? month : 0;
}

int AdjustAmountKind(const KChar* title, int kind) {
    if (!title || (kind != 106 && kind != 107)) return kind;
    static const char* const kFor107[] = {"05", "10"};
    static const char* const kFor106[] = {"05", "10", "0125", "0126", "0426", "0427", "0428", "0429"};
    auto starts = [&](const char* p) {
        const KChar* s = title;
        for (; *p; ++p, ++s) {
            if (*s == 0 || *s != static_cast<KChar>(*p)) return false;
        }
        return true;
    };
    if (kind == 107) {
        for (const char* p : kFor107)
            if (starts(p)) return 105;
    } else {
        for (const char* p : kFor106)
            if (starts(p)) return 105;
    }
    return kind;
}

namespace {

template <class F>
void Bind(void* handle, F& fn, const char* name) {
    void* p = dlsym(handle, name);
    if (!p) {
        std::fprintf(stderr, "bench: the library has no export %s\n", name);
        std::exit(2);
    }
    fn = reinterpret_cast<F>(p);
}

}  // namespace

Library LoadLibrary(const char* path) {
    Library lib;
    lib.handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!lib.handle) {
        std::fprintf(stderr, "bench: cannot load %s: %s\n", path, dlerror());
        std::exit(2);
    }
    Bind(lib.handle, lib.PobierzSlownik, "sl_PobierzSlownik");
    Bind(lib.handle, lib.PobierzOpisKodu, "sl_PobierzOpisKodu");
    Bind(lib.handle, lib.PobierzOpisOkresu, "sl_PobierzOpisOkresu");
    Bind(lib.handle, lib.KodSprawdzArkusze, "fb_KVDKodSprawdzArkusze");
    Bind(lib.handle, lib.KwotaTyp, "fb_KVDZaleznosciKodSwKwotaTyp");
    Bind(lib.handle, lib.MogaBycRazem, "fb_KVDKodySwiadMogaBycRazem");
    Bind(lib.handle, lib.FormRNA, "fb_KVD_KodTyt_WypDok_RNA_ONE");
    Bind(lib.handle, lib.ZasadyPodlegania, "fb_KVDZasadyPodleganiaUb");
    return lib;
}

}  // namespace bench
