// kodownik with no arguments: a short tour of what the library answers.
#include <iostream>

#include "commands.h"
#include "dates.h"
#include "library.h"
#include "text.h"

namespace kodcli {

namespace {

using nlohmann::json;

struct Lookup {
    const char* label;
    int date;
};

}  // namespace

int RunDemo(bool json_out) {
    // Catalogue.
    int with_trie = 0, with_name = 0, codes = 0, entries = 0;
    for (unsigned id = kFirstId; id <= kLastId; ++id) {
        if (sl_PobierzNazweSlownika(id)) ++with_name;
        const _stOpisKodu* root = sl_PobierzSlownik(id);
        if (!root) continue;
        ++with_trie;
        WalkCodes(root, "", [&](const Code& c) {
            ++codes;
            entries += CountOf(c.slot);
        });
    }

    // One code across editions: 10013 code 1 on the last day of the old
    // wording and the first day of the new one.
    const Lookup lookups[2] = {{"2003-09-30", 20030930}, {"2003-10-01", 20031001}};
    json lookup_json = json::array();
    std::vector<std::string> lookup_lines;
    for (const Lookup& l : lookups) {
        const _stOpisOkresu* e = sl_PobierzOpisOkresu(10013, u"1", l.date);
        lookup_json.push_back(json{{"date", l.date},
                                   {"description", e ? json(ToUtf8(e->description)) : json(nullptr)},
                                   {"valid_from", e ? json(e->valid_from) : json(nullptr)},
                                   {"valid_to", e ? json(e->valid_to) : json(nullptr)}});
        lookup_lines.push_back(std::string("  on ") + l.label + ": " +
                               (e ? "\"" + ToUtf8(e->description) + "\"  (wording in force " + FormatDate(e->valid_from) +
                                        " to " + FormatDate(e->valid_to) + ")"
                                  : std::string("no entry")));
    }

    // Admissibility of an occupation code, without and with a date, and of
    // a heading of longer codes.
    struct Case {
        const char* code;
        const char* date_text;  // DDMMRRRR or ""
        int ref;
    };
    const Case cases[4] = {{"011101", "", 0}, {"011101", "31122002", 20021231}, {"011101", "01012003", 20030101},
                           {"0111", "", 0}};
    json check_json = json::array();
    std::vector<std::string> check_lines;
    for (const Case& c : cases) {
        CheckAnswer a = CheckCode(10004, c.code, c.date_text, c.ref);
        check_json.push_back(json{{"code", c.code},
                                  {"date", *c.date_text ? json(c.date_text) : json(nullptr)},
                                  {"result", a.result},
                                  {"admissible", a.result == 0},
                                  {"reason", a.result == 0 ? json(nullptr) : json(a.reason)}});
        std::string what = std::string("  ") + c.code + (*c.date_text ? std::string(" with ") + c.date_text : " without a date");
        check_lines.push_back(Pad(what, 30) + "-> " + std::to_string(a.result) + "  " +
                              (a.result == 0 ? "admissible" : "not admissible: " + a.reason));
    }

    const std::string occupation = ToUtf8([] {
        const _stOpisOkresu* e = sl_PobierzOpisOkresu(10004, u"011101", 0);
        return e ? e->description : nullptr;
    }());

    if (json_out) {
        PrintJson(json{{"editions", KODOWNIK_CLI_EDITIONS},
                       {"catalogue", {{"dictionaries_with_codes", with_trie}, {"dictionaries_with_name", with_name},
                                      {"codes", codes}, {"entries", entries}}},
                       {"lookup", {{"dictionary", 10013}, {"code", "1"}, {"editions", lookup_json}}},
                       {"check", {{"dictionary", 10004}, {"cases", check_json}}}});
        return 0;
    }
    std::cout << "kodownik " << KODOWNIK_CLI_VERSION << ": the code dictionaries of ZUS declarations (library Kodownik_W, editions: "
              << KODOWNIK_CLI_EDITIONS << ")\n\n";
    std::cout << "Catalogue: " << with_trie << " dictionaries with a code list (" << with_name << " IDs with a name), " << codes
              << " codes, " << entries << " entries.  More: kodownik list\n\n";
    std::cout << "One code, two editions: dictionary 10013 \"" << NameOf(10013) << "\", code 1\n";
    for (const auto& l : lookup_lines) std::cout << l << "\n";
    std::cout << "  More: kodownik show 10013 1 --date 2003-10-01\n\n";
    std::cout << "May a code be entered? Dictionary 10004 \"" << NameOf(10004) << "\", code 011101"
              << (occupation.empty() ? "" : " (" + occupation + ")") << "\n";
    for (const auto& l : check_lines) std::cout << l << "\n";
    std::cout << "  More: kodownik check 10004 011101 --date 01012003\n\n";
    std::cout << "Other commands: search, export, title; kodownik --help lists them.\n";
    return 0;
}

}  // namespace kodcli
