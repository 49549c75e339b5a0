#include "support/WorkedPicture.h"

#include "picture/emf/EmfReader.h"
#include "picture/emf/EmfWriter.h"
#include "picture/player/PicturePlayer.h"
#include "picture/qt/Fonts.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <random>

using namespace pluvane;
using fixtures::referenceScreen;

namespace {

// The worked example with blue rules, so rules and red Sundays tell apart.
CalendarSettings march1998()
{
    CalendarSettings s = fixtures::march1998();
    s.linecolor = rgbColor(0, 0, 255);
    return s;
}

QImage playInto(std::span<const std::uint8_t> bytes, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    playEmfBytes(painter, bytes, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QImage playInto(const Picture& picture, QSize size)
{
    return playInto(picture.bytes(), size);
}

bool isReddish(QRgb c)
{
    return qRed(c) > 160 && qGreen(c) < 110 && qBlue(c) < 110;
}
bool isBluish(QRgb c)
{
    return qBlue(c) > 160 && qRed(c) < 110 && qGreen(c) < 110;
}
bool isDrawn(QRgb c)
{
    return c != qRgb(255, 255, 255);
}

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
        EXPECT_GT(countIn(image, QRect(0, g.gridtop + i * g.cellheight, g.picwidth, 1), isBluish), g.picwidth * 9 / 10)
            << i;
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

// The worked example in six-pixel digits, played 1:1 into its own 154 x 167
// pixels below, so every recorded line lands on the image.
const QSize pictureSize(154, 167);

std::vector<std::uint8_t> calendarBytes()
{
    const MadeCalendar made = fixtures::madeMarch1998(march1998());
    return { made.picture.bytes().begin(), made.picture.bytes().end() };
}

// What playing left on a white image of the picture's size.
struct Played {
    QSize size;
    int drawn = 0; // pixels that are no longer white
    int red = 0;   // of those, the red of the Sunday numbers
    int blue = 0;  // and the blue of the rules
};

Played play(const std::vector<std::uint8_t>& bytes)
{
    const QImage image = playInto(bytes, pictureSize);
    const QRect all(QPoint(0, 0), pictureSize);
    return { image.size(), countIn(image, all, isDrawn), countIn(image, all, isReddish),
        countIn(image, all, isBluish) };
}

std::uint32_t get32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t { b[at + 3] } << 24);
}

void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Where the first record of a kind starts, walking the records' sizes from
// the end of the header; 0 when there is none.
std::size_t firstRecord(const std::vector<std::uint8_t>& b, std::uint32_t type)
{
    for (std::size_t at = get32(b, 4); at + 8 <= b.size(); at += get32(b, at + 4))
        if (get32(b, at) == type)
            return at;
    return 0;
}

constexpr std::uint32_t lineToRecord = 54;
constexpr std::uint32_t textRecord = 84;

} // namespace

TEST(PicturePlayer, TruncatedBytesAreRefusedOrPlayedAsFarAsTheyGo)
{
    const auto good = calendarBytes();
    const std::size_t header = get32(good, 4);
    const std::size_t firstLine = firstRecord(good, lineToRecord);
    ASSERT_GT(firstLine, header);
    // The first rule is drawn once its line record is whole.
    const std::size_t firstLineEnd = firstLine + get32(good, firstLine + 4);
    for (std::size_t length = 0; length < good.size(); length += 7) {
        SCOPED_TRACE(length);
        const std::vector<std::uint8_t> bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
        const Played p = play(bytes);
        EXPECT_EQ(p.size, pictureSize);
        if (length < header) {
            EXPECT_FALSE(readEmf(bytes));
        }
        if (length < firstLineEnd) {
            EXPECT_EQ(p.drawn, 0) << "refused, or nothing whole to draw yet";
        } else {
            EXPECT_GT(p.blue, 0) << "played up to where the bytes end";
        }
    }
}

TEST(PicturePlayer, MutatedRecordsArePlayedAndKeepTheImage)
{
    const auto good = calendarBytes();
    const std::size_t header = get32(good, 4);
    const std::size_t firstLine = firstRecord(good, lineToRecord);
    const std::size_t firstLineEnd = firstLine + get32(good, firstLine + 4);
    std::mt19937 random(20261211);
    int keptTheFirstRule = 0;
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        auto bytes = good;
        const int flips = 1 + round % 8;
        std::size_t earliest = bytes.size();
        for (int i = 0; i < flips; ++i) {
            const std::size_t at = header + random() % (bytes.size() - header);
            bytes[at] = static_cast<std::uint8_t>(random());
            earliest = std::min(earliest, at);
        }
        // The header is untouched, so the picture is never refused as a whole.
        ASSERT_TRUE(readEmf(bytes));
        const Played p = play(bytes);
        EXPECT_EQ(p.size, pictureSize);
        // With the records up to the first rule intact, that rule is drawn
        // whatever the damage further on.
        if (earliest >= firstLineEnd) {
            ++keptTheFirstRule;
            EXPECT_GT(p.drawn, 0);
        }
    }
    EXPECT_GT(keptTheFirstRule, 200);
}

struct Poke {
    const char* name;
    std::size_t offset; // into the first text record
    std::uint32_t value;
    bool readingStops; // the record's framing is broken, so nothing after it plays
};

void PrintTo(const Poke& p, std::ostream* os)
{
    *os << p.name;
}

class HostileTextFieldTest : public ::testing::TestWithParam<Poke> {};

TEST_P(HostileTextFieldTest, TheRulesStillPlay)
{
    const Poke poke = GetParam();
    auto bytes = calendarBytes();
    const std::size_t text = firstRecord(bytes, textRecord);
    ASSERT_NE(text, 0u);
    put32(bytes, text + poke.offset, poke.value);
    const Played p = play(bytes);
    EXPECT_EQ(p.size, pictureSize);
    // The rules come before any text, so they are drawn in every case.
    EXPECT_GT(p.blue, 150);
    // The first text is day 1, a red Sunday; the other Sundays follow it.
    if (poke.readingStops) {
        EXPECT_EQ(p.red, 0);
    } else {
        EXPECT_GT(p.red, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, HostileTextFieldTest,
    ::testing::Values(Poke { "nChars", 44, 0xFFFFFFFF, false }, Poke { "offString", 48, 0xFFFFFFF0, false },
        Poke { "offDx", 72, 0x7FFFFFFF, false }, Poke { "xAtTheFarLeft", 36, 0x80000000, false },
        Poke { "sizeZero", 4, 0, true }, Poke { "sizeLargerThanTheFile", 4, 0xFFFFFFFC, true }),
    [](const ::testing::TestParamInfo<Poke>& info) { return std::string(info.param.name); });

TEST(PicturePlayer, GiantFontsAndPensAreHeldWithinLimits)
{
    const auto good = calendarBytes();
    const auto doc = readEmf(good);
    ASSERT_TRUE(doc);
    EmfDocument hostile = *doc;
    for (auto& r : hostile.records) {
        if (auto* f = std::get_if<EmfCreateFont>(&r))
            f->font.height = INT32_MIN;
        if (auto* p = std::get_if<EmfCreatePen>(&r))
            p->width = INT32_MAX;
    }
    const Played p = play(writeEmf(hostile));
    EXPECT_EQ(p.size, pictureSize);
    EXPECT_GT(p.drawn, 0);
}

TEST(PicturePlayer, AnAbsurdHeaderFrameIsRefused)
{
    auto frame = calendarBytes();
    ASSERT_GT(play(frame).drawn, 0);
    // A frame of absurd size on a screen of no millimetres: nothing is drawn
    // and nothing divides by zero.
    put32(frame, 32, 0x7FFFFFFF);
    put32(frame, 80, 0);
    const Played p = play(frame);
    EXPECT_EQ(p.size, pictureSize);
    EXPECT_EQ(p.drawn, 0);
}
