// list, show, search, export: reading the dictionaries.
#include <iostream>

#include "commands.h"
#include "dates.h"
#include "errors.h"
#include "library.h"
#include "provenance.h"
#include "text.h"

namespace kodcli {

using nlohmann::json;

std::string SourceClass(unsigned id, const std::string& code, int index) {
    const char* s = SourceOf(id, code, index);
    return s ? s : "verified";
}

json EntryJson(unsigned id, const std::string& code, int index, const _stOpisOkresu& e) {
    json j;
    j["valid_from"] = e.valid_from;
    j["valid_to"] = e.valid_to;
    j["attribute"] = AttributeOf(e);
    j["short_text"] = e.short_text ? json(ToUtf8(e.short_text)) : json(nullptr);
    j["description"] = e.description ? json(ToUtf8(e.description)) : json(nullptr);
    j["source"] = SourceClass(id, code, index);
    return j;
}

std::size_t Width(const std::string& utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

std::string Pad(const std::string& utf8, std::size_t width) {
    std::size_t w = Width(utf8);
    return w >= width ? utf8 : utf8 + std::string(width - w, ' ');
}

void PrintJson(const json& j) { std::cout << j.dump(2) << "\n"; }

namespace {

// A note after a text that is not verified.
std::string SourceNote(const std::string& source) {
    if (source == "reconstructed") return "  [reconstructed, unverified]";
    if (source == "absent") return "  [text absent]";
    if (source != "verified") return "  [" + source + "]";
    return "";
}

std::string Attribute(int a) {
    std::string s = std::to_string(a);
    if ((a >= 'A' && a <= 'Z') || (a >= 'a' && a <= 'z')) s += std::string(" '") + static_cast<char>(a) + "'";
    return s;
}

struct Totals {
    int codes = 0;
    int entries = 0;
};

Totals Count(const _stOpisKodu* root) {
    Totals t;
    WalkCodes(root, "", [&](const Code& c) {
        ++t.codes;
        t.entries += CountOf(c.slot);
    });
    return t;
}

// The codes a show argument names: a digit code, or the codes whose short
// text is the argument (01R in 10005, PL in 10047, K in 10034).
std::vector<Code> CodesNamed(unsigned id, const _stOpisKodu* root, const std::string& arg) {
    std::vector<Code> found;
    if (const _stOpisKodu* slot = SlotOf(root, arg)) {
        if (CountOf(slot) > 0) {
            found.push_back(Code{arg, slot});
            return found;
        }
        std::string longer;
        WalkCodes(slot->child, arg, [&](const Code& c) {
            if (longer.empty()) longer = c.code;
        });
        if (!longer.empty()) {
            throw NotFound(arg + " is not a code of dictionary " + std::to_string(id) +
                           ", only the beginning of longer codes such as " + longer);
        }
    }
    const std::u16string want = Fold(Wide(arg));
    WalkCodes(root, "", [&](const Code& c) {
        for (int i = 0; i < CountOf(c.slot); ++i) {
            const KChar* st = c.slot->entries[i].short_text;
            if (st && Fold(st) == want) {
                found.push_back(c);
                return;
            }
        }
    });
    if (found.empty()) throw NotFound("dictionary " + std::to_string(id) + " holds no code " + arg);
    return found;
}

}  // namespace

int RunList(bool json_out) {
    json all = json::array();
    if (!json_out) std::cout << "ID     codes  entries  name\n";
    for (unsigned id = kFirstId; id <= kLastId; ++id) {
        const _stOpisKodu* root = sl_PobierzSlownik(id);
        const KChar* name = sl_PobierzNazweSlownika(id);
        Totals t = root ? Count(root) : Totals{};
        if (json_out) {
            json j;
            j["id"] = id;
            j["name"] = name ? json(ToUtf8(name)) : json(nullptr);
            j["trie"] = root != nullptr;
            j["codes"] = t.codes;
            j["entries"] = t.entries;
            all.push_back(j);
            continue;
        }
        char line[64];
        if (root) {
            std::snprintf(line, sizeof line, "%u  %5d  %7d  ", id, t.codes, t.entries);
        } else {
            std::snprintf(line, sizeof line, "%u      -        -  ", id);
        }
        std::string n = name ? ToUtf8(name) : std::string(root ? "(no name)" : "(no code list)");
        std::cout << line << n << "\n";
    }
    if (json_out) PrintJson(all);
    return 0;
}

int RunShow(const std::string& id_arg, const std::string& code, const std::string& date_arg, bool json_out) {
    const unsigned id = ParseId(id_arg);
    const _stOpisKodu* root = RootOf(id);
    const Date date = date_arg.empty() ? Today() : ParseDate(date_arg);
    const std::vector<Code> codes = CodesNamed(id, root, code);
    json out = json::array();
    bool first = true;
    for (const Code& c : codes) {
        const _stOpisOkresu* current = sl_PobierzOpisOkresu(static_cast<int>(id), Wide(c.code).c_str(), date.value);
        const int n = CountOf(c.slot);
        if (json_out) {
            json j;
            j["dictionary"] = id;
            j["name"] = NameOf(id);
            j["code"] = c.code;
            j["date"] = date.value;
            json entries = json::array();
            for (int i = 0; i < n; ++i) {
                json e = EntryJson(id, c.code, i, c.slot->entries[i]);
                e["in_force"] = current == &c.slot->entries[i];
                entries.push_back(e);
            }
            j["entries"] = entries;
            out.push_back(j);
            continue;
        }
        if (!first) std::cout << "\n";
        first = false;
        std::string name = NameOf(id);
        std::cout << "Dictionary " << id << (name.empty() ? "" : " \"" + name + "\"") << ", code " << c.code << ": " << n
                  << (n == 1 ? " entry" : " entries") << "\n";
        std::size_t sw = 10;
        for (int i = 0; i < n; ++i) sw = std::max(sw, Width(ToUtf8(c.slot->entries[i].short_text)));
        std::cout << "     " << Pad("from", 12) << Pad("to", 12) << Pad("attribute", 11) << Pad("short text", sw + 2)
                  << "description\n";
        for (int i = 0; i < n; ++i) {
            const _stOpisOkresu& e = c.slot->entries[i];
            std::cout << (current == &e ? "  >  " : "     ") << Pad(FormatDate(e.valid_from), 12)
                      << Pad(FormatDate(e.valid_to), 12) << Pad(Attribute(AttributeOf(e)), 11)
                      << Pad(ToUtf8(e.short_text), sw + 2) << ToUtf8(e.description)
                      << SourceNote(SourceClass(id, c.code, i)) << "\n";
        }
        std::cout << (current ? "  > in force on " + FormatDate(date.value)
                              : "  no entry in force on " + FormatDate(date.value))
                  << (date_arg.empty() ? " (today)" : "") << "\n";
    }
    if (json_out) PrintJson(codes.size() == 1 ? out[0] : out);
    return 0;
}

int RunSearch(const std::string& id_arg, const std::vector<std::string>& words, bool json_out) {
    const unsigned id = ParseId(id_arg);
    const _stOpisKodu* root = RootOf(id);
    std::vector<std::u16string> wanted;
    for (const std::string& arg : words) {
        // "kodownik search 10004 'żołnierz zawodowy'" counts as two words.
        std::u16string f = Fold(Wide(arg));
        std::size_t start = 0;
        while (start < f.size()) {
            std::size_t end = f.find_first_of(u" \t\n", start);
            if (end == std::u16string::npos) end = f.size();
            if (end > start) wanted.push_back(f.substr(start, end - start));
            start = end + 1;
        }
    }
    if (wanted.empty()) throw UserError("search needs at least one word");
    json hits = json::array();
    int count = 0;
    WalkCodes(root, "", [&](const Code& c) {
        for (int i = 0; i < CountOf(c.slot); ++i) {
            const _stOpisOkresu& e = c.slot->entries[i];
            std::u16string hay;
            if (e.description) hay += Fold(e.description);
            hay += u'\n';
            if (e.short_text) hay += Fold(e.short_text);
            bool all = true;
            for (const auto& w : wanted) all = all && hay.find(w) != std::u16string::npos;
            if (!all) continue;
            ++count;
            if (json_out) {
                json j = EntryJson(id, c.code, i, e);
                j["code"] = c.code;
                hits.push_back(j);
            } else {
                std::string text = e.description ? ToUtf8(e.description) : ToUtf8(e.short_text);
                std::cout << Pad(c.code, 9) << " " << text << "  (" << FormatDate(e.valid_from) << " to "
                          << FormatDate(e.valid_to) << ")" << SourceNote(SourceClass(id, c.code, i)) << "\n";
            }
            return;  // one line per code: its first matching entry
        }
    });
    if (json_out) PrintJson(hits);
    if (count == 0) {
        if (!json_out) std::cerr << "kodownik: no code of dictionary " << id << " matches\n";
        return 1;
    }
    return 0;
}

namespace {

std::string CsvField(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

// A TSV field as the data files write it: \N for no value; tabs and line
// breaks inside a text (which the data never holds) become blanks.
std::string TsvField(const KChar* t) {
    if (!t) return "\\N";
    std::string s = ToUtf8(t);
    for (char& c : s) {
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    }
    return s;
}

}  // namespace

int RunExport(const std::string& id_arg, const std::string& format) {
    const unsigned id = ParseId(id_arg);
    const _stOpisKodu* root = RootOf(id);
    if (format != "tsv" && format != "csv" && format != "json") {
        throw UserError("unknown format '" + format + "': use tsv, csv or json");
    }
    if (format == "json") {
        json codes = json::array();
        WalkCodes(root, "", [&](const Code& c) {
            json entries = json::array();
            for (int i = 0; i < CountOf(c.slot); ++i) entries.push_back(EntryJson(id, c.code, i, c.slot->entries[i]));
            codes.push_back(json{{"code", c.code}, {"entries", entries}});
        });
        const KChar* name = sl_PobierzNazweSlownika(id);
        PrintJson(json{{"dictionary", id}, {"name", name ? json(ToUtf8(name)) : json(nullptr)}, {"codes", codes}});
        return 0;
    }
    const bool csv = format == "csv";
    const char* sep = csv ? "," : "\t";
    std::cout << "code" << sep << "valid_from" << sep << "valid_to" << sep << "attribute" << sep << "short_text" << sep
              << "description" << sep << "source\n";
    WalkCodes(root, "", [&](const Code& c) {
        for (int i = 0; i < CountOf(c.slot); ++i) {
            const _stOpisOkresu& e = c.slot->entries[i];
            std::string st = csv ? CsvField(ToUtf8(e.short_text)) : TsvField(e.short_text);
            std::string de = csv ? CsvField(ToUtf8(e.description)) : TsvField(e.description);
            std::cout << c.code << sep << e.valid_from << sep << e.valid_to << sep << AttributeOf(e) << sep << st << sep
                      << de << sep << SourceClass(id, c.code, i) << "\n";
        }
    });
    return 0;
}

}  // namespace kodcli
