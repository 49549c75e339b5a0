#include "RenderBatch.h"

#include "picture/output/FileOutput.h"
#include "picture/MakeCalendar.h"
#include "picture/output/PictureRendering.h"
#include "picture/output/PictureSaving.h"

namespace pluvane {

namespace {

void printInfo(std::ostream& out, const RenderJob& job, const MadeCalendar& made)
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
}

} // namespace

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
            printInfo(info, job, made);
        }
        if (job.output.empty())
            continue;
        if (oneDocument) {
            pages.push_back(made.picture);
            continue;
        }
        const SaveTarget target = saveTargetFor(job.output);
        // A batch puts its files on disk once, at its end, not one by one.
        savePicture(made.picture, target, saveOptions, Durability::SyncLater);
        lastWritten = target.path;
        if (!options.quiet)
            report << "pluvane-render: wrote " << target.path << '\n';
    }

    if (!lastWritten.empty())
        syncFileSystemOf(lastWritten);

    if (oneDocument) {
        const QByteArray pdf = renderPdf(pages);
        writeFileAtomically(jobs.front().output,
            std::span(reinterpret_cast<const std::uint8_t*>(pdf.constData()), static_cast<std::size_t>(pdf.size())));
        if (!options.quiet)
            report << "pluvane-render: wrote " << jobs.front().output << " (" << pages.size() << " pages)\n";
    }
}

} // namespace pluvane
