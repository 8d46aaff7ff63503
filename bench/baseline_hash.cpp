#include "baseline_hash.h"

#include "source_tables.h"

namespace bench {

HashBaseline::HashBaseline() {
    ForEachCode(kod::kTrie10004, [&](const char* code, const _stOpisOkresu* e, unsigned n) {
        Entries& v = occupations_[T(code)];
        for (unsigned i = 0; i < n; ++i)
            v.push_back({e[i].valid_from, e[i].valid_to, e[i].attribute, TextOrEmpty(e[i].short_text),
                         TextOrEmpty(e[i].description)});
    });
    for (const auto& kv : occupations_) {
        for (std::size_t len = 1; len < kv.first.size(); ++len) longer_[kv.first.substr(0, len)].push_back(&kv.second);
    }
    for (unsigned i = 0; i < kod::kZasadyKodowCount; ++i) {
        std::vector<Period>& v = titles_[T(kod::kZasadyKodow[i].code)];
        for (const kod::ListaOkresowPodlegania& list : kod::kZasadyKodow[i].record->days) {
            for (int p = 0; p < list.count; ++p) v.push_back({list.periods[p].valid_from, list.periods[p].valid_to, 0});
        }
    }
    const kod::_stTablicaZaleznosci& amount = kod::kZrodlaZaleznosci[kod::kKwotaTyp];
    for (int r = 0; r < amount.count; ++r) {
        std::vector<Period>& v = amount_[T(std::to_string(amount.rows[r].code).c_str())];
        for (int p = 0; p < amount.rows[r].period_count; ++p) {
            const kod::_stOkresZaleznosci& e = amount.rows[r].periods[p];
            v.push_back({e.valid_from, e.valid_to, e.value});
        }
    }
    auto fill = [](std::unordered_map<Str, Entries>& map, const kod::ZrodloTrie& t) {
        ForEachCode(t, [&](const char* code, const _stOpisOkresu* e, unsigned n) {
            Entries& v = map[T(code)];
            for (unsigned i = 0; i < n; ++i)
                v.push_back({e[i].valid_from, e[i].valid_to, e[i].attribute, TextOrEmpty(e[i].short_text),
                             TextOrEmpty(e[i].description)});
        });
    };
    fill(pairs_, kod::kTrieKodySwRazem);
    fill(form_rna_, kod::kTrieFormularzaRNA_RCA);
    // Countries are typed as texts: the short text, or the name where there
    // is none. Only 22 characters count, and a name whose 22nd character is
    // a blank is also written as its first 21.
    ForEachCode(kod::kTrie10047, [&](const char*, const _stOpisOkresu* e, unsigned n) {
        for (unsigned i = 0; i < n; ++i) {
            const KChar* t = (e[i].short_text && e[i].short_text[0]) ? e[i].short_text : e[i].description;
            if (!t) continue;
            const Str text(t);
            countries_[text.substr(0, 22)].push_back({e[i].valid_from, e[i].valid_to, 0});
            if (text.size() >= 22 && text[21] == ' ') countries_[text.substr(0, 21)].push_back({e[i].valid_from, e[i].valid_to, 0});
        }
    });
}

const HashBaseline::Entries* HashBaseline::Find(const KChar* code) const {
    if (!code) return nullptr;
    auto it = occupations_.find(Str(code));
    return it == occupations_.end() ? nullptr : &it->second;
}

const HashBaseline::Entry* HashBaseline::Period10004(const KChar* code, int date) const {
    const Entries* v = Find(code);
    if (!v) return nullptr;
    for (const Entry& e : *v) {
        if (date == 0) return &e;
        if (date < 999999 ? (e.from / 100 <= date && date <= e.to / 100) : (e.from <= date && date <= e.to)) return &e;
    }
    return nullptr;
}

int HashBaseline::Admissible10004(const KChar* code, const KChar* date) const {
    if (!code) return -1;
    const int r = RefValue(date);
    const Str key(code);
    auto it = occupations_.find(key);
    if (it == occupations_.end()) return -1;
    auto lg = longer_.find(key);
    if (lg != longer_.end()) {
        for (const Entries* v : lg->second) {
            for (const Entry& e : *v) {
                if (r <= 0 || InPeriod(r, e.from, e.to)) return -1;  // heading of a longer code
            }
        }
    }
    if (r == 0) return 0;
    for (const Entry& e : it->second) {
        if (InPeriod(r, e.from, e.to)) return 0;
    }
    return -1;
}

int HashBaseline::Title(const KChar* code, const KChar* date) const {
    if (!code) return -1;
    const Str key(code);
    if (key.size() != 6) return -1;
    for (KChar c : key) {
        if (c < '0' || c > '9') return -1;
    }
    auto it = titles_.find(key);
    if (it == titles_.end()) return -1;
    const int r = RefValue(date);
    if (r == 0) return 0;
    for (const Period& p : it->second) {
        if (InPeriod(r, p.from, p.to)) return 0;
    }
    return -1;
}

int HashBaseline::TitleFromParts(const KChar* title4, const KChar* pension, const KChar* disability,
                                 const KChar* date) const {
    if (!title4 || !pension || !disability) return -1;
    const Str code = Str(title4) + pension + disability;
    return Title(code.c_str(), date);
}

int HashBaseline::AmountKind(const KChar* title, const KChar* code, int expected, const KChar* month) const {
    if (!code) return -1;
    int m = MonthValue(month);
    if (m < 0) m = month ? Today() / 100 : -1;
    auto it = amount_.find(Str(code));
    if (it == amount_.end()) return -1;
    for (const Period& p : it->second) {
        if (p.from / 100 <= m && m <= p.to / 100 && AdjustAmountKind(title, p.value) == expected) return 0;
    }
    return -1;
}

bool HashBaseline::Together(const KChar* first, const KChar* second, int date) const {
    if (!first || !second) return false;
    auto it = pairs_.find(Str(first));
    if (it == pairs_.end()) return false;
    for (const Entry& e : it->second) {
        if (e.short_text == second && (date == -1 || (e.from <= date && date <= e.to))) return true;
    }
    return false;
}

int HashBaseline::FormRNA(const KChar* title4, const KChar* pension, const KChar* disability,
                          const KChar* const* dates) const {
    if (!title4 || !pension || !disability) return -1;
    const Str code = Str(title4) + pension + disability;
    if (code.size() != 6) return -1;
    auto it = form_rna_.find(code);
    if (it == form_rna_.end() || it->second.empty()) return -1;
    if (!dates || !dates[0]) return 0;
    struct Date {
        int value;
        bool day;
    };
    std::vector<Date> list;
    for (const KChar* const* d = dates; *d; ++d) {
        const int day = DayValue(*d);
        if (day >= 0) {
            list.push_back({day, true});
            continue;
        }
        const int month = MonthValue(*d);
        if (month >= 0) list.push_back({month, false});
    }
    if (list.empty()) list.push_back({Today(), true});
    for (const Date& d : list) {
        for (const Entry& e : it->second) {
            const bool entry_day = e.from > 999999;
            bool in;
            if (entry_day && !d.day) in = e.from / 100 <= d.value && d.value <= e.to / 100;
            else if (!entry_day && d.day) in = e.from <= d.value / 100 && d.value / 100 <= e.to;
            else in = e.from <= d.value && d.value <= e.to;
            if (in) return 0;
        }
    }
    return -1;
}

int HashBaseline::Country(const KChar* text, const KChar* date) const {
    if (!text) return -1;
    const int r = RefValue(date);
    Str key(text);
    if (key.size() > 22) key.resize(22);
    auto it = countries_.find(key);
    if (it == countries_.end()) return -1;
    for (const Period& p : it->second) {
        if (r <= 0 || InPeriod(r, p.from, p.to)) return 0;
    }
    return -1;
}

}  // namespace bench
