// A built library loaded at run time (dlopen), driven through the harness
// table of its text type. The wide and the 8-bit library can be loaded side
// by side: each text type is served by its own translation unit.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "harness/case.h"

namespace harness {

struct Answer {
    bool impossible = false;  // a text the library's text type cannot hold
    intptr_t raw = 0;
    std::string text;         // rendered result and out places (see call.h)
};

class Loaded {
public:
    virtual ~Loaded() = default;
    virtual bool Wide() const = 0;
    virtual Answer Run(const Case& c, bool render = true) = 0;
    // Every code of the trie under a node that sl_PobierzSlownik returned.
    virtual std::string Trie(intptr_t node) = 0;
    // Unloads the library (dlclose); nothing may be called afterwards.
    virtual void Close() = 0;
};

// Null with error set when the file cannot be loaded or lacks an export.
std::unique_ptr<Loaded> LoadWide(const std::string& path, std::string& error);
std::unique_ptr<Loaded> LoadNarrow(const std::string& path, std::string& error);

}  // namespace harness
