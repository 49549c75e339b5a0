#include "support/ExpectThrows.h"
#include "support/FixedWidthMeasurer.h"
#include "support/ReferenceScreen.h"
#include "support/WorkedExample.h"

#include "layout/CalendarDrawing.h"
#include "layout/Errors.h"
#include "picture/Picture.h"
#include "picture/binary/ByteReader.h"
#include "picture/emf/EmfLayout.h"
#include "picture/emf/EmfReader.h"
#include "picture/emf/EmfRecorder.h"
#include "picture/emf/EmfWriter.h"

#include <gtest/gtest.h>

using namespace pluvane;
using fixtures::march1998;
using fixtures::throwsWithMessage;

namespace {

const EmfSize referenceDevicePixels { fixtures::referenceScreen.widthPx, fixtures::referenceScreen.heightPx };
const EmfSize referenceDeviceMillimeters { fixtures::referenceScreen.widthMm, fixtures::referenceScreen.heightMm };
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
    EmfRecorder recorder(
        g.picwidth, g.picheight, referenceDevicePixels, referenceDeviceMillimeters, sixPixelDigits, colors);
    drawCalendar(recorder, s, g);
    Picture p = Picture::fromEmfBytes(recorder.close());
    return { recorder.document(), p };
}

template <class T> std::vector<T> recordsOf(const EmfDocument& d)
{
    std::vector<T> out;
    for (const auto& r : d.records)
        if (const T* x = std::get_if<T>(&r))
            out.push_back(*x);
    return out;
}

} // namespace

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
    EXPECT_EQ(b.u32(emf::Record::type), 1u);               // header record
    EXPECT_EQ(b.u32(emf::Record::size), 108u);             // its size
    EXPECT_EQ(b.u32(emf::Header::signature), 0x464D4520u); // " EMF"
    EXPECT_EQ(b.u32(emf::Header::version), 0x00010000u);
    EXPECT_EQ(b.u32(emf::Header::bytes), bytes.size());
    EXPECT_EQ(b.u32(emf::Header::records), r.document.records.size() + 1); // header included
    EXPECT_EQ(b.u32(emf::Header::descriptionChars), 0u);
    EXPECT_EQ(b.i32(emf::Header::device), 800);
    EXPECT_EQ(b.i32(emf::Header::device + 4), 600);
    EXPECT_EQ(b.i32(emf::Header::millimeters), 280);
    EXPECT_EQ(b.i32(emf::Header::millimeters + 4), 210);
    EXPECT_EQ(b.i32(emf::Header::micrometers), 280000);
    EXPECT_EQ(b.i32(emf::Header::micrometers + 4), 210000);
    // One pen and two fonts are alive at most (the old font is deleted after
    // the new one is selected), so slots 1..3 are used besides slot 0.
    EXPECT_EQ(b.u16(emf::Header::handles), 4u);

    // Walking the records by their sizes lands exactly on the end record.
    std::size_t at = 0, count = 0;
    std::uint32_t lastType = 0;
    while (at < bytes.size()) {
        lastType = *b.u32(at + emf::Record::type);
        at += *b.u32(at + emf::Record::size);
        ++count;
    }
    EXPECT_EQ(at, bytes.size());
    EXPECT_EQ(count, *b.u32(emf::Header::records));
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
    EXPECT_EQ(colours[0].color, clRed);     // day 1 is a Sunday
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

// The fields of each kind of record lie where the layout names them, with
// the values a reader of the format expects there.
TEST(EmfWriter, FieldsLieAtTheirNamedOffsets)
{
    EmfDocument d;
    EmfExtTextOut text;
    text.bounds = { 8, 40, 19, 51 };
    text.exScale = 35.0f;
    text.eyScale = 35.0f;
    text.x = 8;
    text.y = 40;
    text.text = u"10";
    text.dx = { 6, 6 };
    EmfCreateFont font;
    font.index = 2;
    font.font.height = -12;
    font.font.weight = 700;
    font.font.faceName = u"AB";
    d.records = { EmfRecord(std::in_place_type<EmfCreatePen>, EmfCreatePen { 1, penStyleNull, 1, 0x0000FF }),
        EmfRecord(std::in_place_type<EmfCreateFont>, font), EmfRecord(std::in_place_type<EmfExtTextOut>, text),
        EmfRecord(std::in_place_type<EmfLineTo>, EmfLineTo { 153, -2 }), EmfRecord(std::in_place_type<EmfEof>) };
    const auto bytes = writeEmf(d);
    const ByteReader all(bytes);

    std::size_t at = 108; // after the header
    const auto next = [&](std::uint32_t type, std::size_t size) {
        const ByteReader r(all.slice(at, size));
        EXPECT_EQ(r.u32(emf::Record::type), type);
        EXPECT_EQ(r.u32(emf::Record::size), size);
        at += size;
        return r;
    };
    const ByteReader pen = next(38, 28);
    EXPECT_EQ(pen.u32(emf::CreatePen::index), 1u);
    EXPECT_EQ(pen.u32(emf::CreatePen::style), 5u);
    EXPECT_EQ(pen.i32(emf::CreatePen::widthX), 1);
    EXPECT_EQ(pen.u32(emf::CreatePen::color), 0x0000FFu);

    const ByteReader f = next(82, 104);
    EXPECT_EQ(f.u32(emf::ExtCreateFontIndirectW::index), 2u);
    EXPECT_EQ(f.i32(emf::ExtCreateFontIndirectW::height), -12);
    EXPECT_EQ(f.i32(emf::ExtCreateFontIndirectW::weight), 700);
    EXPECT_EQ(f.u8(emf::ExtCreateFontIndirectW::charSet), 1u);
    EXPECT_EQ(f.u16(emf::ExtCreateFontIndirectW::faceName), u'A');
    EXPECT_EQ(f.u16(emf::ExtCreateFontIndirectW::faceName + 2), u'B');
    EXPECT_EQ(f.u16(emf::ExtCreateFontIndirectW::faceName + 4), 0u);

    // Two characters take a word, then two advances: 76 + 4 + 8 bytes.
    const ByteReader t = next(84, 88);
    EXPECT_EQ(t.i32(emf::ExtTextOutW::bounds + 8), 19);
    EXPECT_EQ(t.u32(emf::ExtTextOutW::graphicsMode), 1u);
    EXPECT_EQ(t.u32(emf::ExtTextOutW::exScale), 0x420C0000u); // 35.0f
    EXPECT_EQ(t.i32(emf::ExtTextOutW::x), 8);
    EXPECT_EQ(t.i32(emf::ExtTextOutW::y), 40);
    EXPECT_EQ(t.u32(emf::ExtTextOutW::chars), 2u);
    EXPECT_EQ(t.u32(emf::ExtTextOutW::stringOffset), 76u);
    EXPECT_EQ(t.u32(emf::ExtTextOutW::options), 0u);
    EXPECT_EQ(t.i32(emf::ExtTextOutW::rectangle + 8), -1);
    EXPECT_EQ(t.u32(emf::ExtTextOutW::dxOffset), 80u);
    EXPECT_EQ(t.u16(emf::ExtTextOutW::string), u'1');
    EXPECT_EQ(t.u16(emf::ExtTextOutW::string + 2), u'0');
    EXPECT_EQ(t.i32(80), 6);
    EXPECT_EQ(t.i32(84), 6);

    const ByteReader line = next(54, 16);
    EXPECT_EQ(line.i32(emf::Point::x), 153);
    EXPECT_EQ(line.i32(emf::Point::y), -2);

    const ByteReader eof = next(14, 20);
    EXPECT_EQ(eof.u32(emf::Eof::sizeLast), 20u);
    EXPECT_EQ(at, bytes.size());

    // And the reader reads each of them back from the same places.
    const auto back = readEmf(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->records, d.records);
}

TEST(EmfRecorder, NoRecordingForUnusableSizes)
{
    struct Case {
        const char* what;
        int widthPx, heightPx;
        EmfSize devicePixels, deviceMillimeters;
    };
    const EmfSize px = referenceDevicePixels, mm = referenceDeviceMillimeters;
    for (const Case& c : {
             Case { "a device of no size", 10, 10, { 0, 0 }, { 0, 0 } },
             Case { "a device of no pixels down", 10, 10, { 800, 0 }, mm },
             Case { "a device of no millimetres across", 10, 10, px, { 0, 210 } },
             Case { "no width", 0, 10, px, mm },
             Case { "a negative height", 10, -1, px, mm },
             Case { "no height", 10, 0, px, mm },
             Case { "wider than 2^20 pixels", (1 << 20) + 1, 10, px, mm },
             // 2^20 pixels of a kilometre each: the frame would not fit 32 bits.
             Case { "a frame beyond 32 bits", 1 << 20, 10, { 1, 1 }, { 1000000, 1 } },
             // The header states the device in micrometres too, in 32 bits.
             Case { "a device wider than 2147483 mm", 1, 1, { 1000000, 1000000 }, { 2147484, 1 } },
             Case { "a device taller than 2147483 mm", 1, 1, { 1000000, 1000000 }, { 1, 2147484 } },
         })
        EXPECT_TRUE(throwsWithMessage<EOutOfResources>(
            [&] {
                EmfRecorder(c.widthPx, c.heightPx, c.devicePixels, c.deviceMillimeters, sixPixelDigits, plainColors);
            },
            "ｼｽﾃﾑ ﾘｿｰｽが足りません"))
            << c.what;
    // The largest picture on the reference screen still records.
    EXPECT_NO_THROW(EmfRecorder(1 << 20, 1 << 20, px, mm, sixPixelDigits, plainColors));
    // As does the largest device whose micrometres fit.
    EXPECT_NO_THROW(EmfRecorder(1, 1, { 1000000, 1000000 }, { 2147483, 2147483 }, sixPixelDigits, plainColors).close());
}

TEST(EmfRecorder, ClosingTwiceIsAnInvalidGraphic)
{
    EmfRecorder recorder(10, 10, referenceDevicePixels, referenceDeviceMillimeters, sixPixelDigits, plainColors);
    recorder.close();
    EXPECT_TRUE(throwsWithMessage<EInvalidGraphic>([&] { recorder.close(); }, "ﾒﾀﾌｧｲﾙが不正です"));
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
    noSignature[emf::Header::signature] = 'X';
    bad.push_back(noSignature);
    auto emptyFrame = good;
    for (std::size_t i = emf::Header::frame + 8; i < emf::Header::frame + 16; ++i)
        emptyFrame[i] = 0; // frame right and bottom 0
    bad.push_back(emptyFrame);
    for (const auto& bytes : bad)
        EXPECT_TRUE(throwsWithMessage<EInvalidGraphic>([&] { Picture::fromEmfBytes(bytes); }, "ﾒﾀﾌｧｲﾙが不正です"))
            << bytes.size() << " bytes";
    EXPECT_NO_THROW(Picture::fromEmfBytes(good));
}
