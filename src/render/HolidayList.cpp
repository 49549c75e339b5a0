#include "HolidayList.h"

#include "layout/JapaneseHolidays.h"

#include <string>

namespace pluvane {

namespace {

void twoDigits(std::string& line, int n)
{
    line += static_cast<char>('0' + n / 10);
    line += static_cast<char>('0' + n % 10);
}

} // namespace

void printHolidayList(int firstYear, int lastYear, std::ostream& out)
{
    // One buffer for the whole list: a write per line would cost more than
    // working the holidays out.
    std::string text;
    for (int year = firstYear; year <= lastYear; ++year) {
        const std::string prefix = std::to_string(year) + '-';
        for (const Holiday& h : japaneseHolidaysOf(year)) {
            text += prefix;
            twoDigits(text, h.month);
            text += '-';
            twoDigits(text, h.day);
            text += '\t';
            text += h.name;
            text += '\n';
        }
    }
    out << text;
}

} // namespace pluvane
