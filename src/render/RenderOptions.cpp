#include "RenderOptions.h"

#include "picture/output/SaveTarget.h"

#include <QColor>
#include <QString>

#include <algorithm>
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

// "N", "A-B" or a comma-separated list of those, each value within the bounds.
std::vector<int> parseList(const std::string& option, const std::string& text, int low, int high)
{
    std::vector<int> values;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t comma = text.find(',', at);
        if (comma == std::string::npos)
            comma = text.size();
        const std::string item = text.substr(at, comma - at);
        const std::size_t dash = item.find('-', 1);
        const int first = parseInt(option, item.substr(0, dash), low, high);
        const int last = dash == std::string::npos ? first : parseInt(option, item.substr(dash + 1), low, high);
        if (last < first)
            throw UsageError(option + " range " + item + " runs backwards");
        for (int v = first; v <= last; ++v)
            if (std::find(values.begin(), values.end(), v) == values.end())
                values.push_back(v);
        at = comma + 1;
    }
    return values;
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
    o.years = { todayYear };
    o.months = { todayMonth };
    s.font = FontSpec {};
    s.font.color = clBlack;
    s.daycolor = clBlack;

    using Setter = std::function<void(const std::string& option, const std::string& value)>;
    const std::map<std::string, Setter> valued {
        { "--year", [&](auto& n, auto& v) { o.years = parseList(n, v, 1900, 2500); } },
        { "--month", [&](auto& n, auto& v) { o.months = parseList(n, v, 1, 12); } },
        { "--scale", [&](auto& n, auto& v) { o.pngScale = parseInt(n, v, 1, 16); } },
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
        { "--transparent", &o.transparent },
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

    s.year = o.years.front();
    s.month = s.titlemonth = o.months.front();
    s.font.color = s.daycolor;
    if (o.help)
        return o;
    if (!o.info && o.output.empty())
        throw UsageError("nothing to do: give -o FILE or --info (see --help)");
    renderJobs(o); // a batch that cannot be named is a usage error now, before anything is drawn
    return o;
}

namespace {

std::string expandName(const std::string& pattern, int year, int month)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == 'Y' || pattern[i + 1] == 'm')) {
            out += pattern[i + 1] == 'Y' ? std::to_string(year) : (month < 10 ? "0" : "") + std::to_string(month);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace

std::vector<RenderJob> renderJobs(const RenderOptions& o)
{
    std::vector<RenderJob> jobs;
    for (int year : o.years)
        for (int month : o.months)
            jobs.push_back({ year, month, o.output.empty() ? std::string() : expandName(o.output, year, month) });
    if (jobs.size() > 1 && !o.output.empty()) {
        std::vector<std::string> names;
        for (const RenderJob& j : jobs)
            names.push_back(j.output);
        std::sort(names.begin(), names.end());
        const bool distinct = std::adjacent_find(names.begin(), names.end()) == names.end();
        // The name rules of a save decide what a PDF is, here as everywhere.
        const bool oneDocument
            = names.front() == names.back() && saveTargetFor(names.front()).format == PictureFormat::Pdf;
        if (!distinct && !oneDocument)
            throw UsageError("several months need %m (and %Y for several years) in -o, or one .pdf file");
    }
    return jobs;
}

bool writesOneDocument(const std::vector<RenderJob>& jobs)
{
    return jobs.size() > 1 && !jobs.front().output.empty() && jobs.front().output == jobs.back().output;
}

std::string renderUsage()
{
    return R"(Usage: pluvane-render [options] (-o FILE | --info)
Draws one calendar month as a vector picture, without a display.

  --year N|A-B          year or years, 1900..2500 (default: this year)
  --month N|A-B|A,B,... month or months, 1..12 (default: this month)
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
  -o FILE               write FILE, in the format its extension names:
                        .wmf placeable Windows metafile (also for a name
                        without any ".", which gets .wmf), .svg, .pdf, .png;
                        any other name gets the enhanced metafile. %Y and %m
                        in the name give one file per month; several months
                        into one .pdf give one page each
  --scale N             PNG pixels per picture pixel, 1..16 (default 1)
  --transparent         PNG without the white paper
  --info                print the picture's measures as name=value lines
  --quiet               do not report the files written
  --help                show this text
)";
}

} // namespace pluvane
