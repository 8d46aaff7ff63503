// title: what a six-digit insurance title code means on a date: the statuses
// of the five insurances, the forms that admit it and the benefit and break
// codes that may be reported under it.
#include <algorithm>
#include <iostream>

#include "commands.h"
#include "dates.h"
#include "errors.h"
#include "library.h"
#include "text.h"

namespace kodcli {

namespace {

using nlohmann::json;

const char* const kInsurances[5] = {"pension (emerytalne)", "disability (rentowe)", "sickness (chorobowe)",
                                    "accident (wypadkowe)", "health (zdrowotne)"};
const char* const kInsuranceKeys[5] = {"pension", "disability", "sickness", "accident", "health"};

struct Status {
    const char16_t* condition;
    const char* letter;
    const char* meaning;
};
const Status kStatuses[4] = {{u"O", "O", "obligatory"},
                             {u"D", "D", "voluntary"},
                             {u"N", "N", "not subject"},
                             {u"W", "W", "other title"}};

using FormCheck = int (*)(const KChar*, const KChar*, const KChar*, const KChar*, ...);
struct Form {
    const char* name;
    FormCheck check;
};
const Form kForms[6] = {{"DRA", fb_KVD_KodTyt_WypDok_DRA_ONE}, {"RCA", fb_KVD_KodTyt_WypDok_RCA_ONE},
                        {"RNA", fb_KVD_KodTyt_WypDok_RNA_ONE}, {"RZA", fb_KVD_KodTyt_WypDok_RZA_ONE},
                        {"ZUA", fb_KVD_KodTyt_WypDok_ZUA_ONE}, {"ZZA", fb_KVD_KodTyt_WypDok_ZZA_ONE}};

// The benefit and break codes that dictionary 10001 names for the title, in
// ascending order.
std::vector<std::string> BenefitCodesOf(const std::string& code) {
    std::vector<std::string> codes;
    const _stOpisKodu* slot = SlotOf(sl_PobierzSlownik(10001), code);
    for (int i = 0; i < CountOf(slot); ++i) {
        std::string c = ToUtf8(slot->entries[i].short_text);
        if (!c.empty() && std::find(codes.begin(), codes.end(), c) == codes.end()) codes.push_back(c);
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

}  // namespace

int RunTitle(const std::string& code, const std::string& date_arg, bool json_out) {
    bool digits = code.size() == 6;
    for (char c : code) digits = digits && c >= '0' && c <= '9';
    if (!digits) {
        throw UserError("'" + code + "' is not an insurance title code: give six digits, such as 011000 "
                        "(title 0110, pension-right digit 0, disability digit 0)");
    }
    const Date date = date_arg.empty() ? Today() : ParseDate(date_arg);
    const Date month = MonthOf(date);
    const std::u16string t4 = Wide(code.substr(0, 4)), p = Wide(code.substr(4, 1)), d = Wide(code.substr(5, 1));
    const std::u16string dt = Wide(date.text), mt = Wide(month.text);

    const _stOpisOkresu* title = sl_PobierzOpisOkresu(10015, t4.c_str(), date.value);
    const bool has_rules = fb_KVDZasadyPodleganiaUb(t4.c_str(), p.c_str(), d.c_str(), nullptr) == 0;
    const bool rules_now = fb_KVDZasadyPodleganiaUb(t4.c_str(), p.c_str(), d.c_str(), dt.c_str()) == 0;

    json insurances = json::object();
    std::vector<std::string> status_lines;
    for (int i = 0; i < 5; ++i) {
        json letters = json::array();
        std::string line;
        for (const Status& s : kStatuses) {
            if (fb_KVD_Slw_Podl_ONE(t4.c_str(), p.c_str(), d.c_str(), i, s.condition, dt.c_str(), nullptr) == 0) {
                letters.push_back(s.letter);
                line += (line.empty() ? "" : ", ") + std::string(s.letter) + " " + s.meaning;
            }
        }
        insurances[kInsuranceKeys[i]] = letters;
        status_lines.push_back(line.empty() ? "-" : line);
    }

    json forms = json::object();
    std::string forms_line, forms_ever;
    for (const Form& f : kForms) {
        const bool now = f.check(nullptr, t4.c_str(), p.c_str(), d.c_str(), dt.c_str(), nullptr) == 0;
        const bool ever = f.check(nullptr, t4.c_str(), p.c_str(), d.c_str(), nullptr) == 0;
        forms[f.name] = json{{"on_date", now}, {"at_some_time", ever}};
        if (now) forms_line += (forms_line.empty() ? "ZUS " : ", ZUS ") + std::string(f.name);
        if (ever && !now) forms_ever += (forms_ever.empty() ? "ZUS " : ", ZUS ") + std::string(f.name);
    }

    json benefits = json::array();
    std::string benefits_line;
    const std::vector<std::string> named = BenefitCodesOf(code);
    for (const std::string& b : named) {
        const std::u16string bw = Wide(b);
        if (fb_KVDZaleznosciKodSwKodTytIdent(t4.c_str(), p.c_str(), d.c_str(), bw.c_str(), mt.c_str()) == 0) {
            benefits.push_back(b);
            benefits_line += (benefits_line.empty() ? "" : " ") + b;
        }
    }

    if (json_out) {
        PrintJson(json{{"code", code},
                       {"date", date.value},
                       {"title", title ? json(ToUtf8(title->description)) : json(nullptr)},
                       {"has_rules", has_rules},
                       {"rules_in_force", rules_now},
                       {"insurances", insurances},
                       {"forms", forms},
                       {"benefit_codes_listed", named},
                       {"benefit_codes", benefits}});
        return 0;
    }
    std::cout << "Insurance title code " << code << " (title " << code.substr(0, 4) << ", pension-right digit " << code[4]
              << ", disability digit " << code[5] << ") on " << FormatDate(date.value)
              << (date_arg.empty() ? " (today)" : "") << "\n";
    std::cout << "  title: " << (title ? ToUtf8(title->description) : std::string("(not in dictionary 10015 on this date)"))
              << "\n";
    std::cout << "  insurance rules: "
              << (!has_rules ? "none for this code" : rules_now ? "in force" : "none in force on this date") << "\n";
    for (int i = 0; i < 5; ++i) std::cout << "    " << Pad(kInsurances[i], 22) << status_lines[i] << "\n";
    std::cout << "  forms that admit it on this date: " << (forms_line.empty() ? "none" : forms_line) << "\n";
    if (!forms_ever.empty()) std::cout << "  forms that admit it at other times: " << forms_ever << "\n";
    std::cout << "  benefit and break codes that may be reported in " << FormatDate(month.value) << ": "
              << (benefits_line.empty() ? "none" : benefits_line);
    if (named.empty()) std::cout << " (dictionary 10001 lists none for this code)";
    std::cout << "\n";
    return 0;
}

}  // namespace kodcli
