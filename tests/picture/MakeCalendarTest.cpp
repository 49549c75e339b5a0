#include "support/ExpectThrows.h"
#include "support/FixedWidthMeasurer.h"
#include "support/ReferenceScreen.h"
#include "support/WorkedExample.h"

#include "layout/Errors.h"
#include "picture/MakeCalendar.h"

#include <gtest/gtest.h>

using namespace pluvane;
using fixtures::march1998;
using fixtures::referenceScreen;

namespace {

const fixtures::FixedWidthMeasurer sixPixelDigits(6);

} // namespace

struct FitCase {
    int width, height;
    BoxSize box;
};

void PrintTo(const FitCase& c, std::ostream* os)
{
    *os << c.width << 'x' << c.height;
}

class PreviewFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(PreviewFitTest, LargestBoxOfThePictureProportions)
{
    const FitCase c = GetParam();
    EXPECT_EQ(fitPreviewBox(c.width, c.height), c.box);
}

INSTANTIATE_TEST_SUITE_P(Boxes, PreviewFitTest,
    ::testing::Values(FitCase { 154, 167, { 193, 210 } }, // narrower than 4:3: full height
        FitCase { 400, 300, { 280, 210 } },               // exactly 4:3 fills the area
        FitCase { 401, 300, { 280, 209 } },               // a hair wider: full width
        FitCase { 784, 113, { 280, 40 } },                // wide cells, low rows
        FitCase { 98, 787, { 26, 210 } },                 // tall
        FitCase { 3, 4, { 157, 210 } }));

TEST(MakeCalendar, WorkedExampleGivesPictureBoxAndReadouts)
{
    const MadeCalendar made = makeCalendar(march1998(), sixPixelDigits, referenceScreen);
    EXPECT_EQ(made.geometry.picwidth, 154);
    EXPECT_EQ(made.geometry.picheight, 167);
    EXPECT_EQ(made.picture.widthHmm(), 5390);
    EXPECT_EQ(made.picture.heightHmm(), 5845);
    EXPECT_EQ(made.previewBox, (BoxSize { 193, 210 }));
    EXPECT_EQ(made.readout.maxX, "MAX X=154");
    EXPECT_EQ(made.readout.maxY, "MAX Y=167");
    // The readouts are the same that the window shows before any make.
    EXPECT_EQ(made.readout, sizeReadout(march1998(), sixPixelDigits));
}

TEST(MakeCalendar, MakingTwiceGivesTheSameResult)
{
    const MadeCalendar a = makeCalendar(march1998(), sixPixelDigits, referenceScreen);
    const MadeCalendar b = makeCalendar(march1998(), sixPixelDigits, referenceScreen);
    EXPECT_EQ(a.previewBox, b.previewBox);
    EXPECT_EQ(a.readout, b.readout);
    EXPECT_TRUE(std::equal(
        a.picture.bytes().begin(), a.picture.bytes().end(), b.picture.bytes().begin(), b.picture.bytes().end()));
}

TEST(MakeCalendar, FailuresComeBeforeAnythingIsHandedOn)
{
    CalendarSettings month13 = march1998();
    month13.month = 13;
    EXPECT_TRUE(fixtures::throwsWithMessage<EConvertError>(
        [&] { makeCalendar(month13, sixPixelDigits, referenceScreen); }, "日付に変換できない値が渡されました"));
    CalendarSettings year0 = march1998();
    year0.year = 0;
    EXPECT_TRUE(fixtures::throwsWithMessage<EConvertError>(
        [&] { makeCalendar(year0, sixPixelDigits, referenceScreen); }, "日付に変換できない値が渡されました"));
    EXPECT_TRUE(fixtures::throwsWithMessage<EOutOfResources>(
        [&] { makeCalendar(march1998(), sixPixelDigits, ScreenMetrics {}); }, "ｼｽﾃﾑ ﾘｿｰｽが足りません"));
}
