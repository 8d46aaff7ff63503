// The walk over a null-terminated list of date texts and its two sources.
// Included by dates/dates.h.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <type_traits>

namespace kod {

// Dates from a null-terminated array of texts; a null array is an empty list.
class ZrodloDatTablica {
public:
    explicit ZrodloDatTablica(const KChar* const* dates) : dates_(dates) {}

    void Restart() { pos_ = 0; }

    // The next text, or null at the end; the array is never read past its null.
    const KChar* Next() {
        if (!dates_ || !dates_[pos_]) return nullptr;
        return dates_[pos_++];
    }

private:
    const KChar* const* dates_;
    std::size_t pos_ = 0;
};

// Dates from the variadic arguments of a call, ended by a null pointer. The
// list may begin with a named parameter (`first`); a null `first` is an empty
// list and the va_list is then never read. The source keeps its own copy of
// the va_list, so the caller's list is left untouched and the source can be
// walked any number of times. The caller keeps its va_list alive (between its
// va_start and va_end) for the whole life of the source.
class ZrodloDatVa {
public:
    explicit ZrodloDatVa(va_list ap) : first_(nullptr), has_first_(false) {
        va_copy(orig_, ap);
        Restart();
    }
    ZrodloDatVa(const KChar* first, va_list ap) : first_(first), has_first_(true) {
        va_copy(orig_, ap);
        Restart();
    }
    ~ZrodloDatVa() {
        if (active_) va_end(cur_);
        va_end(orig_);
    }
    ZrodloDatVa(const ZrodloDatVa&) = delete;
    ZrodloDatVa& operator=(const ZrodloDatVa&) = delete;

    void Restart() {
        if (active_) va_end(cur_);
        va_copy(cur_, orig_);
        active_ = true;
        state_ = has_first_ ? kPierwszy : kDalsze;
    }

    // The next text, or null at the end; no argument past the null is read.
    const KChar* Next() {
        const KChar* t = nullptr;
        switch (state_) {
            case kPierwszy:
                t = first_;
                state_ = kDalsze;
                break;
            case kDalsze:
                t = va_arg(cur_, const KChar*);
                break;
            case kKoniec:
                return nullptr;
        }
        if (!t) state_ = kKoniec;
        return t;
    }

private:
    enum Stan { kPierwszy, kDalsze, kKoniec };
    va_list orig_;
    va_list cur_;
    const KChar* first_;
    bool has_first_;
    bool active_ = false;
    Stan state_ = kKoniec;
};

namespace detail {

// The visitor takes (value, is_day) or only (value).
template <class Visitor>
int OdwiedzDate(Visitor& visit, int value, bool dzien) {
    if constexpr (std::is_invocable_v<Visitor&, int, bool>) {
        return static_cast<int>(visit(value, dzien));
    } else {
        (void)dzien;
        return static_cast<int>(visit(value));
    }
}

inline bool DataPoprawna(const KChar* t) {
    return sl_PoprawnaData_DDMMRRRR(t) == 0 || sl_PoprawnaData_MMRRRR(t) == 0;
}

}  // namespace detail

// The visitor is called as visit(value, is_day) when it takes two arguments,
// else as visit(value); is_day is true for a YYYYMMDD value (8-character text
// or today) and false for a YYYYMM value (6-character text). It tells the
// form of the text even where a day value of a year below 100 is not above
// 999999.
template <class Source, class Visitor>
int PrzejdzListeDat(Source& dates, Visitor&& visit) {
    bool jest_poprawna = false;
    dates.Restart();
    while (const KChar* t = dates.Next()) {
        if (detail::DataPoprawna(t)) {
            jest_poprawna = true;
            break;
        }
    }

    bool dzis_odczytany = false;
    int dzis = 0;
    dates.Restart();
    while (const KChar* t = dates.Next()) {
        int value;
        bool dzien;
        if (!jest_poprawna) {
            // No text of the list is a date: each stands for today.
            if (!dzis_odczytany) {
                dzis = Dzisiaj();
                dzis_odczytany = true;
            }
            value = dzis;
            dzien = true;
        } else {
            if (!detail::DataPoprawna(t)) continue;
            const std::size_t n = TextLengthUpTo(t, 8);
            if (n == 8) {
                value = sl_PrzeksztalcDate_DDMMRRRR(t);
                dzien = true;
            } else if (n == 6) {
                value = sl_PrzeksztalcDate_MMRRRR(t);
                dzien = false;
            } else {
                return kListaBlad;
            }
        }
        if (value == 0) return kListaBlad;
        const int r = detail::OdwiedzDate(visit, value, dzien);
        if (r != kListaDalej) return r;
    }
    return kListaKoniec;
}

}  // namespace kod
