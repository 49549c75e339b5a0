// The font and colour buttons: what their dialogs store, and what a
// cancelled dialog leaves alone.

#include "WindowDriver.h"

#include "window/CalendarWindow.h"

#include <QColorDialog>
#include <QDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace pluvane;
using fixtures::caption;
using fixtures::child;
using fixtures::testServices;
using fixtures::whenModalOpens;

TEST(CalendarWindow, FontButtonRefreshesTheReadoutsAlsoWhenCancelled)
{
    CalendarWindow w(testServices());
    w.show();
    whenModalOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    QTest::mouseClick(child<QPushButton>(w, "Button2"), Qt::LeftButton);
    // The default font's digits are 8 pixels wide: 7 * (16 + 10).
    EXPECT_EQ(caption(w, "Label3"), "MAX X=182");
    EXPECT_EQ(w.canvasFont(), FontSpec {});

    whenModalOpens([](QWidget* dialog) {
        dialog->findChild<QSpinBox*>("height")->setValue(24);
        static_cast<QDialog*>(dialog)->accept();
    });
    QTest::mouseClick(child<QPushButton>(w, "Button2"), Qt::LeftButton);
    EXPECT_EQ(w.canvasFont().height, -24);
    // At 24 pixels the digits are 15 wide: 7 * (30 + 10), and six rows of
    // 24 + 10 under a 20-pixel title and a 16 + 2 weekday band: 204 + 43.
    EXPECT_EQ(caption(w, "Label3"), "MAX X=280");
    EXPECT_EQ(caption(w, "Label4"), "MAX Y=247");
}

TEST(CalendarWindow, AChosenFontChangesOnlyTheCanvasFont)
{
    CalendarWindow w(testServices());
    w.show();
    const QFont windowFont = w.font();
    const QFont buttonFont = child<QPushButton>(w, "Button1")->font();
    whenModalOpens([](QWidget* dialog) {
        dialog->findChild<QSpinBox*>("height")->setValue(30);
        static_cast<QDialog*>(dialog)->accept();
    });
    QTest::mouseClick(child<QPushButton>(w, "Button2"), Qt::LeftButton);
    EXPECT_EQ(w.canvasFont().height, -30);
    EXPECT_EQ(w.font(), windowFont);
    EXPECT_EQ(child<QPushButton>(w, "Button1")->font(), buttonFont);
}

TEST(CalendarWindow, ColourButtonsStoreOnlyConfirmedColoursAndShareTheDialog)
{
    CalendarWindow w(testServices());
    w.show();
    whenModalOpens([](QWidget* dialog) {
        auto* d = static_cast<QColorDialog*>(dialog);
        d->setCurrentColor(Qt::red);
        d->accept();
    });
    QTest::mouseClick(child<QPushButton>(w, "Button5"), Qt::LeftButton);
    EXPECT_EQ(w.moncolor, clRed);

    QColor openedOn;
    whenModalOpens([&](QWidget* dialog) {
        openedOn = static_cast<QColorDialog*>(dialog)->currentColor();
        static_cast<QDialog*>(dialog)->reject();
    });
    QTest::mouseClick(child<QPushButton>(w, "Button6"), Qt::LeftButton);
    EXPECT_EQ(openedOn, QColor(Qt::red));
    EXPECT_EQ(w.weekcolor, clBlack);
}
