#include "dates.h"

#include <cstdio>

#include "errors.h"
#include "library.h"

namespace kodcli {

namespace {

bool AllDigits(const std::string& s) {
    for (char c : s) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

}  // namespace

Date ParseDate(const std::string& arg) {
    std::string text = arg;
    // YYYY-MM-DD becomes DDMMRRRR.
    if (arg.size() == 10 && arg[4] == '-' && arg[7] == '-') {
        text = arg.substr(8, 2) + arg.substr(5, 2) + arg.substr(0, 4);
    }
    if (!(text.size() == 8 || text.size() == 6) || !AllDigits(text)) {
        throw UserError("'" + arg + "' is not a date: give DDMMRRRR (31122002), MMRRRR (122002) or YYYY-MM-DD");
    }
    Date d;
    d.text = text;
    const std::u16string t = Wide(text);
    if (text.size() == 8) {
        int status = sl_PoprawnaData_DDMMRRRR(t.c_str());
        if (status != 0) throw UserError("'" + arg + "' is not a calendar date");
        d.value = sl_PrzeksztalcDate_DDMMRRRR(t.c_str());
    } else {
        int status = sl_PoprawnaData_MMRRRR(t.c_str());
        if (status == KODOWNIK_DATA_ZLY_ROK) {
            throw UserError("'" + arg + "': months are read for the years 1850 to 2020 only; give a day (DDMMRRRR or YYYY-MM-DD)");
        }
        if (status != 0) throw UserError("'" + arg + "' is not a month (MMRRRR)");
        d.value = sl_PrzeksztalcDate_MMRRRR(t.c_str());
        d.month = true;
    }
    return d;
}

Date Today() {
    KChar buffer[16] = {};
    Date d;
    d.value = sl_Now(buffer);
    char text[16];
    std::snprintf(text, sizeof text, "%02d%02d%04d", d.value % 100, d.value / 100 % 100, d.value / 10000);
    d.text = text;
    return d;
}

Date MonthOf(const Date& d) {
    if (d.month) return d;
    Date m;
    m.month = true;
    m.value = d.value / 100;
    m.text = d.text.substr(2);
    return m;
}

std::string FormatDate(int value) {
    char out[32];
    if (value == 99991231 || value == 999912) return "open";
    if (value > 999999) {
        std::snprintf(out, sizeof out, "%04d-%02d-%02d", value / 10000, value / 100 % 100, value % 100);
    } else {
        std::snprintf(out, sizeof out, "%04d-%02d", value / 100, value % 100);
    }
    return out;
}

}  // namespace kodcli
