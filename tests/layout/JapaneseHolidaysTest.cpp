#include "layout/JapaneseHolidays.h"
#include "layout/Errors.h"

#include "support/ExpectThrows.h"

#include <gtest/gtest.h>

using namespace pluvane;

struct LawCase {
    int year, month, day;
    const char* name; // empty for an ordinary day
};

void PrintTo(const LawCase& c, std::ostream* os)
{
    *os << c.year << '-' << c.month << '-' << c.day;
}

class JapaneseHolidayLaw : public ::testing::TestWithParam<LawCase> {};

TEST_P(JapaneseHolidayLaw, NamesTheDayByTheLawInForce)
{
    const LawCase c = GetParam();
    EXPECT_EQ(japaneseHolidayName(c.year, c.month, c.day).value_or(""), c.name);
}

INSTANTIATE_TEST_SUITE_P(Before1970, JapaneseHolidayLaw,
    ::testing::Values(LawCase { 1948, 1, 1, "" }, // the law took effect on 1948-07-20
        LawCase { 1948, 4, 29, "" }, LawCase { 1948, 5, 3, "" },
        LawCase { 1948, 9, 23, "秋分の日" }, // the first holiday under it
        LawCase { 1948, 11, 3, "文化の日" }, LawCase { 1949, 1, 15, "成人の日" }, LawCase { 1949, 4, 29, "天皇誕生日" },
        LawCase { 1959, 4, 10, "結婚の儀" }, LawCase { 1965, 9, 15, "" }, // 敬老の日 and 体育の日 from 1966
        LawCase { 1966, 9, 15, "敬老の日" }, LawCase { 1966, 10, 10, "体育の日" },
        LawCase { 1966, 2, 11, "" },                                            // 建国記念の日 from 1967
        LawCase { 1967, 2, 11, "建国記念の日" }, LawCase { 1967, 1, 16, "" })); // 1/15 was a Sunday; no substitutes yet

INSTANTIATE_TEST_SUITE_P(Edges, JapaneseHolidayLaw,
    ::testing::Values(LawCase { 1973, 2, 12, "" },      // Sunday 2/11, before the substitute rule
        LawCase { 1973, 4, 30, "天皇誕生日 振替休日" }, // the first substitute holiday
        LawCase { 1985, 5, 4, "" },                     // a Saturday between holidays, too early
        LawCase { 1986, 5, 4, "" },                     // a Sunday between holidays is just a Sunday
        LawCase { 1987, 5, 4, "憲法記念日 振替休日" },  // a substitute, not a day between
        LawCase { 1988, 5, 4, "休日" }, LawCase { 1989, 2, 24, "大喪の礼" }, LawCase { 1989, 4, 29, "みどりの日" },
        LawCase { 1989, 12, 23, "天皇誕生日" }, LawCase { 1990, 11, 12, "即位礼正殿の儀" },
        LawCase { 1993, 6, 9, "結婚の儀" }, LawCase { 1995, 7, 20, "" }, LawCase { 1996, 7, 20, "海の日" },
        LawCase { 1999, 10, 11, "体育の日 振替休日" }, LawCase { 2000, 1, 10, "成人の日" }, // second Monday from 2000
        LawCase { 2000, 1, 15, "" }, LawCase { 2003, 7, 21, "海の日" },                     // third Monday from 2003
        LawCase { 2003, 9, 15, "敬老の日" }, LawCase { 2004, 9, 15, "" }, LawCase { 2006, 4, 29, "みどりの日" },
        LawCase { 2006, 5, 4, "休日" }, LawCase { 2007, 4, 29, "昭和の日" },
        LawCase { 2007, 4, 30, "昭和の日 振替休日" }, LawCase { 2007, 5, 4, "みどりの日" },
        LawCase { 2008, 5, 6, "こどもの日 振替休日" }, // Sunday 5/4 gives the next free day
        LawCase { 2009, 9, 22, "休日" }, LawCase { 2015, 8, 11, "" }, LawCase { 2016, 8, 11, "山の日" },
        LawCase { 2018, 12, 24, "天皇誕生日 振替休日" }, LawCase { 2019, 4, 30, "休日" },
        LawCase { 2019, 5, 1, "休日（祝日扱い）" }, LawCase { 2019, 5, 2, "休日" },
        LawCase { 2019, 10, 14, "体育の日（スポーツの日）" }, LawCase { 2019, 10, 22, "休日（祝日扱い）" },
        LawCase { 2019, 12, 23, "" }, // no emperor's birthday in 2019
        LawCase { 2020, 2, 24, "天皇誕生日 振替休日" }, LawCase { 2020, 5, 6, "憲法記念日 振替休日" },
        LawCase { 2020, 7, 20, "" }, LawCase { 2020, 7, 23, "海の日" }, LawCase { 2020, 7, 24, "スポーツの日" },
        LawCase { 2020, 8, 10, "山の日" }, LawCase { 2020, 8, 11, "" }, LawCase { 2020, 10, 12, "" },
        LawCase { 2021, 7, 22, "海の日" }, LawCase { 2021, 7, 23, "スポーツの日" },
        LawCase { 2021, 8, 9, "山の日 振替休日" }, LawCase { 2021, 10, 11, "" },
        LawCase { 2022, 10, 10, "スポーツの日" }, LawCase { 2092, 3, 19, "春分の日" })); // the equinox drifts to 3/19

TEST(JapaneseHolidays, NothingBeforeTheLaw)
{
    EXPECT_TRUE(japaneseHolidaysOf(1).empty());
    EXPECT_TRUE(japaneseHolidaysOf(1947).empty());
    const std::vector<Holiday> expected { { 9, 23, "秋分の日" }, { 11, 3, "文化の日" }, { 11, 23, "勤労感謝の日" } };
    EXPECT_EQ(japaneseHolidaysOf(1948), expected);
}

TEST(JapaneseHolidays, MonthMaskSetsBitDForDayD)
{
    EXPECT_EQ(japaneseHolidayDaysOf(2019, 4), 0x6000'0000u); // 4/29, 4/30
    EXPECT_EQ(japaneseHolidayDaysOf(2019, 5), 0x0000'007Eu); // 5/1 .. 5/6
    EXPECT_EQ(japaneseHolidayDaysOf(2019, 6), 0u);
    EXPECT_EQ(japaneseHolidayDaysOf(1947, 5), 0u);
}

TEST(JapaneseHolidays, ImpossibleDatesAndYearsBeyondTheRangeRaiseConvertError)
{
    const std::string message = "日付に変換できない値が渡されました";
    EXPECT_TRUE(fixtures::throwsWithMessage<EConvertError>([] { japaneseHolidaysOf(2501); }, message));
    EXPECT_TRUE(fixtures::throwsWithMessage<EConvertError>([] { japaneseHolidaysOf(0); }, message));
    EXPECT_TRUE(fixtures::throwsWithMessage<EConvertError>([] { japaneseHolidayName(2023, 2, 29); }, message));
    EXPECT_TRUE(fixtures::throwsWithMessage<EConvertError>([] { japaneseHolidayName(2023, 4, 31); }, message));
    EXPECT_TRUE(fixtures::throwsWithMessage<EConvertError>([] { japaneseHolidayDaysOf(2023, 13); }, message));
    EXPECT_NO_THROW(japaneseHolidayName(2024, 2, 29));
    EXPECT_NO_THROW(japaneseHolidaysOf(2500));
}
