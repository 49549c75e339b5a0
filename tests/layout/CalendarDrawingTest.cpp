#include "DrawnCalendar.h"

#include "support/FixedWidthMeasurer.h"

#include "layout/CalendarDrawing.h"

#include <gtest/gtest.h>

#include <utility>

using namespace pluvane;
using fixtures::CanvasCall;
using fixtures::dayColor;
using fixtures::lineColor;
using fixtures::LoggingCanvas;
using fixtures::monthColor;
using fixtures::settingsFor;
using fixtures::weekColor;

namespace {

std::unique_ptr<fixtures::DrawnCalendar> draw(const CalendarSettings& s)
{
    static const fixtures::FixedWidthMeasurer measurer(6);
    return fixtures::drawLogged(s, measurer);
}

// Lines as (from, to) pairs, each from the move that precedes its line.
std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>> linesOf(const LoggingCanvas& c)
{
    std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>> out;
    for (std::size_t i = 1; i < c.calls.size(); ++i)
        if (c.calls[i].kind == CanvasCall::LineTo && c.calls[i - 1].kind == CanvasCall::MoveTo)
            out.push_back({ { c.calls[i - 1].x, c.calls[i - 1].y }, { c.calls[i].x, c.calls[i].y } });
    return out;
}

} // namespace

TEST(CalendarDrawing, WorkedExampleRulesInOrder)
{
    const auto d = draw(settingsFor(1998, 3));
    const auto lines = linesOf(d->canvas);
    ASSERT_EQ(lines.size(), 16u);
    // Column rules every 22 pixels, the last one on the picture's right edge.
    const int columns[8] = { 0, 22, 44, 66, 88, 110, 132, 153 };
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(lines[i], std::pair(std::pair(columns[i], 25), std::pair(columns[i], 166))) << i;
    const int rows[6] = { 35, 57, 79, 101, 123, 145 };
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(lines[8 + i], std::pair(std::pair(0, rows[i]), std::pair(153, rows[i])));
    EXPECT_EQ(lines[14], std::pair(std::pair(0, 166), std::pair(153, 166)));
    EXPECT_EQ(lines[15], std::pair(std::pair(0, 25), std::pair(153, 25)));
    for (const auto& l : d->canvas.ofKind(CanvasCall::LineTo))
        EXPECT_EQ(l.color, lineColor);
}

TEST(CalendarDrawing, WorkedExampleTextsPositionsAndColours)
{
    const auto d = draw(settingsFor(1998, 3));
    const auto texts = d->canvas.ofKind(CanvasCall::TextOut);
    ASSERT_EQ(texts.size(), 31u + 8u);
    auto day = [&](int n) { return texts[static_cast<std::size_t>(n - 1)]; };
    EXPECT_EQ(std::tuple(day(1).x, day(1).y, day(1).color), std::tuple(8, 40, clRed));
    EXPECT_EQ(std::tuple(day(2).x, day(2).y, day(2).color), std::tuple(30, 40, dayColor));
    EXPECT_EQ(std::tuple(day(8).x, day(8).y, day(8).color), std::tuple(8, 62, clRed));
    EXPECT_EQ(std::tuple(day(10).x, day(10).y, day(10).text), std::tuple(49, 62, std::string("10")));
    for (int sunday : { 1, 8, 15, 22, 29 })
        EXPECT_EQ(day(sunday).color, clRed) << sunday;

    const CanvasCall title = texts[31];
    EXPECT_EQ(title.text, "3");
    EXPECT_EQ(std::tuple(title.x, title.y, title.color, title.fontHeight),
        std::tuple(74, 0, monthColor, -20)); // (154 - 6) / 2

    const char* labels[7] = { "SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT" };
    const int labelX[7] = { 2, 24, 46, 68, 90, 112, 134 }; // (22 - 18 + 1) / 2 into each cell
    for (int k = 0; k < 7; ++k) {
        const CanvasCall& label = texts[32 + static_cast<std::size_t>(k)];
        EXPECT_EQ(label.text, labels[k]);
        EXPECT_EQ(label.x, labelX[k]);
        EXPECT_EQ(label.y, 26);
        EXPECT_EQ(label.fontHeight, -8);
        EXPECT_EQ(label.color, k == 0 ? clRed : weekColor);
    }
}

TEST(CalendarDrawing, SetUpComesFirstInItsOrder)
{
    const auto d = draw(settingsFor(1998, 3));
    const std::vector<CanvasCall::Kind> expected { CanvasCall::BrushClear, CanvasCall::Font, CanvasCall::PenSolid,
        CanvasCall::PenColor, CanvasCall::PenModeCopy, CanvasCall::MoveTo };
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(d->canvas.calls[i].kind, expected[i]) << i;
}

struct CountCase {
    int ptn, tukiiti;
    std::size_t lines, texts;
};

void PrintTo(const CountCase& c, std::ostream* os)
{
    *os << "ptn " << c.ptn << " tukiiti " << c.tukiiti;
}

class DrawingCountsTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(DrawingCountsTest, LinesAndTextsPerPatternAndTitlePosition)
{
    const CountCase c = GetParam();
    const auto d = draw(settingsFor(2020, 2, c.ptn, c.tukiiti)); // 29 days
    EXPECT_EQ(d->canvas.ofKind(CanvasCall::LineTo).size(), c.lines);
    EXPECT_EQ(d->canvas.ofKind(CanvasCall::TextOut).size(), c.texts);
}

INSTANTIATE_TEST_SUITE_P(Patterns, DrawingCountsTest,
    ::testing::Values(CountCase { 0, 1, 16, 37 }, CountCase { 1, 1, 22, 37 }, CountCase { 2, 1, 8, 37 },
        CountCase { 0, 0, 16, 37 }, CountCase { 0, 2, 16, 37 }, CountCase { 0, 3, 16, 36 }));

TEST(CalendarDrawing, PatternThreeHasOnlyHorizontalRules)
{
    const auto d = draw(settingsFor(1998, 3, 2));
    for (const auto& [from, to] : linesOf(d->canvas))
        EXPECT_EQ(from.second, to.second);
}

TEST(CalendarDrawing, PatternTwoAddsNumberBandRulesAndTopAlignsNumbers)
{
    CalendarSettings s = settingsFor(1998, 3, 1);
    s.ytrack = 3; // bands reach into the next row, and past the bottom border
    const auto d = draw(s);
    const auto lines = linesOf(d->canvas);
    ASSERT_EQ(lines.size(), 22u);
    // Rows 15 pixels high, each followed by its band's rule 17 pixels lower.
    const int rowRules[6] = { 35, 50, 65, 80, 95, 110 };
    const int bandRules[6] = { 52, 67, 82, 97, 112, 127 };
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(lines[8 + 2 * i].first.second, rowRules[i]) << i;
        EXPECT_EQ(lines[9 + 2 * i].first.second, bandRules[i]) << i;
    }
    EXPECT_EQ(d->canvas.ofKind(CanvasCall::TextOut)[0].y, 37);
}

struct TitleCase {
    int tukiiti, montrack, xtrack, expectedX;
};

void PrintTo(const TitleCase& c, std::ostream* os)
{
    *os << "tukiiti " << c.tukiiti;
}

class TitlePositionTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitlePositionTest, TitleXByPosition)
{
    const TitleCase c = GetParam();
    CalendarSettings s = settingsFor(1998, 12, 0, c.tukiiti); // title "12", 12 px wide here
    s.montrack = c.montrack;
    s.xtrack = c.xtrack;
    const auto d = draw(s);
    const auto texts = d->canvas.ofKind(CanvasCall::TextOut);
    EXPECT_EQ(texts[31].text, "12");
    EXPECT_EQ(texts[31].x, c.expectedX);
    EXPECT_EQ(texts[31].fontHeight, -c.montrack);
}

INSTANTIATE_TEST_SUITE_P(Positions, TitlePositionTest,
    ::testing::Values(TitleCase { 0, 20, 10, 0 }, TitleCase { 1, 20, 10, 71 }, TitleCase { 2, 20, 10, 142 }));

TEST(CalendarDrawing, TitleWiderThanPictureGoesLeftOfZero)
{
    // A measurer whose title is 3 pixels wider than the 98-pixel picture.
    struct WideTitle final : TextMeasurer {
        int textWidth(const FontSpec& f, std::string_view t) const override
        {
            return f.height == -100 ? 101 : static_cast<int>(t.size()) * 6;
        }
    } measurer;
    CalendarSettings s = settingsFor(1998, 3, 0, 1);
    s.montrack = 100;
    s.xtrack = 2;
    const CalendarGeometry g = calendarGeometry(s, measurer);
    for (int position : { 1, 2 }) {
        s.tukiiti = position;
        LoggingCanvas canvas(measurer);
        drawCalendar(canvas, s, g);
        EXPECT_EQ(canvas.ofKind(CanvasCall::TextOut)[31].x, position == 1 ? -1 : -3);
    }
}

TEST(CalendarDrawing, MonthStartingOnSaturdayHasDayTwoFirstRed)
{
    const auto d = draw(settingsFor(2020, 2)); // 1 February 2020 is a Saturday
    const auto texts = d->canvas.ofKind(CanvasCall::TextOut);
    EXPECT_EQ(texts[0].x, 140); // centred in the seventh column: 132 + (22 - 6 + 1) / 2
    EXPECT_EQ(texts[0].color, dayColor);
    EXPECT_EQ(texts[1].color, clRed);
    EXPECT_EQ(texts[1].x, 8);
    EXPECT_EQ(texts[28].text, "29");
    EXPECT_EQ(texts[28].x, 137); // row 4, column 6: 132 + 5
    EXPECT_EQ(texts[28].y, 128); // 35 + 5 + 4 * 22
}
