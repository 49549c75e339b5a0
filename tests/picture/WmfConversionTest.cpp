#include "MarchPictures.h"
#include "support/ExpectThrows.h"
#include "support/WmfTestReader.h"

#include "layout/Errors.h"
#include "picture/emf/EmfReader.h"
#include "picture/output/PictureSaving.h"
#include "picture/wmf/WmfConverter.h"
#include "picture/wmf/WmfLayout.h"

#include <gtest/gtest.h>

using namespace pluvane;
using namespace pluvane::fixtures;

namespace {

EmfDocument handMade(std::vector<EmfRecord> records)
{
    EmfDocument d;
    d.records = std::move(records);
    d.records.emplace_back(std::in_place_type<EmfEof>);
    return d;
}

template <class Record> EmfRecord rec(Record r)
{
    return EmfRecord(std::in_place_type<Record>, std::move(r));
}

EmfRecord fontNamed(std::uint32_t index, std::u16string name)
{
    EmfCreateFont f;
    f.index = index;
    f.font.height = -12;
    f.font.faceName = std::move(name);
    return rec(f);
}

EmfRecord textOf(std::u16string text, std::vector<std::int32_t> dx)
{
    EmfExtTextOut t;
    t.x = 3;
    t.y = 4;
    t.text = std::move(text);
    t.dx = std::move(dx);
    return rec(t);
}

} // namespace

TEST(WmfConverter, RecordsFollowTheDrawing)
{
    struct Case {
        int ptn;
        std::size_t lines;
    };
    for (const Case& c : { Case { 0, 16 }, Case { 1, 22 }, Case { 2, 8 } }) {
        SCOPED_TRACE(testing::Message() << "ptn " << c.ptn);
        const Picture picture = marchPicture(referenceScreen, c.ptn);
        const auto recorded = readEmf(picture.bytes());
        ASSERT_TRUE(recorded);
        const auto bytes = pictureBytesFor(picture, PictureFormat::PlaceableWmf);
        const WmfView v = viewWmf(std::span(bytes).subspan(wmf::Placeable::size));
        ASSERT_GE(v.records.size(), 4u);
        EXPECT_EQ(v.records[0].function, WmfFunction::SetMapMode);
        EXPECT_EQ(v.records[0].u16(wmf::SingleValue::value), 8u); // MM_ANISOTROPIC
        EXPECT_EQ(v.records[1].function, WmfFunction::SetWindowOrg);
        EXPECT_EQ(v.records[1].i16(wmf::Point::x), 0);
        EXPECT_EQ(v.records[1].i16(wmf::Point::y), 0);
        // The window is the box in 0.01 mm: 5390 wide, 5845 high.
        EXPECT_EQ(v.records[2].function, WmfFunction::SetWindowExt);
        EXPECT_EQ(v.records[2].i16(wmf::Point::x), 5390);
        EXPECT_EQ(v.records[2].i16(wmf::Point::y), 5845);
        // Every line ends where it was recorded, in the box's units: a pixel
        // of this screen is 0.35 mm, 35 units.
        constexpr int unitsPerPixel = 35;
        std::vector<std::pair<int, int>> recordedEnds, lineEnds;
        for (const EmfRecord& r : recorded->records)
            if (const auto* l = std::get_if<EmfLineTo>(&r))
                recordedEnds.emplace_back(l->x * unitsPerPixel, l->y * unitsPerPixel);
        for (const auto* l : recordsOf(v, WmfFunction::LineTo))
            lineEnds.emplace_back(l->i16(wmf::Point::x), l->i16(wmf::Point::y));
        EXPECT_EQ(lineEnds.size(), c.lines);
        EXPECT_EQ(lineEnds, recordedEnds);
        EXPECT_EQ(recordsOf(v, WmfFunction::CreatePenIndirect).size(), 1u);

        // Every character is 6 px, 210 units, wide.
        const auto texts = textsOf(v);
        const auto expected = marchTexts();
        ASSERT_EQ(texts.size(), expected.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i].bytes, expected[i]) << i;
            EXPECT_EQ(texts[i].dx, std::vector<std::int16_t>(expected[i].size(), 210)) << expected[i];
            EXPECT_EQ(texts[i].color == 0x0000FF, isRedInMarch(i, expected[i])) << expected[i];
        }
        std::vector<std::pair<int, int>> recordedAt, textAt;
        for (const EmfRecord& r : recorded->records)
            if (const auto* t = std::get_if<EmfExtTextOut>(&r))
                recordedAt.emplace_back(t->x * unitsPerPixel, t->y * unitsPerPixel);
        for (const WmfText& t : texts)
            textAt.emplace_back(t.x, t.y);
        EXPECT_EQ(textAt, recordedAt);

        // Day, title and label fonts, in the system's default character set,
        // "ＭＳ Ｐゴシック" under its ASCII name.
        const auto fonts = recordsOf(v, WmfFunction::CreateFontIndirect);
        ASSERT_EQ(fonts.size(), 3u);
        const std::vector<std::uint8_t> msPGothic { 'M', 'S', ' ', 'P', 'G', 'o', 't', 'h', 'i', 'c' };
        for (const auto* f : fonts) {
            EXPECT_EQ(f->words, 28u);
            EXPECT_EQ(faceNameOf(*f), msPGothic);
            EXPECT_EQ(f->u8(wmf::CreateFontIndirect::charSet), 1u); // DEFAULT_CHARSET
        }
        // -12, -20 and -8 pixels.
        EXPECT_EQ(fonts[0]->i16(wmf::CreateFontIndirect::height), -420);
        EXPECT_EQ(fonts[1]->i16(wmf::CreateFontIndirect::height), -700);
        EXPECT_EQ(fonts[2]->i16(wmf::CreateFontIndirect::height), -280);
    }
}

TEST(WmfConverter, FaceNamesAndTextsInCodePage932)
{
    struct Case {
        const char* what;
        std::u16string face;
        std::vector<std::uint8_t> faceBytes;
        std::u16string text;
        std::vector<std::int32_t> advances;
        std::vector<std::uint8_t> textBytes;
        std::vector<std::int16_t> dx;
    };
    const std::vector<std::uint8_t> fifteenA = [] {
        std::vector<std::uint8_t> b;
        for (int i = 0; i < 15; ++i)
            b.insert(b.end(), { 0x82, 0xA0 });
        return b;
    }();
    const std::vector<Case> cases {
        { "ascii", u"IPAPGothic", { 'I', 'P', 'A', 'P', 'G', 'o', 't', 'h', 'i', 'c' }, u"SUN", { 6, 6, 6 },
            { 'S', 'U', 'N' }, { 6, 6, 6 } },
        // Double-byte characters: the advance goes with the first byte.
        { "kanji", u"ＡＢ 明朝", { 0x82, 0x60, 0x82, 0x61, 0x20, 0x96, 0xBE, 0x92, 0xA9 }, u"月曜", { 12, 11 },
            { 0x8C, 0x8E, 0x97, 0x6A }, { 12, 0, 11, 0 } },
        // 31 characters of two bytes each: only whole characters within 31 bytes.
        { "long name", std::u16string(31, u'あ'), fifteenA, u"あ1", { 12, 6 }, { 0x82, 0xA0, '1' }, { 12, 0, 6 } },
        // Not in the code page: one "?" each, a surrogate pair's advances added up.
        { "outside", u"한글", { '?', '?' }, u"𠮷x", { 10, 0, 6 }, { '?', 'x' }, { 10, 6 } },
        // A lone surrogate is one character of its own, and not in the code page.
        { "lone surrogates", u"A", { 'A' }, std::u16string { 0xD842, u'x', 0xDFB7 }, { 4, 5, 6 }, { '?', 'x', '?' },
            { 4, 5, 6 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto wmf
            = convertToWmf(handMade({ fontNamed(1, c.face), rec(EmfSelectObject { 1 }), textOf(c.text, c.advances) }),
                WmfConversion { 100, 50, 100, 50, {} });
        const WmfView v = viewWmf(wmf);
        ASSERT_TRUE(v.walkedToTheEnd);
        const auto fonts = recordsOf(v, WmfFunction::CreateFontIndirect);
        ASSERT_EQ(fonts.size(), 1u);
        EXPECT_EQ(faceNameOf(*fonts[0]), c.faceBytes);
        const auto texts = textsOf(v);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(std::vector<std::uint8_t>(texts[0].bytes.begin(), texts[0].bytes.end()), c.textBytes);
        EXPECT_EQ(texts[0].dx, c.dx);
        EXPECT_EQ(std::pair(texts[0].x, texts[0].y), std::pair(3, 4));
    }
}

TEST(WmfConverter, PixelsBecomeLogicalUnitsWithoutRoundingDrift)
{
    // 3 pixels to 10 units: advances of 1 pixel each land at 3, 7, 10, 13 ...
    const auto wmf = convertToWmf(
        handMade({ textOf(u"1234567", { 1, 1, 1, 1, 1, 1, 1 }), rec(EmfLineTo { 3, 6 }), rec(EmfLineTo { -1, -2 }) }),
        WmfConversion { 3, 6, 10, 20, {} });
    const WmfView v = viewWmf(wmf);
    const auto texts = textsOf(v);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].dx, (std::vector<std::int16_t> { 3, 4, 3, 3, 4, 3, 3 }));
    EXPECT_EQ(std::pair(texts[0].x, texts[0].y), std::pair(10, 13)); // 3 -> 10, 4 -> 13.3
    const auto lines = recordsOf(v, WmfFunction::LineTo);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->i16(wmf::Point::x), 10);
    EXPECT_EQ(lines[0]->i16(wmf::Point::y), 20);
    // Below zero the halves round away from zero too: -3.3 -> -3, -6.7 -> -7.
    EXPECT_EQ(lines[1]->i16(wmf::Point::x), -3);
    EXPECT_EQ(lines[1]->i16(wmf::Point::y), -7);
    EXPECT_EQ(v.records[2].i16(wmf::Point::x), 10); // the window is the logical size
    EXPECT_EQ(v.records[2].i16(wmf::Point::y), 20);
}

TEST(WmfConverter, HandlesBecomeTheLowestFreeSlotsAndStockObjectsAreDropped)
{
    const auto pen = [](std::uint32_t index) { return rec(EmfCreatePen { index, penStyleSolid, 1, 0x0000FF }); };
    const auto select = [](std::uint32_t index) { return rec(EmfSelectObject { index }); };
    const auto remove = [](std::uint32_t index) { return rec(EmfDeleteObject { index }); };
    const auto wmf = convertToWmf(handMade({ pen(5), pen(9), select(9), remove(5), fontNamed(7, u"A"), select(7),
                                      select(stockBlackPen), select(stockSystemFont), remove(9), remove(7) }),
        WmfConversion { 10, 10, 10, 10, {} });
    const WmfView v = viewWmf(wmf);
    std::vector<std::pair<WmfFunction, std::uint16_t>> uses;
    for (const auto& r : v.records)
        if (r.function == WmfFunction::SelectObject || r.function == WmfFunction::DeleteObject)
            uses.emplace_back(r.function, r.u16(wmf::SingleValue::value));
    const std::vector<std::pair<WmfFunction, std::uint16_t>> expected { { WmfFunction::SelectObject, 1 },
        { WmfFunction::DeleteObject, 0 }, { WmfFunction::SelectObject, 0 }, { WmfFunction::DeleteObject, 1 },
        { WmfFunction::DeleteObject, 0 } };
    EXPECT_EQ(uses, expected);
    EXPECT_EQ(v.objects, 2u);
    const auto pens = recordsOf(v, WmfFunction::CreatePenIndirect);
    ASSERT_EQ(pens.size(), 2u);
    EXPECT_EQ(pens[0]->words, 8u);
    EXPECT_EQ(pens[0]->i16(wmf::CreatePenIndirect::widthX), 1);
    EXPECT_EQ(pens[0]->u32(wmf::CreatePenIndirect::color), 0x0000FFu);
}

TEST(WmfConverter, TheLimitsOfTheFormatConvert)
{
    const auto wmf = convertToWmf(handMade({ rec(EmfMoveTo { -32768, 0 }), rec(EmfLineTo { 32767, 32767 }) }),
        WmfConversion { 32767, 32767, 32767, 32767, {} });
    const WmfView v = viewWmf(wmf);
    const auto moves = recordsOf(v, WmfFunction::MoveTo);
    const auto lines = recordsOf(v, WmfFunction::LineTo);
    ASSERT_EQ(moves.size(), 1u);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(moves[0]->i16(wmf::Point::x), -32768);
    EXPECT_EQ(lines[0]->i16(wmf::Point::x), 32767);
    EXPECT_EQ(lines[0]->i16(wmf::Point::y), 32767);
}

TEST(WmfConverter, WhatTheFormatCannotHoldFailsTheConversion)
{
    EmfDocument unended;
    unended.records.push_back(rec(EmfLineTo { 1, 1 }));
    struct Case {
        const char* what;
        EmfDocument document;
        WmfConversion conversion;
    };
    const WmfConversion square { 100, 100, 100, 100, {} };
    const std::vector<Case> cases {
        { "line to x 40000", handMade({ rec(EmfMoveTo { 0, 0 }), rec(EmfLineTo { 40000, 10 }) }), square },
        { "move to y -40000", handMade({ rec(EmfMoveTo { 0, -40000 }) }), square },
        { "advance 40000", handMade({ textOf(u"1", { 40000 }) }), square },
        { "text of 40000 bytes", handMade({ textOf(std::u16string(40000, u'1'), {}) }), square },
        { "window 40000 wide", handMade({ rec(EmfLineTo { 1, 1 }) }), { 40000, 100, 40000, 100, {} } },
        { "no width", handMade({}), { 0, 100, 100, 100, {} } },
        { "no logical height", handMade({}), { 100, 100, 100, 0, {} } },
        { "selecting an object never created", handMade({ rec(EmfSelectObject { 3 }) }), square },
        { "an object created twice", handMade({ fontNamed(2, u"A"), fontNamed(2, u"B") }), square },
        { "no end record", unended, square },
    };
    for (const Case& c : cases)
        EXPECT_TRUE(throwsWithMessage<EOutOfResources>(
            [&] { convertToWmf(c.document, c.conversion); }, "ｼｽﾃﾑ ﾘｿｰｽが足りません"))
            << c.what;
}
