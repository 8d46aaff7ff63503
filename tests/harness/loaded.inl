// Loaded for the text type of the including file (loaded_w.cpp / loaded_a.cpp).
#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "harness/call.h"
#include "harness/loaded.h"

namespace {

#ifdef _WIN32
void* OpenLibrary(const std::string& path, std::string& error) {
    void* handle = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
    if (!handle) error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return handle;
}
void* FindSymbol(void* handle, const char* symbol) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), symbol));
}
void CloseLibrary(void* handle) { FreeLibrary(static_cast<HMODULE>(handle)); }
#else
void* OpenLibrary(const std::string& path, std::string& error) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* e = dlerror();
        error = e ? e : "cannot load " + path;
    }
    return handle;
}
void* FindSymbol(void* handle, const char* symbol) { return dlsym(handle, symbol); }
void CloseLibrary(void* handle) { dlclose(handle); }
#endif

class LoadedImpl : public harness::Loaded {
public:
    LoadedImpl(void* handle, const HARNESS_NS::Bound& bound) : handle_(handle), bound_(bound) {}
    ~LoadedImpl() override { Close(); }
    bool Wide() const override { return HARNESS_NS::kWideText; }
    bool Has(int function) const override { return bound_.fn[function] != nullptr; }
    harness::Answer Run(const harness::Case& c, bool render, bool notation) override {
        HARNESS_NS::Outcome o = HARNESS_NS::Run(bound_, c, render, notation);
        harness::Answer a;
        a.impossible = o.impossible;
        a.raw = o.raw;
        a.text = std::move(o.answer);
        a.pointers = std::move(o.pointers);
        a.result = std::move(o.result);
        a.outs = std::move(o.outs);
        return a;
    }
    std::string Trie(intptr_t node) override {
        std::string out;
        HARNESS_NS::detail_call::RenderTrie(out, reinterpret_cast<const _stOpisKodu*>(node), 0);
        return out;
    }
    void Close() override {
        if (handle_) CloseLibrary(handle_);
        handle_ = nullptr;
    }

private:
    void* handle_;
    HARNESS_NS::Bound bound_;
};

std::unique_ptr<harness::Loaded> Load(const std::string& path, std::string& error, bool partial) {
    void* handle = OpenLibrary(path, error);
    if (!handle) return nullptr;
    HARNESS_NS::Bound bound = HARNESS_NS::BindLoaded([&](const char* symbol) { return FindSymbol(handle, symbol); });
    if (!bound.missing.empty() && !partial) {
        error = path + ": export not found: " + bound.missing;
        CloseLibrary(handle);
        return nullptr;
    }
    return std::unique_ptr<harness::Loaded>(new LoadedImpl(handle, bound));
}

}  // namespace
