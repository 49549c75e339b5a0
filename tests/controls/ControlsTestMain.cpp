#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // The tests drive real widgets; without a display they still run on
    // Qt's offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
