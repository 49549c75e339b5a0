#include "JapaneseHolidays.h"

#include "Equinox.h"
#include "Errors.h"

#include <algorithm>
#include <chrono>

namespace pluvane {

namespace {

using std::chrono::sys_days;

enum class Kind { Fixed, Monday, Equinox };

// One holiday of the law as it stood over a span of years: a fixed date, the
// n-th Monday of a month (the rule of 2000 and 2003), or an equinox day.
struct Rule {
    const char* name;
    int firstYear, lastYear;
    unsigned month;
    Kind kind;
    unsigned dayOrWeek; // the day of the month, or which Monday
};

constexpr int always = 9999;

// Every holiday the law has named since 1948, with the years it stood. The
// names are the ones the Cabinet Office's lists print.
constexpr Rule rules[] = {
    { "元日", 1948, always, 1, Kind::Fixed, 1 },
    { "成人の日", 1948, 1999, 1, Kind::Fixed, 15 },
    { "成人の日", 2000, always, 1, Kind::Monday, 2 },
    { "建国記念の日", 1967, always, 2, Kind::Fixed, 11 },
    { "天皇誕生日", 2020, always, 2, Kind::Fixed, 23 },
    { "春分の日", 1948, always, 3, Kind::Equinox, 0 },
    { "天皇誕生日", 1948, 1988, 4, Kind::Fixed, 29 },
    { "みどりの日", 1989, 2006, 4, Kind::Fixed, 29 },
    { "昭和の日", 2007, always, 4, Kind::Fixed, 29 },
    { "憲法記念日", 1948, always, 5, Kind::Fixed, 3 },
    { "みどりの日", 2007, always, 5, Kind::Fixed, 4 },
    { "こどもの日", 1948, always, 5, Kind::Fixed, 5 },
    { "海の日", 1996, 2002, 7, Kind::Fixed, 20 },
    // 2020 and 2021 moved 海の日, スポーツの日 and 山の日 for the Olympic
    // Games; those days are among the one-off days below.
    { "海の日", 2003, 2019, 7, Kind::Monday, 3 },
    { "海の日", 2022, always, 7, Kind::Monday, 3 },
    { "山の日", 2016, 2019, 8, Kind::Fixed, 11 },
    { "山の日", 2022, always, 8, Kind::Fixed, 11 },
    { "敬老の日", 1966, 2002, 9, Kind::Fixed, 15 },
    { "敬老の日", 2003, always, 9, Kind::Monday, 3 },
    { "秋分の日", 1948, always, 9, Kind::Equinox, 0 },
    { "体育の日", 1966, 1999, 10, Kind::Fixed, 10 },
    { "体育の日", 2000, 2018, 10, Kind::Monday, 2 },
    // The renaming was enacted in 2018 for 2020; the lists print 2019's day
    // with both names.
    { "体育の日（スポーツの日）", 2019, 2019, 10, Kind::Monday, 2 },
    { "スポーツの日", 2022, always, 10, Kind::Monday, 2 },
    { "文化の日", 1948, always, 11, Kind::Fixed, 3 },
    { "勤労感謝の日", 1948, always, 11, Kind::Fixed, 23 },
    // 2019, the year of the accession, has no emperor's birthday.
    { "天皇誕生日", 1989, 2018, 12, Kind::Fixed, 23 },
};

struct OneOff {
    int year;
    unsigned month, day;
    const char* name;
};

// Days made holidays by their own laws. 2019-04-30 and 2019-05-02 are not
// here: they follow from the rule for a day between two holidays once
// 2019-05-01 counts as a national holiday.
constexpr OneOff oneOffs[] = {
    { 1959, 4, 10, "結婚の儀" }, // the Crown Prince's wedding
    { 1989, 2, 24, "大喪の礼" },
    { 1990, 11, 12, "即位礼正殿の儀" },
    { 1993, 6, 9, "結婚の儀" },
    { 2019, 5, 1, "休日（祝日扱い）" },
    { 2019, 10, 22, "休日（祝日扱い）" },
    { 2020, 7, 23, "海の日" },
    { 2020, 7, 24, "スポーツの日" },
    { 2020, 8, 10, "山の日" },
    { 2021, 7, 22, "海の日" },
    { 2021, 7, 23, "スポーツの日" },
    { 2021, 8, 8, "山の日" },
};

constexpr int latestYear = 2500;

constexpr sys_days dateOf(int year, unsigned month, unsigned day)
{
    return sys_days { std::chrono::year { year } / std::chrono::month { month } / std::chrono::day { day } };
}

constexpr sys_days lawTakesEffect = dateOf(1948, 7, 20);
constexpr sys_days substitutesBegin = dateOf(1973, 4, 12);
constexpr sys_days daysBetweenBegin = dateOf(1985, 12, 27);
constexpr sys_days substitutesSkipHolidays = dateOf(2007, 1, 1);

// A day off as the rules give it. The name is a literal of the tables; a
// substitute holiday carries the name of the holiday it is named after, and
// its full name is made only when names are asked for, so that the days of a
// month cost no strings.
struct DayOff {
    sys_days date;
    const char* name;
    bool substitute = false;
};

sys_days dateOfRule(const Rule& rule, int year)
{
    using namespace std::chrono;
    switch (rule.kind) {
    case Kind::Fixed:
        return dateOf(year, rule.month, rule.dayOrWeek);
    case Kind::Monday:
        return sys_days { std::chrono::year { year } / std::chrono::month { rule.month } / Monday[rule.dayOrWeek] };
    case Kind::Equinox:
        break;
    }
    const Equinox which = rule.month == 3 ? Equinox::March : Equinox::September;
    return dateOf(year, rule.month, static_cast<unsigned>(equinoxDayInJapan(year, which)));
}

std::vector<DayOff> nationalHolidays(int year)
{
    std::vector<DayOff> days;
    days.reserve(32);
    for (const Rule& rule : rules) {
        if (year >= rule.firstYear && year <= rule.lastYear)
            days.push_back({ dateOfRule(rule, year), rule.name });
    }
    for (const OneOff& oneOff : oneOffs) {
        if (oneOff.year == year)
            days.push_back({ dateOf(year, oneOff.month, oneOff.day), oneOff.name });
    }
    std::erase_if(days, [](const DayOff& d) { return d.date < lawTakesEffect; });
    std::sort(days.begin(), days.end(), [](const DayOff& a, const DayOff& b) { return a.date < b.date; });
    return days;
}

const DayOff* find(const std::vector<DayOff>& days, sys_days date)
{
    const auto it = std::find_if(days.begin(), days.end(), [date](const DayOff& d) { return d.date == date; });
    return it == days.end() ? nullptr : &*it;
}

bool contains(const std::vector<DayOff>& days, sys_days date)
{
    return find(days, date) != nullptr;
}

// The published lists name a substitute holiday after the national holiday
// just before it, which from 2007 may be a later one than the Sunday it
// stands for (a Sunday 5/3 gives "こどもの日 振替休日" on 5/6); 2020's
// alone is named after its Sunday.
const char* substituteName(const std::vector<DayOff>& national, sys_days substitute)
{
    if (substitute == dateOf(2020, 5, 6))
        return "憲法記念日";
    return find(national, substitute - std::chrono::days { 1 })->name;
}

// A national holiday on a Sunday gives the next day off; from 2007 the next
// day that is not itself a national holiday.
void addSubstitutes(const std::vector<DayOff>& national, std::vector<DayOff>& out)
{
    using std::chrono::days;
    for (const DayOff& holiday : national) {
        if (holiday.date < substitutesBegin || std::chrono::weekday { holiday.date } != std::chrono::Sunday)
            continue;
        sys_days next = holiday.date + days { 1 };
        if (holiday.date >= substitutesSkipHolidays) {
            while (contains(national, next))
                next += days { 1 };
        } else if (contains(national, next)) {
            continue;
        }
        out.push_back({ next, substituteName(national, next), true });
    }
}

// A day that is not a Sunday nor already a substitute holiday, with national
// holidays on both sides, is a day off.
void addDaysBetween(const std::vector<DayOff>& national, std::vector<DayOff>& out)
{
    using std::chrono::days;
    for (std::size_t i = 1; i < national.size(); ++i) {
        if (national[i].date - national[i - 1].date != days { 2 })
            continue;
        const sys_days between = national[i - 1].date + days { 1 };
        if (between < daysBetweenBegin || std::chrono::weekday { between } == std::chrono::Sunday
            || contains(out, between))
            continue;
        out.push_back({ between, "休日" });
    }
}

// Every day off of the year, in date order.
std::vector<DayOff> daysOffOf(int year)
{
    if (year < 1 || year > latestYear)
        throw EConvertError();
    const std::vector<DayOff> national = nationalHolidays(year);
    std::vector<DayOff> all = national;
    addSubstitutes(national, all);
    addDaysBetween(national, all);
    std::sort(all.begin(), all.end(), [](const DayOff& a, const DayOff& b) { return a.date < b.date; });
    return all;
}

} // namespace

std::vector<Holiday> japaneseHolidaysOf(int year)
{
    const std::vector<DayOff> all = daysOffOf(year);
    std::vector<Holiday> result;
    result.reserve(all.size());
    for (const DayOff& d : all) {
        const std::chrono::year_month_day ymd { d.date };
        result.push_back(
            { static_cast<int>(static_cast<unsigned>(ymd.month())), static_cast<int>(static_cast<unsigned>(ymd.day())),
                d.substitute ? std::string(d.name) + " 振替休日" : std::string(d.name) });
    }
    return result;
}

std::optional<std::string> japaneseHolidayName(int year, int month, int day)
{
    if (month < 1 || month > 12 || day < 1 || day > 31
        || !std::chrono::year_month_day { std::chrono::year { year },
            std::chrono::month { static_cast<unsigned>(month) }, std::chrono::day { static_cast<unsigned>(day) } }
                .ok())
        throw EConvertError();
    for (Holiday& h : japaneseHolidaysOf(year)) {
        if (h.month == month && h.day == day)
            return std::move(h.name);
    }
    return std::nullopt;
}

std::uint32_t japaneseHolidayDaysOf(int year, int month)
{
    if (month < 1 || month > 12)
        throw EConvertError();
    std::uint32_t bits = 0;
    for (const DayOff& d : daysOffOf(year)) {
        const std::chrono::year_month_day ymd { d.date };
        if (static_cast<unsigned>(ymd.month()) == static_cast<unsigned>(month))
            bits |= std::uint32_t { 1 } << static_cast<unsigned>(ymd.day());
    }
    return bits;
}

} // namespace pluvane
