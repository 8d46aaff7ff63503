#include "library.h"

#include <cstdlib>

#include "errors.h"
#include "text.h"

namespace kodcli {

std::u16string Wide(const std::string& text) {
    std::u16string out;
    if (!FromUtf8(text, out)) throw UserError("an argument is not valid UTF-8");
    return out;
}

unsigned ParseId(const std::string& arg) {
    bool digits = !arg.empty() && arg.size() <= 9;
    for (char c : arg) digits = digits && c >= '0' && c <= '9';
    unsigned long id = digits ? std::strtoul(arg.c_str(), nullptr, 10) : 0;
    if (id < kFirstId || id > kLastId) {
        throw UserError("unknown dictionary ID '" + arg + "': IDs run from 10001 to 10049 (see 'kodownik list')");
    }
    return static_cast<unsigned>(id);
}

std::string NameOf(unsigned id) { return ToUtf8(sl_PobierzNazweSlownika(id)); }

const _stOpisKodu* RootOf(unsigned id) {
    const _stOpisKodu* root = sl_PobierzSlownik(id);
    if (!root) throw UserError("dictionary " + std::to_string(id) + " has no code list (see 'kodownik list')");
    return root;
}

void WalkCodes(const _stOpisKodu* node, const std::string& prefix, const std::function<void(const Code&)>& f) {
    if (!node) return;
    for (int d = 0; d < 10; ++d) {
        const _stOpisKodu* slot = node + d;
        std::string code = prefix + static_cast<char>('0' + d);
        if (CountOf(slot) > 0) f(Code{code, slot});
        WalkCodes(slot->child, code, f);
    }
}

std::vector<Code> CodesOf(const _stOpisKodu* root) {
    std::vector<Code> codes;
    WalkCodes(root, "", [&](const Code& c) { codes.push_back(c); });
    return codes;
}

const _stOpisKodu* SlotOf(const _stOpisKodu* root, const std::string& code) {
    if (code.empty() || code.size() > 50) return nullptr;
    for (char c : code) {
        if (c < '0' || c > '9') return nullptr;
    }
    return sl_PobierzOpisKodu(root, Wide(code).c_str());
}

}  // namespace kodcli
