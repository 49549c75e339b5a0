// The window as it opens: its state, where its controls sit, and how it
// follows the screen's resolution.

#include "WindowDriver.h"

#include "window/ApplicationTitle.h"
#include "window/CalendarWindow.h"
#include "window/controls/MonthCalendar.h"
#include "window/controls/RadioGroup.h"
#include "window/controls/SpinEdit.h"

#include <QApplication>
#include <QDate>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace pluvane;
using fixtures::caption;
using fixtures::child;
using fixtures::testServices;
using fixtures::whenModalOpens;

TEST(CalendarWindow, StartsOnTodayWithTheDesignedState)
{
    CalendarWindow w(testServices());
    const QDate today = QDate::currentDate();
    EXPECT_EQ(w.windowTitle(), "Pluvane Ver 1.0");
    EXPECT_EQ(child<SpinEdit>(w, "Spinyear")->text(), QString::number(today.year()));
    EXPECT_EQ(child<SpinEdit>(w, "Spinmon")->text(), QString::number(today.month()));
    EXPECT_EQ(child<MonthCalendar>(w, "Calendar1")->date(), today);
    EXPECT_EQ(w.moncolor, clBlack);
    EXPECT_EQ(w.weekcolor, clBlack);
    EXPECT_EQ(w.linecolor, clBlack);
    EXPECT_EQ(child<RadioGroup>(w, "tukiiti")->itemIndex(), 1);
    EXPECT_EQ(child<QRadioButton>(*child<RadioGroup>(w, "tukiiti"), "item1")->text(), "中");
    EXPECT_EQ(child<RadioGroup>(w, "ptn")->itemIndex(), 0);
    EXPECT_EQ(child<QRadioButton>(*child<RadioGroup>(w, "ptn"), "item0")->text(), "パターン　１");
    EXPECT_EQ(caption(w, "Label1"), "X= 10");
    EXPECT_EQ(caption(w, "Label2"), "Y= 10");
    EXPECT_EQ(caption(w, "Label3"), "MAX X=");
    EXPECT_EQ(caption(w, "Label4"), "MAX Y=");
    EXPECT_FALSE(w.madeflag);
    EXPECT_EQ(w.canvasFont(), FontSpec {});
    EXPECT_EQ(w.settings().titlemonth, today.month());
}

struct PlacedControl {
    const char* name;
    QRect geometry;
};

TEST(CalendarWindow, ControlsSitWhereTheyWereDesigned)
{
    CalendarWindow w(testServices());
    for (const PlacedControl& c : { PlacedControl { "Shape1", { 24, 32, 280, 210 } },
             PlacedControl { "Image1", { 24, 32, 280, 210 } }, PlacedControl { "Button1", { 392, 24, 81, 25 } },
             PlacedControl { "Button2", { 480, 24, 73, 25 } }, PlacedControl { "Calendar1", { 8, 320, 153, 113 } },
             PlacedControl { "Spinyear", { 24, 288, 57, 21 } }, PlacedControl { "Spinmon", { 104, 288, 57, 21 } },
             PlacedControl { "xtrack", { 392, 160, 177, 25 } }, PlacedControl { "ytrack", { 392, 216, 177, 25 } },
             PlacedControl { "Button3", { 392, 64, 81, 25 } }, PlacedControl { "Button4", { 480, 64, 73, 25 } },
             PlacedControl { "montrack", { 392, 280, 169, 33 } }, PlacedControl { "tukiiti", { 488, 320, 81, 121 } },
             PlacedControl { "Button5", { 392, 328, 81, 25 } }, PlacedControl { "Button6", { 392, 368, 81, 25 } },
             PlacedControl { "ptn", { 184, 336, 129, 97 } }, PlacedControl { "Button7", { 392, 408, 81, 25 } } })
        EXPECT_EQ(child<QWidget>(w, c.name)->geometry(), c.geometry) << c.name;
    for (const char* label : { "Label1", "Label5", "Label8" })
        EXPECT_GT(child<QWidget>(w, label)->width(), 0) << label;
    EXPECT_EQ(child<QWidget>(w, "Label3")->pos(), QPoint(384, 112));
    EXPECT_EQ(w.size(), QSize(588, 450));
}

TEST(CalendarWindow, ASmallWindowScrollsAndMovesNoControl)
{
    CalendarWindow w(testServices());
    w.show();
    w.resize(300, 200);
    QTest::qWait(20);
    auto* scroll = w.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_EQ(child<QWidget>(w, "Button7")->geometry(), QRect(392, 408, 81, 25));
    w.resize(900, 700);
    QTest::qWait(20);
    EXPECT_EQ(child<QWidget>(w, "Button1")->geometry(), QRect(392, 24, 81, 25));
}

TEST(ApplicationTitle, MadeFromTheExecutableName)
{
    const std::pair<const char*, const char*> cases[] = { { "/usr/bin/pluvane", "Pluvane" },
        { "/opt/PLUVANE.EXE", "Pluvane" }, { "my.tool.bin", "My" }, { "/a.b/pluVane", "Pluvane" }, { "x", "X" } };
    for (const auto& [path, title] : cases)
        EXPECT_EQ(applicationTitle(path).toStdString(), title) << path;
}

struct ResolutionCase {
    int dpi;
    int fontHeight;
    QRect button1, ptn;
};

TEST(CalendarWindowResolution, FontAndControlsFollowTheScreensResolution)
{
    // Run once at 96 dots per inch and once more by CTest at 120 (with Qt's
    // own scaling off, so the window must scale itself): at 120 the font is
    // 15 pixels and every length grows by a quarter, rounded.
    const ResolutionCase cases[] = {
        { 96, -12, { 392, 24, 81, 25 }, { 184, 336, 129, 97 } },
        { 120, -15, { 490, 30, 101, 31 }, { 230, 420, 161, 121 } },
    };
    const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch());
    const ResolutionCase* c
        = std::find_if(std::begin(cases), std::end(cases), [dpi](const ResolutionCase& r) { return r.dpi == dpi; });
    ASSERT_NE(c, std::end(cases)) << "no expected layout for " << dpi << " dots per inch";
    CalendarWindow w(testServices());
    EXPECT_EQ(w.font().pixelSize(), -c->fontHeight);
    EXPECT_EQ(w.canvasFont().height, c->fontHeight);
    EXPECT_EQ(child<QWidget>(w, "Button1")->geometry(), c->button1);
    EXPECT_EQ(child<QWidget>(w, "ptn")->geometry(), c->ptn);
    // Every caption still fits its button.
    for (const char* name : { "Button1", "Button2", "Button3", "Button4", "Button5", "Button6", "Button7" }) {
        auto* b = child<QPushButton>(w, name);
        EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()), b->width()) << name;
    }
}
