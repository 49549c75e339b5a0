// The title texts, alone and as the drawing places them.

#include "support/FixedWidthMeasurer.h"
#include "support/LoggingCanvas.h"

#include "layout/CalendarDrawing.h"
#include "layout/CalendarTitle.h"

#include <gtest/gtest.h>

using namespace pluvane;
using fixtures::CanvasCall;
using fixtures::LoggingCanvas;

namespace {

CalendarSettings titleSettings(int year, int month, TitleText text)
{
    CalendarSettings s;
    s.year = year;
    s.month = s.titlemonth = month;
    s.titleText = text;
    return s;
}

struct TitleCase {
    int year, month;
    TitleText text;
    const char* expected;
};

void PrintTo(const TitleCase& c, std::ostream* os)
{
    *os << c.year << '-' << c.month << ' ' << static_cast<int>(c.text);
}

class CalendarTitleTest : public ::testing::TestWithParam<TitleCase> {};

} // namespace

TEST_P(CalendarTitleTest, TextForTheMonth)
{
    const TitleCase c = GetParam();
    EXPECT_EQ(calendarTitle(titleSettings(c.year, c.month, c.text)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Forms, CalendarTitleTest,
    ::testing::Values(TitleCase { 2027, 3, TitleText::Month, "3" }, TitleCase { 2027, 12, TitleText::Month, "12" },
        TitleCase { 2027, 3, TitleText::YearMonth, "2027年3月" },
        TitleCase { 1900, 11, TitleText::YearMonth, "1900年11月" },
        TitleCase { 2027, 3, TitleText::EraMonth, "令和9年3月" },
        TitleCase { 2027, 3, TitleText::English, "March 2027" },
        TitleCase { 1900, 1, TitleText::English, "January 1900" },
        TitleCase { 2500, 12, TitleText::English, "December 2500" }));

// The era in force on the month's first day, with "元年" for an era's first year.
INSTANTIATE_TEST_SUITE_P(Eras, CalendarTitleTest,
    ::testing::Values(TitleCase { 1900, 1, TitleText::EraMonth, "明治33年1月" },
        TitleCase { 1912, 7, TitleText::EraMonth, "明治45年7月" }, // 大正 began on the 30th
        TitleCase { 1912, 8, TitleText::EraMonth, "大正元年8月" },
        TitleCase { 1926, 12, TitleText::EraMonth, "大正15年12月" }, // 昭和 began on the 25th
        TitleCase { 1927, 1, TitleText::EraMonth, "昭和2年1月" },
        TitleCase { 1989, 1, TitleText::EraMonth, "昭和64年1月" }, // 平成 began on the 8th
        TitleCase { 1989, 2, TitleText::EraMonth, "平成元年2月" },
        TitleCase { 2019, 4, TitleText::EraMonth, "平成31年4月" },
        TitleCase { 2019, 5, TitleText::EraMonth, "令和元年5月" },
        TitleCase { 2020, 1, TitleText::EraMonth, "令和2年1月" },
        TitleCase { 2500, 12, TitleText::EraMonth, "令和482年12月" },
        TitleCase { 1867, 12, TitleText::EraMonth, "1867年12月" })); // before the list of eras

TEST(CalendarTitle, TitleMonthNotMonthNamesTheTitle)
{
    CalendarSettings s = titleSettings(2019, 5, TitleText::EraMonth);
    s.titlemonth = 4;
    EXPECT_EQ(calendarTitle(s), "平成31年4月");
}

TEST(CalendarTitle, DrawingPlacesTheTitleByItsOwnWidth)
{
    // Six pixels a byte: "2027年3月" is 11 bytes, 66 pixels, in a picture 154 wide.
    const fixtures::FixedWidthMeasurer measurer(6);
    const int expectedX[3] = { 0, (154 - 66) / 2, 154 - 66 };
    for (int position = 0; position <= 2; ++position) {
        CalendarSettings s = titleSettings(2027, 3, TitleText::YearMonth);
        s.tukiiti = position;
        LoggingCanvas canvas(measurer);
        drawCalendar(canvas, s, calendarGeometry(s, measurer));
        const CanvasCall title = canvas.ofKind(CanvasCall::TextOut)[31];
        EXPECT_EQ(title.text, "2027年3月");
        EXPECT_EQ(std::tuple(title.x, title.y, title.fontHeight), std::tuple(expectedX[position], 0, -20));
    }
}
