// Dates on the command line: DDMMRRRR, MMRRRR or YYYY-MM-DD.
#ifndef KODOWNIK_CLI_DATES_H
#define KODOWNIK_CLI_DATES_H

#include <string>

namespace kodcli {

struct Date {
    int value = 0;       // YYYYMMDD for a day, YYYYMM for a month; 0 for none
    bool month = false;  // a whole month
    std::string text;    // the form the library reads: DDMMRRRR or MMRRRR
};

// Parses a date argument; throws UserError with a one-line reason when it is
// malformed or not a calendar date. The library's own date checks decide.
Date ParseDate(const std::string& arg);
// Today, as the library's clock gives it.
Date Today();
// The month a date falls in (a month stays itself).
Date MonthOf(const Date& d);

// 2003-10-01 for 20031001, 2003-10 for 200310, "open" for the open ends
// 99991231 and 999912.
std::string FormatDate(int value);

}  // namespace kodcli

#endif
