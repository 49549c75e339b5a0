// Test entry for tests that need fonts, palettes or painters: a
// QGuiApplication on the offscreen platform.

#include "picture/qt/Fonts.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    pluvane::registerFontSubstitutes();
    return RUN_ALL_TESTS();
}
