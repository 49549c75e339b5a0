#include "RenderOptions.h"

#include <QColor>
#include <QString>

#include <charconv>
#include <functional>
#include <map>

namespace pluvane {

namespace {

int parseInt(const std::string& option, const std::string& text, int low, int high)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        throw UsageError(option + " needs a whole number, not '" + text + "'");
    if (value < low || value > high)
        throw UsageError(option + " must be between " + std::to_string(low) + " and " + std::to_string(high)
            + ", not " + text);
    return value;
}

TColor parseColor(const std::string& option, const std::string& text)
{
    const QString s = QString::fromStdString(text);
    const bool hex = s.startsWith('#');
    const QColor c(s);
    if ((hex && s.size() != 7) || !c.isValid())
        throw UsageError(option + " needs #RRGGBB or a colour name, not '" + text + "'");
    return rgbColor(c.red(), c.green(), c.blue());
}

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
        values[i] = parseInt("--screen", text.substr(at, end - at), 1, 1000000);
        at = end + 1;
    }
    return { values[0], values[1], values[2], values[3] };
}

} // namespace

RenderOptions parseRenderOptions(const std::vector<std::string>& args, int todayYear, int todayMonth)
{
    RenderOptions o;
    CalendarSettings& s = o.settings;
    s.year = todayYear;
    s.month = todayMonth;
    s.font = FontSpec {};
    s.font.color = clBlack;
    s.daycolor = clBlack;

    using Setter = std::function<void(const std::string& option, const std::string& value)>;
    const std::map<std::string, Setter> valued {
        { "--year", [&](auto& n, auto& v) { s.year = parseInt(n, v, 1900, 2500); } },
        { "--month", [&](auto& n, auto& v) { s.month = parseInt(n, v, 1, 12); } },
        { "--font", [&](auto& n, auto& v) {
             if (v.empty())
                 throw UsageError(n + " needs a font family name");
             s.font.name = truncatedFontName(v);
         } },
        { "--font-height", [&](auto& n, auto& v) { s.font.height = -parseInt(n, v, 1, 1000); } },
        { "--cell-width", [&](auto& n, auto& v) { s.xtrack = parseInt(n, v, 2, 100); } },
        { "--cell-height", [&](auto& n, auto& v) { s.ytrack = parseInt(n, v, 1, 100); } },
        { "--title-size", [&](auto& n, auto& v) { s.montrack = parseInt(n, v, 20, 100); } },
        { "--title-pos", [&](auto& n, auto& v) {
             static const std::map<std::string, int> positions { { "left", 0 }, { "center", 1 }, { "right", 2 } };
             const auto p = positions.find(v);
             if (p == positions.end())
                 throw UsageError(n + " needs left, center or right, not '" + v + "'");
             s.tukiiti = p->second;
         } },
        { "--pattern", [&](auto& n, auto& v) { s.ptn = parseInt(n, v, 1, 3) - 1; } },
        { "--day-color", [&](auto& n, auto& v) { s.daycolor = parseColor(n, v); } },
        { "--title-color", [&](auto& n, auto& v) { s.moncolor = parseColor(n, v); } },
        { "--weekday-color", [&](auto& n, auto& v) { s.weekcolor = parseColor(n, v); } },
        { "--line-color", [&](auto& n, auto& v) { s.linecolor = parseColor(n, v); } },
        { "--screen", [&](auto&, auto& v) { o.screen = parseScreen(v); } },
        { "-o", [&](auto& n, auto& v) {
             if (v.empty())
                 throw UsageError(n + " needs a file name");
             o.output = v;
         } },
    };
    const std::map<std::string, bool*> flags {
        { "--bold", &s.font.bold }, { "--italic", &s.font.italic }, { "--underline", &s.font.underline },
        { "--strikeout", &s.font.strikeout }, { "--info", &o.info }, { "--quiet", &o.quiet },
        { "--help", &o.help }, { "-h", &o.help },
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        if (const auto f = flags.find(name); f != flags.end()) {
            if (value)
                throw UsageError(name + " takes no value");
            *f->second = true;
            continue;
        }
        const auto v = valued.find(name);
        if (v == valued.end())
            throw UsageError("unknown option '" + args[i] + "' (see --help)");
        if (!value) {
            if (i + 1 >= args.size())
                throw UsageError(name + " needs a value");
            value = args[++i];
        }
        v->second(name, *value);
    }

    s.titlemonth = s.month;
    s.font.color = s.daycolor;
    if (!o.help && !o.info && o.output.empty())
        throw UsageError("nothing to do: give -o FILE or --info (see --help)");
    return o;
}

std::string renderUsage()
{
    return R"(Usage: pluvane-render [options] (-o FILE | --info)
Draws one calendar month as a vector picture, without a display.

  --year N              year, 1900..2500 (default: this year)
  --month N             month, 1..12 (default: this month)
  --font FAMILY         font family (default: ＭＳ Ｐゴシック)
  --font-height PX      character height in pixels, 1..1000 (default 12)
  --bold --italic --underline --strikeout
  --cell-width N        extra width of a day cell, 2..100 (default 10)
  --cell-height N       extra height of a day cell, 1..100 (default 10)
  --title-size N        height of the month number, 20..100 (default 20)
  --title-pos POS       left, center or right (default center)
  --pattern N           ruling pattern 1, 2 or 3 (default 1)
  --day-color C         colour of the day numbers (#RRGGBB or a name; default black)
  --title-color C       colour of the month number
  --weekday-color C     colour of the weekday labels
  --line-color C        colour of the ruled lines
  --screen WxH:WMMxHMM  reference screen for the physical size
                        (default: the primary screen)
  -o FILE               write the enhanced metafile to FILE
  --info                print the picture's measures as name=value lines
  --quiet               do not report the files written
  --help                show this text
)";
}

} // namespace pluvane
