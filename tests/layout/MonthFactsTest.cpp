#include "support/ExpectThrows.h"

#include "layout/Errors.h"
#include "layout/MonthFacts.h"

#include <gtest/gtest.h>

using namespace pluvane;

struct MonthCase {
    int year, month, firstcol, daycount;
};

void PrintTo(const MonthCase& c, std::ostream* os)
{
    *os << c.year << '-' << c.month;
}

class MonthFactsTest : public ::testing::TestWithParam<MonthCase> {};

TEST_P(MonthFactsTest, WeekdayOfTheFirstAndLength)
{
    const MonthCase c = GetParam();
    const MonthFacts f = monthFacts(c.year, c.month);
    EXPECT_EQ(f.firstcol, c.firstcol);
    EXPECT_EQ(f.daycount, c.daycount);
}

INSTANTIATE_TEST_SUITE_P(Calendar, MonthFactsTest,
    ::testing::Values(MonthCase { 1998, 3, 0, 31 }, // starts on Sunday
        MonthCase { 1900, 2, 4, 28 },               // century, not a leap year
        MonthCase { 2000, 2, 2, 29 },               // divisible by 400
        MonthCase { 2015, 2, 0, 28 },               // fills exactly four rows
        MonthCase { 2020, 2, 6, 29 },               // leap year starting on Saturday
        MonthCase { 2100, 2, 1, 28 }, MonthCase { 2400, 2, 2, 29 }, MonthCase { 2500, 2, 1, 28 },
        MonthCase { 2026, 12, 2, 31 }, MonthCase { 1, 1, 1, 31 }, // 0001-01-01 is a Monday
        MonthCase { 9999, 12, 3, 31 }, MonthCase { 2024, 4, 1, 30 }));

TEST(MonthFactsErrors, ImpossibleDatesRaiseConvertError)
{
    for (const std::pair<int, int>& date : { std::pair { 0, 1 }, { 10000, 1 }, { 2000, 0 }, { 2000, 13 }, { -5, 3 } }) {
        SCOPED_TRACE(std::to_string(date.first) + "-" + std::to_string(date.second));
        EXPECT_TRUE(fixtures::throwsWithMessage<EConvertError>(
            [&] { monthFacts(date.first, date.second); }, "日付に変換できない値が渡されました"));
    }
}
