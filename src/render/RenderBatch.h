#pragma once

#include "RenderOptions.h"
#include "layout/TextMeasurer.h"

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace pluvane {

// A failure of one file of a batch: the message names the file before the
// library's fixed message, so a batch's output says which file failed. main
// prints it and exits with status 1.
class BatchFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
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

// Draws every month the options name and writes each to its file (or all to
// one PDF), printing the measures to `info` when asked and one line per file
// written to `report`. The first failure stops the batch with its exception,
// a BatchFileError for a file that could not be written or for `info` when
// it takes no more; the files finished before it stay as they are, and no
// partial file is left.
void runBatch(const RenderOptions& options, const TextMeasurer& measurer, const ScreenMetrics& screen,
    std::ostream& info, std::ostream& report);

} // namespace pluvane
