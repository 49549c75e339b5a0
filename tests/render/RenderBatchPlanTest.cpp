// How a batch is planned before anything is drawn: the months in order, the
// file each goes to, and when all of them make one PDF.

#include "render/RenderBatch.h"
#include "support/ExpectThrows.h"

#include <gtest/gtest.h>

using namespace pluvane;

namespace {

struct Plan {
    std::vector<int> years;
    std::vector<int> months;
    std::string output;
    std::vector<std::string> jobs; // "year-month name", in order
    bool oneDocument;
};

void PrintTo(const Plan& c, std::ostream* os)
{
    *os << '[' << c.output << ']';
}

class BatchPlans : public ::testing::TestWithParam<Plan> {};

TEST_P(BatchPlans, NameEveryMonthInOrder)
{
    const Plan& c = GetParam();
    RenderOptions options;
    options.years = c.years;
    options.months = c.months;
    options.output = c.output;
    const std::vector<RenderJob> jobs = renderJobs(options);
    std::vector<std::string> described;
    for (const RenderJob& job : jobs)
        described.push_back(std::to_string(job.year) + "-" + std::to_string(job.month) + " " + job.output);
    EXPECT_EQ(described, c.jobs);
    EXPECT_EQ(writesOneDocument(jobs), c.oneDocument);
}

INSTANTIATE_TEST_SUITE_P(Batches, BatchPlans,
    ::testing::Values(Plan { { 1998 }, { 3 }, "", { "1998-3 " }, false },
        Plan { { 1998 }, { 3 }, "march", { "1998-3 march" }, false },
        // One PDF of one month is an ordinary save, not a document of pages.
        Plan { { 1998 }, { 3 }, "march.pdf", { "1998-3 march.pdf" }, false },
        Plan { { 2027 }, { 1, 2 }, "", { "2027-1 ", "2027-2 " }, false },
        Plan { { 2027, 2028 }, { 1, 12 }, "cal-%Y-%m.svg",
            { "2027-1 cal-2027-01.svg", "2027-12 cal-2027-12.svg", "2028-1 cal-2028-01.svg",
                "2028-12 cal-2028-12.svg" },
            false },
        Plan { { 2027 }, { 9, 3, 10 }, "q%m.png", { "2027-9 q09.png", "2027-3 q03.png", "2027-10 q10.png" }, false },
        // Only %Y and %m are replaced; any other % stays as it is.
        Plan { { 2027 }, { 1 }, "a%%m%Y%d%.emf", { "2027-1 a%012027%d%.emf" }, false },
        Plan { { 2027 }, { 1, 2, 3 }, "year.pdf", { "2027-1 year.pdf", "2027-2 year.pdf", "2027-3 year.pdf" }, true },
        Plan { { 2027 }, { 1, 2 }, "YEAR.PDF", { "2027-1 YEAR.PDF", "2027-2 YEAR.PDF" }, true },
        Plan { { 2027, 2028 }, { 5 }, "%m.pdf", { "2027-5 05.pdf", "2028-5 05.pdf" }, true }));

struct Refused {
    std::vector<int> years;
    std::vector<int> months;
    std::string output;
};

void PrintTo(const Refused& c, std::ostream* os)
{
    *os << '[' << c.output << ']';
}

class RefusedBatches : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedBatches, CannotBeNamedApart)
{
    RenderOptions options;
    options.years = GetParam().years;
    options.months = GetParam().months;
    options.output = GetParam().output;
    EXPECT_TRUE(fixtures::throwsWithMessage<UsageError>(
        [&] { renderJobs(options); }, "several months need %m (and %Y for several years) in -o, or one .pdf file"));
}

INSTANTIATE_TEST_SUITE_P(Batches, RefusedBatches,
    ::testing::Values(Refused { { 2027 }, { 1, 2 }, "same.emf" }, Refused { { 2027 }, { 1, 2 }, "march" },
        Refused { { 2027, 2028 }, { 2 }, "cal-%m.svg" }, Refused { { 2027, 2028 }, { 1, 2 }, "cal-%Y.png" },
        Refused { { 2027 }, { 1, 2 }, "year.pdf.emf" }, Refused { { 2027 }, { 1, 2 }, "pdf" }));

} // namespace
