#include "support/FixedWidthMeasurer.h"
#include "support/WorkedExample.h"
#include "support/Process.h"

#include "layout/Errors.h"
#include "picture/binary/ByteReader.h"
#include "picture/emf/EmfReader.h"
#include "picture/MakeCalendar.h"
#include "picture/output/PictureSaving.h"
#include "picture/wmf/WmfConverter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

using namespace pluvane;

namespace {

const ScreenMetrics referenceScreen { 800, 600, 280, 210 };
// Ten millimetres a pixel: the 154 x 167 px calendar is 1.54 m x 1.67 m.
const ScreenMetrics coarseScreen { 100, 100, 1000, 1000 };
// Fine across, coarse down: only the height is too long for 0.01 mm.
const ScreenMetrics tallPixelScreen { 800, 100, 280, 1000 };
const fixtures::FixedWidthMeasurer sixPixelDigits(6);

constexpr std::uint16_t metaEof = 0x0000;
constexpr std::uint16_t metaSetMapMode = 0x0103;
constexpr std::uint16_t metaSelectObject = 0x012D;
constexpr std::uint16_t metaDeleteObject = 0x01F0;
constexpr std::uint16_t metaSetTextColor = 0x0209;
constexpr std::uint16_t metaSetWindowOrg = 0x020B;
constexpr std::uint16_t metaSetWindowExt = 0x020C;
constexpr std::uint16_t metaLineTo = 0x0213;
constexpr std::uint16_t metaCreatePenIndirect = 0x02FA;
constexpr std::uint16_t metaCreateFontIndirect = 0x02FB;
constexpr std::uint16_t metaExtTextOut = 0x0A32;

CalendarSettings march1998(int ptn = 0)
{
    CalendarSettings s = fixtures::march1998();
    s.ptn = ptn;
    return s;
}

Picture marchPicture(const ScreenMetrics& screen = referenceScreen, int ptn = 0)
{
    return makeCalendar(march1998(ptn), sixPixelDigits, screen).picture;
}

// What March 1998 draws, in drawing order: the day numbers, the title, the
// weekday labels. The 1st is a Sunday, so days 1, 8, 15, 22, 29 and "SUN" are red.
std::vector<std::string> marchTexts()
{
    std::vector<std::string> texts;
    for (int day = 1; day <= 31; ++day)
        texts.push_back(std::to_string(day));
    texts.push_back("3");
    for (const char* label : { "SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT" })
        texts.push_back(label);
    return texts;
}

bool isRedInMarch(std::size_t textIndex, const std::string& text)
{
    return (textIndex < 31 && textIndex % 7 == 0) || text == "SUN";
}

// The metafile after the placeable header, read record by record on its own,
// without the converter's code.
struct WmfRecordView {
    std::uint16_t function = 0;
    std::span<const std::uint8_t> params;
    std::uint32_t words = 0;
    std::int16_t i16(std::size_t at) const { return ByteReader(params).i16(at).value_or(-1); }
    std::uint16_t u16(std::size_t at) const { return ByteReader(params).u16(at).value_or(0xFFFF); }
    std::uint32_t u32(std::size_t at) const { return ByteReader(params).u32(at).value_or(0xFFFFFFFF); }
};

struct WmfView {
    std::uint16_t type = 0, headerWords = 0, version = 0, objects = 0, members = 0xFFFF;
    std::uint32_t totalWords = 0, maxRecord = 0;
    std::vector<WmfRecordView> records;
    bool walkedToTheEnd = false;
};

WmfView viewWmf(std::span<const std::uint8_t> metafile)
{
    const ByteReader r(metafile);
    WmfView v;
    v.type = r.u16(0).value_or(0);
    v.headerWords = r.u16(2).value_or(0);
    v.version = r.u16(4).value_or(0);
    v.totalWords = r.u32(6).value_or(0);
    v.objects = r.u16(10).value_or(0);
    v.maxRecord = r.u32(12).value_or(0);
    v.members = r.u16(16).value_or(0xFFFF);
    std::size_t at = std::size_t { v.headerWords } * 2;
    while (at + 6 <= metafile.size()) {
        const std::uint32_t words = *r.u32(at);
        if (words < 3 || !r.has(at, std::size_t { words } * 2))
            return v;
        v.records.push_back({ *r.u16(at + 4), r.slice(at + 6, words * 2 - 6), words });
        at += std::size_t { words } * 2;
    }
    v.walkedToTheEnd = at == metafile.size();
    return v;
}

std::vector<const WmfRecordView*> recordsOf(const WmfView& v, std::uint16_t function)
{
    std::vector<const WmfRecordView*> out;
    for (const auto& r : v.records)
        if (r.function == function)
            out.push_back(&r);
    return out;
}

struct WmfText {
    int x = 0, y = 0;
    std::string bytes;
    std::vector<std::int16_t> dx;
    std::uint32_t color = 0;
};

// The texts with the text colour in force when each is drawn.
std::vector<WmfText> textsOf(const WmfView& v)
{
    std::vector<WmfText> out;
    std::uint32_t color = 0xFFFFFFFF;
    for (const auto& r : v.records) {
        if (r.function == metaSetTextColor)
            color = r.u32(0);
        if (r.function != metaExtTextOut)
            continue;
        WmfText t;
        t.y = r.i16(0);
        t.x = r.i16(2);
        const auto length = static_cast<std::size_t>(r.i16(4));
        EXPECT_EQ(r.u16(6), 0u) << "no clipping rectangle expected";
        const auto text = ByteReader(r.params).slice(8, length);
        t.bytes.assign(text.begin(), text.end());
        const std::size_t dxAt = 8 + (length + 1) / 2 * 2;
        for (std::size_t i = 0; i < length; ++i)
            t.dx.push_back(r.i16(dxAt + 2 * i));
        EXPECT_EQ(r.params.size(), dxAt + 2 * length) << "text record size";
        t.color = color;
        out.push_back(t);
    }
    return out;
}

std::vector<std::uint8_t> faceNameOf(const WmfRecordView& font)
{
    const auto name = font.params.subspan(18, 32);
    const auto nul = std::find(name.begin(), name.end(), 0);
    EXPECT_NE(nul, name.end()) << "face name without NUL";
    return { name.begin(), nul };
}

EmfDocument handMade(std::vector<EmfRecord> records)
{
    EmfDocument d;
    d.records = std::move(records);
    d.records.emplace_back(std::in_place_type<EmfEof>);
    return d;
}

EmfRecord fontNamed(std::uint32_t index, std::u16string name)
{
    EmfCreateFont f;
    f.index = index;
    f.font.height = -12;
    f.font.faceName = std::move(name);
    return EmfRecord(std::in_place_type<EmfCreateFont>, f);
}

EmfRecord textOf(std::u16string text, std::vector<std::int32_t> dx)
{
    EmfExtTextOut t;
    t.x = 3;
    t.y = 4;
    t.text = std::move(text);
    t.dx = std::move(dx);
    return EmfRecord(std::in_place_type<EmfExtTextOut>, t);
}

void expectOutOfResources(const EmfDocument& d, int width, int height, const char* what)
{
    try {
        convertToWmf(d, width, height, width, height);
        ADD_FAILURE() << what << ": converted";
    } catch (const EOutOfResources& e) {
        EXPECT_STREQ(e.what(), "ｼｽﾃﾑ ﾘｿｰｽが足りません") << what;
    }
}

} // namespace

TEST(PlaceableWmf, WorkedExampleHeaderBytes)
{
    const Picture p = marchPicture();
    ASSERT_EQ(std::pair(p.widthPx(), p.heightPx()), std::pair(154, 167));
    ASSERT_EQ(std::pair(p.widthHmm(), p.heightHmm()), std::pair(5390, 5845));
    const auto bytes = pictureBytesFor(p, PictureFormat::PlaceableWmf);
    const std::vector<std::uint8_t> expected { 0xD7, 0xCD, 0xC6, 0x9A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0E,
        0x15, 0xD5, 0x16, 0xEC, 0x09, 0x00, 0x00, 0x00, 0x00, 0x26, 0x5D };
    ASSERT_GE(bytes.size(), 22u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 22), expected);
}

// For several pictures: the checksum, the header's sizes and counts, and an
// object table played the way a reader plays it.
TEST(PlaceableWmf, HeaderChecksumSizesAndObjectTableAgree)
{
    struct Case {
        ScreenMetrics screen;
        int ptn;
    };
    for (const Case& c : { Case { referenceScreen, 0 }, Case { referenceScreen, 1 }, Case { { 1024, 768, 361, 271 }, 2 },
             Case { coarseScreen, 0 } }) {
        SCOPED_TRACE(testing::Message() << c.screen.widthPx << "x" << c.screen.heightPx << " ptn " << c.ptn);
        const auto bytes = pictureBytesFor(marchPicture(c.screen, c.ptn), PictureFormat::PlaceableWmf);
        const ByteReader r(bytes);
        std::uint16_t xorOfWords = 0;
        for (std::size_t i = 0; i < 10; ++i)
            xorOfWords ^= *r.u16(2 * i);
        EXPECT_EQ(*r.u16(20), xorOfWords);

        const WmfView v = viewWmf(std::span(bytes).subspan(22));
        EXPECT_EQ(v.type, 1u);
        EXPECT_EQ(v.headerWords, 9u);
        EXPECT_EQ(v.version, 0x0300u);
        EXPECT_EQ(v.members, 0u);
        EXPECT_EQ(std::size_t { v.totalWords } * 2, bytes.size() - 22);
        EXPECT_TRUE(v.walkedToTheEnd);
        ASSERT_FALSE(v.records.empty());
        EXPECT_EQ(v.records.back().function, metaEof);
        EXPECT_EQ(v.records.back().words, 3u);
        std::uint32_t largest = 0;
        for (const auto& rec : v.records)
            largest = std::max(largest, rec.words);
        EXPECT_EQ(v.maxRecord, largest);

        // Each new object takes the lowest free slot; every selection and
        // deletion must name a live object, and the table must be as large as
        // the header says, no larger.
        std::vector<std::uint16_t> table; // the creating function per slot, 0 when free
        for (const auto& rec : v.records) {
            if (rec.function == metaCreatePenIndirect || rec.function == metaCreateFontIndirect) {
                const auto free = std::find(table.begin(), table.end(), 0);
                if (free == table.end())
                    table.push_back(rec.function);
                else
                    *free = rec.function;
            } else if (rec.function == metaSelectObject || rec.function == metaDeleteObject) {
                const std::uint16_t slot = rec.u16(0);
                ASSERT_LT(slot, table.size()) << "unknown object";
                ASSERT_NE(table[slot], 0u) << "object " << slot << " used after deletion";
                if (rec.function == metaDeleteObject)
                    table[slot] = 0;
            }
        }
        EXPECT_EQ(v.objects, table.size());
        // Pen, day font and title font are alive at once; everything is freed at the end.
        EXPECT_EQ(v.objects, 3u);
        EXPECT_EQ(std::count(table.begin(), table.end(), 0), static_cast<long>(table.size()));
    }
}

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
        const WmfView v = viewWmf(std::span(bytes).subspan(22));
        ASSERT_GE(v.records.size(), 4u);
        EXPECT_EQ(v.records[0].function, metaSetMapMode);
        EXPECT_EQ(v.records[0].u16(0), 8u); // MM_ANISOTROPIC
        EXPECT_EQ(v.records[1].function, metaSetWindowOrg);
        EXPECT_EQ(v.records[1].i16(0), 0);
        EXPECT_EQ(v.records[1].i16(2), 0);
        EXPECT_EQ(v.records[2].function, metaSetWindowExt);
        // The window is the box in 0.01 mm, y first: 5845 high, 5390 wide.
        EXPECT_EQ(v.records[2].i16(0), 5845);
        EXPECT_EQ(v.records[2].i16(2), 5390);
        // Every line ends where it was recorded, in the box's units: a pixel
        // of this screen is 0.35 mm, 35 units. y is stored first.
        constexpr int unitsPerPixel = 35;
        std::vector<std::pair<int, int>> recordedEnds, lineEnds;
        for (const EmfRecord& r : recorded->records)
            if (const auto* l = std::get_if<EmfLineTo>(&r))
                recordedEnds.emplace_back(l->x * unitsPerPixel, l->y * unitsPerPixel);
        for (const auto* l : recordsOf(v, metaLineTo))
            lineEnds.emplace_back(l->i16(2), l->i16(0));
        EXPECT_EQ(lineEnds.size(), c.lines);
        EXPECT_EQ(lineEnds, recordedEnds);
        EXPECT_EQ(recordsOf(v, metaCreatePenIndirect).size(), 1u);

        const auto texts = textsOf(v);
        const auto expected = marchTexts();
        ASSERT_EQ(texts.size(), expected.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i].bytes, expected[i]) << i;
            EXPECT_EQ(texts[i].dx, std::vector<std::int16_t>(expected[i].size(), 6 * unitsPerPixel)) << expected[i];
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
        // the face name in code page 932.
        const auto fonts = recordsOf(v, metaCreateFontIndirect);
        ASSERT_EQ(fonts.size(), 3u);
        const std::vector<std::uint8_t> msPGothic { 0x82, 0x6C, 0x82, 0x72, 0x20, 0x82, 0x6F, 0x83, 0x53, 0x83, 0x56,
            0x83, 0x62, 0x83, 0x4E };
        for (const auto* f : fonts) {
            EXPECT_EQ(f->words, 28u);
            EXPECT_EQ(faceNameOf(*f), msPGothic);
            EXPECT_EQ(f->params[13], 1u); // DEFAULT_CHARSET
        }
        EXPECT_EQ(fonts[0]->i16(0), -12 * unitsPerPixel);
        EXPECT_EQ(fonts[1]->i16(0), -20 * unitsPerPixel);
        EXPECT_EQ(fonts[2]->i16(0), -8 * unitsPerPixel);
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
        { "kanji", u"ＭＳ 明朝", { 0x82, 0x6C, 0x82, 0x72, 0x20, 0x96, 0xBE, 0x92, 0xA9 }, u"月曜", { 12, 11 },
            { 0x8C, 0x8E, 0x97, 0x6A }, { 12, 0, 11, 0 } },
        // 31 characters of two bytes each: only whole characters within 31 bytes.
        { "long name", std::u16string(31, u'あ'), fifteenA, u"あ1", { 12, 6 }, { 0x82, 0xA0, '1' }, { 12, 0, 6 } },
        // Not in the code page: one "?" each, a surrogate pair's advances added up.
        { "outside", u"한글", { '?', '?' }, u"𠮷x", { 10, 0, 6 }, { '?', 'x' }, { 10, 6 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto wmf = convertToWmf(handMade({ fontNamed(1, c.face), EmfRecord(std::in_place_type<EmfSelectObject>, EmfSelectObject { 1 }),
                                          textOf(c.text, c.advances) }),
            100, 50, 100, 50);
        const WmfView v = viewWmf(wmf);
        ASSERT_TRUE(v.walkedToTheEnd);
        const auto fonts = recordsOf(v, metaCreateFontIndirect);
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
    const auto wmf = convertToWmf(handMade({ textOf(u"1234567", { 1, 1, 1, 1, 1, 1, 1 }),
                                      EmfRecord(std::in_place_type<EmfLineTo>, EmfLineTo { 3, 6 }) }),
        3, 6, 10, 20);
    const WmfView v = viewWmf(wmf);
    const auto texts = textsOf(v);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].dx, (std::vector<std::int16_t> { 3, 4, 3, 3, 4, 3, 3 }));
    EXPECT_EQ(std::pair(texts[0].x, texts[0].y), std::pair(10, 13)); // 3 -> 10, 4 -> 13.3
    ASSERT_EQ(recordsOf(v, metaLineTo).size(), 1u);
    EXPECT_EQ(recordsOf(v, metaLineTo)[0]->i16(2), 10);
    EXPECT_EQ(recordsOf(v, metaLineTo)[0]->i16(0), 20);
    EXPECT_EQ(v.records[2].i16(0), 20); // the window is the logical size
    EXPECT_EQ(v.records[2].i16(2), 10);
}

TEST(WmfConverter, HandlesBecomeTheLowestFreeSlotsAndStockObjectsAreDropped)
{
    const auto pen = [](std::uint32_t index) {
        return EmfRecord(std::in_place_type<EmfCreatePen>, EmfCreatePen { index, penStyleSolid, 1, 0x0000FF });
    };
    const auto select = [](std::uint32_t index) { return EmfRecord(std::in_place_type<EmfSelectObject>, EmfSelectObject { index }); };
    const auto remove = [](std::uint32_t index) { return EmfRecord(std::in_place_type<EmfDeleteObject>, EmfDeleteObject { index }); };
    const auto wmf = convertToWmf(handMade({ pen(5), pen(9), select(9), remove(5), fontNamed(7, u"A"), select(7),
                                      select(stockBlackPen), select(stockSystemFont), remove(9), remove(7) }),
        10, 10, 10, 10);
    const WmfView v = viewWmf(wmf);
    std::vector<std::pair<std::uint16_t, std::uint16_t>> uses;
    for (const auto& r : v.records)
        if (r.function == metaSelectObject || r.function == metaDeleteObject)
            uses.emplace_back(r.function, r.u16(0));
    const std::vector<std::pair<std::uint16_t, std::uint16_t>> expected { { metaSelectObject, 1 }, { metaDeleteObject, 0 },
        { metaSelectObject, 0 }, { metaDeleteObject, 1 }, { metaDeleteObject, 0 } };
    EXPECT_EQ(uses, expected);
    EXPECT_EQ(v.objects, 2u);
    const auto pens = recordsOf(v, metaCreatePenIndirect);
    ASSERT_EQ(pens.size(), 2u);
    EXPECT_EQ(pens[0]->words, 8u);
    EXPECT_EQ(pens[0]->i16(2), 1);             // width
    EXPECT_EQ(pens[0]->u32(6), 0x0000FFu);      // colour
}

TEST(WmfConverter, WhatTheFormatCannotHoldFailsTheConversion)
{
    const auto move = [](int x, int y) { return EmfRecord(std::in_place_type<EmfMoveTo>, EmfMoveTo { x, y }); };
    const auto line = [](int x, int y) { return EmfRecord(std::in_place_type<EmfLineTo>, EmfLineTo { x, y }); };
    // The limits themselves convert.
    const auto edge = convertToWmf(handMade({ move(-32768, 0), line(32767, 32767) }), 32767, 32767, 32767, 32767);
    const WmfView v = viewWmf(edge);
    ASSERT_EQ(recordsOf(v, metaLineTo).size(), 1u);
    EXPECT_EQ(recordsOf(v, metaLineTo)[0]->i16(2), 32767);

    expectOutOfResources(handMade({ move(0, 0), line(40000, 10) }), 100, 100, "line to x 40000");
    expectOutOfResources(handMade({ move(0, -40000) }), 100, 100, "move to y -40000");
    expectOutOfResources(handMade({ textOf(u"1", { 40000 }) }), 100, 100, "advance 40000");
    expectOutOfResources(handMade({ textOf(std::u16string(40000, u'1'), {}) }), 100, 100, "text of 40000 bytes");
    expectOutOfResources(handMade({ line(1, 1) }), 40000, 100, "window 40000 wide");
    expectOutOfResources(handMade({ EmfRecord(std::in_place_type<EmfSelectObject>, EmfSelectObject { 3 }) }), 100, 100,
        "selecting an object never created");
    EmfDocument unended;
    unended.records.emplace_back(std::in_place_type<EmfLineTo>, EmfLineTo { 1, 1 });
    expectOutOfResources(unended, 100, 100, "no end record");
}

TEST(PlaceableWmf, LongSidesLowerTheUnitsPerInchAndKeepTheTrueSize)
{
    for (const ScreenMetrics& screen : { referenceScreen, coarseScreen, tallPixelScreen }) {
        const Picture p = marchPicture(screen);
        SCOPED_TRACE(testing::Message() << p.widthHmm() << " x " << p.heightHmm() << " hmm");
        const auto bytes = pictureBytesFor(p, PictureFormat::PlaceableWmf);
        const ByteReader r(bytes);
        EXPECT_EQ(*r.i16(6), 0);
        EXPECT_EQ(*r.i16(8), 0);
        const int right = *r.i16(10), bottom = *r.i16(12), inch = *r.u16(14);
        const int longer = std::max(p.widthHmm(), p.heightHmm());
        if (longer <= 32767) {
            EXPECT_EQ(inch, 2540);
            EXPECT_EQ(std::pair(right, bottom), std::pair(p.widthHmm(), p.heightHmm()));
            continue;
        }
        ASSERT_GT(inch, 0);
        EXPECT_LT(inch, 2540);
        EXPECT_GT(right, 0);
        EXPECT_GT(bottom, 0);
        // The largest inch that fits: one more and the longer side would not.
        EXPECT_GT(std::int64_t { longer } * (inch + 1) / 2540, 32767);
        // Box over inch is the true size, short by less than one box unit.
        for (const auto& [box, hmm] : { std::pair(right, p.widthHmm()), std::pair(bottom, p.heightHmm()) }) {
            const double stated = box * 2540.0 / inch;
            EXPECT_LE(stated, hmm);
            EXPECT_GT(stated, hmm - 2540.0 / inch);
        }
    }
    // Both pictures that overflow are really over 327.67 mm on a side.
    EXPECT_GT(marchPicture(coarseScreen).widthHmm(), 32767);
    EXPECT_LE(marchPicture(tallPixelScreen).widthHmm(), 32767);
    EXPECT_GT(marchPicture(tallPixelScreen).heightHmm(), 32767);
}

TEST(PlaceableWmf, AnUnreadablePictureIsAnInvalidGraphic)
{
    try {
        pictureBytesFor(Picture {}, PictureFormat::PlaceableWmf);
        ADD_FAILURE() << "a picture without bytes was converted";
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "ﾒﾀﾌｧｲﾙが不正です");
    }
}

namespace {

struct SvgLine {
    double x1, y1, x2, y2;
};
struct SvgGlyph {
    double x, y;
    std::string text;
    bool red;
};
struct Svg {
    double width = 0, height = 0;
    std::vector<SvgLine> lines;
    std::vector<SvgGlyph> glyphs;
};

// wmf2svg writes one <line> per line-to and one <text> per character, placed
// by the last two numbers of its transform matrix, coloured by "fill:".
Svg parseSvg(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    Svg svg;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        const auto num = [&](const char* name) { return a.value(QLatin1String(name)).toDouble(); };
        if (xml.name() == QLatin1String("svg")) {
            svg.width = num("width");
            svg.height = num("height");
        } else if (xml.name() == QLatin1String("line")) {
            svg.lines.push_back({ num("x1"), num("y1"), num("x2"), num("y2") });
        } else if (xml.name() == QLatin1String("text")) {
            const QString transform = a.value(QLatin1String("transform")).toString();
            const QStringList m = transform.mid(transform.indexOf('(') + 1).chopped(1).split(' ', Qt::SkipEmptyParts);
            const bool red = a.value(QLatin1String("style")).toString().contains(QLatin1String("fill:red"));
            const std::string text = xml.readElementText().trimmed().toStdString();
            if (m.size() == 6)
                svg.glyphs.push_back({ m[4].toDouble(), m[5].toDouble(), text, red });
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return svg;
}

// Characters of one text follow each other on one baseline, each one 6 px
// advance further on; anything else starts a new text.
std::vector<SvgGlyph> joinIntoTexts(const std::vector<SvgGlyph>& glyphs, double advance)
{
    std::vector<SvgGlyph> texts;
    double lastX = 0;
    for (const SvgGlyph& g : glyphs) {
        if (!texts.empty() && std::abs(g.y - texts.back().y) < 0.01 && std::abs(g.x - lastX - advance) < 0.5
            && g.red == texts.back().red)
            texts.back().text += g.text;
        else
            texts.push_back(g);
        lastX = g.x;
    }
    return texts;
}

// libwmf looks for its standard fonts in the URW base-35 folder. Where that
// is missing, a ghostscript font map in the test folder points its names at
// the first outline font of the system; wmf2svg then draws with it.
QStringList fontOptions(const QTemporaryDir& dir)
{
    if (QDir("/usr/share/fonts/type1/urw-base35").exists())
        return {};
    QDirIterator it("/usr/share/fonts", { "*.ttf", "*.otf" }, QDir::Files, QDirIterator::Subdirectories);
    if (!it.hasNext())
        return {};
    const QString font = it.next();
    QFile map(dir.filePath("Fontmap"));
    EXPECT_TRUE(map.open(QIODevice::WriteOnly));
    for (const char* name : { "Times-Roman", "Times-Italic", "Times-Bold", "Times-BoldItalic", "Helvetica",
             "Helvetica-Oblique", "Helvetica-Bold", "Helvetica-BoldOblique", "Courier", "Courier-Oblique",
             "Courier-Bold", "Courier-BoldOblique", "Symbol", "ZapfDingbats" })
        map.write(QString("/%1 (%2) ;\n").arg(QLatin1String(name), font).toUtf8());
    return { "--wmf-gs-fontmap=" + map.fileName() };
}

} // namespace

TEST(PlaceableWmf, Wmf2svgDrawsTheCalendar)
{
    const QString wmf2svg = QStandardPaths::findExecutable("wmf2svg");
    ASSERT_FALSE(wmf2svg.isEmpty()) << "wmf2svg not found: install Debian's libwmf-bin (scripts/setup.sh does)";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList fonts = fontOptions(dir);

    for (const ScreenMetrics& screen : { referenceScreen, coarseScreen }) {
        const Picture p = marchPicture(screen);
        SCOPED_TRACE(testing::Message() << p.widthHmm() << " x " << p.heightHmm() << " hmm");
        const auto bytes = pictureBytesFor(p, PictureFormat::PlaceableWmf);
        const QString wmfPath = dir.filePath(QString("march-%1.wmf").arg(screen.widthPx));
        const QString svgPath = dir.filePath(QString("march-%1.svg").arg(screen.widthPx));
        {
            QFile f(wmfPath);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            ASSERT_EQ(f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())),
                static_cast<qint64>(bytes.size()));
        }
        const auto run = fixtures::runProgram(wmf2svg, fonts + QStringList { "-o", svgPath, wmfPath });
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const Svg svg = parseSvg(svgPath);

        // The drawing fills the box, whose proportions are the picture's.
        ASSERT_GT(svg.width, 0);
        ASSERT_GT(svg.height, 0);
        EXPECT_NEAR(svg.width / svg.height, double(p.widthHmm()) / p.heightHmm(), 0.01);
        const double sx = svg.width / p.widthPx(), sy = svg.height / p.heightPx();

        ASSERT_EQ(svg.lines.size(), 16u);
        double right = 0, bottom = 0;
        for (const SvgLine& l : svg.lines) {
            right = std::max({ right, l.x1, l.x2 });
            bottom = std::max({ bottom, l.y1, l.y2 });
        }
        // The border rules lie on the last pixel column and row, 153 and 166.
        EXPECT_NEAR(right, 153.5 * sx, 0.5);
        EXPECT_NEAR(bottom, 166.5 * sy, 0.5);
        EXPECT_LE(right, svg.width);

        const auto texts = joinIntoTexts(svg.glyphs, 6 * sx);
        const auto expected = marchTexts();
        ASSERT_EQ(texts.size(), expected.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i].text, expected[i]) << i;
            EXPECT_EQ(texts[i].red, isRedInMarch(i, expected[i])) << expected[i];
        }
        // Day 1 starts at x 8 of its cell row.
        EXPECT_NEAR(texts[0].x, 8.5 * sx, 0.5);
    }
}
