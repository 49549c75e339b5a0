// pluvane-render's command line read in-process: what each good line sets and
// the one message each bad line gives.

#include "render/RenderOptions.h"
#include "support/ExpectThrows.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace pluvane;

namespace {

// Every field of the options as one text, so that a failing row shows what
// differs.
std::string describe(const RenderOptions& o)
{
    const CalendarSettings& s = o.settings;
    std::ostringstream out;
    out << "years=";
    for (int y : o.years)
        out << y << ' ';
    out << "months=";
    for (int m : o.months)
        out << m << ' ';
    out << "\nyear=" << s.year << " month=" << s.month << " titlemonth=" << s.titlemonth << "\nfont=" << s.font.name
        << " height=" << s.font.height << " bold=" << s.font.bold << " italic=" << s.font.italic
        << " underline=" << s.font.underline << " strikeout=" << s.font.strikeout << std::hex
        << " fontcolor=" << s.font.color << " daycolor=" << s.daycolor << " moncolor=" << s.moncolor
        << " weekcolor=" << s.weekcolor << " linecolor=" << s.linecolor << std::dec << "\nxtrack=" << s.xtrack
        << " ytrack=" << s.ytrack << " montrack=" << s.montrack << " tukiiti=" << s.tukiiti << " ptn=" << s.ptn
        << "\nscreen=";
    if (o.screen)
        out << o.screen->widthPx << 'x' << o.screen->heightPx << ':' << o.screen->widthMm << 'x' << o.screen->heightMm;
    out << " output=" << o.output << " scale=" << o.pngScale << " transparent=" << o.transparent << " info=" << o.info
        << " quiet=" << o.quiet << " help=" << o.help;
    return out.str();
}

// What a line with nothing but -o or --info gives, with "today" in May 2026.
RenderOptions defaults()
{
    RenderOptions o;
    o.years = { 2026 };
    o.months = { 5 };
    CalendarSettings& s = o.settings;
    s.year = 2026;
    s.month = s.titlemonth = 5;
    s.font.name = "ＭＳ Ｐゴシック";
    s.font.height = -12;
    s.font.color = s.daycolor = s.moncolor = s.weekcolor = s.linecolor = 0x000000;
    s.xtrack = 10;
    s.ytrack = 10;
    s.montrack = 20;
    s.tukiiti = 1;
    s.ptn = 0;
    return o;
}

RenderOptions parse(const std::vector<std::string>& args)
{
    return parseRenderOptions(args, 2026, 5);
}

struct GoodLine {
    std::vector<std::string> args;
    void (*change)(RenderOptions& expected); // from defaults()
};

void PrintTo(const GoodLine& c, std::ostream* os)
{
    for (const std::string& a : c.args)
        *os << '[' << a << ']';
}

class GoodLines : public ::testing::TestWithParam<GoodLine> {};

TEST_P(GoodLines, SetTheirFieldsAndLeaveTheRest)
{
    RenderOptions expected = defaults();
    GetParam().change(expected);
    EXPECT_EQ(describe(parse(GetParam().args)), describe(expected));
}

INSTANTIATE_TEST_SUITE_P(Options, GoodLines,
    ::testing::Values(GoodLine { { "--info" }, [](RenderOptions& e) { e.info = true; } },
        GoodLine { { "-o", "cal.emf" }, [](RenderOptions& e) { e.output = "cal.emf"; } },
        GoodLine { { "--year", "2027-2028", "--month", "3,1-2,3", "--info" },
            [](RenderOptions& e) {
                e.years = { 2027, 2028 };
                e.months = { 3, 1, 2 };
                e.settings.year = 2027;
                e.settings.month = e.settings.titlemonth = 3;
                e.info = true;
            } },
        GoodLine { { "--year=1900", "--month=12", "--info" },
            [](RenderOptions& e) {
                e.years = { 1900 };
                e.months = { 12 };
                e.settings.year = 1900;
                e.settings.month = e.settings.titlemonth = 12;
                e.info = true;
            } },
        // A repeated option: the last one counts.
        GoodLine { { "--year", "2500", "--year", "1999", "--info", "--info" },
            [](RenderOptions& e) {
                e.years = { 1999 };
                e.settings.year = 1999;
                e.info = true;
            } },
        GoodLine { { "--font", "DejaVu Serif", "--font-height", "1000", "--bold", "--italic", "--underline",
                       "--strikeout", "--info" },
            [](RenderOptions& e) {
                e.settings.font.name = "DejaVu Serif";
                e.settings.font.height = -1000;
                e.settings.font.bold = e.settings.font.italic = true;
                e.settings.font.underline = e.settings.font.strikeout = true;
                e.info = true;
            } },
        GoodLine { { "--font=abcdefghijklmnopqrstuvwxyz0123456789", "--font-height=1", "-o", "a" },
            [](RenderOptions& e) {
                e.settings.font.name = "abcdefghijklmnopqrstuvwxyz01234";
                e.settings.font.height = -1;
                e.output = "a";
            } },
        GoodLine { { "--cell-width", "2", "--cell-height", "100", "--title-size", "100", "--title-pos", "left",
                       "--pattern", "3", "--info" },
            [](RenderOptions& e) {
                e.settings.xtrack = 2;
                e.settings.ytrack = 100;
                e.settings.montrack = 100;
                e.settings.tukiiti = 0;
                e.settings.ptn = 2;
                e.info = true;
            } },
        GoodLine { { "--title-pos=right", "--pattern=2", "--cell-height=1", "--info" },
            [](RenderOptions& e) {
                e.settings.tukiiti = 2;
                e.settings.ptn = 1;
                e.settings.ytrack = 1;
                e.info = true;
            } },
        // Colours are kept as 0xBBGGRR; the day colour is also the font's.
        GoodLine { { "--day-color", "#336699", "--title-color", "red", "--weekday-color", "green", "--line-color",
                       "navy", "--info" },
            [](RenderOptions& e) {
                e.settings.daycolor = e.settings.font.color = 0x996633;
                e.settings.moncolor = 0x0000FF;
                e.settings.weekcolor = 0x008000;
                e.settings.linecolor = 0x800000;
                e.info = true;
            } },
        GoodLine { { "--screen", "1920x1080:508x286", "--info" },
            [](RenderOptions& e) {
                e.screen = ScreenMetrics { 1920, 1080, 508, 286 };
                e.info = true;
            } },
        // The screen's extremes: the most pixels and millimetres, and the
        // densities at both ends, 10 mm a pixel and 100 pixels a millimetre.
        GoodLine { { "--screen=100000x100000:100000x100000", "--info" },
            [](RenderOptions& e) {
                e.screen = ScreenMetrics { 100000, 100000, 100000, 100000 };
                e.info = true;
            } },
        GoodLine { { "--screen=1x100:10x1", "--scale", "16", "--transparent", "--quiet", "-o", "a.png" },
            [](RenderOptions& e) {
                e.screen = ScreenMetrics { 1, 100, 10, 1 };
                e.pngScale = 16;
                e.transparent = e.quiet = true;
                e.output = "a.png";
            } },
        // The argument after an option is its value, whatever it starts with.
        GoodLine { { "-o", "-x", "--font", "--bold", "--info" },
            [](RenderOptions& e) {
                e.output = "-x";
                e.settings.font.name = "--bold";
                e.info = true;
            } },
        GoodLine { { "--month", "1-12", "-o", "year.pdf" },
            [](RenderOptions& e) {
                e.months = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 };
                e.settings.month = e.settings.titlemonth = 1;
                e.output = "year.pdf";
            } },
        // Help needs neither -o nor a batch that can be named.
        GoodLine { { "-h" }, [](RenderOptions& e) { e.help = true; } },
        GoodLine { { "--month", "1-2", "-o", "same.emf", "--help" }, [](RenderOptions& e) {
                      e.months = { 1, 2 };
                      e.settings.month = e.settings.titlemonth = 1;
                      e.output = "same.emf";
                      e.help = true;
                  } }));

struct BadLine {
    std::vector<std::string> args;
    std::string message;
};

void PrintTo(const BadLine& c, std::ostream* os)
{
    for (const std::string& a : c.args)
        *os << '[' << a << ']';
}

class BadLines : public ::testing::TestWithParam<BadLine> {};

TEST_P(BadLines, GiveOneExactMessage)
{
    EXPECT_TRUE(fixtures::throwsWithMessage<UsageError>([] { parse(GetParam().args); }, GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(Options, BadLines,
    ::testing::Values(BadLine { {}, "nothing to do: give -o FILE or --info (see --help)" },
        BadLine { { "--quiet" }, "nothing to do: give -o FILE or --info (see --help)" },
        BadLine { { "--colour", "red", "-o", "a" }, "unknown option '--colour' (see --help)" },
        BadLine { { "--info", "stray" }, "unknown option 'stray' (see --help)" },
        BadLine { { "", "--info" }, "unknown option '' (see --help)" },
        BadLine { { "--", "--info" }, "unknown option '--' (see --help)" },
        BadLine { { "-", "--info" }, "unknown option '-' (see --help)" },
        BadLine { { "--=x", "--info" }, "unknown option '--=x' (see --help)" },
        // Long names take two dashes, -o and -h one, and -o takes no "=".
        BadLine { { "-year", "2000", "--info" }, "unknown option '-year' (see --help)" },
        BadLine { { "---year", "2000", "--info" }, "unknown option '---year' (see --help)" },
        BadLine { { "--o", "a.emf" }, "unknown option '--o' (see --help)" },
        BadLine { { "-oa.emf" }, "unknown option '-oa.emf' (see --help)" },
        BadLine { { "-o=a.emf" }, "unknown option '-o=a.emf' (see --help)" },
        BadLine { { "--h" }, "unknown option '--h' (see --help)" },
        BadLine { { "-help" }, "unknown option '-help' (see --help)" },
        BadLine { { "-h=x" }, "unknown option '-h=x' (see --help)" },
        BadLine { { "--INFO" }, "unknown option '--INFO' (see --help)" },
        BadLine { { "--bold=yes", "-o", "a" }, "--bold takes no value" },
        BadLine { { "--info=" }, "--info takes no value" }, BadLine { { "--help=x" }, "--help takes no value" },
        BadLine { { "--info", "--year" }, "--year needs a value" }, BadLine { { "--info", "-o" }, "-o needs a value" },
        BadLine { { "--year", "abc", "-o", "a" }, "--year needs a whole number, not 'abc'" },
        BadLine { { "--year=", "--info" }, "--year needs a whole number, not ''" },
        BadLine { { "--year", "2000,,2001", "--info" }, "--year needs a whole number, not ''" },
        BadLine { { "--year", "1899", "--info" }, "--year must be between 1900 and 2500, not 1899" },
        BadLine { { "--year", "-5", "--info" }, "--year must be between 1900 and 2500, not -5" },
        BadLine { { "--year", "2501", "--info" }, "--year must be between 1900 and 2500, not 2501" },
        BadLine { { "--year", "2000-1999", "--info" }, "--year range 2000-1999 runs backwards" },
        BadLine { { "--month", "3x", "--info" }, "--month needs a whole number, not '3x'" },
        BadLine { { "--month", "0", "--info" }, "--month must be between 1 and 12, not 0" },
        BadLine { { "--month", "1-13", "--info" }, "--month must be between 1 and 12, not 13" },
        BadLine { { "--month", "3-1", "--info" }, "--month range 3-1 runs backwards" },
        BadLine { { "--font", "", "--info" }, "--font needs a font family name" },
        BadLine { { "--font-height", "0", "--info" }, "--font-height must be between 1 and 1000, not 0" },
        BadLine { { "--cell-width", "1", "--info" }, "--cell-width must be between 2 and 100, not 1" },
        BadLine { { "--cell-height", "101", "--info" }, "--cell-height must be between 1 and 100, not 101" },
        BadLine { { "--title-size", "19", "--info" }, "--title-size must be between 20 and 100, not 19" },
        BadLine { { "--title-pos", "middle", "--info" }, "--title-pos needs left, center or right, not 'middle'" },
        BadLine { { "--pattern", "4", "--info" }, "--pattern must be between 1 and 3, not 4" },
        BadLine { { "--scale", "0", "--info" }, "--scale must be between 1 and 16, not 0" },
        BadLine { { "--line-color", "notacolour", "--info" },
            "--line-color needs #RRGGBB or a colour name, not 'notacolour'" },
        BadLine { { "--day-color", "#12345", "--info" }, "--day-color needs #RRGGBB or a colour name, not '#12345'" },
        BadLine {
            { "--title-color", "#1234567", "--info" }, "--title-color needs #RRGGBB or a colour name, not '#1234567'" },
        BadLine { { "--screen", "800x600", "--info" },
            "--screen needs WxH:WMMxHMM such as 1920x1080:508x286, not '800x600'" },
        BadLine { { "--screen", "800x600:280x0", "--info" }, "--screen must be between 1 and 100000, not 0" },
        // What the files cannot hold is a usage error, not a wrapped size.
        BadLine { { "--screen", "1x1:300000x300000", "--info" }, "--screen must be between 1 and 100000, not 300000" },
        BadLine { { "--screen", "1x1:11x1", "--info" },
            "--screen needs 0.1 to 100 pixels per millimetre each way, not '1x1:11x1'" },
        BadLine { { "--screen", "800x101:280x1", "--info" },
            "--screen needs 0.1 to 100 pixels per millimetre each way, not '800x101:280x1'" },
        BadLine { { "--year", "2147483648", "--info" }, "--year must be between 1900 and 2500, not 2147483648" },
        BadLine { { "--month", "1-99999999999", "--info" }, "--month must be between 1 and 12, not 99999999999" },
        BadLine { { "--day-color", "transparent", "--info" }, "--day-color needs an opaque colour, not 'transparent'" },
        BadLine {
            { "--line-color", "#80ff0000", "--info" }, "--line-color needs #RRGGBB or a colour name, not '#80ff0000'" },
        BadLine { { "-o", "adir/" }, "-o needs a file name, not the folder 'adir/'" },
        BadLine { { "--screen", "800x600:280x210x3", "--info" }, "--screen needs a whole number, not '210x3'" },
        BadLine { { "-o", "" }, "-o needs a file name" },
        // The first mistake on the line is the one reported, even before --help.
        BadLine { { "--year", "abc", "--colour" }, "--year needs a whole number, not 'abc'" },
        BadLine { { "--colour", "--year", "abc" }, "unknown option '--colour' (see --help)" },
        BadLine { { "--year", "2000", "--year", "abc", "--info" }, "--year needs a whole number, not 'abc'" },
        BadLine { { "--help", "--month", "13" }, "--month must be between 1 and 12, not 13" },
        // A batch that cannot be named apart is refused before anything is drawn.
        BadLine { { "--month", "1-3", "-o", "same.emf" },
            "several months need %m (and %Y for several years) in -o, or one .pdf file" },
        BadLine { { "--year", "2027-2028", "--month", "2", "-o", "cal-%m.svg" },
            "several months need %m (and %Y for several years) in -o, or one .pdf file" }));

} // namespace
