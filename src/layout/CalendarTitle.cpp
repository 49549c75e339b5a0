#include "CalendarTitle.h"

namespace pluvane {

namespace {

struct Era {
    const char* name;
    int firstYear, firstMonth, firstDay; // the first day of the era
};

// Latest first, so the first era that began on or before a day is its era.
constexpr Era eras[] = {
    { "令和", 2019, 5, 1 },
    { "平成", 1989, 1, 8 },
    { "昭和", 1926, 12, 25 },
    { "大正", 1912, 7, 30 },
    { "明治", 1868, 1, 1 },
};

bool beganBy(const Era& era, int year, int month)
{
    // The month's first day against the era's first day.
    if (year != era.firstYear)
        return year > era.firstYear;
    if (month != era.firstMonth)
        return month > era.firstMonth;
    return era.firstDay == 1;
}

std::string yearMonth(int year, int month)
{
    return std::to_string(year) + "年" + std::to_string(month) + "月";
}

std::string eraMonth(int year, int month)
{
    for (const Era& era : eras) {
        if (!beganBy(era, year, month))
            continue;
        const int eraYear = year - era.firstYear + 1;
        return era.name + (eraYear == 1 ? std::string("元") : std::to_string(eraYear)) + "年" + std::to_string(month)
            + "月";
    }
    return yearMonth(year, month);
}

std::string englishMonth(int year, int month)
{
    static constexpr const char* names[12] = { "January", "February", "March", "April", "May", "June", "July", "August",
        "September", "October", "November", "December" };
    const char* name = month >= 1 && month <= 12 ? names[month - 1] : "";
    return std::string(name) + ' ' + std::to_string(year);
}

} // namespace

std::string calendarTitle(const CalendarSettings& s)
{
    switch (s.titleText) {
    case TitleText::YearMonth:
        return yearMonth(s.year, s.titlemonth);
    case TitleText::EraMonth:
        return eraMonth(s.year, s.titlemonth);
    case TitleText::English:
        return englishMonth(s.year, s.titlemonth);
    case TitleText::Month:
        break;
    }
    return std::to_string(s.titlemonth);
}

} // namespace pluvane
