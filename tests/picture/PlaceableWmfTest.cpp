#include "MarchPictures.h"
#include "support/ExpectThrows.h"
#include "support/WmfTestReader.h"

#include "layout/Errors.h"
#include "picture/binary/ByteReader.h"
#include "picture/output/PictureSaving.h"
#include "picture/wmf/WmfLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace pluvane;
using namespace pluvane::fixtures;

TEST(PlaceableWmf, WorkedExampleHeaderBytes)
{
    const Picture p = marchPicture();
    ASSERT_EQ(std::pair(p.widthPx(), p.heightPx()), std::pair(154, 167));
    ASSERT_EQ(std::pair(p.widthHmm(), p.heightHmm()), std::pair(5390, 5845));
    const auto bytes = pictureBytesFor(p, PictureFormat::PlaceableWmf);
    const std::vector<std::uint8_t> expected { 0xD7, 0xCD, 0xC6, 0x9A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0E, 0x15,
        0xD5, 0x16, 0xEC, 0x09, 0x00, 0x00, 0x00, 0x00, 0x26, 0x5D };
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
    for (const Case& c : { Case { referenceScreen, 0 }, Case { referenceScreen, 1 },
             Case { { 1024, 768, 361, 271 }, 2 }, Case { coarseScreen, 0 } }) {
        SCOPED_TRACE(testing::Message() << c.screen.widthPx << "x" << c.screen.heightPx << " ptn " << c.ptn);
        const auto bytes = pictureBytesFor(marchPicture(c.screen, c.ptn), PictureFormat::PlaceableWmf);
        const ByteReader r(bytes);
        // A reader checks the header against the exclusive or of its first ten words.
        std::uint16_t xorOfWords = 0;
        for (std::size_t i = 0; i < 10; ++i)
            xorOfWords ^= *r.u16(2 * i);
        EXPECT_EQ(*r.u16(wmf::Placeable::checksum), xorOfWords);

        const WmfView v = viewWmf(std::span(bytes).subspan(22));
        EXPECT_EQ(v.type, 1u);
        EXPECT_EQ(v.headerWords, 9u);
        EXPECT_EQ(v.version, 0x0300u);
        EXPECT_EQ(v.members, 0u);
        EXPECT_EQ(std::size_t { v.totalWords } * 2, bytes.size() - 22);
        EXPECT_TRUE(v.walkedToTheEnd);
        ASSERT_FALSE(v.records.empty());
        EXPECT_EQ(v.records.back().function, WmfFunction::Eof);
        EXPECT_EQ(v.records.back().words, 3u);
        std::uint32_t largest = 0;
        for (const auto& rec : v.records)
            largest = std::max(largest, rec.words);
        EXPECT_EQ(v.maxRecord, largest);

        // Each new object takes the lowest free slot; every selection and
        // deletion must name a live object, and the table must be as large as
        // the header says, no larger.
        std::vector<bool> table;
        for (const auto& rec : v.records) {
            if (rec.function == WmfFunction::CreatePenIndirect || rec.function == WmfFunction::CreateFontIndirect) {
                const auto free = std::find(table.begin(), table.end(), false);
                if (free == table.end())
                    table.push_back(true);
                else
                    *free = true;
            } else if (rec.function == WmfFunction::SelectObject || rec.function == WmfFunction::DeleteObject) {
                const std::uint16_t slot = rec.u16(wmf::SingleValue::value);
                ASSERT_LT(slot, table.size()) << "unknown object";
                ASSERT_TRUE(table[slot]) << "object " << slot << " used after deletion";
                if (rec.function == WmfFunction::DeleteObject)
                    table[slot] = false;
            }
        }
        EXPECT_EQ(v.objects, table.size());
        // Pen, day font and title font are alive at once; everything is freed at the end.
        EXPECT_EQ(v.objects, 3u);
        EXPECT_EQ(std::count(table.begin(), table.end(), true), 0);
    }
}

// Beyond 327.67 mm on a side the box's units per inch come down to the
// largest value at which the longer side still fits 32767 units.
TEST(PlaceableWmf, LongSidesLowerTheUnitsPerInchAndKeepTheTrueSize)
{
    struct Case {
        ScreenMetrics screen;
        int widthHmm, heightHmm;
        int right, bottom, inch;
    };
    for (const Case& c : {
             Case { referenceScreen, 5390, 5845, 5390, 5845, 2540 },
             // 167000 x 498 / 2540 = 32742.5; at 499 units it would be 32808.3.
             Case { coarseScreen, 154000, 167000, 30193, 32742, 498 },
             Case { tallPixelScreen, 5390, 167000, 1056, 32742, 498 },
         }) {
        const Picture p = marchPicture(c.screen);
        SCOPED_TRACE(testing::Message() << c.widthHmm << " x " << c.heightHmm << " hmm");
        EXPECT_EQ(std::pair(p.widthHmm(), p.heightHmm()), std::pair(c.widthHmm, c.heightHmm));
        const auto bytes = pictureBytesFor(p, PictureFormat::PlaceableWmf);
        const ByteReader r(bytes);
        EXPECT_EQ(*r.i16(wmf::Placeable::left), 0);
        EXPECT_EQ(*r.i16(wmf::Placeable::top), 0);
        EXPECT_EQ(*r.i16(wmf::Placeable::right), c.right);
        EXPECT_EQ(*r.i16(wmf::Placeable::bottom), c.bottom);
        EXPECT_EQ(*r.u16(wmf::Placeable::inch), c.inch);
    }
}

TEST(PlaceableWmf, AnUnreadablePictureIsAnInvalidGraphic)
{
    EXPECT_TRUE(throwsWithMessage<EInvalidGraphic>(
        [] { pictureBytesFor(Picture {}, PictureFormat::PlaceableWmf); }, "ﾒﾀﾌｧｲﾙが不正です"));
}
