// Runs a harness::Case against one library of the text type of the
// including translation unit, and renders the answer in a form that does not
// depend on the text type: texts as UTF-8, records field by field, pointers
// to arguments as @N. Two renderings are equal exactly when the answers are.
#pragma once

#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "harness/case.h"
#include "harness/export_table.h"

namespace HARNESS_NS {

struct Bound {
    void* fn[kExportCount] = {};
    std::string missing;  // the first export not found, if any
    // Pass the child node of a slot instead of the slot itself, so that only
    // first slots of nodes reach the exports (to fuzz past a known fault).
    bool first_slots_only = false;
};

#ifdef HARNESS_LINKED
inline Bound BindLinked() {
    Bound b;
    LinkedAddresses(b.fn);
    return b;
}
#endif

// find(ctx, symbol) resolves one exported symbol (dlsym / GetProcAddress).
template <class Find>
Bound BindLoaded(Find find) {
    Bound b;
    for (int i = 0; i < kExportCount; ++i) {
        b.fn[i] = find(Symbol(Exports()[i]));
        if (!b.fn[i] && b.missing.empty()) b.missing = Exports()[i].name;
    }
    return b;
}

namespace detail_call {

const uint16_t kCp1250[256] = {
#include "platform/cp1250_table.inc"
};

inline int ToCp1250(uint32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    for (int b = 0x80; b < 256; ++b)
        if (kCp1250[b] == cp) return b;
    return -1;
}

struct Impossible {};

// The arguments of one call, each text in its own allocation of exactly its
// length plus the NUL, so that a read past the NUL is caught.
struct Storage {
    std::vector<std::unique_ptr<KChar[]>> texts;
    std::vector<std::unique_ptr<char[]>> narrow;
    std::vector<std::unique_ptr<intptr_t[]>> arrays;
    std::vector<std::unique_ptr<int>> outs;
    std::unique_ptr<KChar[]> buffer;
};

inline const KChar* MakeText(Storage& s, const harness::Text& t) {
    if (t.null) return nullptr;
    std::unique_ptr<KChar[]> p(new KChar[t.units.size() + 1]);
    for (size_t i = 0; i < t.units.size(); ++i) {
        uint32_t u = t.units[i], v = u & ~harness::kRaw;
        if (kWideText) {
            if (!(u & harness::kRaw) && v > 0xFFFF) throw Impossible{};
            p[i] = static_cast<KChar>(v & 0xFFFF);
        } else {
            int b = (u & harness::kRaw) ? static_cast<int>(v & 0xFF) : ToCp1250(v);
            if (b < 0) throw Impossible{};
            p[i] = static_cast<KChar>(b);
        }
    }
    p[t.units.size()] = 0;
    s.texts.push_back(std::move(p));
    return s.texts.back().get();
}

inline const char* MakeNarrow(Storage& s, const harness::Text& t) {
    if (t.null) return nullptr;
    std::unique_ptr<char[]> p(new char[t.units.size() + 1]);
    for (size_t i = 0; i < t.units.size(); ++i) {
        uint32_t u = t.units[i], v = u & ~harness::kRaw;
        int b = (u & harness::kRaw) ? static_cast<int>(v & 0xFF) : ToCp1250(v);
        if (b < 0) throw Impossible{};
        p[i] = static_cast<char>(b);
    }
    p[t.units.size()] = 0;
    s.narrow.push_back(std::move(p));
    return s.narrow.back().get();
}

inline void Utf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) out += static_cast<char>(cp);
    else if (cp < 0x800) { out += static_cast<char>(0xC0 | (cp >> 6)); out += static_cast<char>(0x80 | (cp & 0x3F)); }
    else { out += static_cast<char>(0xE0 | (cp >> 12)); out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F)); out += static_cast<char>(0x80 | (cp & 0x3F)); }
}

// One character of the build as the character it stands for.
inline uint32_t CharCode(KChar c) {
    if (kWideText) return static_cast<uint16_t>(c);
    unsigned b = static_cast<unsigned char>(c);
    uint32_t cp = kCp1250[b];
    return (b && (cp == 0 || cp == 0xFFFD)) ? 0xF000 | b : cp;
}

inline void RenderText(std::string& out, const KChar* p) {
    if (!p) { out += "null"; return; }
    out += '"';
    for (; *p; ++p) Utf8(out, CharCode(*p));
    out += '"';
}

// Counts and attributes as numbers: 8-bit characters are signed.
inline long long CharNumber(KChar c) {
    return kWideText ? static_cast<long long>(static_cast<uint16_t>(c)) : static_cast<long long>(static_cast<signed char>(c));
}

// notation: as the vectors write it, {"description", from, to, attribute,
// "short"} with the attribute as a number; else compact, the attribute as
// the character it stands for.
inline void RenderEntry(std::string& out, const _stOpisOkresu* e, bool notation = false) {
    if (!e) { out += "null"; return; }
    const char* sep = notation ? ", " : ",";
    out += '{';
    RenderText(out, e->description);
    out += sep + std::to_string(e->valid_from) + sep + std::to_string(e->valid_to) + sep +
           std::to_string(notation ? CharNumber(e->attribute) : static_cast<long long>(CharCode(e->attribute))) + sep;
    RenderText(out, e->short_text);
    out += '}';
}

inline unsigned SlotCount(const _stOpisKodu* s) {
    return kWideText ? static_cast<uint16_t>(s->count) : static_cast<unsigned char>(s->count);
}

// A slot: its entries and the counts of the ten slots of its child node.
inline void RenderSlot(std::string& out, const _stOpisKodu* s) {
    if (!s) { out += "null"; return; }
    unsigned n = SlotCount(s);
    out += "slot(" + std::to_string(n) + ",[";
    for (unsigned i = 0; i < n && s->entries; ++i) RenderEntry(out, s->entries + i);
    out += "],";
    if (!s->child) out += "nochild";
    else
        for (int d = 0; d < 10; ++d) out += (d ? "," : "") + std::to_string(SlotCount(s->child + d));
    out += ')';
}

inline void RenderMessages(std::string& out, const _stSlownikMsg* m) {
    if (!m) { out += "null"; return; }
    out += "msg(" + std::to_string(m->count) + ",";
    KChar name[81];
    std::memcpy(name, m->name, sizeof m->name);
    name[80] = 0;
    RenderText(out, name);
    for (int i = 0; i < m->count && m->entries; ++i) {
        out += ',';
        RenderText(out, m->entries[i].code);
        RenderText(out, m->entries[i].message);
        out += std::to_string(m->entries[i].selectable);
    }
    out += ')';
}

// Every code below a node, with its entries, depth first.
inline void RenderTrie(std::string& out, const _stOpisKodu* node, int depth) {
    if (!node || depth > 64) return;
    for (int d = 0; d < 10; ++d) {
        const _stOpisKodu* s = node + d;
        if (!SlotCount(s) && !s->child) continue;
        out += static_cast<char>('0' + d);
        for (unsigned i = 0; i < SlotCount(s) && s->entries; ++i) RenderEntry(out, s->entries + i);
        if (s->child) {
            out += '(';
            RenderTrie(out, s->child, depth + 1);
            out += ')';
        }
    }
}

}  // namespace detail_call

struct Outcome {
    bool impossible = false;  // a text the text type cannot hold
    intptr_t raw = 0;         // the result as returned
    std::string answer;       // rendered result, then each out place
    // With notation set, for checks against the vector notation: every
    // argument pointer in order (for @N; variadic texts one each), the
    // result as the notation writes it (texts "UTF-8" or null; slot(count,
    // child|nochild); {"description", from, to, attribute, "short"}; empty
    // for the other kinds) and the value of each out / buf place.
    std::vector<const void*> pointers;
    std::string result;
    std::vector<std::string> outs;
};

namespace detail_call {

inline void NotateResult(std::string& out, char kind, intptr_t raw) {
    if (kind == 'T') {
        RenderText(out, reinterpret_cast<const KChar*>(raw));
    } else if (kind == 'S' && raw) {
        const _stOpisKodu* s = reinterpret_cast<const _stOpisKodu*>(raw);
        out += "slot(" + std::to_string(CharNumber(s->count)) + ", " + (s->child ? "child" : "nochild") + ")";
    } else if (kind == 'E' && raw) {
        RenderEntry(out, reinterpret_cast<const _stOpisOkresu*>(raw), true);
    }
}

}  // namespace detail_call

// Root and slot arguments are obtained through the bound library itself.
inline const _stOpisKodu* Root(const Bound& b, uint32_t id) {
    if (!b.fn[1]) return nullptr;
    intptr_t a[kMaxArgs] = {static_cast<intptr_t>(id)};
    return reinterpret_cast<const _stOpisKodu*>(Exports()[1].invoke(b.fn[1], a));
}

inline Outcome Run(const Bound& b, const harness::Case& c, bool render = true, bool notation = false) {
    using namespace detail_call;
    Outcome o;
    Storage s;
    intptr_t a[kMaxArgs] = {};
    std::vector<const void*> pointers;  // argument pointers, for @N
    std::vector<std::pair<char, const void*>> places;
    int n = 0;
    try {
        for (const harness::Arg& arg : c.args) {
            switch (arg.kind) {
                case 'I': a[n++] = static_cast<intptr_t>(static_cast<int32_t>(arg.value)); pointers.push_back(nullptr); break;
                case 'U': a[n++] = static_cast<intptr_t>(static_cast<uint32_t>(arg.value)); pointers.push_back(nullptr); break;
                case 'T': a[n++] = reinterpret_cast<intptr_t>(MakeText(s, arg.text)); pointers.push_back(reinterpret_cast<const void*>(a[n - 1])); break;
                case 'N': a[n++] = reinterpret_cast<intptr_t>(MakeNarrow(s, arg.text)); pointers.push_back(reinterpret_cast<const void*>(a[n - 1])); break;
                case 'P': {
                    const _stOpisKodu* p = nullptr;
                    if (arg.value == 1) p = Root(b, arg.dictionary);
                    if (arg.value == 2 && b.fn[2]) {
                        intptr_t q[kMaxArgs] = {reinterpret_cast<intptr_t>(Root(b, arg.dictionary)),
                                                reinterpret_cast<intptr_t>(MakeText(s, arg.text))};
                        p = reinterpret_cast<const _stOpisKodu*>(Exports()[2].invoke(b.fn[2], q));
                        if (p && b.first_slots_only) p = p->child;
                    }
                    a[n++] = reinterpret_cast<intptr_t>(p);
                    pointers.push_back(p);
                    break;
                }
                case 'O':
                    if (arg.value) {
                        s.outs.push_back(std::unique_ptr<int>(new int(12345)));
                        places.push_back({'O', s.outs.back().get()});
                        a[n++] = reinterpret_cast<intptr_t>(s.outs.back().get());
                    } else a[n++] = 0;
                    pointers.push_back(nullptr);
                    break;
                case 'B':
                    // DDMMRRRR and the NUL: nine characters, exactly.
                    if (arg.value) {
                        s.buffer.reset(new KChar[9]());
                        places.push_back({'B', s.buffer.get()});
                        a[n++] = reinterpret_cast<intptr_t>(s.buffer.get());
                    } else a[n++] = 0;
                    pointers.push_back(nullptr);
                    break;
                case 'L':
                    if (arg.value) {
                        std::unique_ptr<intptr_t[]> list(new intptr_t[arg.list.size() + 1]);
                        for (size_t i = 0; i < arg.list.size(); ++i) list[i] = reinterpret_cast<intptr_t>(MakeText(s, arg.list[i]));
                        list[arg.list.size()] = 0;
                        s.arrays.push_back(std::move(list));
                        a[n++] = reinterpret_cast<intptr_t>(s.arrays.back().get());
                    } else a[n++] = 0;
                    pointers.push_back(reinterpret_cast<const void*>(a[n - 1]));
                    break;
                case 'V':
                    for (size_t i = 0; i < arg.list.size() && n < kMaxArgs - 1; ++i) {
                        a[n++] = reinterpret_cast<intptr_t>(MakeText(s, arg.list[i]));
                        pointers.push_back(reinterpret_cast<const void*>(a[n - 1]));
                    }
                    a[n++] = 0;  // the end of the list
                    break;
            }
        }
    } catch (const Impossible&) {
        o.impossible = true;
        return o;
    }
    o.raw = Exports()[c.function].invoke(b.fn[c.function], a);
    const char kind = Exports()[c.function].result;
    if (notation) {
        o.pointers = pointers;
        NotateResult(o.result, kind, o.raw);
        for (auto& place : places) {
            o.outs.emplace_back();
            if (place.first == 'O') o.outs.back() = std::to_string(*static_cast<const int*>(place.second));
            else RenderText(o.outs.back(), static_cast<const KChar*>(place.second));
        }
    }
    if (!render) return o;
    std::string& out = o.answer;
    switch (kind) {
        case 'I': out = std::to_string(static_cast<int32_t>(o.raw)); break;
        case 'B': out = std::to_string(static_cast<unsigned char>(o.raw)); break;
        case 'T': {
            const void* p = reinterpret_cast<const void*>(o.raw);
            size_t at = 0;
            while (at < pointers.size() && !(p && pointers[at] == p)) ++at;
            if (at < pointers.size()) out = "@" + std::to_string(at);
            else RenderText(out, static_cast<const KChar*>(p));
            break;
        }
        case 'S': RenderSlot(out, reinterpret_cast<const _stOpisKodu*>(o.raw)); break;
        case 'E': RenderEntry(out, reinterpret_cast<const _stOpisOkresu*>(o.raw)); break;
        case 'M': RenderMessages(out, reinterpret_cast<const _stSlownikMsg*>(o.raw)); break;
    }
    for (auto& place : places) {
        out += "; ";
        if (place.first == 'O') out += std::to_string(*static_cast<const int*>(place.second));
        else RenderText(out, static_cast<const KChar*>(place.second));
    }
    return o;
}

}  // namespace HARNESS_NS
