#include "support/WorkedExample.h"
#include "support/FixedWidthMeasurer.h"

#include "picture/emf/EmfReader.h"
#include "picture/emf/EmfWriter.h"
#include "picture/qt/Fonts.h"
#include "picture/MakeCalendar.h"
#include "picture/player/PicturePlayer.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <random>

using namespace pluvane;

namespace {

const ScreenMetrics referenceScreen { 800, 600, 280, 210 };

CalendarSettings march1998()
{
    CalendarSettings s = fixtures::march1998();
    s.linecolor = rgbColor(0, 0, 255);
    return s;
}

QImage playInto(const Picture& picture, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    playEmfBytes(painter, picture.bytes(), QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

bool isReddish(QRgb c) { return qRed(c) > 160 && qGreen(c) < 110 && qBlue(c) < 110; }
bool isBluish(QRgb c) { return qBlue(c) > 160 && qRed(c) < 110 && qGreen(c) < 110; }

int countIn(const QImage& image, QRect area, bool (*test)(QRgb))
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

} // namespace

TEST(PicturePlayer, DrawsRulesAndRedSundaysWhereTheyWereRecorded)
{
    const QtTextMeasurer measurer;
    const MadeCalendar made = makeCalendar(march1998(), measurer, referenceScreen);
    const CalendarGeometry& g = made.geometry;
    const QImage image = playInto(made.picture, QSize(g.picwidth, g.picheight));

    // Every row rule is a blue line across the picture.
    for (int i = 0; i < 6; ++i)
        EXPECT_GT(countIn(image, QRect(0, g.gridtop + i * g.cellheight, g.picwidth, 1), isBluish), g.picwidth * 9 / 10) << i;
    // Red in the Sunday column of the first row (day 1) and of the "SUN" label, none in Monday's.
    const QRect sundayCell(1, g.gridtop + 1, g.cellwidth - 2, g.cellheight - 2);
    EXPECT_GT(countIn(image, sundayCell, isReddish), 5);
    EXPECT_EQ(countIn(image, sundayCell.translated(g.cellwidth, 0), isReddish), 0);
    EXPECT_GT(countIn(image, QRect(1, g.topRule() + 1, g.cellwidth - 2, g.weekband - 2), isReddish), 3);
    // Nothing outside the drawing: the paper shows through above the title.
    EXPECT_EQ(image.pixel(g.picwidth - 2, 1), qRgb(255, 255, 255));
}

TEST(PicturePlayer, StretchesIntoTheTargetWithoutKeepingProportions)
{
    const QtTextMeasurer measurer;
    const MadeCalendar made = makeCalendar(march1998(), measurer, referenceScreen);
    const CalendarGeometry& g = made.geometry;
    const QSize box(g.picwidth * 2, g.picheight); // twice as wide, same height
    const QImage image = playInto(made.picture, box);
    // The second vertical rule lands at twice its recorded x.
    const int x = 2 * g.cellwidth;
    EXPECT_GT(countIn(image, QRect(x - 1, g.gridtop + 2, 3, g.cellheight - 4), isBluish), g.cellheight - 6);
    EXPECT_EQ(countIn(image, QRect(g.cellwidth - 1, g.gridtop + 2, 3, g.cellheight - 4), isBluish), 0);
}

namespace {

std::vector<std::uint8_t> calendarBytes()
{
    const fixtures::FixedWidthMeasurer measurer(6);
    const MadeCalendar made = makeCalendar(march1998(), measurer, referenceScreen);
    return { made.picture.bytes().begin(), made.picture.bytes().end() };
}

void playQuietly(const std::vector<std::uint8_t>& bytes)
{
    QImage image(64, 48, QImage::Format_RGB32);
    QPainter painter(&image);
    playEmfBytes(painter, bytes, QRectF(0, 0, 64, 48));
}

void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

} // namespace

TEST(PicturePlayer, SurvivesTruncatedAndMutatedBytes)
{
    const auto good = calendarBytes();
    for (std::size_t length = 0; length < good.size(); length += 7)
        playQuietly(std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length)));

    std::mt19937 random(20261211);
    for (int round = 0; round < 300; ++round) {
        auto bytes = good;
        const int flips = 1 + round % 8;
        for (int i = 0; i < flips; ++i) {
            const std::size_t at = 108 + random() % (bytes.size() - 108);
            bytes[at] = static_cast<std::uint8_t>(random());
        }
        playQuietly(bytes);
        ASSERT_NO_FATAL_FAILURE(readEmf(bytes));
    }
}

TEST(PicturePlayer, SurvivesHostileFieldValues)
{
    const auto good = calendarBytes();
    const auto doc = readEmf(good);
    ASSERT_TRUE(doc);
    // Find the first text record to aim at its fields.
    std::size_t at = 108, textAt = 0;
    while (at < good.size()) {
        const std::uint32_t type = good[at] | (good[at + 1] << 8);
        const std::uint32_t size = good[at + 4] | (good[at + 5] << 8);
        if (type == 84) {
            textAt = at;
            break;
        }
        at += size;
    }
    ASSERT_NE(textAt, 0u);
    struct Poke {
        std::size_t offset;
        std::uint32_t value;
    };
    for (const Poke& p : { Poke { 44, 0xFFFFFFFF },         // nChars
             Poke { 48, 0xFFFFFFF0 },                        // offString
             Poke { 72, 0x7FFFFFFF },                        // offDx
             Poke { 36, 0x80000000 },                        // x at the far left
             Poke { 4, 0 },                                  // a record of size 0
             Poke { 4, 0xFFFFFFFC } }) {                     // a record larger than the file
        auto bytes = good;
        put32(bytes, textAt + p.offset, p.value);
        playQuietly(bytes);
    }
    // A giant font and a giant pen are held within limits.
    EmfDocument hostile = *doc;
    for (auto& r : hostile.records) {
        if (auto* f = std::get_if<EmfCreateFont>(&r))
            f->font.height = INT32_MIN;
        if (auto* p = std::get_if<EmfCreatePen>(&r))
            p->width = INT32_MAX;
    }
    playQuietly(writeEmf(hostile));
    // A header frame of absurd size draws nothing and does not divide by zero.
    auto frame = good;
    put32(frame, 32, 0x7FFFFFFF);
    put32(frame, 80, 0);
    playQuietly(frame);
}
