#include "picture/binary/Integers.h"
#include "picture/binary/MulDiv.h"
#include "picture/binary/Utf16.h"
#include "picture/emf/ObjectTable.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace pluvane;

TEST(MulDiv, RoundsHalvesAwayFromZero)
{
    struct Case {
        int a, b, c, expected;
    };
    for (const Case& c : { Case { 154, 28000, 800, 5390 }, Case { 167, 21000, 600, 5845 }, Case { 1, 3, 2, 2 },
             Case { -1, 3, 2, -2 }, Case { 1, -3, -2, 2 }, Case { 1, 1, 3, 0 }, Case { 2, 1, 3, 1 },
             Case { 2000000000, 2000000000, 2000000000, 2000000000 }, Case { -12, 144, 96, -18 },
             Case { 2147483647, 1, 1, 2147483647 }, Case { -2147483647 - 1, 1, 1, -2147483647 - 1 } })
        EXPECT_EQ(mulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(MulDiv, RefusesAZeroDivisorAndAResultBeyond32Bits)
{
    struct Case {
        int a, b, c;
    };
    // None of these is -1: a result that does not fit is refused, never
    // passed on as a value a caller could take for a size.
    for (const Case& c : { Case { 5, 7, 0 }, Case { 2000000000, 2, 1 }, Case { -2000000000, 2, 1 },
             Case { 300000, 300000, 1 }, Case { 2147483647, 3, 2 } })
        EXPECT_EQ(mulDiv(c.a, c.b, c.c), std::nullopt) << c.a << "*" << c.b << "/" << c.c;
}

TEST(DivideRounded, HalvesGoAwayFromZeroOnBothSides)
{
    struct Case {
        std::int64_t n, d, expected;
    };
    for (const Case& c : { Case { 10, 3, 3 }, Case { 20, 6, 3 }, Case { 5, 2, 3 }, Case { -5, 2, -3 },
             Case { 5, -2, -3 }, Case { -5, -2, 3 }, Case { -10, 3, -3 }, Case { -40, 6, -7 }, Case { 0, 7, 0 },
             Case { 1, 3, 0 }, Case { 6000000000, 4, 1500000000 } })
        EXPECT_EQ(divideRounded(c.n, c.d), c.expected) << c.n << "/" << c.d;
}

TEST(CheckedInt32, OnlyValuesThatFit)
{
    EXPECT_EQ(checkedInt32(0), 0);
    EXPECT_EQ(checkedInt32(2147483647), 2147483647);
    EXPECT_EQ(checkedInt32(-2147483648LL), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(checkedInt32(2147483648LL), std::nullopt);
    EXPECT_EQ(checkedInt32(-2147483649LL), std::nullopt);
    EXPECT_EQ(checkedInt32(std::numeric_limits<std::int64_t>::max()), std::nullopt);
}

TEST(Utf16Characters, PairsOnlyForAHighAndALowSurrogate)
{
    struct Case {
        const char* what;
        std::u16string text;
        std::vector<std::pair<char32_t, std::size_t>> expected; // code point, units
    };
    const std::vector<Case> cases {
        { "empty", u"", {} },
        { "plain", u"A月", { { U'A', 1 }, { U'月', 1 } } },
        { "pair", u"𠮷x", { { 0x20BB7, 2 }, { U'x', 1 } } },
        { "high then plain", std::u16string { 0xD842, u'x' }, { { 0xFFFD, 1 }, { U'x', 1 } } },
        { "high then high then low", std::u16string { 0xD842, 0xD842, 0xDFB7 }, { { 0xFFFD, 1 }, { 0x20BB7, 2 } } },
        { "high at the end", std::u16string { u'x', 0xD842 }, { { U'x', 1 }, { 0xFFFD, 1 } } },
        { "low alone", std::u16string { 0xDFB7, u'x' }, { { 0xFFFD, 1 }, { U'x', 1 } } },
        { "low then high", std::u16string { 0xDC00, 0xDBFF }, { { 0xFFFD, 1 }, { 0xFFFD, 1 } } },
        { "the last pair", std::u16string { 0xDBFF, 0xDFFF }, { { 0x10FFFF, 2 } } },
    };
    for (const Case& c : cases) {
        std::vector<std::pair<char32_t, std::size_t>> walked;
        for (const Utf16Character& ch : utf16Characters(c.text))
            walked.emplace_back(ch.code, ch.units);
        EXPECT_EQ(walked, c.expected) << c.what;
    }
}

TEST(ObjectTable, EachNewObjectTakesTheLowestFreeSlot)
{
    struct Step {
        bool take;
        std::size_t slot; // taken, or to release
    };
    struct Case {
        const char* what;
        std::size_t reserved;
        std::vector<Step> steps;
        std::size_t size;
    };
    const std::vector<Case> cases {
        { "from slot 0", 0, { { true, 0 }, { true, 1 }, { false, 0 }, { true, 0 }, { true, 2 } }, 3 },
        // The enhanced-metafile recorder keeps slot 0 for the metafile itself.
        { "slot 0 reserved", 1, { { true, 1 }, { true, 2 }, { false, 1 }, { false, 0 }, { true, 1 }, { true, 3 } }, 4 },
        { "freeing everything keeps the size", 0, { { true, 0 }, { true, 1 }, { false, 1 }, { false, 0 }, { true, 0 } },
            2 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ObjectTable table(c.reserved);
        for (const Step& s : c.steps) {
            if (s.take)
                EXPECT_EQ(table.take(), s.slot);
            else
                table.release(s.slot);
        }
        EXPECT_EQ(table.size(), c.size);
    }
}
