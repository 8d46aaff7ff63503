// Threads and the library's lifecycle, on a library loaded afresh
// (dlopen) for each scenario, so that the first calls race the one-time build:
//   1. 16 threads start at once, each with a different first export, then a
//      mix of vector and random cases; every answer must equal the answer of
//      a single-threaded run.
//   2. 16 threads call sl_PobierzSlownik first, at once: all get the same
//      root, and the trie under it is complete when they walk it.
//   3. Threads created before the library was loaded get a working text
//      buffer on their first KVDSlownikGetKodMsg.
//   4. 50 load/unload cycles with threads coming and going, one of them
//      still alive (holding a buffer) when the library is unloaded and
//      ending afterwards.
//
//   kodownik_threads LIBRARY FILE.vec...   (text type from the name Kodownik_W / Kodownik_A)
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "harness/case.h"
#include "harness/loaded.h"

namespace {

int g_failures = 0;
std::atomic<long> g_calls{0};

void Fail(const std::string& what) {
    if (++g_failures <= 30) std::printf("FAIL %s\n", what.c_str());
}

// All threads leave Wait() together.
class StartLine {
public:
    explicit StartLine(int n) : n_(n) {}
    void Wait() {
        waiting_.fetch_add(1);
        while (waiting_.load() < n_) std::this_thread::yield();
    }

private:
    int n_;
    std::atomic<int> waiting_{0};
};

struct Setup {
    std::string path;
    bool wide = false;
    std::vector<harness::Case> work;
    std::vector<std::string> expected;  // single-threaded answers of work
    int now = -1;                        // sl_Now: its answer follows the clock
    harness::Case root;                  // sl_PobierzSlownik(10004)
    std::string trie;                    // everything under that root
    std::vector<harness::Case> messages; // KVDSlownikGetKodMsg cases
    std::vector<std::string> expected_messages;
};

std::unique_ptr<harness::Loaded> Load(const Setup& s) {
    std::string error;
    auto lib = s.wide ? harness::LoadWide(s.path, error) : harness::LoadNarrow(s.path, error);
    if (!lib) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(2);
    }
    return lib;
}

harness::Case Call(const char* name, std::vector<harness::Arg> args) {
    harness::Case c;
    c.function = harness::FindExport(name);
    c.args = std::move(args);
    return c;
}

harness::Arg Int(int64_t v) { harness::Arg a; a.kind = 'I'; a.value = v; return a; }
harness::Arg Uns(int64_t v) { harness::Arg a; a.kind = 'U'; a.value = v; return a; }
harness::Arg Txt(const std::u32string& s) { harness::Arg a; a.kind = 'T'; a.text = harness::Text::Of(s); return a; }
harness::Arg NullTxt() { harness::Arg a; a.kind = 'T'; return a; }

// Runs work item k and checks it against the single-threaded answer.
void Check(harness::Loaded& lib, const Setup& s, size_t k, const char* scenario) {
    const harness::Case& c = s.work[k];
    harness::Answer a = lib.Run(c);
    g_calls.fetch_add(1);
    if (c.function != s.now && a.text != s.expected[k])
        Fail(std::string(scenario) + ": " + harness::Describe(c).substr(0, 200) + "\n     got " + a.text.substr(0, 200) +
             "\n     single-threaded " + s.expected[k].substr(0, 200));
}

void CheckMessages(harness::Loaded& lib, const Setup& s, const char* scenario) {
    for (size_t k = 0; k < s.messages.size(); ++k) {
        harness::Answer a = lib.Run(s.messages[k]);
        g_calls.fetch_add(1);
        if (!a.raw) Fail(std::string(scenario) + ": KVDSlownikGetKodMsg returned null");
        if (a.text != s.expected_messages[k])
            Fail(std::string(scenario) + ": " + harness::Describe(s.messages[k]) + " got " + a.text + ", single-threaded " +
                 s.expected_messages[k]);
    }
}

void RunThreads(int n, const std::function<void(int)>& body) {
    std::vector<std::thread> threads;
    for (int t = 0; t < n; ++t) threads.emplace_back(body, t);
    for (auto& t : threads) t.join();
}

// 1. First calls through different exports race the build.
void MixedFirstCalls(const Setup& s) {
    auto lib = Load(s);
    const int kThreads = 16;
    const size_t per_thread = std::min<size_t>(s.work.size(), 250);
    StartLine start(kThreads);
    RunThreads(kThreads, [&](int t) {
        start.Wait();
        for (size_t k = 0; k < per_thread; ++k) Check(*lib, s, (t * 131 + k * 7) % s.work.size(), "mixed first calls");
    });
    lib->Close();
}

// 2. The first sl_PobierzSlownik, from 16 threads at once.
void RootRace(const Setup& s) {
    auto lib = Load(s);
    const int kThreads = 16;
    std::vector<intptr_t> roots(kThreads);
    std::vector<std::string> tries(kThreads);
    StartLine start(kThreads);
    RunThreads(kThreads, [&](int t) {
        start.Wait();
        roots[t] = lib->Run(s.root, false).raw;
        tries[t] = lib->Trie(roots[t]);
        g_calls.fetch_add(1);
    });
    const intptr_t root = lib->Run(s.root, false).raw;
    for (int t = 0; t < kThreads; ++t) {
        if (!roots[t] || roots[t] != root) Fail("root race: thread " + std::to_string(t) + " got another root");
        if (tries[t] != s.trie)
            Fail("root race: thread " + std::to_string(t) + " walked an incomplete trie (" + std::to_string(tries[t].size()) +
                 " of " + std::to_string(s.trie.size()) + " characters)");
    }
    lib->Close();
}

// 3. Threads that exist before the library is loaded.
void ThreadsBeforeLoad(const Setup& s) {
    const int kThreads = 4;
    std::atomic<harness::Loaded*> lib{nullptr};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t]() {
            harness::Loaded* l;
            while (!(l = lib.load())) std::this_thread::yield();
            CheckMessages(*l, s, "thread before load");
            for (size_t k = 0; k < 20; ++k) Check(*l, s, (t * 17 + k) % s.work.size(), "thread before load");
            CheckMessages(*l, s, "thread before load");
        });
    auto loaded = Load(s);
    lib.store(loaded.get());
    for (auto& t : threads) t.join();
    loaded->Close();
}

// 4. Load/unload cycles with threads coming and going.
void Cycles(const Setup& s, int cycles) {
    for (int cycle = 0; cycle < cycles; ++cycle) {
        auto lib = Load(s);
        std::atomic<bool> unloaded{false};
        std::atomic<bool> lingering_ready{false};
        // Called the library, so it holds a buffer; still alive at the unload.
        std::thread lingering([&]() {
            CheckMessages(*lib, s, "cycles");
            lingering_ready.store(true);
            while (!unloaded.load()) std::this_thread::yield();
        });
        const int kThreads = 4;
        StartLine start(kThreads);
        RunThreads(kThreads, [&](int t) {
            start.Wait();
            for (size_t k = 0; k < 25; ++k) Check(*lib, s, (cycle * 53 + t * 29 + k * 11) % s.work.size(), "cycles");
            CheckMessages(*lib, s, "cycles");
        });
        while (!lingering_ready.load()) std::this_thread::yield();
        lib->Close();
        unloaded.store(true);
        lingering.join();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s LIBRARY FILE.vec...\n", argv[0]);
        return 2;
    }
    Setup s;
    s.path = argv[1];
    s.wide = s.path.find("Kodownik_W") != std::string::npos;
    const char letter = s.wide ? 'W' : 'A';
    const auto corpus = harness::ReadVectorFiles(std::vector<std::string>(argv + 2, argv + argc));

    // The work: every 5th vector case of this text type and random cases around them.
    for (size_t k = 0; k < corpus.size(); k += 5)
        if (!corpus[k].only || corpus[k].only == letter) s.work.push_back(corpus[k].call);
    harness::Generator gen(corpus, 7);
    for (int f = 0; f < harness::ExportCount(); ++f) s.work.push_back(gen.RandomFor(f));
    for (int k = 0; k < 300; ++k) s.work.push_back(gen.Next());
    s.now = harness::FindExport("sl_Now");
    s.root = Call("sl_PobierzSlownik", {Uns(10004)});
    for (int key : {0, 1, 10004, -1, 2147483647})
        s.messages.push_back(Call("KVDSlownikGetKodMsg", {Int(key), Txt(U"1"), Txt(U"01012005")}));
    s.messages.push_back(Call("KVDSlownikGetKodMsg", {Int(1), NullTxt(), NullTxt()}));
    s.messages.push_back(Call("sl_KVDSlownikGetKodMsg", {Int(1), Txt(std::u32string(3000, U'7')), Txt(U"")}));

    // Single-threaded answers, from a load of its own.
    {
        auto lib = Load(s);
        std::vector<harness::Case> possible;
        for (const harness::Case& c : s.work) {
            harness::Answer a = lib->Run(c);
            if (a.impossible) continue;
            possible.push_back(c);
            s.expected.push_back(a.text);
        }
        s.work.swap(possible);
        for (const harness::Case& c : s.messages) s.expected_messages.push_back(lib->Run(c).text);
        s.trie = lib->Trie(lib->Run(s.root, false).raw);
        lib->Close();
    }
    if (s.trie.empty()) Fail("dictionary 10004 has an empty trie");

    MixedFirstCalls(s);
    RootRace(s);
    ThreadsBeforeLoad(s);
    Cycles(s, 50);

    std::printf("%c: %ld calls from threads, %zu distinct cases, %d failures\n", letter, g_calls.load(), s.work.size(),
                g_failures);
    return g_failures ? 1 : 0;
}
