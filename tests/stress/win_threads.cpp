// Windows lifecycle test, run under Wine: each DLL is loaded and freed
// repeatedly (LoadLibrary / FreeLibrary) while threads come and go.
//   - a thread created before LoadLibrary gets a working text buffer on its
//     first KVDSlownikGetKodMsg (the empty text, never null);
//   - 8 threads released at once on a freshly loaded DLL race the one-time
//     build through different exports; their answers equal the
//     single-threaded answers, and all get the same root;
//   - a thread that used the DLL is still alive when it is freed and ends
//     afterwards.
//
//   kodownik_win_threads.exe Kodownik_W.dll Kodownik_A.dll
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int g_failures = 0;
volatile LONG g_calls = 0;

void Fail(const std::string& what) {
    if (++g_failures <= 30) std::printf("FAIL %s\n", what.c_str());
}

template <class F>
F Find(HMODULE m, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(m, name)));
}

template <class C>
struct Api {
    typedef const void*(__cdecl* PobierzSlownik)(unsigned);
    typedef const C*(__cdecl* GetKodMsg)(int, const C*, const C*);
    typedef int(__cdecl* Sprawdz)(int, const C*, const C*);
    typedef int(__cdecl* Data)(const C*);
    typedef const C*(__cdecl* Nazwa)(unsigned);
    PobierzSlownik slownik;
    GetKodMsg msg;
    Sprawdz arkusze;
    Data data;
    Nazwa nazwa;
    bool Bind(HMODULE m) {
        slownik = Find<PobierzSlownik>(m, "sl_PobierzSlownik");
        msg = Find<GetKodMsg>(m, "KVDSlownikGetKodMsg");
        arkusze = Find<Sprawdz>(m, "fb_KVDKodSprawdzArkusze");
        data = Find<Data>(m, "sl_PoprawnaData_DDMMRRRR");
        nazwa = Find<Nazwa>(m, "sl_PobierzNazweSlownika");
        return slownik && msg && arkusze && data && nazwa;
    }
};

template <class C>
std::basic_string<C> T(const char* s) {
    std::basic_string<C> out;
    for (; *s; ++s) out.push_back(static_cast<C>(*s));
    return out;
}

template <class C>
std::string Narrow(const C* s) {
    if (!s) return "(null)";
    std::string out;
    for (; *s; ++s) out += static_cast<char>(*s & 0x7F);
    return out;
}

// One thread's answers to a fixed mix of calls; the first call is chosen by
// the thread's number so that different exports race the build.
template <class C>
std::string Mix(const Api<C>& api, int first) {
    static const char* const kCodes[] = {"1", "11", "111", "1111", "2", "9", "", "0110", "12345"};
    static const char* const kDates[] = {"01012005", "012005", "", "31122099", "x"};
    std::string out;
    for (int step = 0; step < 6; ++step) {
        switch ((first + step) % 6) {
            case 0: out += api.slownik(10004) ? "root;" : "noroot;"; break;
            case 1: out += "msg:" + Narrow(api.msg(1, T<C>("1").c_str(), T<C>("01012005").c_str())) + ";"; break;
            case 2:
                for (const char* code : kCodes)
                    for (const char* date : kDates)
                        out += std::to_string(api.arkusze(10004, T<C>(code).c_str(), T<C>(date).c_str())) + ",";
                break;
            case 3:
                for (const char* date : kDates) out += std::to_string(api.data(T<C>(date).c_str())) + ",";
                break;
            case 4: out += Narrow(api.nazwa(10004)) + ";"; break;
            case 5: out += Narrow(api.nazwa(10050)) + ";"; break;
        }
        InterlockedIncrement(&g_calls);
    }
    return out;
}

template <class C>
struct Shared {
    Api<C> api;
    HANDLE go = nullptr;   // manual-reset event: the DLL is loaded
    HANDLE release = nullptr;
    bool empty_message = false;
    int first = 0;
    std::string answer;
    const void* root = nullptr;
    const C* message = nullptr;
};

template <class C>
DWORD WINAPI BeforeLoad(void* p) {
    Shared<C>* s = static_cast<Shared<C>*>(p);
    WaitForSingleObject(s->go, INFINITE);
    s->message = s->api.msg(1, T<C>("1").c_str(), T<C>("01012005").c_str());
    InterlockedIncrement(&g_calls);
    if (!s->message) Fail("thread created before LoadLibrary: KVDSlownikGetKodMsg returned null");
    else s->empty_message = *s->message == 0;
    s->answer = Mix(s->api, 0);
    return 0;
}

template <class C>
DWORD WINAPI Racer(void* p) {
    Shared<C>* s = static_cast<Shared<C>*>(p);
    WaitForSingleObject(s->go, INFINITE);
    s->answer = Mix(s->api, s->first);
    s->root = s->api.slownik(10004);
    return 0;
}

template <class C>
DWORD WINAPI Lingering(void* p) {
    Shared<C>* s = static_cast<Shared<C>*>(p);
    s->answer = Mix(s->api, 1);  // holds a text buffer from now on
    SetEvent(s->go);             // tell the main thread it has called
    WaitForSingleObject(s->release, INFINITE);
    return 0;
}

template <class C>
void Run(const char* path) {
    std::string expected;
    for (int cycle = 0; cycle < 20; ++cycle) {
        // A thread that exists before the DLL is loaded.
        Shared<C> early;
        early.go = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        HANDLE early_thread = CreateThread(nullptr, 0, &BeforeLoad<C>, &early, 0, nullptr);
        Sleep(1);

        HMODULE m = LoadLibraryA(path);
        if (!m) { Fail(std::string("cannot load ") + path); return; }
        Api<C> api;
        if (!api.Bind(m)) { Fail(std::string("exports missing in ") + path); FreeLibrary(m); return; }

        const int kThreads = 8;
        std::vector<Shared<C>> racers(kThreads);
        HANDLE go = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        std::vector<HANDLE> threads;
        for (int t = 0; t < kThreads; ++t) {
            racers[t].api = api;
            racers[t].go = go;
            racers[t].first = t;
            threads.push_back(CreateThread(nullptr, 0, &Racer<C>, &racers[t], 0, nullptr));
        }
        early.api = api;
        SetEvent(early.go);
        SetEvent(go);
        WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, INFINITE);
        WaitForSingleObject(early_thread, INFINITE);

        // A thread still alive (holding its buffer) when the DLL goes away.
        Shared<C> lingering;
        lingering.api = api;
        lingering.go = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        lingering.release = release;
        HANDLE lingering_thread = CreateThread(nullptr, 0, &Lingering<C>, &lingering, 0, nullptr);
        WaitForSingleObject(lingering.go, INFINITE);

        const void* root = api.slownik(10004);
        for (int first = 0; first < kThreads; ++first) {
            std::string single = Mix(api, first);
            if (cycle == 0 && first == 0) expected = single;
            if (racers[first].answer != single)
                Fail("cycle " + std::to_string(cycle) + " thread " + std::to_string(first) + ": " + racers[first].answer +
                     " / single-threaded " + single);
            if (!root || racers[first].root != root) Fail("cycle " + std::to_string(cycle) + ": another root");
        }
        if (early.answer != expected) Fail("thread before load: " + early.answer + " / " + expected);
        if (early.message && !early.empty_message) Fail("thread before load: the message is not the empty text");

        FreeLibrary(m);
        SetEvent(release);
        WaitForSingleObject(lingering_thread, INFINITE);
        for (HANDLE h : threads) CloseHandle(h);
        for (HANDLE h : {go, early.go, early_thread, lingering.go, release, lingering_thread}) CloseHandle(h);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s Kodownik_W.dll Kodownik_A.dll\n", argv[0]);
        return 2;
    }
    Run<unsigned short>(argv[1]);
    Run<char>(argv[2]);
    std::printf("windows threads: %ld calls, 40 load/unload cycles, %d failures\n", static_cast<long>(g_calls), g_failures);
    return g_failures ? 1 : 0;
}
