#include "picture/output/SaveTarget.h"

#include <gtest/gtest.h>

using namespace pluvane;

struct NameCase {
    const char* typed;
    const char* path;
    PictureFormat format;
};

void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << c.typed;
}

class SaveTargetTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(SaveTargetTest, NameAndFormatFromTheTypedName)
{
    const NameCase c = GetParam();
    EXPECT_EQ(saveTargetFor(c.typed), (SaveTarget { c.path, c.format }));
}

INSTANTIATE_TEST_SUITE_P(Names, SaveTargetTest,
    ::testing::Values(NameCase { "/home/u/cal/may", "/home/u/cal/may.wmf", PictureFormat::PlaceableWmf },
        NameCase { "/home/u/cal/may.WMF", "/home/u/cal/may.WMF", PictureFormat::PlaceableWmf },
        NameCase { "/home/u/cal/may.wmf", "/home/u/cal/may.wmf", PictureFormat::PlaceableWmf },
        NameCase { "/home/u/cal/may.Wmf", "/home/u/cal/may.Wmf", PictureFormat::PlaceableWmf },
        NameCase { "/home/u/cal/may.emf", "/home/u/cal/may.emf", PictureFormat::Emf },
        NameCase { "/home/u/my.cal/may", "/home/u/my.cal/may", PictureFormat::Emf },
        NameCase { "/home/u/cal/may.", "/home/u/cal/may.", PictureFormat::Emf },
        NameCase { "/home/u/cal/may.wmf.bak", "/home/u/cal/may.wmf.bak", PictureFormat::Emf },
        NameCase { "may", "may.wmf", PictureFormat::PlaceableWmf }, NameCase { "./may", "./may", PictureFormat::Emf },
        NameCase { "/home/u/cal/may.svg", "/home/u/cal/may.svg", PictureFormat::Svg },
        NameCase { "/home/u/cal/may.PDF", "/home/u/cal/may.PDF", PictureFormat::Pdf },
        NameCase { "/home/u/cal/may.Png", "/home/u/cal/may.Png", PictureFormat::Png },
        NameCase { "/home/u/cal.png/may", "/home/u/cal.png/may", PictureFormat::Emf },
        NameCase { "/home/u/cal/may.svgz", "/home/u/cal/may.svgz", PictureFormat::Emf }));
