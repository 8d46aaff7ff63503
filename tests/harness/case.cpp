#include "harness/case.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>

#define HARNESS_NAMES_ONLY 1
#include "harness/export_table.h"

namespace harness {

Text Text::Of(const std::u32string& s) {
    Text t;
    t.null = false;
    for (char32_t c : s) t.units.push_back(static_cast<uint32_t>(c));
    return t;
}

int ExportCount() { return HARNESS_NS::kExportCount; }
const char* ExportName(int f) { return HARNESS_NS::ExportNames()[f].name; }
const char* ExportParams(int f) { return HARNESS_NS::ExportNames()[f].params; }
char ExportResult(int f) { return HARNESS_NS::ExportNames()[f].result; }
int FindExport(const std::string& name) {
    for (int i = 0; i < ExportCount(); ++i)
        if (name == ExportName(i)) return i;
    return -1;
}

// ---------------------------------------------------------------------------
// Describe

namespace {

void AppendText(std::string& out, const Text& t) {
    if (t.null) { out += "null"; return; }
    out += '"';
    char b[16];
    for (uint32_t u : t.units) {
        uint32_t v = u & ~kRaw;
        if ((u & kRaw) && !(v >= 0x20 && v < 0x7F && v != '"' && v != '\\')) { std::snprintf(b, sizeof b, "\\x%02X", v); out += b; }
        else if (v >= 0x20 && v < 0x7F && v != '"' && v != '\\') out += static_cast<char>(v);
        else { std::snprintf(b, sizeof b, "\\u{%04X}", v); out += b; }
    }
    out += '"';
}

}  // namespace

std::string Describe(const Case& c) {
    std::string out = ExportName(c.function);
    out += '(';
    bool first = true;
    auto sep = [&]() { if (!first) out += ", "; first = false; };
    for (const Arg& a : c.args) {
        switch (a.kind) {
            case 'I': case 'U': sep(); out += std::to_string(a.value); break;
            case 'T': case 'N': sep(); if (a.kind == 'N' && !a.text.null) out += "a8"; AppendText(out, a.text); break;
            case 'P':
                sep();
                if (a.value == 0) out += "null";
                else if (a.value == 1) out += "root(" + std::to_string(a.dictionary) + ")";
                else { out += "slot(" + std::to_string(a.dictionary) + ", "; AppendText(out, a.text); out += ")"; }
                break;
            case 'O': sep(); out += a.value ? "out" : "null"; break;
            case 'B': sep(); out += a.value ? "buf" : "null"; break;
            case 'L':
                sep();
                if (!a.value) { out += "null"; break; }
                out += '[';
                for (size_t i = 0; i < a.list.size(); ++i) { if (i) out += ", "; AppendText(out, a.list[i]); }
                out += ']';
                break;
            case 'V':
                for (size_t i = 0; i < a.list.size();) {
                    size_t j = i;
                    while (j < a.list.size() && a.list[j].units == a.list[i].units && a.list[j].null == a.list[i].null) ++j;
                    sep();
                    AppendText(out, a.list[i]);
                    if (j - i > 1) out += "#" + std::to_string(j - i);
                    i = j;
                }
                break;
        }
    }
    out += ')';
    return out;
}

// ---------------------------------------------------------------------------
// Vector lines

void Cursor::Skip() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t')) ++i_;
}

char Cursor::Peek() {
    Skip();
    return i_ < s_.size() ? s_[i_] : 0;
}

bool Cursor::Eat(char c) {
    if (Peek() != c) return false;
    ++i_;
    return true;
}

void Cursor::Need(char c, const char* what) {
    if (!Eat(c)) throw ParseError{std::string(what) + " expected"};
}

bool Cursor::Word(const char* w) {
    Skip();
    size_t n = std::strlen(w);
    if (s_.compare(i_, n, w) != 0) return false;
    if (i_ + n < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[i_ + n])) || s_[i_ + n] == '_')) return false;
    i_ += n;
    return true;
}

bool Cursor::AtEnd() {
    Skip();
    return i_ >= s_.size() || s_[i_] == '#';
}

int64_t Cursor::Number() {
    Skip();
    if (i_ < s_.size() && s_[i_] == '\'') {  // a character
        if (i_ + 2 >= s_.size()) throw ParseError{"character expected at: " + Rest()};
        int64_t v = static_cast<unsigned char>(s_[i_ + 1]);
        i_ += 3;
        return v;
    }
    size_t start = i_;
    if (i_ < s_.size() && (s_[i_] == '-' || s_[i_] == '+')) ++i_;
    int base = 10;
    if (s_.compare(i_, 2, "0x") == 0) { base = 16; i_ += 2; }
    size_t digits = i_;
    while (i_ < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
    if (digits == i_) throw ParseError{"integer expected at: " + s_.substr(start)};
    return std::strtoll(s_.substr(start, i_ - start).c_str(), nullptr, base);
}

namespace {

std::u32string Utf8(const std::string& s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t cp;
        int n;
        if (c < 0x80) { cp = c; n = 1; }
        else if ((c >> 5) == 6) { cp = c & 0x1F; n = 2; }
        else if ((c >> 4) == 14) { cp = c & 0x0F; n = 3; }
        else { cp = c & 0x07; n = 4; }
        for (int k = 1; k < n && i + k < s.size(); ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(cp);
        i += n;
    }
    return out;
}

}  // namespace

Text Cursor::Quoted() {
    if (!Eat('"')) throw ParseError{"text expected at: " + Rest()};
    Text t;
    t.null = false;
    std::string utf8;
    auto flush = [&]() {
        for (char32_t cp : Utf8(utf8)) t.units.push_back(static_cast<uint32_t>(cp));
        utf8.clear();
    };
    while (true) {
        if (i_ >= s_.size()) throw ParseError{"unterminated text"};
        char ch = s_[i_++];
        if (ch == '"') break;
        if (ch != '\\') { utf8 += ch; continue; }
        if (i_ >= s_.size()) throw ParseError{"unterminated text"};
        char e = s_[i_++];
        if (e == 'n') utf8 += '\n';
        else if (e == 't') utf8 += '\t';
        else if (e == 'x') {
            flush();
            t.units.push_back(kRaw | static_cast<uint32_t>(std::strtoul(s_.substr(i_, 2).c_str(), nullptr, 16)));
            i_ += 2;
        } else if (e == 'u') {
            flush();
            size_t close = s_.find('}', i_);
            if (close == std::string::npos) throw ParseError{"unterminated \\u{...}"};
            t.units.push_back(static_cast<uint32_t>(std::strtoul(s_.substr(i_ + 1, close - i_ - 1).c_str(), nullptr, 16)));
            i_ = close + 1;
        } else utf8 += e;
    }
    flush();
    if (i_ < s_.size() && s_[i_] == '*') {
        ++i_;
        int64_t n = Number();
        if (n < 0 || n > 100000) throw ParseError{"repeat count out of range"};
        Text r;
        r.null = false;
        for (int64_t k = 0; k < n; ++k) r.units.insert(r.units.end(), t.units.begin(), t.units.end());
        return r;
    }
    return t;
}

Text Cursor::TextArg() {
    if (Word("null")) return Text::Null();
    Skip();
    if (s_.compare(i_, 3, "a8\"") == 0) i_ += 2;
    return Quoted();
}

namespace {

// The line without its comment: a # at the start or after a blank, outside
// a text ("x"#300 repeats an argument); trailing blanks go too.
std::string WithoutComment(const std::string& line) {
    size_t end = line.size();
    bool in_text = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && in_text) { ++i; continue; }
        if (line[i] == '"') in_text = !in_text;
        if (line[i] == '#' && !in_text && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) {
            end = i;
            break;
        }
    }
    while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t')) --end;
    return line.substr(0, end);
}

// The longest list of variadic texts a call can pass before its null.
constexpr size_t kMaxListed = HARNESS_NS::kVarArgs - 1;

Case ParseCall(Cursor& c, const std::string& line) {
    size_t start = c.Pos();
    size_t end = start;
    while (end < line.size() && (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '_')) ++end;
    const std::string name = line.substr(start, end - start);
    int f = FindExport(name);
    if (f < 0) throw ParseError{"unknown function " + name};
    c.Word(name.c_str());
    Case call;
    call.function = f;
    c.Need('(', "(");
    for (const char* k = ExportParams(f); *k; ++k) {
        Arg a;
        a.kind = *k;
        switch (*k) {
            case 'I': case 'U': a.value = c.Number(); break;
            case 'T': case 'N': a.text = c.TextArg(); break;
            case 'P':
                if (c.Word("null")) a.value = 0;
                else if (c.Word("root")) { c.Need('(', "("); a.value = 1; a.dictionary = static_cast<uint32_t>(c.Number()); c.Need(')', ")"); }
                else if (c.Word("slot")) {
                    c.Need('(', "(");
                    a.value = 2;
                    a.dictionary = static_cast<uint32_t>(c.Number());
                    c.Need(',', "','");
                    a.text = c.TextArg();
                    c.Need(')', ")");
                } else throw ParseError{"root(ID) or slot(ID, \"code\") expected"};
                break;
            case 'O': if (c.Word("null")) a.value = 0; else if (c.Word("out")) a.value = 1; else throw ParseError{"out expected"}; break;
            case 'B': if (c.Word("null")) a.value = 0; else if (c.Word("buf")) a.value = 1; else throw ParseError{"buf expected"}; break;
            case 'L':
                if (c.Word("null")) { a.value = 0; break; }
                c.Need('[', "[");
                a.value = 1;
                while (!c.Eat(']')) {
                    a.list.push_back(c.TextArg());
                    c.Eat(',');
                }
                break;
            case 'V':
                // A null is passed where it stands: the export stops there.
                while (c.Peek() != ')') {
                    Text t = c.TextArg();
                    int64_t times = 1;
                    if (c.Eat('#')) times = c.Number();
                    if (times < 0 || static_cast<uint64_t>(times) > kMaxListed - a.list.size()) throw ParseError{"too many arguments"};
                    for (int64_t n = 0; n < times; ++n) a.list.push_back(t);
                    c.Eat(',');
                }
                break;
        }
        call.args.push_back(a);
        if (*k != 'V' && k[1] && k[1] != 'V') c.Need(',', "','");
        else c.Eat(',');
    }
    c.Need(')', "')'");
    return call;
}

}  // namespace

bool ParseVectorLine(const std::string& raw, VectorCase& out) {
    std::string line = raw;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = WithoutComment(line);
    out.only = 0;
    out.error.clear();
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos) return false;
    line = line.substr(first);
    if (line.compare(0, 3, "W: ") == 0) { out.only = 'W'; line = line.substr(3); }
    else if (line.compare(0, 3, "A: ") == 0) { out.only = 'A'; line = line.substr(3); }
    out.text = line;
    try {
        Cursor c(out.text);
        out.call = ParseCall(c, out.text);
        out.end = c.Pos();
        return true;
    } catch (const ParseError& e) {
        out.error = e.what.empty() ? std::string("cannot parse") : e.what;
        return false;
    }
}

std::vector<VectorCase> ReadVectorFiles(const std::vector<std::string>& paths) {
    std::vector<VectorCase> all;
    for (const std::string& p : paths) {
        std::ifstream f(p);
        std::string line;
        int n = 0;
        while (std::getline(f, line)) {
            ++n;
            VectorCase v;
            if (ParseVectorLine(line, v)) {
                v.where = p + ":" + std::to_string(n);
                all.push_back(v);
            }
        }
    }
    return all;
}

// ---------------------------------------------------------------------------
// Fuzzer bytes
//
// call      := byte (export = byte % 59), then one field per parameter
// I, U      := byte t; t%8: 0 INT_MIN, 1 INT_MAX, 2 0, 3 -1, 4 and 7 int32 LE,
//              5 signed byte, 6 10000 + byte (dictionary IDs)
// T, N      := 0xFF null | 0xFE len16 units | 0xFD len8 repeat16 units | len units
// unit      := byte (8-bit texts); in wide texts 0xF0 lo hi gives any code unit
// P         := byte t; t%3: 0 null, 1 root(I), 2 slot(I, T)
// O, B      := byte, even: present, odd: null
// L         := 0xFF null | n (n%17 texts T)
// V         := count16 (%301), then if count: k = byte + 1 texts T used in turn
// Missing bytes read as 0.

namespace {

constexpr size_t kMaxUnits = 20000;

struct Reader {
    const uint8_t* p;
    size_t n;
    size_t i = 0;
    uint8_t Byte() { return i < n ? p[i++] : 0; }
    uint32_t U16() { uint32_t lo = Byte(); return lo | (static_cast<uint32_t>(Byte()) << 8); }
    uint32_t U32() { uint32_t lo = U16(); return lo | (U16() << 16); }
    bool Done() const { return i >= n; }
};

int64_t DecodeInt(Reader& r) {
    switch (r.Byte() % 8) {
        case 0: return INT_MIN;
        case 1: return INT_MAX;
        case 2: return 0;
        case 3: return -1;
        case 5: return static_cast<int8_t>(r.Byte());
        case 6: return 10000 + r.Byte();
        default: return static_cast<int32_t>(r.U32());
    }
}

std::vector<uint32_t> DecodeUnits(Reader& r, size_t len, bool wide) {
    std::vector<uint32_t> u;
    for (size_t k = 0; k < len && !r.Done(); ++k) {
        uint32_t b = r.Byte();
        if (wide && b == 0xF0) b = r.U16();
        u.push_back(kRaw | b);
    }
    return u;
}

Text DecodeText(Reader& r, bool wide) {
    uint8_t tag = r.Byte();
    Text t;
    if (tag == 0xFF) return t;
    t.null = false;
    if (tag == 0xFE) {
        size_t len = r.U16();
        t.units = DecodeUnits(r, len, wide);
    } else if (tag == 0xFD) {
        size_t len = r.Byte();
        size_t rep = r.U16();
        std::vector<uint32_t> one = DecodeUnits(r, len, wide);
        for (size_t k = 0; k < rep && t.units.size() + one.size() <= kMaxUnits; ++k)
            t.units.insert(t.units.end(), one.begin(), one.end());
    } else {
        t.units = DecodeUnits(r, tag, wide);
    }
    return t;
}

void EncodeInt(std::string& out, int64_t v) {
    int32_t x = static_cast<int32_t>(v);
    if (x == INT_MIN) out += '\0';
    else if (x == INT_MAX) out += '\1';
    else if (x == 0) out += '\2';
    else if (x == -1) out += '\3';
    else {
        out += '\4';
        for (int k = 0; k < 4; ++k) out += static_cast<char>((static_cast<uint32_t>(x) >> (8 * k)) & 0xFF);
    }
}

// Code point -> Windows-1250 byte, or -1.
int ToCp1250(uint32_t cp);

void EncodeText(std::string& out, const Text& t, bool wide, bool eight_bit) {
    if (t.null) { out += '\xFF'; return; }
    std::string units;
    size_t count = 0;
    for (uint32_t u : t.units) {
        uint32_t v = u & ~kRaw;
        if (!wide || eight_bit) {
            int b = (u & kRaw) ? static_cast<int>(v & 0xFF) : ToCp1250(v);
            if (b < 0) b = '?';
            units += static_cast<char>(b);
        } else if (v == 0xF0 || v > 0xFF) {
            units += '\xF0';
            units += static_cast<char>(v & 0xFF);
            units += static_cast<char>((v >> 8) & 0xFF);
        } else {
            units += static_cast<char>(v);
        }
        ++count;
    }
    if (count < 0xFD) out += static_cast<char>(count);
    else {
        if (count > 0xFFFF) count = 0xFFFF;
        out += '\xFE';
        out += static_cast<char>(count & 0xFF);
        out += static_cast<char>(count >> 8);
    }
    out += units;
}

const uint16_t kCp1250[256] = {
#include "platform/cp1250_table.inc"
};

int ToCp1250(uint32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    for (int b = 0x80; b < 256; ++b)
        if (kCp1250[b] == cp) return b;
    return -1;
}

}  // namespace

std::string Utf8Of(const Text& t, bool wide) {
    std::string out;
    for (uint32_t u : t.units) {
        uint32_t cp = u & ~kRaw;
        if ((u & kRaw) && !wide) cp = kCp1250[cp & 0xFF];
        if (cp < 0x80) out += static_cast<char>(cp);
        else if (cp < 0x800) { out += static_cast<char>(0xC0 | (cp >> 6)); out += static_cast<char>(0x80 | (cp & 0x3F)); }
        else { out += static_cast<char>(0xE0 | (cp >> 12)); out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F)); out += static_cast<char>(0x80 | (cp & 0x3F)); }
    }
    return out;
}

std::vector<Case> DecodeFuzz(const uint8_t* data, size_t size, bool wide, int max_calls) {
    std::vector<Case> calls;
    Reader r{data, size};
    while (!r.Done() && static_cast<int>(calls.size()) < max_calls) {
        Case c;
        c.function = r.Byte() % ExportCount();
        for (const char* k = ExportParams(c.function); *k; ++k) {
            Arg a;
            a.kind = *k;
            switch (*k) {
                case 'I': case 'U': a.value = DecodeInt(r); break;
                case 'T': a.text = DecodeText(r, wide); break;
                case 'N': a.text = DecodeText(r, false); break;
                case 'P':
                    a.value = r.Byte() % 3;
                    if (a.value) a.dictionary = static_cast<uint32_t>(DecodeInt(r));
                    if (a.value == 2) a.text = DecodeText(r, wide);
                    break;
                case 'O': case 'B': a.value = (r.Byte() % 2) == 0; break;
                case 'L': {
                    uint8_t tag = r.Byte();
                    if (tag == 0xFF) { a.value = 0; break; }
                    a.value = 1;
                    for (int n = tag % 17; n > 0; --n) a.list.push_back(DecodeText(r, wide));
                    break;
                }
                case 'V': {
                    uint32_t count = r.U16() % 301;
                    if (!count) break;
                    std::vector<Text> distinct;
                    for (int k2 = r.Byte() + 1; k2 > 0 && !r.Done(); --k2) {
                        Text t = DecodeText(r, wide);
                        t.null = false;  // a null ends the list: the harness adds it after the items
                        distinct.push_back(t);
                    }
                    if (distinct.empty()) distinct.push_back(Text::Of(U""));
                    for (uint32_t n = 0; n < count; ++n) a.list.push_back(distinct[n % distinct.size()]);
                    break;
                }
            }
            c.args.push_back(a);
        }
        calls.push_back(c);
    }
    return calls;
}

std::string EncodeFuzz(const Case& c, bool wide) {
    std::string out;
    out += static_cast<char>(c.function);
    for (const Arg& a : c.args) {
        switch (a.kind) {
            case 'I': case 'U': EncodeInt(out, a.value); break;
            case 'T': EncodeText(out, a.text, wide, false); break;
            case 'N': EncodeText(out, a.text, wide, true); break;
            case 'P':
                out += static_cast<char>(a.value);
                if (a.value) EncodeInt(out, a.dictionary);
                if (a.value == 2) EncodeText(out, a.text, wide, false);
                break;
            case 'O': case 'B': out += a.value ? '\0' : '\1'; break;
            case 'L':
                if (!a.value) { out += '\xFF'; break; }
                out += static_cast<char>(a.list.size() % 17);
                for (size_t i = 0; i < a.list.size() && i < 16; ++i) EncodeText(out, a.list[i], wide, false);
                break;
            case 'V': {
                size_t n = a.list.size() % 301;
                out += static_cast<char>(n & 0xFF);
                out += static_cast<char>(n >> 8);
                if (!n) break;
                bool same = true;
                for (const Text& t : a.list) same = same && t.units == a.list[0].units;
                size_t k = same ? 1 : (n > 256 ? 256 : n);
                out += static_cast<char>(k - 1);
                for (size_t i = 0; i < k; ++i) EncodeText(out, a.list[i], wide, false);
                break;
            }
        }
    }
    return out;
}

// ---------------------------------------------------------------------------
// Generator

namespace {

const char32_t kPolish[] = U"\u0105\u0107\u0119\u0142\u0144\u00F3\u015B\u017A\u017C\u0104\u0106\u0118\u0141\u0143\u00D3\u015A\u0179\u017B";

}  // namespace

Generator::Generator(const std::vector<VectorCase>& corpus, uint32_t seed) : rng_(seed) {
    for (const VectorCase& v : corpus) {
        if (v.only) continue;
        corpus_.push_back(v.call);
        for (const Arg& a : v.call.args) {
            if (a.kind == 'I' || a.kind == 'U') numbers_.push_back(a.value);
            if ((a.kind == 'T' || a.kind == 'N') && !a.text.null && a.text.units.size() < 64) texts_.push_back(a.text);
            if (a.kind == 'P' && a.value) {
                dictionaries_.push_back(a.dictionary);
                if (a.value == 2 && !a.text.null) texts_.push_back(a.text);
            }
            if (a.kind == 'L' || a.kind == 'V')
                for (const Text& t : a.list)
                    if (!t.null && t.units.size() < 64) texts_.push_back(t);
        }
    }
    for (uint32_t id = 10001; id <= 10049; ++id) dictionaries_.push_back(id);
    if (texts_.empty()) texts_.push_back(Text::Of(U"0"));
    if (numbers_.empty()) numbers_.push_back(0);
}

int64_t Generator::RandomNumber() {
    switch (Pick(8)) {
        case 0: return INT_MIN;
        case 1: return INT_MAX;
        case 2: return static_cast<int64_t>(Pick(7)) - 3;
        case 3: return 10001 + Pick(49);
        case 4: return 19000101 + Pick(2000000);
        case 5: return static_cast<int32_t>(rng_());
        default: return numbers_[Pick(static_cast<uint32_t>(numbers_.size()))];
    }
}

Text Generator::RandomText() {
    Text t = texts_[Pick(static_cast<uint32_t>(texts_.size()))];
    switch (Pick(12)) {
        case 0: return Text::Null();
        case 1: return Text::Of(U"");
        case 2: if (!t.units.empty()) t.units.resize(Pick(static_cast<uint32_t>(t.units.size()))); break;
        case 3: t.units.push_back('0' + Pick(10)); break;
        case 4: if (!t.units.empty()) t.units[Pick(static_cast<uint32_t>(t.units.size()))] = kPolish[Pick(18)]; break;
        case 5: if (!t.units.empty()) t.units[Pick(static_cast<uint32_t>(t.units.size()))] = 0x4E00;  break;  // not in Windows-1250
        case 6: {  // an over-long text
            Text r = Text::Of(U"");
            for (uint32_t n = 100 + Pick(1200); n > 0; --n) r.units.insert(r.units.end(), t.units.begin(), t.units.end());
            if (r.units.empty()) r.units.assign(1000 + Pick(1200), '1');
            return r;
        }
        case 7: if (!t.units.empty()) t.units[Pick(static_cast<uint32_t>(t.units.size()))] = ' ' + Pick(95); break;
        default: break;
    }
    return t;
}

Arg Generator::RandomArg(char kind) {
    Arg a;
    a.kind = kind;
    switch (kind) {
        case 'I': case 'U': a.value = RandomNumber(); break;
        case 'T': case 'N': a.text = RandomText(); break;
        case 'P':
            a.value = Pick(8) == 0 ? 0 : 1 + Pick(2);
            a.dictionary = Pick(10) == 0 ? static_cast<uint32_t>(RandomNumber())
                                         : dictionaries_[Pick(static_cast<uint32_t>(dictionaries_.size()))];
            if (a.value == 2) a.text = RandomText();
            break;
        case 'O': case 'B': a.value = Pick(10) != 0; break;
        case 'L':
            a.value = Pick(10) != 0;
            for (uint32_t n = Pick(5); n > 0; --n) a.list.push_back(RandomText());
            break;
        case 'V': {
            uint32_t n = Pick(10) == 0 ? 300 : Pick(6);
            Text one = RandomText();
            for (uint32_t k = 0; k < n; ++k) {
                Text t = Pick(4) == 0 ? one : RandomText();
                if (t.null) t = Text::Of(U"");
                a.list.push_back(t);
            }
            break;
        }
    }
    return a;
}

Case Generator::RandomFor(int function) {
    Case c;
    c.function = function;
    for (const char* k = ExportParams(function); *k; ++k) c.args.push_back(RandomArg(*k));
    return c;
}

Case Generator::Next() {
    if (corpus_.empty() || Pick(8) == 0) return RandomFor(static_cast<int>(Pick(ExportCount())));
    Case c = corpus_[Pick(static_cast<uint32_t>(corpus_.size()))];
    uint32_t changes = Pick(3);  // 0: the vector case itself
    for (uint32_t n = 0; n < changes; ++n) {
        Arg& a = c.args[Pick(static_cast<uint32_t>(c.args.size()))];
        a = RandomArg(a.kind);
    }
    return c;
}

}  // namespace harness
