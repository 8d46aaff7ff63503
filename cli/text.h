// Texts between the library (UTF-16 code units) and the terminal (UTF-8),
// and the folded form that searching compares.
#ifndef KODOWNIK_CLI_TEXT_H
#define KODOWNIK_CLI_TEXT_H

#include <string>

#include "kodownik/kodownik.h"

namespace kodcli {

// UTF-8 of a library text; "" for null. An unpaired surrogate becomes U+FFFD.
std::string ToUtf8(const KChar* text);
// UTF-16 of a UTF-8 argument; false (and out untouched) for invalid UTF-8.
bool FromUtf8(const std::string& text, std::u16string& out);
// Lower case without diacritics, for searching: "Łódź" and "LODZ" fold alike.
std::u16string Fold(const std::u16string& text);

}  // namespace kodcli

#endif
