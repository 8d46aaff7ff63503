// check: may a code be entered in a dictionary field on a date, and if not,
// why not. The answer is the library's (fb_KVDKodSprawdzArkusze); the reason
// is read from the trie the library exports, following the rule each kind of
// dictionary is checked by. Which rule that is, when an entry counts on a
// date and how names match are the library's own rules (dictionary/code_rules.h),
// compiled in here; the answer itself is always asked of the library.
#include <iostream>

#include "dictionary/code_rules.h"

#include "commands.h"
#include "dates.h"
#include "errors.h"
#include "library.h"
#include "text.h"

namespace kodcli {

namespace {

using nlohmann::json;

bool AllDigits(const std::string& s) {
    for (char c : s) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

std::string On(int ref) { return ref ? " on " + FormatDate(ref) : ""; }

// The periods of a slot's entries, for a "not in force" reason.
std::string Periods(const _stOpisKodu* slot) {
    std::string out;
    for (int i = 0; i < CountOf(slot) && i < 4; ++i) {
        const _stOpisOkresu& e = slot->entries[i];
        out += (i ? ", " : "") + FormatDate(e.valid_from) + " to " + FormatDate(e.valid_to);
    }
    if (CountOf(slot) > 4) out += ", ...";
    return out;
}

// The first code below the node with an entry in force at ref (any entry
// when ref is 0), "" when there is none.
std::string CodeInForceBelow(const _stOpisKodu* node, const std::string& prefix, int ref) {
    std::string found;
    WalkCodes(node, prefix, [&](const Code& c) {
        if (!found.empty()) return;
        for (int i = 0; i < CountOf(c.slot); ++i) {
            if (kod::WpisLiczySie(c.slot->entries[i], ref)) {
                found = c.code;
                return;
            }
        }
    });
    return found;
}

std::string DigitCodeReason(unsigned id, const std::string& code, int ref) {
    if (code.empty() || !AllDigits(code)) return "not a digit code: codes of dictionary " + std::to_string(id) + " are digits";
    const _stOpisKodu* slot = SlotOf(sl_PobierzSlownik(id), code);
    if (!slot) return "not in the dictionary";
    if (CountOf(slot) == 0) {
        std::string longer = CodeInForceBelow(slot->child, code, 0);
        return "not in the dictionary" + (longer.empty() ? std::string() : ", only the beginning of longer codes such as " + longer);
    }
    std::string longer = CodeInForceBelow(slot->child, code, ref);
    if (!longer.empty()) return "a heading of longer codes in force" + On(ref) + " (such as " + longer + "); enter one of them";
    if (ref) return "not in force" + On(ref) + " (valid " + Periods(slot) + ")";
    return "";
}

// Entries whose short text is exactly the code, among the given slots.
std::string ShortTextReason(const std::vector<Code>& slots, const std::u16string& code, int ref, const std::string& form) {
    bool named = false;
    std::string periods;
    for (const Code& c : slots) {
        for (int i = 0; i < CountOf(c.slot); ++i) {
            const _stOpisOkresu& e = c.slot->entries[i];
            if (!e.short_text || code != std::u16string(e.short_text)) continue;
            named = true;
            if (kod::WpisLiczySie(e, ref)) return "";
            periods += (periods.empty() ? "" : ", ") + FormatDate(e.valid_from) + " to " + FormatDate(e.valid_to);
        }
    }
    if (!named) return "not in the dictionary (" + form + ")";
    return "not in force" + On(ref) + " (valid " + periods + ")";
}

std::string BranchReason(unsigned id, const std::string& code, int ref) {
    if (code.size() < 2 || !AllDigits(code.substr(0, 2))) {
        return "not a branch code: branch codes are two digits and a letter, such as 01R";
    }
    const _stOpisKodu* slot = SlotOf(sl_PobierzSlownik(id), code.substr(0, 2));
    if (!slot || CountOf(slot) == 0 || slot->child) return "not in the dictionary";
    std::string forms;
    for (int i = 0; i < CountOf(slot); ++i) {
        if (slot->entries[i].short_text) forms += (forms.empty() ? "" : ", ") + ToUtf8(slot->entries[i].short_text);
    }
    return ShortTextReason({Code{code.substr(0, 2), slot}}, Wide(code), ref,
                           "branch " + code.substr(0, 2) + " is written " + (forms.empty() ? "differently" : forms));
}

std::string LetterReason(unsigned id, const std::string& code, int ref) {
    std::vector<Code> root;
    std::string letters;
    const _stOpisKodu* r = sl_PobierzSlownik(id);
    for (int d = 0; r && d < 10; ++d) {
        if (CountOf(r + d) == 0) continue;
        root.push_back(Code{std::string(1, static_cast<char>('0' + d)), r + d});
        for (int i = 0; i < CountOf(r + d); ++i) {
            if (r[d].entries[i].short_text) letters += (letters.empty() ? "" : " ") + ToUtf8(r[d].entries[i].short_text);
        }
    }
    return ShortTextReason(root, Wide(code), ref, "its codes are written " + letters);
}

std::string NameReason(unsigned id, const std::string& code, int ref) {
    const std::u16string want = Wide(code);
    bool named = false;
    std::string periods;
    bool ok = false;
    WalkCodes(sl_PobierzSlownik(id), "", [&](const Code& c) {
        for (int i = 0; i < CountOf(c.slot); ++i) {
            const _stOpisOkresu& e = c.slot->entries[i];
            const KChar* t = e.short_text && *e.short_text ? e.short_text : e.description;
            if (!kod::TekstKoduPasuje(t, want.c_str())) continue;
            named = true;
            if (kod::WpisLiczySie(e, ref)) ok = true;
            periods += (periods.empty() ? "" : ", ") + FormatDate(e.valid_from) + " to " + FormatDate(e.valid_to);
        }
    });
    if (ok) return "";
    if (!named) return "no name in the dictionary reads '" + code + "' (names are written in capitals, see 'kodownik search')";
    return "not in force" + On(ref) + " (valid " + periods + ")";
}

std::string TitleReason(const std::string& code, const std::string& date_text, int ref) {
    if (code.size() != 6 || !AllDigits(code)) {
        return "an insurance title code has six digits: the title, the pension-right digit and the disability digit";
    }
    const std::u16string t4 = Wide(code.substr(0, 4)), p = Wide(code.substr(4, 1)), d = Wide(code.substr(5, 1));
    if (fb_KVDZasadyPodleganiaUb(t4.c_str(), p.c_str(), d.c_str(), nullptr) != 0) return "no insurance rules for this title code";
    (void)date_text;
    if (ref) return "none of the title's insurance rules is in force" + On(ref);
    return "";
}

}  // namespace

CheckAnswer CheckCode(unsigned id, const std::string& code, const std::string& date_text, int ref) {
    const std::u16string c = Wide(code);
    const std::u16string d = Wide(date_text);
    CheckAnswer a;
    a.result = fb_KVDKodSprawdzArkusze(static_cast<int>(id), c.c_str(), date_text.empty() ? nullptr : d.c_str());
    if (a.result == 0) return a;
    switch (kod::RegulaSlownika(id)) {
    case kod::RegulaKodu::kTytulu: a.reason = TitleReason(code, date_text, ref); break;
    case kod::RegulaKodu::kOddzialu: a.reason = BranchReason(id, code, ref); break;
    case kod::RegulaKodu::kLiterowa: a.reason = LetterReason(id, code, ref); break;
    case kod::RegulaKodu::kTekstowa: a.reason = NameReason(id, code, ref); break;
    case kod::RegulaKodu::kBrak:
        a.reason = id >= kod::kPierwszySlownik && id <= kod::kOstatniSlownik
                       ? "no code may be entered from dictionary " + std::to_string(id) + " (it has no check rule)"
                       : "dictionary " + std::to_string(id) + " has no code list";
        break;
    case kod::RegulaKodu::kCyfrowa:
        a.reason = sl_PobierzSlownik(id) ? DigitCodeReason(id, code, ref) : "dictionary " + std::to_string(id) + " has no code list";
        break;
    }
    if (a.reason.empty()) a.reason = "not admissible (the trie shows no further reason)";
    return a;
}

int RunCheck(const std::string& id_arg, const std::string& code, const std::string& date_arg, bool json_out) {
    const unsigned id = ParseId(id_arg);
    Date date;
    if (!date_arg.empty()) date = ParseDate(date_arg);
    const CheckAnswer a = CheckCode(id, code, date.text, date.value);
    if (json_out) {
        PrintJson(json{{"dictionary", id},
                       {"code", code},
                       {"date", date.value ? json(date.value) : json(nullptr)},
                       {"admissible", a.result == 0},
                       {"result", a.result},
                       {"reason", a.result == 0 ? json(nullptr) : json(a.reason)}});
    } else {
        std::cout << id << " " << code << (date.value ? " on " + FormatDate(date.value) : std::string(" (no date)")) << ": "
                  << (a.result == 0 ? "admissible" : "not admissible: " + a.reason) << "\n";
    }
    return a.result == 0 ? 0 : 1;
}

}  // namespace kodcli
