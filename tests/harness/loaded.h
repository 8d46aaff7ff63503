// A built library loaded at run time (dlopen / LoadLibrary), driven through the harness
// table of its text type. The wide and the 8-bit library can be loaded side
// by side: each text type is served by its own translation unit.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "harness/case.h"

namespace harness {

struct Answer {
    bool impossible = false;  // a text the library's text type cannot hold
    intptr_t raw = 0;
    std::string text;         // rendered result and out places (see call.h)
    // With notation (see Outcome in call.h): argument pointers, the result
    // and the out places as the vector notation writes them.
    std::vector<const void*> pointers;
    std::string result;
    std::vector<std::string> outs;
};

class Loaded {
public:
    virtual ~Loaded() = default;
    virtual bool Wide() const = 0;
    virtual Answer Run(const Case& c, bool render = true, bool notation = false) = 0;
    // Whether the library has the export (only a partial load may lack one).
    virtual bool Has(int function) const = 0;
    // Every code of the trie under a node that sl_PobierzSlownik returned.
    virtual std::string Trie(intptr_t node) = 0;
    // Unloads the library; nothing may be called afterwards.
    virtual void Close() = 0;
};

// Null with error set when the file cannot be loaded or (unless partial)
// lacks an export.
std::unique_ptr<Loaded> LoadWide(const std::string& path, std::string& error, bool partial = false);
std::unique_ptr<Loaded> LoadNarrow(const std::string& path, std::string& error, bool partial = false);

}  // namespace harness
