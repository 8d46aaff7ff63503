// One call of an export, independent of the text type: which export, and
// each argument as the harnesses describe it. Cases come from three places:
// the conformance vector lines (ParseVectorLine), arbitrary bytes of the
// fuzzer (DecodeFuzz; EncodeFuzz writes seed files) and the random
// generator that mutates vector cases (Generator).
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace harness {

// A text: null, or a list of units. A unit is a character (a code point,
// converted to the library's text type; one that Windows-1250 cannot hold
// makes the case impossible in the 8-bit build) or, with kRaw set, one raw
// unit taken as it is (a byte in the 8-bit build, a code unit in the wide).
constexpr uint32_t kRaw = 0x80000000u;

struct Text {
    bool null = true;
    std::vector<uint32_t> units;
    static Text Null() { return Text(); }
    static Text Of(const std::u32string& s);
};

struct Arg {
    char kind = 'I';            // parameter kind (see export_table.h)
    int64_t value = 0;          // I, U; P: 0 null, 1 root, 2 slot; O, B: 0 null, 1 present; L: 0 null, 1 list
    uint32_t dictionary = 0;    // P
    Text text;                  // T, N; P: the code of a slot
    std::vector<Text> list;     // L (a null item ends the array early), V (the items before the final null)
};

struct Case {
    int function = 0;  // index into the export table
    std::vector<Arg> args;
};

int ExportCount();
const char* ExportName(int function);
const char* ExportParams(int function);
char ExportResult(int function);
int FindExport(const std::string& name);

// Text of a case, for messages: name(arg, ...) in the vector notation.
std::string Describe(const Case& c);

// Reads the vector notation (tests/vectors/README.md) from a position in a
// line; what cannot be read throws ParseError.
struct ParseError {
    std::string what;
};

class Cursor {
public:
    explicit Cursor(const std::string& s, size_t at = 0) : s_(s), i_(at) {}
    size_t Pos() const { return i_; }
    void Skip();
    char Peek();
    bool Eat(char c);
    void Need(char c, const char* what);
    bool Word(const char* w);   // the word, not followed by a letter, digit or _
    bool AtEnd();               // nothing but blanks (or a # and what follows) is left
    int64_t Number();           // 123, -1, 0x7f, 'P'
    Text Quoted();              // "text" with its escapes, "text"*N
    Text TextArg();             // null, a8"text" or "text"
    std::string Rest() const { return s_.substr(i_); }

private:
    const std::string& s_;
    size_t i_;
};

// A text as a library of the text type returns it, in UTF-8 (raw units of
// the 8-bit type read as Windows-1250).
std::string Utf8Of(const Text& t, bool wide);

// A vector line ("W:"/"A:" lines give only_wide / only_narrow); false when
// the line holds no call (a blank line or a comment: error stays empty) or
// cannot be parsed (error says why). A # after a blank, outside a text,
// begins a comment.
struct VectorCase {
    Case call;
    int only = 0;       // 0 both, 'W' or 'A'
    std::string where;
    std::string text;   // the line without its comment and its W:/A: mark
    size_t end = 0;     // in text: just past the call (where "= expected" begins)
    std::string error;
};
bool ParseVectorLine(const std::string& line, VectorCase& out);
std::vector<VectorCase> ReadVectorFiles(const std::vector<std::string>& paths);

// Fuzzer bytes -> a sequence of calls (at most max_calls), and back.
// wide: the text type of the target (wide texts can hold any 16-bit unit).
std::vector<Case> DecodeFuzz(const uint8_t* data, size_t size, bool wide, int max_calls);
std::string EncodeFuzz(const Case& c, bool wide);

// Random cases around the vector cases: a vector case with some arguments
// replaced by values drawn from the vectors' own texts and numbers, edge
// values, mutations of them, texts outside Windows-1250 and long lists.
class Generator {
public:
    Generator(const std::vector<VectorCase>& corpus, uint32_t seed);
    Case Next();
    Case RandomFor(int function);

private:
    std::mt19937 rng_;
    std::vector<Case> corpus_;
    std::vector<Text> texts_;
    std::vector<int64_t> numbers_;
    std::vector<uint32_t> dictionaries_;
    uint32_t Pick(uint32_t n) { return n ? static_cast<uint32_t>(rng_() % n) : 0; }
    Arg RandomArg(char kind);
    Text RandomText();
    int64_t RandomNumber();
};

}  // namespace harness
