#pragma once

#include "layout/CalendarSettings.h"
#include "picture/ScreenMetrics.h"

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
    CalendarSettings settings;
    std::optional<ScreenMetrics> screen; // the primary screen when not given
    std::string output;
    bool info = false;
    bool quiet = false;
    bool help = false;
};

// Reads the arguments after the program name. `today` supplies the default
// year and month. Throws UsageError with a one-line message.
RenderOptions parseRenderOptions(const std::vector<std::string>& args, int todayYear, int todayMonth);

std::string renderUsage();

} // namespace pluvane
