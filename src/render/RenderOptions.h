#pragma once

#include "layout/CalendarSettings.h"
#include "picture/qt/ScreenMetrics.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace pluvane {

// A bad command line; main prints the message and exits with status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct RenderOptions {
    CalendarSettings settings;           // year and month are those of the first month
    std::vector<int> years;              // in order, each once
    std::vector<int> months;             // in order, each once
    std::optional<ScreenMetrics> screen; // the primary screen when not given
    std::string output;                  // may hold %Y and %m
    int pngScale = 1;
    bool transparent = false;
    bool info = false;
    bool quiet = false;
    bool help = false;
};

// One month of a batch and the file it goes to ("" without -o).
struct RenderJob {
    int year = 0;
    int month = 0;
    std::string output;
};

// The months to draw, in order, with their file names: %Y becomes the year
// and %m the two-digit month. Several months without %m go to one file only
// when it is a PDF; otherwise that is a UsageError.
std::vector<RenderJob> renderJobs(const RenderOptions& options);

// True when all jobs write one multi-page PDF.
bool writesOneDocument(const std::vector<RenderJob>& jobs);

// Reads the arguments after the program name. `today` supplies the default
// year and month. Throws UsageError with a one-line message.
RenderOptions parseRenderOptions(const std::vector<std::string>& args, int todayYear, int todayMonth);

std::string renderUsage();

} // namespace pluvane
