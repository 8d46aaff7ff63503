// What the tool reads from Kodownik_W, through its exports only.
#ifndef KODOWNIK_CLI_LIBRARY_H
#define KODOWNIK_CLI_LIBRARY_H

#include <functional>
#include <string>
#include <vector>

#include "kodownik/kodownik.h"

namespace kodcli {

// UTF-16 of an ASCII or UTF-8 argument (invalid UTF-8 throws UserError).
std::u16string Wide(const std::string& text);

// Dictionary IDs the catalogue may hold.
constexpr unsigned kFirstId = 10001;
constexpr unsigned kLastId = 10049;

// Parses a dictionary ID argument; throws UserError outside 10001 to 10049.
unsigned ParseId(const std::string& arg);
// The dictionary's name in UTF-8, "" when it has none.
std::string NameOf(unsigned id);
// The root of the dictionary's trie; throws UserError when it has none.
const _stOpisKodu* RootOf(unsigned id);

// One code of a trie and its slot.
struct Code {
    std::string code;
    const _stOpisKodu* slot;
};

// Calls f for every code below the node (slots with entries), in digit order,
// each prefixed with prefix.
void WalkCodes(const _stOpisKodu* node, const std::string& prefix, const std::function<void(const Code&)>& f);
// The codes of a whole dictionary.
std::vector<Code> CodesOf(const _stOpisKodu* root);

// Number of entries of a slot (the count is a character of the build's type).
inline int CountOf(const _stOpisKodu* slot) { return slot ? static_cast<int>(static_cast<char16_t>(slot->count)) : 0; }
inline int AttributeOf(const _stOpisOkresu& e) { return static_cast<int>(static_cast<char16_t>(e.attribute)); }

// The slot of a digit code, or nullptr (also for non-digit codes).
const _stOpisKodu* SlotOf(const _stOpisKodu* root, const std::string& code);

}  // namespace kodcli

#endif
