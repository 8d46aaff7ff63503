// Date texts DDMMRRRR, MMRRRR and DDMM: the form checks and the conversions
// to date, month and day-month numbers.
#include "dates/dates.h"

namespace kod {
namespace {

// Days of months 1..12: row 0 a common year, row 1 a leap year.
constexpr unsigned short kDniMiesiaca[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

bool RokPrzestepny(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Value of n digits starting at s; the caller has checked they are digits.
int Liczba(const KChar* s, int n) {
    int v = 0;
    for (int i = 0; i < n; ++i) v = v * 10 + static_cast<int>(s[i] - '0');
    return v;
}

// Length and digits of a text of a fixed form: 0 when it has exactly n
// characters, all digits, else the wrong-length-or-character code. Reads at
// most n + 1 characters of the text.
int SprawdzCyfry(const KChar* s, std::size_t n) {
    // One pass: a NUL before the n-th character is not a digit.
    for (std::size_t i = 0; i < n; ++i) {
        if (!IsDigit(s[i])) return kDataZlaDlugoscLubZnak;
    }
    return s[n] == 0 ? kDataPoprawna : kDataZlaDlugoscLubZnak;
}

bool MiesiacPoprawny(int month) { return month >= 1 && month <= 12; }

bool DzienPoprawny(int day, int month, bool leap) {
    return day >= 1 && day <= kDniMiesiaca[leap ? 1 : 0][month - 1];
}

constexpr int kRokMiesiacaOd = 1850;
constexpr int kRokMiesiacaDo = 2020;

}  // namespace

int PoprawnaDataDDMMRRRR(const KChar* text) {
    if (!text) return kDataBrak;
    if (int r = SprawdzCyfry(text, 8)) return r;
    const int month = Liczba(text + 2, 2);
    if (!MiesiacPoprawny(month)) return kDataZlyMiesiac;
    const int year = Liczba(text + 4, 4);
    if (!DzienPoprawny(Liczba(text, 2), month, RokPrzestepny(year))) return kDataZlyDzien;
    return kDataPoprawna;
}

int PoprawnaDataMMRRRR(const KChar* text) {
    if (!text) return kDataBrak;
    if (int r = SprawdzCyfry(text, 6)) return r;
    if (!MiesiacPoprawny(Liczba(text, 2))) return kDataZlyMiesiac;
    const int year = Liczba(text + 2, 4);
    if (year < kRokMiesiacaOd || year > kRokMiesiacaDo) return kDataZlyRok;
    return kDataPoprawna;
}

int PoprawnaDataDDMM(const KChar* text) {
    if (!text) return kDataBrak;
    if (int r = SprawdzCyfry(text, 4)) return r;
    const int month = Liczba(text + 2, 2);
    if (!MiesiacPoprawny(month)) return kDataZlyMiesiac;
    // Without a year 29 February is a possible day.
    if (!DzienPoprawny(Liczba(text, 2), month, true)) return kDataZlyDzien;
    return kDataPoprawna;
}

// The conversions read the text in one pass, as the date lists do
// (WartoscDaty); a text that is no date of their form stands for today.
int PrzeksztalcDateDDMMRRRR(const KChar* text) {
    if (!text) return kDataBrak;
    bool day = false;
    const int value = WartoscDaty(text, day);
    return value != kBezDaty && day ? value : Dzisiaj();
}

int PrzeksztalcDateMMRRRR(const KChar* text) {
    if (!text) return kDataBrak;
    bool day = true;
    const int value = WartoscDaty(text, day);
    return value != kBezDaty && !day ? value : Dzisiaj() / 100;
}

int PrzeksztalcDateDDMM(const KChar* text) {
    if (!text) return kDataBrak;
    if (PoprawnaDataDDMM(text) != kDataPoprawna) return Dzisiaj() % 10000;
    return Liczba(text + 2, 2) * 100 + Liczba(text, 2);
}

int WartoscDaty(const KChar* text, bool& day) {
    if (!text) return kBezDaty;
    // One pass over at most nine characters: the digits, then the NUL.
    int n = 0;
    while (n < 8 && IsDigit(text[n])) ++n;
    if (text[n] != 0) return kBezDaty;
    const auto d = [text](int i) { return static_cast<int>(text[i] - '0'); };
    if (n == 8) {
        const int day_no = d(0) * 10 + d(1), month = d(2) * 10 + d(3);
        const int year = d(4) * 1000 + d(5) * 100 + d(6) * 10 + d(7);
        // The leap year matters in February only.
        if (!MiesiacPoprawny(month) || !DzienPoprawny(day_no, month, month == 2 && RokPrzestepny(year)))
            return kBezDaty;
        day = true;
        return year * 10000 + month * 100 + day_no;
    }
    if (n == 6) {
        const int month = d(0) * 10 + d(1), year = d(2) * 1000 + d(3) * 100 + d(4) * 10 + d(5);
        if (!MiesiacPoprawny(month) || year < kRokMiesiacaOd || year > kRokMiesiacaDo) return kBezDaty;
        day = false;
        return year * 100 + month;
    }
    return kBezDaty;
}

}  // namespace kod

// The exports: thin wrappers.
extern "C" {

KOD_EXPORT int sl_PoprawnaData_DDMMRRRR(const KChar* text) { return kod::PoprawnaDataDDMMRRRR(text); }
KOD_EXPORT int sl_PoprawnaData_MMRRRR(const KChar* text) { return kod::PoprawnaDataMMRRRR(text); }
KOD_EXPORT int sl_PoprawnaData_DDMM(const KChar* text) { return kod::PoprawnaDataDDMM(text); }
KOD_EXPORT int sl_PrzeksztalcDate_DDMMRRRR(const KChar* text) { return kod::PrzeksztalcDateDDMMRRRR(text); }
KOD_EXPORT int sl_PrzeksztalcDate_MMRRRR(const KChar* text) { return kod::PrzeksztalcDateMMRRRR(text); }
KOD_EXPORT int sl_PrzeksztalcDate_DDMM(const KChar* text) { return kod::PrzeksztalcDateDDMM(text); }

}  // extern "C"
