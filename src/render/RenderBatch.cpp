#include "RenderBatch.h"

#include "layout/CalendarTitle.h"
#include "layout/Errors.h"
#include "layout/JapaneseHolidays.h"
#include "picture/MakeCalendar.h"
#include "picture/output/FileOutput.h"
#include "picture/output/PictureRendering.h"
#include "picture/output/PictureSaving.h"
#include "picture/output/SaveTarget.h"

#include <algorithm>

namespace pluvane {

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

std::string hexColor(TColor c)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out = "#";
    for (int part : { redOf(c), greenOf(c), blueOf(c) }) {
        out += digits[part / 16];
        out += digits[part % 16];
    }
    return out;
}

bool conventionsAtDefaults(const CalendarSettings& s)
{
    return s.holidays == HolidayCalendar::None && !s.saturdayColor && s.firstWeekday == FirstWeekday::Sunday
        && s.weekdayLabels == WeekdayLabels::English && s.titleText == TitleText::Month;
}

// The calendar conventions, printed only when one of them is set, so that
// the measures of a plain calendar read exactly as they always have.
void printConventions(std::ostream& out, const CalendarSettings& s)
{
    if (conventionsAtDefaults(s))
        return;
    static constexpr const char* titleTexts[] = { "month", "year", "era", "english" };
    std::string days;
    if (s.holidays == HolidayCalendar::Japan) {
        const std::uint32_t bits = japaneseHolidayDaysOf(s.year, s.month);
        for (int day = 1; day <= 31; ++day)
            if ((bits >> day) & 1U)
                days += (days.empty() ? "" : ",") + std::to_string(day);
    }
    out << "holidays=" << (s.holidays == HolidayCalendar::Japan ? "japan" : "none") << '\n'
        << "holiday_days=" << days << '\n'
        << "saturday_color=" << (s.saturdayColor ? hexColor(*s.saturdayColor) : "none") << '\n'
        << "week_start=" << (s.firstWeekday == FirstWeekday::Monday ? "monday" : "sunday") << '\n'
        << "weekday_labels=" << (s.weekdayLabels == WeekdayLabels::Japanese ? "japanese" : "english") << '\n'
        << "title_text=" << titleTexts[static_cast<int>(s.titleText)] << '\n'
        << "title=" << calendarTitle(s) << '\n';
}

void printInfo(std::ostream& out, const RenderJob& job, const CalendarSettings& settings, const MadeCalendar& made)
{
    const CalendarGeometry& g = made.geometry;
    out << "year=" << job.year << '\n'
        << "month=" << job.month << '\n'
        << "fontheight=" << g.fontheight << '\n'
        << "weekfontheight=" << g.weekfontheight << '\n'
        << "weekband=" << g.weekband << '\n'
        << "gridtop=" << g.gridtop << '\n'
        << "firstcol=" << g.firstcol << '\n'
        << "daycount=" << g.daycount << '\n'
        << "cellheight=" << g.cellheight << '\n'
        << "cellwidth=" << g.cellwidth << '\n'
        << "picwidth=" << g.picwidth << '\n'
        << "picheight=" << g.picheight << '\n'
        << "frame_w=" << made.picture.widthHmm() << '\n'
        << "frame_h=" << made.picture.heightHmm() << '\n'
        << "readout_x=" << made.readout.maxX << '\n'
        << "readout_y=" << made.readout.maxY << '\n';
    printConventions(out, settings);
}

// Runs one save; a failure becomes a BatchFileError that names the file. A
// message that names it already is kept as it is.
template <class Save> void saveNamed(const std::string& file, PictureFormat format, Save&& save)
{
    try {
        save();
    } catch (const EFCreateError&) {
        throw;
    } catch (const EOutOfResources& e) {
        std::string line = file + ": " + e.what();
        if (format == PictureFormat::Png)
            line += " (a PNG is at most " + std::to_string(maxRasterSide) + " pixels a side and "
                + std::to_string(maxRasterPixels / 1'000'000) + " million pixels)";
        throw BatchFileError(line);
    } catch (const PluvaneError& e) {
        throw BatchFileError(file + ": " + e.what());
    }
}

// What cannot be printed is a failure as much as a file that cannot be written.
void checkPrinted(std::ostream& out, const char* name)
{
    if (!out.flush())
        throw BatchFileError(std::string(name) + ": " + EWriteError().what());
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

void runBatch(const RenderOptions& options, const TextMeasurer& measurer, const ScreenMetrics& screen,
    std::ostream& info, std::ostream& report)
{
    const std::vector<RenderJob> jobs = renderJobs(options);
    const bool oneDocument = writesOneDocument(jobs);
    const SaveOptions saveOptions { options.pngScale, options.transparent };
    std::vector<Picture> pages;
    std::string lastWritten;

    for (const RenderJob& job : jobs) {
        CalendarSettings settings = options.settings;
        settings.year = job.year;
        settings.month = settings.titlemonth = job.month;
        const MadeCalendar made = makeCalendar(settings, measurer, screen);
        if (options.info) {
            if (&job != &jobs.front())
                info << '\n';
            printInfo(info, job, settings, made);
            checkPrinted(info, "standard output");
        }
        if (job.output.empty())
            continue;
        if (oneDocument) {
            pages.push_back(made.picture);
            continue;
        }
        const SaveTarget target = saveTargetFor(job.output);
        // A batch puts its files on disk once, at its end, not one by one.
        saveNamed(
            target.path, target.format, [&] { savePicture(made.picture, target, saveOptions, Durability::SyncLater); });
        lastWritten = target.path;
        if (!options.quiet) {
            report << "pluvane-render: wrote " << target.path << '\n';
            checkPrinted(report, "standard error");
        }
    }

    if (!lastWritten.empty())
        syncFileSystemOf(lastWritten);

    if (oneDocument) {
        const std::string& file = jobs.front().output;
        saveNamed(file, PictureFormat::Pdf, [&] {
            const QByteArray pdf = renderPdf(pages);
            writeFileAtomically(file,
                std::span(
                    reinterpret_cast<const std::uint8_t*>(pdf.constData()), static_cast<std::size_t>(pdf.size())));
        });
        if (!options.quiet) {
            report << "pluvane-render: wrote " << file << " (" << pages.size() << " pages)\n";
            checkPrinted(report, "standard error");
        }
    }
}

} // namespace pluvane
