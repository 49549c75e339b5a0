#include "picture/qt/Fonts.h"

#include <QFontInfo>

#include <gtest/gtest.h>

using namespace pluvane;

TEST(Fonts, DefaultFaceResolvesToAJapaneseGothic)
{
    const QFontInfo info(toQFont(FontSpec {}));
    EXPECT_TRUE(info.family() == "IPAPGothic" || info.family().contains("Noto Sans CJK"))
        << info.family().toStdString();
    EXPECT_EQ(info.pixelSize(), 12);
}

TEST(Fonts, OddHeightsStillGiveAUsableFont)
{
    const QtTextMeasurer measurer;
    for (int height : { 0, 1, -1, 5000, -100000, INT32_MIN }) {
        FontSpec f;
        f.height = height;
        EXPECT_GE(measurer.textWidth(f, "33"), 0) << height;
        EXPECT_GT(toQFont(f).pixelSize(), 0) << height;
    }
}

TEST(Fonts, WidthsAreWholeTextAdvances)
{
    const QtTextMeasurer measurer;
    FontSpec f;
    const int one = measurer.textWidth(f, "3");
    EXPECT_GT(one, 0);
    EXPECT_EQ(measurer.textWidth(f, "33"), 2 * one); // digits are not kerned
    FontSpec big = f;
    big.height = -24;
    EXPECT_GT(measurer.textWidth(big, "33"), measurer.textWidth(f, "33"));
    EXPECT_EQ(measurer.textWidth(f, ""), 0);
}
