// The calendar conventions on pluvane-render's command line, read
// in-process, and the list --list-holidays prints.

#include "render/HolidayList.h"
#include "render/RenderOptions.h"
#include "support/ExpectThrows.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace pluvane;

namespace {

RenderOptions parse(const std::vector<std::string>& args)
{
    return parseRenderOptions(args, 2026, 5);
}

// The conventions and the holiday years as one text, so that a failing row
// shows what differs.
std::string describe(const RenderOptions& o)
{
    const CalendarSettings& s = o.settings;
    std::ostringstream out;
    out << "holidays=" << static_cast<int>(s.holidays) << " saturday=";
    if (s.saturdayColor)
        out << std::hex << *s.saturdayColor << std::dec;
    out << " first=" << static_cast<int>(s.firstWeekday) << " labels=" << static_cast<int>(s.weekdayLabels)
        << " title=" << static_cast<int>(s.titleText) << " list=";
    if (o.holidayYears)
        out << o.holidayYears->first << '-' << o.holidayYears->second;
    out << " info=" << o.info << " output=" << o.output;
    return out.str();
}

struct GoodLine {
    std::vector<std::string> args;
    std::string expected;
};

void PrintTo(const GoodLine& c, std::ostream* os)
{
    for (const std::string& a : c.args)
        *os << '[' << a << ']';
}

class CalendarGoodLines : public ::testing::TestWithParam<GoodLine> {};

TEST_P(CalendarGoodLines, SetTheirSettings)
{
    EXPECT_EQ(describe(parse(GetParam().args)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Options, CalendarGoodLines,
    ::testing::Values(GoodLine { { "--info" }, "holidays=0 saturday= first=0 labels=0 title=0 list= info=1 output=" },
        GoodLine { { "--holidays", "japan", "--saturday-color", "blue", "--week-start", "monday", "--weekday-labels",
                       "japanese", "--title-text", "era", "-o", "year.pdf" },
            "holidays=1 saturday=ff0000 first=1 labels=1 title=2 list= info=0 output=year.pdf" },
        GoodLine { { "--holidays=none", "--saturday-color=#3366CC", "--week-start=sunday", "--weekday-labels=english",
                       "--title-text=month", "--info" },
            "holidays=0 saturday=cc6633 first=0 labels=0 title=0 list= info=1 output=" },
        GoodLine { { "--title-text", "year", "--info" },
            "holidays=0 saturday= first=0 labels=0 title=1 list= info=1 output=" },
        GoodLine { { "--title-text", "english", "--title-text", "era", "--info" },
            "holidays=0 saturday= first=0 labels=0 title=2 list= info=1 output=" },
        GoodLine { { "--title-text", "english", "--info" },
            "holidays=0 saturday= first=0 labels=0 title=3 list= info=1 output=" },
        // The list needs neither -o nor --info, and other settings are still read.
        GoodLine { { "--list-holidays", "2027" },
            "holidays=0 saturday= first=0 labels=0 title=0 list=2027-2027 info=0 output=" },
        GoodLine { { "--week-start", "monday", "--list-holidays=1948-2500" },
            "holidays=0 saturday= first=1 labels=0 title=0 list=1948-2500 info=0 output=" }));

struct BadLine {
    std::vector<std::string> args;
    std::string message;
};

void PrintTo(const BadLine& c, std::ostream* os)
{
    for (const std::string& a : c.args)
        *os << '[' << a << ']';
}

class CalendarBadLines : public ::testing::TestWithParam<BadLine> {};

TEST_P(CalendarBadLines, GiveOneExactMessage)
{
    EXPECT_TRUE(fixtures::throwsWithMessage<UsageError>([] { parse(GetParam().args); }, GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(Options, CalendarBadLines,
    ::testing::Values(
        BadLine { { "--holidays", "japanese", "--info" }, "--holidays needs none or japan, not 'japanese'" },
        BadLine { { "--holidays", "Japan", "--info" }, "--holidays needs none or japan, not 'Japan'" },
        BadLine { { "--holidays=", "--info" }, "--holidays needs none or japan, not ''" },
        BadLine {
            { "--saturday-color", "bleu", "--info" }, "--saturday-color needs #RRGGBB or a colour name, not 'bleu'" },
        BadLine { { "--week-start", "saturday", "--info" }, "--week-start needs sunday or monday, not 'saturday'" },
        BadLine {
            { "--weekday-labels", "日本語", "--info" }, "--weekday-labels needs english or japanese, not '日本語'" },
        BadLine {
            { "--title-text", "reiwa", "--info" }, "--title-text needs month, year, era or english, not 'reiwa'" },
        BadLine { { "--info", "--title-text" }, "--title-text needs a value" },
        BadLine { { "--list-holidays", "1947" }, "--list-holidays must be between 1948 and 2500, not 1947" },
        BadLine { { "--list-holidays", "2000-2501" }, "--list-holidays must be between 1948 and 2500, not 2501" },
        BadLine { { "--list-holidays", "2020-2019" }, "--list-holidays range 2020-2019 runs backwards" },
        BadLine { { "--list-holidays", "2020,2021" }, "--list-holidays needs a whole number, not '2020,2021'" },
        BadLine { { "--list-holidays", "" }, "--list-holidays needs a whole number, not ''" },
        BadLine { { "--list-holidays", "2027", "-o", "a.emf" },
            "--list-holidays prints the list only: leave out -o and --info" },
        BadLine { { "--info", "--list-holidays", "2027" },
            "--list-holidays prints the list only: leave out -o and --info" }));

TEST(HolidayList, OneLineADayOffInDateOrder)
{
    std::ostringstream out;
    printHolidayList(2019, 2019, out);
    const std::string list = out.str();
    // The accession: three days off around the new emperor's first day, no
    // emperor's birthday in December, and the enthronement day in October.
    EXPECT_NE(list.find("2019-04-29\t昭和の日\n2019-04-30\t休日\n2019-05-01\t休日（祝日扱い）\n2019-05-02\t休日\n"
                        "2019-05-03\t憲法記念日\n"),
        std::string::npos)
        << list;
    EXPECT_NE(list.find("2019-10-22\t休日（祝日扱い）\n"), std::string::npos) << list;
    EXPECT_EQ(list.find("2019-12-23"), std::string::npos);
    EXPECT_TRUE(list.starts_with("2019-01-01\t元日\n2019-01-14\t成人の日\n")) << list;
    EXPECT_TRUE(list.ends_with("2019-11-04\t文化の日 振替休日\n2019-11-23\t勤労感謝の日\n")) << list;
}

TEST(HolidayList, WholeRangeFromTheLawToTheLastYear)
{
    std::ostringstream out;
    printHolidayList(firstHolidayYear, lastHolidayYear, out);
    const std::string list = out.str();
    EXPECT_TRUE(list.starts_with("1948-09-23\t秋分の日\n")) << list.substr(0, 200);
    EXPECT_TRUE(list.substr(list.rfind('\n', list.size() - 2) + 1).starts_with("2500-11-2")); // 勤労感謝の日
    // Every line is one date and a name, and the dates only go forward.
    std::istringstream lines(list);
    std::string line, previous;
    int count = 0;
    while (std::getline(lines, line)) {
        ASSERT_EQ(line.size() > 11 && line[4] == '-' && line[7] == '-' && line[10] == '\t', true) << line;
        ASSERT_LT(previous, line.substr(0, 10)) << line;
        previous = line.substr(0, 10);
        const std::string year = line.substr(0, 4);
        count += year >= "1970" && year <= "2050";
    }
    // The published list holds 1,329 days off from 1970 to 2050.
    EXPECT_EQ(count, 1329);
}

} // namespace
