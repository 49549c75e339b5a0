// Test entry for tests that drive real widgets: a QApplication, on Qt's
// offscreen platform unless the test is given another one, with the same
// font substitutes the program registers.

#include "picture/qt/Fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    pluvane::registerFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
