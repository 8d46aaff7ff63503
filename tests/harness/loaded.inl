// Loaded for the text type of the including file (loaded_w.cpp / loaded_a.cpp).
#include <dlfcn.h>

#include "harness/call.h"
#include "harness/loaded.h"

namespace {

class LoadedImpl : public harness::Loaded {
public:
    LoadedImpl(void* handle, const HARNESS_NS::Bound& bound) : handle_(handle), bound_(bound) {}
    ~LoadedImpl() override { Close(); }
    bool Wide() const override { return HARNESS_NS::kWideText; }
    harness::Answer Run(const harness::Case& c, bool render) override {
        HARNESS_NS::Outcome o = HARNESS_NS::Run(bound_, c, render);
        harness::Answer a;
        a.impossible = o.impossible;
        a.raw = o.raw;
        a.text = std::move(o.answer);
        return a;
    }
    std::string Trie(intptr_t node) override {
        std::string out;
        HARNESS_NS::detail_call::RenderTrie(out, reinterpret_cast<const _stOpisKodu*>(node), 0);
        return out;
    }
    void Close() override {
        if (handle_) dlclose(handle_);
        handle_ = nullptr;
    }

private:
    void* handle_;
    HARNESS_NS::Bound bound_;
};

std::unique_ptr<harness::Loaded> Load(const std::string& path, std::string& error) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* e = dlerror();
        error = e ? e : "cannot load " + path;
        return nullptr;
    }
    HARNESS_NS::Bound bound = HARNESS_NS::BindLoaded([&](const char* symbol) { return dlsym(handle, symbol); });
    if (!bound.missing.empty()) {
        error = path + ": export not found: " + bound.missing;
        dlclose(handle);
        return nullptr;
    }
    return std::unique_ptr<harness::Loaded>(new LoadedImpl(handle, bound));
}

}  // namespace
