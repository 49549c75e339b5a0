#pragma once

#include "layout/CalendarSettings.h"
#include "picture/qt/ScreenMetrics.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
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
    // --list-holidays: the first and last year whose days off are printed
    // instead of drawing anything.
    std::optional<std::pair<int, int>> holidayYears;
};

// Reads the arguments after the program name. `today` supplies the default
// year and month. Throws UsageError with a one-line message, also for a
// batch whose files cannot be named apart (see renderJobs in RenderBatch.h).
RenderOptions parseRenderOptions(const std::vector<std::string>& args, int todayYear, int todayMonth);

// The --help text: the synopsis, what the program does, and every option.
std::string renderUsage();

} // namespace pluvane
