#include "provenance.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace kodcli {

const char* SourceOf(unsigned id, const std::string& code, int index) {
    const ProvenanceRow* end = kProvenance + kProvenanceCount;
    auto less = [](const ProvenanceRow& r, const std::tuple<unsigned, const char*, int>& k) {
        if (r.id != std::get<0>(k)) return r.id < std::get<0>(k);
        int c = std::strcmp(r.code, std::get<1>(k));
        if (c != 0) return c < 0;
        return r.index < std::get<2>(k);
    };
    auto key = std::make_tuple(id, code.c_str(), index);
    const ProvenanceRow* p = std::lower_bound(kProvenance, end, key, less);
    if (p != end && p->id == id && code == p->code && p->index == index) return p->source;
    return nullptr;
}

}  // namespace kodcli
