#include "support/WorkedExample.h"
#include "support/FixedWidthMeasurer.h"

#include "layout/CalendarDrawing.h"
#include "layout/Errors.h"
#include "picture/binary/ByteReader.h"
#include "picture/emf/EmfReader.h"
#include "picture/Picture.h"
#include "picture/emf/EmfRecorder.h"
#include "picture/qt/ScreenMetrics.h"
#include "picture/emf/EmfWriter.h"
#include "picture/binary/MulDiv.h"

#include <gtest/gtest.h>

using namespace pluvane;
using fixtures::march1998;

namespace {

const ScreenMetrics referenceScreen { 800, 600, 280, 210 };
const EmfSize referenceDevicePixels { 800, 600 };
const EmfSize referenceDeviceMillimeters { 280, 210 };
const fixtures::FixedWidthMeasurer sixPixelDigits(6);

std::uint32_t plainColors(TColor c)
{
    return isSystemColor(c) ? 0x000000 : c;
}

struct Recording {
    EmfDocument document;
    Picture picture;
};

Recording record(const CalendarSettings& s, const ColorResolver& colors = plainColors)
{
    const CalendarGeometry g = calendarGeometry(s, sixPixelDigits);
    EmfRecorder recorder(g.picwidth, g.picheight, referenceDevicePixels, referenceDeviceMillimeters, sixPixelDigits, colors);
    drawCalendar(recorder, s, g);
    Picture p = Picture::fromEmfBytes(recorder.close());
    return { recorder.document(), p };
}

template <class T>
std::vector<T> recordsOf(const EmfDocument& d)
{
    std::vector<T> out;
    for (const auto& r : d.records)
        if (const T* x = std::get_if<T>(&r))
            out.push_back(*x);
    return out;
}

} // namespace

TEST(MulDiv, RoundsHalvesAwayFromZero)
{
    struct Case {
        int a, b, c, expected;
    };
    for (const Case& c : { Case { 154, 28000, 800, 5390 }, Case { 167, 21000, 600, 5845 }, Case { 1, 3, 2, 2 },
             Case { -1, 3, 2, -2 }, Case { 1, 1, 3, 0 }, Case { 2, 1, 3, 1 }, Case { 5, 7, 0, -1 },
             Case { 2000000000, 2000000000, 2000000000, 2000000000 } })
        EXPECT_EQ(mulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(EmfRecorder, FrameFromScreenAndSizeReadBack)
{
    const Recording r = record(march1998());
    EXPECT_EQ(r.document.header.frame, (EmfRect { 0, 0, 5390, 5845 }));
    EXPECT_EQ(r.picture.widthHmm(), 5390);
    EXPECT_EQ(r.picture.heightHmm(), 5845);
    EXPECT_EQ(r.picture.widthPx(), 154);
    EXPECT_EQ(r.picture.heightPx(), 167);
}

TEST(EmfRecorder, HeaderCountsMatchTheBytes)
{
    const Recording r = record(march1998());
    const auto bytes = r.picture.bytes();
    const ByteReader b(bytes);
    EXPECT_EQ(b.u32(0), 1u);                    // header record
    EXPECT_EQ(b.u32(4), 108u);                  // its size
    EXPECT_EQ(b.u32(40), 0x464D4520u);          // " EMF"
    EXPECT_EQ(b.u32(48), bytes.size());         // nBytes
    EXPECT_EQ(b.u32(52), r.document.records.size() + 1); // nRecords, header included
    EXPECT_EQ(b.u32(60), 0u);                   // no description
    EXPECT_EQ(b.i32(72), 800);
    EXPECT_EQ(b.i32(76), 600);
    EXPECT_EQ(b.i32(80), 280);
    EXPECT_EQ(b.i32(84), 210);
    // One pen and two fonts are alive at most (the old font is deleted after
    // the new one is selected), so slots 1..3 are used besides slot 0.
    EXPECT_EQ(b.u16(56), 4u);

    // Walking the records by their sizes lands exactly on the end record.
    std::size_t at = 0, count = 0;
    std::uint32_t lastType = 0;
    while (at < bytes.size()) {
        lastType = *b.u32(at);
        at += *b.u32(at + 4);
        ++count;
    }
    EXPECT_EQ(at, bytes.size());
    EXPECT_EQ(count, *b.u32(52));
    EXPECT_EQ(lastType, 14u);
    // Bounds cover every line and text: the rules reach the last pixel row.
    EXPECT_EQ(r.document.header.bounds.left, 0);
    EXPECT_EQ(r.document.header.bounds.top, 0);
    EXPECT_EQ(r.document.header.bounds.right, 153);
    EXPECT_EQ(r.document.header.bounds.bottom, 166);
}

TEST(EmfRecorder, RecordsFollowTheDrawingOrder)
{
    const Recording r = record(march1998());
    const auto& rec = r.document.records;
    ASSERT_GE(rec.size(), 6u);
    EXPECT_TRUE(std::holds_alternative<EmfSetBkMode>(rec[0]));
    EXPECT_EQ(std::get<EmfSetBkMode>(rec[0]).mode, bkModeTransparent);
    EXPECT_TRUE(std::holds_alternative<EmfMoveTo>(rec[1]));
    EXPECT_TRUE(std::holds_alternative<EmfCreatePen>(rec[2]));
    EXPECT_TRUE(std::holds_alternative<EmfSelectObject>(rec[3]));
    EXPECT_TRUE(std::holds_alternative<EmfLineTo>(rec[4]));
    EXPECT_EQ(recordsOf<EmfLineTo>(r.document).size(), 16u);
    EXPECT_EQ(recordsOf<EmfCreatePen>(r.document).size(), 1u);

    const auto texts = recordsOf<EmfExtTextOut>(r.document);
    ASSERT_EQ(texts.size(), 39u);
    EXPECT_EQ(texts[0].text, u"1");
    EXPECT_EQ(std::pair(texts[0].x, texts[0].y), std::pair(8, 40));
    EXPECT_EQ(texts[9].text, u"10");
    EXPECT_EQ(texts[9].dx, (std::vector<std::int32_t> { 6, 6 }));
    EXPECT_EQ(texts[31].text, u"3");
    EXPECT_EQ(texts[38].text, u"SAT");

    // Three fonts: the day font, the title and the labels, each face-named.
    const auto fonts = recordsOf<EmfCreateFont>(r.document);
    ASSERT_EQ(fonts.size(), 3u);
    EXPECT_EQ(fonts[0].font.faceName, u"ＭＳ Ｐゴシック");
    EXPECT_EQ(fonts[0].font.height, -12);
    EXPECT_EQ(fonts[1].font.height, -20);
    EXPECT_EQ(fonts[2].font.height, -8);

    // Stock objects are put back before the end record.
    const std::size_t n = rec.size();
    EXPECT_TRUE(std::holds_alternative<EmfEof>(rec[n - 1]));
    EXPECT_EQ(std::get<EmfSelectObject>(rec[n - 6]).index, stockBlackPen);
    EXPECT_EQ(std::get<EmfSelectObject>(rec[n - 5]).index, stockWhiteBrush);
    EXPECT_EQ(std::get<EmfSelectObject>(rec[n - 4]).index, stockSystemFont);
}

TEST(EmfRecorder, TextColoursAndSystemColourResolution)
{
    CalendarSettings s = march1998();
    s.font.color = s.daycolor = clWindowText;
    s.weekcolor = 0x00FF00;
    // The system's current window-text colour, whatever it is, is what lands in the file.
    const Recording r = record(s, [](TColor c) { return isSystemColor(c) ? 0x123456u : c; });
    const auto colours = recordsOf<EmfSetTextColor>(r.document);
    ASSERT_GE(colours.size(), 3u);
    EXPECT_EQ(colours[0].color, clRed);      // day 1 is a Sunday
    EXPECT_EQ(colours[1].color, 0x123456u); // day 2 in the resolved window-text colour
    EXPECT_EQ(colours.back().color, 0x00FF00u);
}

TEST(EmfRecording, WrittenBytesReadBackToTheSameDocument)
{
    for (int ptn : { 0, 1, 2 }) {
        CalendarSettings s = march1998();
        s.ptn = ptn;
        s.font.name = "IPAPGothic";
        s.font.bold = s.font.italic = s.font.underline = s.font.strikeout = true;
        const Recording r = record(s);
        const auto back = readEmf(r.picture.bytes());
        ASSERT_TRUE(back);
        EXPECT_EQ(back->records, r.document.records) << ptn;
        EXPECT_EQ(back->header.frame, r.document.header.frame);
        EXPECT_EQ(back->header.bytes, r.picture.bytes().size());
        EXPECT_EQ(recordsOf<EmfCreateFont>(*back)[0].font.weight, 700);
    }
}

TEST(EmfRecorder, NoRecordingForUnusableSizes)
{
    EXPECT_THROW(EmfRecorder(10, 10, { 0, 0 }, { 0, 0 }, sixPixelDigits, plainColors), EOutOfResources);
    EXPECT_THROW(EmfRecorder(0, 10, referenceDevicePixels, referenceDeviceMillimeters, sixPixelDigits, plainColors), EOutOfResources);
    EXPECT_THROW(EmfRecorder(10, -1, referenceDevicePixels, referenceDeviceMillimeters, sixPixelDigits, plainColors), EOutOfResources);
    try {
        EmfRecorder(10, 0, referenceDevicePixels, referenceDeviceMillimeters, sixPixelDigits, plainColors);
        ADD_FAILURE() << "a picture of no height was recorded";
    } catch (const EOutOfResources& e) {
        EXPECT_STREQ(e.what(), "ｼｽﾃﾑ ﾘｿｰｽが足りません");
    }
}

TEST(Picture, CopiesShareBytesAndIndependentCopiesDoNot)
{
    const Recording r = record(march1998());
    const Picture shared = r.picture;
    EXPECT_TRUE(shared.sharesBytesWith(r.picture));
    EXPECT_EQ(shared.bytes().data(), r.picture.bytes().data());
    const Picture own = r.picture.independentCopy();
    EXPECT_FALSE(own.sharesBytesWith(r.picture));
    EXPECT_TRUE(std::equal(own.bytes().begin(), own.bytes().end(), r.picture.bytes().begin(), r.picture.bytes().end()));
    EXPECT_EQ(own.widthPx(), 154);
}

TEST(Picture, MalformedBytesAreAnInvalidGraphic)
{
    const Recording r = record(march1998());
    const std::vector<std::uint8_t> good(r.picture.bytes().begin(), r.picture.bytes().end());
    std::vector<std::vector<std::uint8_t>> bad { {}, { 1, 0, 0, 0 }, std::vector<std::uint8_t>(200, 0) };
    auto truncated = good;
    truncated.resize(good.size() - 4); // nBytes no longer matches
    bad.push_back(truncated);
    auto noSignature = good;
    noSignature[40] = 'X';
    bad.push_back(noSignature);
    auto emptyFrame = good;
    for (int i = 32; i < 40; ++i)
        emptyFrame[static_cast<std::size_t>(i)] = 0; // frame right and bottom 0
    bad.push_back(emptyFrame);
    for (const auto& bytes : bad) {
        try {
            Picture::fromEmfBytes(bytes);
            ADD_FAILURE() << "accepted " << bytes.size() << " bytes";
        } catch (const EInvalidGraphic& e) {
            EXPECT_STREQ(e.what(), "ﾒﾀﾌｧｲﾙが不正です");
        }
    }
    EXPECT_NO_THROW(Picture::fromEmfBytes(good));
}
