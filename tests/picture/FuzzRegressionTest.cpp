// Inputs that once crashed the picture code or overflowed its arithmetic,
// kept so that they stay handled: played, converted or refused with the
// fixed error. Under the sanitizer build an overflow fails the test too.

#include "support/ExpectThrows.h"
#include "support/FixedWidthMeasurer.h"

#include "layout/Errors.h"
#include "picture/MakeCalendar.h"
#include "picture/Picture.h"
#include "picture/emf/EmfReader.h"
#include "picture/emf/EmfRecorder.h"
#include "picture/emf/EmfWriter.h"
#include "picture/player/PicturePlayer.h"
#include "picture/qt/Fonts.h"
#include "picture/wmf/PlaceableWmf.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace pluvane;

namespace {

std::vector<std::uint8_t> regressionInput(const char* name)
{
    QFile f(QStringLiteral(PLUVANE_FUZZ_REGRESSIONS_DIR "/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = f.readAll();
    return { data.begin(), data.end() };
}

// The bytes with the header's byte count set to their length, as a
// picture's own bytes have it, so that the sizes are read and not refused
// for the count alone.
std::vector<std::uint8_t> withTrueByteCount(std::vector<std::uint8_t> bytes)
{
    constexpr std::size_t byteCountAt = 48;
    for (std::size_t i = 0; i < 4 && byteCountAt + i < bytes.size(); ++i)
        bytes[byteCountAt + i] = static_cast<std::uint8_t>(bytes.size() >> (8 * i));
    return bytes;
}

// How many pixels of the image are not white.
int drawnPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return n;
}

QImage played(std::span<const std::uint8_t> bytes, QSize image, QRectF target)
{
    QImage out(image, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    playEmfBytes(painter, bytes, target);
    return out;
}

} // namespace

TEST(FuzzRegressions, EveryInputIsPlayedOrRefusedWithTheFixedError)
{
    for (const char* name : { "player-stretched-text-crash.emf", "header-millimetres-overflow-on-rewrite.emf",
             "header-frame-overflow.emf", "header-millimetres-overflow.emf", "player-giant-glyphs-oom.emf" }) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> bytes = regressionInput(name);
        ASSERT_FALSE(bytes.empty());
        played(bytes, QSize(200, 200), QRectF(0, 0, 800, 800));
        for (const auto& candidate : { bytes, withTrueByteCount(bytes) }) {
            try {
                Picture::fromEmfBytes(candidate);
            } catch (const EInvalidGraphic&) {
            }
        }
        if (const auto document = readEmf(bytes)) {
            try {
                writeEmf(*document);
            } catch (const EInvalidGraphic&) {
            }
        }
    }
}

TEST(FuzzRegressions, SizesThatDoNotFitAreRefusedNotWrapped)
{
    // Frame right - left and millimetres x 100 leave 32 bits in these two;
    // with their own byte counts they are refused before those are read.
    for (const char* name : { "header-frame-overflow.emf", "header-millimetres-overflow.emf" }) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> bytes = withTrueByteCount(regressionInput(name));
        EXPECT_TRUE(
            fixtures::throwsWithMessage<EInvalidGraphic>([&] { Picture::fromEmfBytes(bytes); }, "ﾒﾀﾌｧｲﾙが不正です"));
    }
    // Millimetres x 1000, the micrometres field, does not fit in this one.
    const auto document = readEmf(regressionInput("header-millimetres-overflow-on-rewrite.emf"));
    ASSERT_TRUE(document);
    EXPECT_TRUE(fixtures::throwsWithMessage<EInvalidGraphic>([&] { writeEmf(*document); }, "ﾒﾀﾌｧｲﾙが不正です"));
}

TEST(FuzzRegressions, PlayedFarStretchedTheRulesStillShow)
{
    // The largest picture the renderer accepts, played into a strip far
    // wider than its proportions: this crashed inside Qt's glyph cache.
    CalendarSettings s;
    s.year = 2026;
    s.month = s.titlemonth = 12;
    s.font.height = -1000;
    s.xtrack = s.ytrack = s.montrack = 100;
    const QtTextMeasurer measurer;
    const MadeCalendar made = makeCalendar(s, measurer, { 800, 600, 280, 210 });
    const QImage strip = played(made.picture.bytes(), QSize(400, 80), QRectF(0, 0, 228480, 80));
    EXPECT_GT(drawnPixels(strip), 0);
}

TEST(FuzzRegressions, GiantGlyphsAreLeftOutOfARaster)
{
    // One digit in a 3000-pixel font: drawn at the picture's own size, left
    // out at twice that, where each glyph would need an image of its own of
    // 6000 x 6000 pixels. The image shows the picture's left half.
    const fixtures::FixedWidthMeasurer measurer;
    EmfRecorder recorder(3000, 3000, { 800, 600 }, { 280, 210 }, measurer, [](TColor) { return 0u; });
    FontSpec font;
    font.name = "Sans Serif";
    font.height = -3000;
    recorder.setFont(font);
    recorder.textOut(0, 0, "8");
    const std::vector<std::uint8_t> bytes = recorder.close();
    EXPECT_GT(drawnPixels(played(bytes, QSize(1500, 3000), QRectF(0, 0, 3000, 3000))), 0);
    EXPECT_EQ(drawnPixels(played(bytes, QSize(1500, 3000), QRectF(0, 0, 6000, 6000))), 0);
}
