// The window from the keyboard: where the focus starts, the tab cycle, and
// Enter on the focused button.

#include "WindowDriver.h"

#include "window/CalendarWindow.h"
#include "window/controls/SpinEdit.h"

#include <QApplication>
#include <QColorDialog>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace pluvane;
using fixtures::child;
using fixtures::testServices;
using fixtures::whenModalOpens;

namespace {

const QStringList tabCycle { "Button1", "Button2", "Calendar1", "Spinyear", "Spinmon", "xtrack", "ytrack", "Button3",
    "Button4", "montrack", "tukiiti", "Button5", "Button6", "ptn", "Button7", "Button8" };

// The named control the focused widget belongs to (a radio button is part of
// its group, a spin box's text part of the box).
QString focusedControl()
{
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget())
        if (tabCycle.contains(widget->objectName()))
            return widget->objectName();
    return QApplication::focusWidget()
        ? "(unnamed " + QString(QApplication::focusWidget()->metaObject()->className()) + ")"
        : QString("(none)");
}

struct ShownWindow {
    ShownWindow()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    CalendarWindow window { testServices() };
};

} // namespace

TEST(CalendarWindowKeys, FocusStartsOnMakeAndShows)
{
    ShownWindow w;
    EXPECT_EQ(focusedControl().toStdString(), "Button1");
    auto* make = child<QPushButton>(w.window, "Button1");
    const QImage focused = make->grab().toImage();
    child<QPushButton>(w.window, "Button2")->setFocus(Qt::OtherFocusReason);
    const QImage unfocused = make->grab().toImage();
    EXPECT_NE(focused, unfocused) << "the focused button looks like any other";
}

TEST(CalendarWindowKeys, TabVisitsExactlyTheSixteenControlsBothWays)
{
    ShownWindow w;
    child<QWidget>(w.window, "Button1")->setFocus(Qt::TabFocusReason);
    QStringList forward { focusedControl() };
    for (qsizetype i = 0; i < tabCycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << focusedControl();
    }
    EXPECT_EQ(forward.join(" ").toStdString(), (tabCycle + QStringList { "Button1" }).join(" ").toStdString());

    QStringList backward { focusedControl() };
    for (qsizetype i = 0; i < tabCycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward << focusedControl();
    }
    QStringList reversed { "Button1" };
    for (qsizetype i = tabCycle.size() - 1; i >= 0; --i)
        reversed << tabCycle[i];
    EXPECT_EQ(backward.join(" ").toStdString(), reversed.join(" ").toStdString());
}

TEST(CalendarWindowKeys, EnterAndKeypadEnterPressTheFocusedButton)
{
    ShownWindow w;
    auto* make = child<QPushButton>(w.window, "Button1");
    QTest::keyClick(make, Qt::Key_Return);
    EXPECT_TRUE(w.window.madeflag);

    bool opened = false;
    whenModalOpens([&](QWidget* dialog) {
        opened = qobject_cast<QColorDialog*>(dialog) != nullptr;
        static_cast<QDialog*>(dialog)->reject();
    });
    auto* monthColour = child<QPushButton>(w.window, "Button5");
    monthColour->setFocus(Qt::TabFocusReason);
    QTest::keyClick(monthColour, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(opened) << "keypad Enter did not press the colour button";
}

TEST(CalendarWindowKeys, EnterInASpinBoxIsRefusedAndPressesNothing)
{
    ShownWindow w;
    auto* year = child<SpinEdit>(w.window, "Spinyear");
    QSignalSpy refused(year, &SpinEdit::keyRefused);
    year->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(refused.count(), 2);
    EXPECT_FALSE(w.window.madeflag);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
