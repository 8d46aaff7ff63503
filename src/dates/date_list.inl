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

}  // namespace detail

// The visitor is called as visit(value, is_day) when it takes two arguments,
// else as visit(value); is_day is true for a YYYYMMDD value (8-character text
// or today) and false for a YYYYMM value (6-character text). It tells the
// form of the text even where a day value of a year below 100 is not above
// 999999.
//
// Each text is checked once, in one pass: the texts before the first date
// are skipped (none is a date), the walk goes on from the first date. Only a
// list without any date is walked a second time, each text standing for
// today.
template <class Source, class Visitor>
int PrzejdzListeDat(Source& dates, Visitor&& visit) {
    bool found = false, any = false;
    while (const KChar* t = dates.Next()) {
        any = true;
        bool is_day = false;
        const int value = WartoscDaty(t, is_day);
        if (value == kBezDaty) continue;  // neither form: skipped
        found = true;
        const int r = detail::OdwiedzDate(visit, value, is_day);
        if (r != kListaDalej) return r;
    }
    if (found) return kListaKoniec;
    if (!any) return kListaPusta;

    // No text of the list is a date: each stands for today.
    bool today_read = false;
    int today = 0;
    dates.Restart();
    while (dates.Next()) {
        if (!today_read) {
            today = Dzisiaj();
            today_read = true;
        }
        if (today == 0) return kListaBlad;
        const int r = detail::OdwiedzDate(visit, today, true);
        if (r != kListaDalej) return r;
    }
    return kListaKoniec;
}

}  // namespace kod
