// The subcommands of kodownik. Each prints its answer to stdout and returns
// the exit status; a fault in the arguments throws UserError.
#ifndef KODOWNIK_CLI_COMMANDS_H
#define KODOWNIK_CLI_COMMANDS_H

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "kodownik/kodownik.h"

namespace kodcli {

int RunDemo(bool json);
int RunList(bool json);
int RunShow(const std::string& id, const std::string& code, const std::string& date, bool json);
int RunCheck(const std::string& id, const std::string& code, const std::string& date, bool json);
int RunSearch(const std::string& id, const std::vector<std::string>& words, bool json);
int RunExport(const std::string& id, const std::string& format);
int RunTitle(const std::string& code, const std::string& date, bool json);

// Shared by the commands.
struct CheckAnswer {
    int result;          // what fb_KVDKodSprawdzArkusze returned
    std::string reason;  // why not, in words ("" when admissible)
};
// Asks the library whether code may be entered in dictionary id on the date
// (date text "" for none), and works out why not from the trie.
CheckAnswer CheckCode(unsigned id, const std::string& code, const std::string& date_text, int ref);

// The entry as JSON: period, attribute, texts and their source class.
nlohmann::json EntryJson(unsigned id, const std::string& code, int index, const _stOpisOkresu& e);
// Source class of an entry's texts: "verified", "reconstructed" or "absent".
std::string SourceClass(unsigned id, const std::string& code, int index);
// Number of characters (code points) of a UTF-8 text, for aligning columns.
std::size_t Width(const std::string& utf8);
std::string Pad(const std::string& utf8, std::size_t width);
void PrintJson(const nlohmann::json& j);

}  // namespace kodcli

#endif
