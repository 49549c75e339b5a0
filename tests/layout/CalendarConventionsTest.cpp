// The drawing with the calendar conventions switched on: holidays, a
// Saturday colour, Monday-first weeks and Japanese weekday labels.

#include "DrawnCalendar.h"

#include "layout/CalendarDrawing.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace pluvane;
using fixtures::CanvasCall;
using fixtures::dayColor;
using fixtures::settingsFor;
using fixtures::weekColor;
using Drawn = fixtures::DrawnCalendar;

namespace {

constexpr TColor saturdayColor = 0xFF0000; // blue

// Six pixels for an ASCII character; a wider one (as a kanji) is three
// pixels wider than the font is high, so a label measured in the wrong font
// lands elsewhere.
class KanjiMeasurer final : public TextMeasurer {
public:
    int textWidth(const FontSpec& font, std::string_view text) const override
    {
        int width = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if (byte < 0x80)
                width += 6;
            else if (byte >= 0xC0) // the first byte of a multi-byte character
                width += font.characterHeight() + 3;
        }
        return width;
    }
};

std::unique_ptr<Drawn> draw(const CalendarSettings& s)
{
    static const KanjiMeasurer measurer;
    return fixtures::drawLogged(s, measurer);
}

// The colour every day number is drawn in, checked against the red days, the
// Saturday-coloured days and dayColor for the rest.
void expectDayColours(const Drawn& d, const std::set<int>& red, const std::set<int>& saturdays)
{
    for (int n = 1; n <= d.geometry.daycount; ++n) {
        const TColor expected = red.contains(n) ? clRed : (saturdays.contains(n) ? saturdayColor : dayColor);
        EXPECT_EQ(d.day(n).color, expected) << "day " << n;
    }
}

} // namespace

TEST(CalendarConventions, JapaneseHolidaysAreRedWhateverTheirColumn)
{
    CalendarSettings s = settingsFor(2027, 1); // 1 January 2027 is a Friday
    const auto plain = draw(s);
    expectDayColours(*plain, { 3, 10, 17, 24, 31 }, {});

    s.holidays = HolidayCalendar::Japan;
    const auto d = draw(s);
    expectDayColours(*d, { 1, 3, 10, 11, 17, 24, 31 }, {}); // 元日 and 成人の日
    EXPECT_EQ(d->day(11).x, 22 + 5);                        // a Monday, in the second column
}

TEST(CalendarConventions, NoHolidaysBeforeTheLaw)
{
    CalendarSettings s = settingsFor(1948, 5); // the law took effect on 20 July 1948
    s.holidays = HolidayCalendar::Japan;
    expectDayColours(*draw(s), { 2, 9, 16, 23, 30 }, {});
}

TEST(CalendarConventions, SaturdayColourForSaturdaysThatAreNotHolidays)
{
    CalendarSettings s = settingsFor(2023, 9); // 秋分の日 falls on Saturday the 23rd
    s.saturdayColor = saturdayColor;
    s.holidays = HolidayCalendar::Japan;
    const auto d = draw(s);
    expectDayColours(*d, { 3, 10, 17, 18, 23, 24 }, { 2, 9, 16, 30 });

    const auto labels = d->labels();
    EXPECT_EQ(labels[6].text, "SAT");
    EXPECT_EQ(labels[6].color, saturdayColor);
    EXPECT_EQ(labels[0].color, clRed);
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(labels[static_cast<std::size_t>(k)].color, weekColor) << k;

    s.holidays = HolidayCalendar::None;
    expectDayColours(*draw(s), { 3, 10, 17, 24 }, { 2, 9, 16, 23, 30 });
}

TEST(CalendarConventions, MondayFirstPutsSundayLastInRed)
{
    CalendarSettings s = settingsFor(2027, 3); // 1 March 2027 is a Monday
    s.firstWeekday = FirstWeekday::Monday;
    s.holidays = HolidayCalendar::Japan;
    const auto d = draw(s);
    EXPECT_EQ(d->geometry.firstcol, 0);
    EXPECT_EQ(d->geometry.picwidth, 154); // the same lengths as Sunday-first
    EXPECT_EQ(std::tuple(d->day(1).x, d->day(1).y), std::tuple(8, 40));
    EXPECT_EQ(std::tuple(d->day(7).x, d->day(7).y), std::tuple(132 + 8, 40));
    EXPECT_EQ(std::tuple(d->day(8).x, d->day(8).y), std::tuple(8, 62));
    // 春分の日 on Sunday the 21st, its substitute on Monday the 22nd.
    expectDayColours(*d, { 7, 14, 21, 22, 28 }, {});
    EXPECT_EQ(d->day(22).x, 5);

    const char* expected[7] = { "MON", "TUE", "WED", "THU", "FRI", "SAT", "SUN" };
    const auto labels = d->labels();
    for (std::size_t k = 0; k < 7; ++k) {
        EXPECT_EQ(labels[k].text, expected[k]);
        EXPECT_EQ(labels[k].x, 2 + 22 * static_cast<int>(k));
        EXPECT_EQ(labels[k].color, k == 6 ? clRed : weekColor) << k;
    }
}

TEST(CalendarConventions, MondayFirstMonthStartingOnSundayFillsTheSixthRow)
{
    CalendarSettings s = settingsFor(2026, 3); // 1 March 2026 is a Sunday
    s.firstWeekday = FirstWeekday::Monday;
    s.saturdayColor = saturdayColor;
    const auto d = draw(s);
    EXPECT_EQ(d->geometry.firstcol, 6);
    EXPECT_EQ(std::tuple(d->day(1).x, d->day(1).color), std::tuple(132 + 8, clRed));
    EXPECT_EQ(std::tuple(d->day(31).x, d->day(31).y), std::tuple(22 + 5, 35 + 5 + 5 * 22));
    expectDayColours(*d, { 1, 8, 15, 22, 29 }, { 7, 14, 21, 28 });
    EXPECT_EQ(d->labels()[5].color, saturdayColor);
}

TEST(CalendarConventions, JapaneseLabelsShareTheOffsetOfTheSundayLabelInTheLabelFont)
{
    CalendarSettings s = settingsFor(1998, 3);
    s.weekdayLabels = WeekdayLabels::Japanese;
    const char* sundayFirst[7] = { "日", "月", "火", "水", "木", "金", "土" };
    const char* mondayFirst[7] = { "月", "火", "水", "木", "金", "土", "日" };
    for (FirstWeekday first : { FirstWeekday::Sunday, FirstWeekday::Monday }) {
        s.firstWeekday = first;
        const auto labels = draw(s)->labels();
        for (std::size_t k = 0; k < 7; ++k) {
            EXPECT_EQ(labels[k].text, (first == FirstWeekday::Sunday ? sundayFirst : mondayFirst)[k]);
            // "日" is 11 pixels wide at the label height of 8: (22 - 11 + 1) / 2.
            EXPECT_EQ(labels[k].x, 6 + 22 * static_cast<int>(k));
            EXPECT_EQ(labels[k].y, 26);
            EXPECT_EQ(labels[k].fontHeight, -8);
        }
    }
}

TEST(CalendarConventions, LabelColourIsSetOnlyWhereTheKindOfLabelChanges)
{
    // Sunday-first without a Saturday colour sets it twice, as it always did,
    // even when the weekday colour is the Sunday red.
    CalendarSettings s = settingsFor(1998, 3);
    s.weekcolor = clRed;
    auto colourSets = [](const Drawn& d) {
        std::size_t n = 0;
        for (auto c = d.canvas.calls.rbegin(); c != d.canvas.calls.rend() && c->kind != CanvasCall::FontHeight; ++c)
            n += c->kind == CanvasCall::FontColor;
        return n;
    };
    EXPECT_EQ(colourSets(*draw(s)), 2u);
    s.saturdayColor = saturdayColor;
    EXPECT_EQ(colourSets(*draw(s)), 3u);
    s.firstWeekday = FirstWeekday::Monday;
    EXPECT_EQ(colourSets(*draw(s)), 3u);
}
