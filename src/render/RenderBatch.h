#pragma once

#include "RenderOptions.h"
#include "layout/TextMeasurer.h"

#include <ostream>

namespace pluvane {

// Draws every month the options name and writes each to its file (or all to
// one PDF), printing the measures to `info` when asked and one line per file
// written to `report`. The first failure stops the batch with its exception;
// the files finished before it stay as they are, and no partial file is left.
void runBatch(const RenderOptions& options, const TextMeasurer& measurer, const ScreenMetrics& screen,
    std::ostream& info, std::ostream& report);

} // namespace pluvane
