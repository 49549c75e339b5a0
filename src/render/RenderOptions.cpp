#include "RenderOptions.h"

#include "HolidayList.h"
#include "RenderBatch.h"

#include <QColor>
#include <QCommandLineParser>
#include <QString>

#include <algorithm>
#include <charconv>
#include <map>

namespace pluvane {

namespace {

int parseInt(const std::string& option, const std::string& text, int low, int high)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    const bool outOfRange = ec == std::errc::result_out_of_range && ptr == end;
    if (text.empty() || (ec != std::errc() && !outOfRange) || ptr != end)
        throw UsageError(option + " needs a whole number, not '" + text + "'");
    if (outOfRange || value < low || value > high)
        throw UsageError(
            option + " must be between " + std::to_string(low) + " and " + std::to_string(high) + ", not " + text);
    return value;
}

TColor parseColor(const std::string& option, const std::string& text)
{
    const QString s = QString::fromStdString(text);
    const bool hex = s.startsWith('#');
    const QColor c(s);
    if ((hex && s.size() != 7) || !c.isValid())
        throw UsageError(option + " needs #RRGGBB or a colour name, not '" + text + "'");
    // The picture's colours have no transparency; a see-through one would be drawn solid.
    if (c.alpha() != 255)
        throw UsageError(option + " needs an opaque colour, not '" + text + "'");
    return rgbColor(c.red(), c.green(), c.blue());
}

// "N" or "A-B", each value within the bounds.
std::pair<int, int> parseRange(const std::string& option, const std::string& text, int low, int high)
{
    const std::size_t dash = text.find('-', 1);
    const int first = parseInt(option, text.substr(0, dash), low, high);
    const int last = dash == std::string::npos ? first : parseInt(option, text.substr(dash + 1), low, high);
    if (last < first)
        throw UsageError(option + " range " + text + " runs backwards");
    return { first, last };
}

// "N", "A-B" or a comma-separated list of those, each value within the bounds.
std::vector<int> parseList(const std::string& option, const std::string& text, int low, int high)
{
    std::vector<int> values;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t comma = text.find(',', at);
        if (comma == std::string::npos)
            comma = text.size();
        const auto [first, last] = parseRange(option, text.substr(at, comma - at), low, high);
        for (int v = first; v <= last; ++v)
            if (std::find(values.begin(), values.end(), v) == values.end())
                values.push_back(v);
        at = comma + 1;
    }
    return values;
}

// One of a few words, each naming a value; the message lists the words.
template <typename Value>
Value parseChoice(
    const std::string& option, const std::string& text, std::initializer_list<std::pair<const char*, Value>> choices)
{
    std::string words;
    std::size_t i = 0;
    for (const auto& [word, value] : choices) {
        if (text == word)
            return value;
        if (i > 0)
            words += i + 1 == choices.size() ? " or " : ", ";
        words += word;
        ++i;
    }
    throw UsageError(option + " needs " + words + ", not '" + text + "'");
}

// The reference screen's bounds: any picture the program makes on such a
// screen has a frame, and a device size in micrometres, that fit the files'
// 32-bit fields, and is at least 0.01 mm a side.
constexpr int maxScreenValue = 100000;
constexpr int maxPixelsPerMm = 100;
constexpr int maxMmPerPixel = 10;

ScreenMetrics parseScreen(const std::string& text)
{
    // WxH:WMMxHMM, as 800x600:280x210
    int values[4] = {};
    std::size_t at = 0;
    const char separators[4] = { 'x', ':', 'x', '\0' };
    for (int i = 0; i < 4; ++i) {
        const std::size_t end = separators[i] ? text.find(separators[i], at) : text.size();
        if (end == std::string::npos)
            throw UsageError("--screen needs WxH:WMMxHMM such as 1920x1080:508x286, not '" + text + "'");
        values[i] = parseInt("--screen", text.substr(at, end - at), 1, maxScreenValue);
        at = end + 1;
    }
    for (int axis = 0; axis < 2; ++axis) {
        const int pixels = values[axis];
        const int millimetres = values[axis + 2];
        if (pixels > maxPixelsPerMm * millimetres || millimetres > maxMmPerPixel * pixels)
            throw UsageError("--screen needs 0.1 to 100 pixels per millimetre each way, not '" + text + "'");
    }
    return { values[0], values[1], values[2], values[3] };
}

using Text = const std::string&;

// One option: its names as the parser knows them (a single letter is written
// -x, a word --word), the placeholder of its value (none for a flag), its line
// of --help, and what it does to the options given the option as written and
// its value.
struct OptionRule {
    QStringList names;
    QString valueName;
    QString description;
    void (*apply)(RenderOptions& o, Text option, Text value);
};

// In the order --help lists them.
const std::vector<OptionRule>& optionRules()
{
    static const std::vector<OptionRule> rules {
        { { "year" }, "N|A-B", "year or years, 1900..2500 (default: this year)",
            [](RenderOptions& o, Text n, Text v) { o.years = parseList(n, v, 1900, 2500); } },
        { { "month" }, "N|A-B|A,B,...", "month or months, 1..12 (default: this month)",
            [](RenderOptions& o, Text n, Text v) { o.months = parseList(n, v, 1, 12); } },
        { { "font" }, "FAMILY", "font family (default: ＭＳ Ｐゴシック)",
            [](RenderOptions& o, Text n, Text v) {
                if (v.empty())
                    throw UsageError(n + " needs a font family name");
                o.settings.font.name = truncatedFontName(v);
            } },
        { { "font-height" }, "PX", "character height in pixels, 1..1000 (default 12)",
            [](RenderOptions& o, Text n, Text v) { o.settings.font.height = -parseInt(n, v, 1, 1000); } },
        { { "bold" }, {}, "draw the text bold", [](RenderOptions& o, Text, Text) { o.settings.font.bold = true; } },
        { { "italic" }, {}, "draw the text italic",
            [](RenderOptions& o, Text, Text) { o.settings.font.italic = true; } },
        { { "underline" }, {}, "underline the text",
            [](RenderOptions& o, Text, Text) { o.settings.font.underline = true; } },
        { { "strikeout" }, {}, "strike the text out",
            [](RenderOptions& o, Text, Text) { o.settings.font.strikeout = true; } },
        { { "cell-width" }, "N", "extra width of a day cell, 2..100 (default 10)",
            [](RenderOptions& o, Text n, Text v) { o.settings.xtrack = parseInt(n, v, 2, 100); } },
        { { "cell-height" }, "N", "extra height of a day cell, 1..100 (default 10)",
            [](RenderOptions& o, Text n, Text v) { o.settings.ytrack = parseInt(n, v, 1, 100); } },
        { { "title-size" }, "N", "height of the month number, 20..100 (default 20)",
            [](RenderOptions& o, Text n, Text v) { o.settings.montrack = parseInt(n, v, 20, 100); } },
        { { "title-pos" }, "POS", "left, center or right (default center)",
            [](RenderOptions& o, Text n, Text v) {
                static const std::map<std::string, int> positions { { "left", 0 }, { "center", 1 }, { "right", 2 } };
                const auto p = positions.find(v);
                if (p == positions.end())
                    throw UsageError(n + " needs left, center or right, not '" + v + "'");
                o.settings.tukiiti = p->second;
            } },
        { { "pattern" }, "N", "ruling pattern 1, 2 or 3 (default 1)",
            [](RenderOptions& o, Text n, Text v) { o.settings.ptn = parseInt(n, v, 1, 3) - 1; } },
        { { "day-color" }, "C", "colour of the day numbers (#RRGGBB or a name; default black)",
            [](RenderOptions& o, Text n, Text v) { o.settings.daycolor = parseColor(n, v); } },
        { { "title-color" }, "C", "colour of the month number",
            [](RenderOptions& o, Text n, Text v) { o.settings.moncolor = parseColor(n, v); } },
        { { "weekday-color" }, "C", "colour of the weekday labels",
            [](RenderOptions& o, Text n, Text v) { o.settings.weekcolor = parseColor(n, v); } },
        { { "line-color" }, "C", "colour of the ruled lines",
            [](RenderOptions& o, Text n, Text v) { o.settings.linecolor = parseColor(n, v); } },
        { { "holidays" }, "WHICH",
            "none or japan: draw Japan's national holidays red like Sundays (default none); the spring and autumn "
            "equinox days after the years already announced in the official gazette are astronomical projections",
            [](RenderOptions& o, Text n, Text v) {
                o.settings.holidays = parseChoice<HolidayCalendar>(
                    n, v, { { "none", HolidayCalendar::None }, { "japan", HolidayCalendar::Japan } });
            } },
        { { "saturday-color" }, "C",
            "colour of the Saturday numbers that are not holidays and of the Saturday label (default: as the other "
            "days)",
            [](RenderOptions& o, Text n, Text v) { o.settings.saturdayColor = parseColor(n, v); } },
        { { "week-start" }, "DAY", "sunday or monday: the weekday of the first column (default sunday)",
            [](RenderOptions& o, Text n, Text v) {
                o.settings.firstWeekday = parseChoice<FirstWeekday>(
                    n, v, { { "sunday", FirstWeekday::Sunday }, { "monday", FirstWeekday::Monday } });
            } },
        { { "weekday-labels" }, "LANG", "english (SUN .. SAT) or japanese (日 .. 土) (default english)",
            [](RenderOptions& o, Text n, Text v) {
                o.settings.weekdayLabels = parseChoice<WeekdayLabels>(
                    n, v, { { "english", WeekdayLabels::English }, { "japanese", WeekdayLabels::Japanese } });
            } },
        { { "title-text" }, "FORM",
            "month (3), year (2027年3月), era (令和9年3月) or english (March 2027) (default month)",
            [](RenderOptions& o, Text n, Text v) {
                o.settings.titleText = parseChoice<TitleText>(n, v,
                    { { "month", TitleText::Month }, { "year", TitleText::YearMonth }, { "era", TitleText::EraMonth },
                        { "english", TitleText::English } });
            } },
        { { "list-holidays" }, "YEAR[-YEAR]",
            "print Japan's days off of the years (1948..2500) as YYYY-MM-DD<TAB>name lines in date order and draw "
            "nothing; the equinox days after the years already announced are astronomical projections",
            [](RenderOptions& o, Text n, Text v) {
                o.holidayYears = parseRange(n, v, firstHolidayYear, lastHolidayYear);
            } },
        { { "screen" }, "WxH:WMMxHMM",
            "reference screen for the physical size: pixels and millimetres 1..100000 each, 0.1 to 100 pixels per "
            "millimetre (default: the primary screen)",
            [](RenderOptions& o, Text, Text v) { o.screen = parseScreen(v); } },
        { { "o" }, "FILE",
            "write FILE, in the format its extension names: .wmf placeable Windows metafile (also for a name "
            "without any \".\", which gets .wmf), .svg, .pdf, .png; any other name gets the enhanced metafile. "
            "%Y and %m in the name give one file per month; several months into one .pdf give one page each",
            [](RenderOptions& o, Text n, Text v) {
                if (v.empty())
                    throw UsageError(n + " needs a file name");
                if (v.back() == '/')
                    throw UsageError(n + " needs a file name, not the folder '" + v + "'");
                o.output = v;
            } },
        { { "scale" }, "N",
            "PNG pixels per picture pixel, 1..16 (default 1); a PNG is at most 16384 pixels a side and 256 million "
            "pixels in all, and a larger one is refused",
            [](RenderOptions& o, Text n, Text v) { o.pngScale = parseInt(n, v, 1, 16); } },
        { { "transparent" }, {}, "PNG without the white paper",
            [](RenderOptions& o, Text, Text) { o.transparent = true; } },
        { { "info" }, {}, "print the picture's measures as name=value lines",
            [](RenderOptions& o, Text, Text) { o.info = true; } },
        { { "quiet" }, {}, "do not report the files written", [](RenderOptions& o, Text, Text) { o.quiet = true; } },
        { { "h", "help" }, {}, "show this text", [](RenderOptions& o, Text, Text) { o.help = true; } },
    };
    return rules;
}

const OptionRule* ruleNamed(const QString& name)
{
    for (const OptionRule& rule : optionRules())
        if (rule.names.contains(name))
            return &rule;
    return nullptr;
}

// How the program spells an option: -o and -h, but --year.
QString spelled(const QString& name)
{
    return (name.size() == 1 ? "-" : "--") + name;
}

void describeOptions(QCommandLineParser& parser)
{
    // A word after one dash is a name, not a bundle of letters, so that
    // "-oFILE" and "-year" are read as one (unknown) option each.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription("Draws one calendar month as a vector picture, without a display.");
    for (const OptionRule& rule : optionRules())
        parser.addOption(QCommandLineOption(rule.names, rule.description, rule.valueName));
}

const OptionRule* ruleSpelled(const std::string& written)
{
    for (const OptionRule& rule : optionRules())
        for (const QString& name : rule.names)
            if (spelled(name).toStdString() == written)
                return &rule;
    return nullptr;
}

// The one line for an argument that is none of our options as we spell them:
// a flag given a value, an option with nothing after it, or an unknown word.
std::string misread(const std::string& argument, bool last)
{
    std::string written = argument;
    bool hasValue = false;
    if (const auto eq = argument.find('='); argument.starts_with("--") && eq != std::string::npos) {
        written = argument.substr(0, eq);
        hasValue = true;
    }
    if (const OptionRule* rule = ruleSpelled(written)) {
        const bool flag = rule->valueName.isEmpty();
        if (flag && hasValue)
            return written + " takes no value";
        if (!flag && !hasValue && last)
            return written + " needs a value";
    }
    return "unknown option '" + argument + "' (see --help)";
}

} // namespace

RenderOptions parseRenderOptions(const std::vector<std::string>& args, int todayYear, int todayMonth)
{
    RenderOptions o;
    CalendarSettings& s = o.settings;
    o.years = { todayYear };
    o.months = { todayMonth };
    s.font = FontSpec {};
    s.font.color = clBlack;
    s.daycolor = clBlack;

    QCommandLineParser parser;
    describeOptions(parser);
    QStringList line { QStringLiteral("pluvane-render") };
    for (const std::string& arg : args)
        line << QString::fromStdString(arg);
    // Its verdict is not needed: the walk below stops at the first argument
    // it could not read, with our own message for it.
    parser.parse(line);

    // The parser is lenient ("--o" is -o to it, "-o=FILE" is -o FILE) and does
    // not say where it met what it could not read. Walking the line along the
    // options it found, in their order, keeps our spellings, applies every
    // value in the order given and stops at the first argument that is not
    // ours, so a line with several mistakes names the first. Values come from
    // `args`, byte for byte, not back from QString.
    const QStringList found = parser.optionNames();
    std::map<QString, qsizetype> valuesTaken;
    qsizetype next = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const QString& arg = line[static_cast<qsizetype>(i) + 1];
        const bool last = i + 1 == args.size();
        if (next == found.size())
            throw UsageError(misread(args[i], last));
        const QString name = found[next++];
        const QString option = spelled(name);
        const OptionRule& rule = *ruleNamed(name);
        std::string value;
        if (rule.valueName.isEmpty()) {
            if (arg != option)
                throw UsageError(misread(args[i], last));
        } else {
            const QStringList values = parser.values(name);
            const qsizetype taken = valuesTaken[name]++;
            if (taken >= values.size())
                throw UsageError(misread(args[i], last));
            if (name.size() > 1 && arg == option + '=' + values[taken]) {
                value = args[i].substr(option.size() + 1);
            } else if (arg == option && !last && line[static_cast<qsizetype>(i) + 2] == values[taken]) {
                value = args[++i];
            } else {
                throw UsageError(misread(args[i], last));
            }
        }
        rule.apply(o, option.toStdString(), value);
    }

    s.year = o.years.front();
    s.month = s.titlemonth = o.months.front();
    s.font.color = s.daycolor;
    if (o.help)
        return o;
    if (o.holidayYears) {
        if (o.info || !o.output.empty())
            throw UsageError("--list-holidays prints the list only: leave out -o and --info");
        return o;
    }
    if (!o.info && o.output.empty())
        throw UsageError("nothing to do: give -o FILE or --info (see --help)");
    renderJobs(o); // a batch that cannot be named is a usage error now, before anything is drawn
    return o;
}

std::string renderUsage()
{
    QCommandLineParser parser;
    describeOptions(parser);
    QString text = parser.helpText();
    // The parser's first line names no program before an application object
    // exists and cannot say that -o or --info is needed; that line is ours.
    text.replace(0, text.indexOf('\n'), "Usage: pluvane-render [options] (-o FILE | --info)");
    return text.toStdString();
}

} // namespace pluvane
