#include "support/FixedWidthMeasurer.h"
#include "support/WorkedExample.h"

#include "layout/CalendarGeometry.h"
#include "layout/Errors.h"

#include <gtest/gtest.h>

using namespace pluvane;
using fixtures::march1998;

TEST(CalendarGeometry, WorkedExampleAtDefaultSettings)
{
    const CalendarGeometry g = calendarGeometry(march1998(), fixtures::FixedWidthMeasurer(6));
    CalendarGeometry expected;
    expected.fontheight = 12;
    expected.weekfontheight = 8;
    expected.weekband = 10;
    expected.gridtop = 35;
    expected.firstcol = 0;
    expected.daycount = 31;
    expected.cellheight = 22;
    expected.cellwidth = 22;
    expected.picwidth = 154;
    expected.picheight = 167;
    EXPECT_EQ(g, expected);
    EXPECT_EQ(g.topRule(), 25);
}

struct LengthCase {
    int fontHeight, xtrack, ytrack, montrack;
    int weekfontheight, weekband, gridtop, cellwidth, cellheight, picwidth, picheight;
};

void PrintTo(const LengthCase& c, std::ostream* os)
{
    *os << "font " << c.fontHeight << " tracks " << c.xtrack << '/' << c.ytrack << '/' << c.montrack;
}

class CalendarLengthsTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(CalendarLengthsTest, LengthsFollowFontAndTracks)
{
    const LengthCase c = GetParam();
    CalendarSettings s = march1998();
    s.font.height = -c.fontHeight;
    s.xtrack = c.xtrack;
    s.ytrack = c.ytrack;
    s.montrack = c.montrack;
    const CalendarGeometry g = calendarLengths(s, fixtures::FixedWidthMeasurer(6));
    EXPECT_EQ(g.fontheight, c.fontHeight);
    EXPECT_EQ(g.weekfontheight, c.weekfontheight);
    EXPECT_EQ(g.weekband, c.weekband);
    EXPECT_EQ(g.gridtop, c.gridtop);
    EXPECT_EQ(g.cellwidth, c.cellwidth);
    EXPECT_EQ(g.cellheight, c.cellheight);
    EXPECT_EQ(g.picwidth, c.picwidth);
    EXPECT_EQ(g.picheight, c.picheight);
}

INSTANTIATE_TEST_SUITE_P(Tracks, CalendarLengthsTest,
    ::testing::Values(LengthCase { 13, 10, 10, 20, 8, 10, 35, 22, 23, 154, 173 },
        LengthCase { 14, 10, 10, 20, 9, 11, 36, 22, 24, 154, 180 },
        LengthCase { 15, 10, 10, 20, 10, 12, 37, 22, 25, 154, 187 },
        LengthCase { 12, 2, 1, 20, 8, 10, 35, 14, 13, 98, 113 },            // all tracks at their minimum
        LengthCase { 12, 100, 100, 100, 8, 10, 115, 112, 112, 784, 787 })); // and at their maximum

TEST(CalendarGeometry, LengthsNeedNoValidDate)
{
    CalendarSettings s = march1998();
    s.year = 0;
    s.month = 13;
    EXPECT_EQ(calendarLengths(s, fixtures::FixedWidthMeasurer(6)).picwidth, 154);
    EXPECT_THROW(calendarGeometry(s, fixtures::FixedWidthMeasurer(6)), EConvertError);
}

TEST(SizeReadout, SameTextsFromSettingsAndFromGeometry)
{
    const fixtures::FixedWidthMeasurer measurer(6);
    const SizeReadout fromSettings = sizeReadout(march1998(), measurer);
    EXPECT_EQ(fromSettings.maxX, "MAX X=154");
    EXPECT_EQ(fromSettings.maxY, "MAX Y=167");
    EXPECT_EQ(fromSettings, sizeReadout(calendarGeometry(march1998(), measurer)));
}

TEST(CalendarGeometry, SettingsWhoseLengthsDoNotFitAreRefused)
{
    struct Case {
        const char* what;
        int fontHeight, xtrack, ytrack, montrack;
    };
    for (const Case& c : {
             Case { "a font height with no positive counterpart", -2147483647 - 1, 10, 10, 20 },
             Case { "an extra cell width near the largest", -12, 2147483647 - 5, 10, 20 },
             Case { "a width that fits the cell but not seven cells", -12, 400000000, 10, 20 },
             Case { "an extra cell height near the largest", -12, 10, 2147483647 - 5, 20 },
             Case { "a title band near the largest", -12, 10, 10, 2147483647 - 5 },
             Case { "six rows that do not fit", -400000000, 10, 10, 20 },
         }) {
        SCOPED_TRACE(c.what);
        CalendarSettings s = march1998();
        s.font.height = c.fontHeight;
        s.xtrack = c.xtrack;
        s.ytrack = c.ytrack;
        s.montrack = c.montrack;
        EXPECT_THROW(calendarLengths(s, fixtures::FixedWidthMeasurer(6)), EOutOfResources);
    }
}

TEST(CalendarGeometry, AHugeFontsWeekdayHeightIsNotWrapped)
{
    // Two thirds of the height fit 32 bits though twice the height does not;
    // the cell height is brought back by a negative extra height.
    CalendarSettings s = march1998();
    s.font.height = -2130640639;
    s.ytrack = -2130640629;
    const CalendarGeometry g = calendarLengths(s, fixtures::FixedWidthMeasurer(6));
    EXPECT_EQ(g.weekfontheight, 1420427092);
    EXPECT_EQ(g.cellheight, 10);
}
