#include "layout/JapaneseHolidays.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

using namespace pluvane;

namespace {

// The published list of 1970..2050, one "yyyy-mm-dd,name" row a day off,
// grouped by year.
std::map<int, std::vector<Holiday>> publishedList()
{
    std::ifstream in(PLUVANE_TEST_DATA_DIR "/jp-holidays-1970-2050.csv");
    std::map<int, std::vector<Holiday>> byYear;
    std::string line;
    std::getline(in, line); // the header
    while (std::getline(in, line)) {
        int year = 0, month = 0, day = 0, used = 0;
        if (std::sscanf(line.c_str(), "%d-%d-%d,%n", &year, &month, &day, &used) != 3 || used == 0)
            ADD_FAILURE() << "unreadable row: " << line;
        else
            byYear[year].push_back({ month, day, line.substr(static_cast<std::size_t>(used)) });
    }
    return byYear;
}

class JapaneseHolidaysData : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_list = publishedList(); }
    static inline std::map<int, std::vector<Holiday>> s_list;
};

} // namespace

void PrintTo(const Holiday& h, std::ostream* os)
{
    *os << h.month << '/' << h.day << ' ' << h.name;
}

TEST_F(JapaneseHolidaysData, TheWholeListIsThere)
{
    std::size_t rows = 0;
    for (const auto& [year, days] : s_list)
        rows += days.size();
    EXPECT_EQ(rows, 1329u);
    ASSERT_EQ(s_list.size(), 81u);
    EXPECT_EQ(s_list.begin()->first, 1970);
    EXPECT_EQ(s_list.rbegin()->first, 2050);
}

TEST_F(JapaneseHolidaysData, EveryYearMatchesTheListWithNames)
{
    for (int year = 1970; year <= 2050; ++year)
        EXPECT_EQ(japaneseHolidaysOf(year), s_list[year]) << year;
}

TEST_F(JapaneseHolidaysData, EveryDateAndEveryMonthMaskMatchTheList)
{
    for (int year = 1970; year <= 2050; ++year) {
        std::map<std::pair<int, int>, std::string> names;
        for (const Holiday& h : s_list[year])
            names[{ h.month, h.day }] = h.name;
        for (int month = 1; month <= 12; ++month) {
            std::uint32_t expectedMask = 0;
            for (int day = 1; day <= 31; ++day) {
                const auto it = names.find({ month, day });
                if (it != names.end())
                    expectedMask |= std::uint32_t { 1 } << day;
                const std::chrono::year_month_day date { std::chrono::year { year },
                    std::chrono::month { static_cast<unsigned>(month) },
                    std::chrono::day { static_cast<unsigned>(day) } };
                if (!date.ok())
                    continue;
                const std::optional<std::string> name = japaneseHolidayName(year, month, day);
                if (it == names.end())
                    EXPECT_FALSE(name.has_value()) << year << '-' << month << '-' << day << ' ' << name.value_or("");
                else
                    EXPECT_EQ(name.value_or("(none)"), it->second) << year << '-' << month << '-' << day;
            }
            EXPECT_EQ(japaneseHolidayDaysOf(year, month), expectedMask) << year << '-' << month;
        }
    }
}
