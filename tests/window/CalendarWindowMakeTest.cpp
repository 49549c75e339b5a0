// Making the picture: the readouts that follow the controls, the fitted
// preview, and a make that fails.
//
// The numbers are for the default font, IPA P Gothic 12 pixels high, whose
// digits are 8 pixels wide: a cell is 16 + xtrack wide and the picture 7
// cells, so at the default tracks the picture is 182 x 167 pixels, shown in
// a 228 x 210 box (182 * 210 / 167, truncated).

#include "WindowDriver.h"

#include "window/CalendarWindow.h"
#include "window/PreviewImage.h"
#include "window/controls/MonthCalendar.h"
#include "window/controls/SpinEdit.h"
#include "window/controls/TrackBar.h"

#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace pluvane;
using fixtures::caption;
using fixtures::child;
using fixtures::testServices;
using fixtures::whenModalOpens;

TEST(CalendarWindow, TrackBarMovesUpdateTheReadoutsButNotThePreview)
{
    CalendarWindow w(testServices());
    w.show();
    auto* xtrack = child<TrackBar>(w, "xtrack");
    xtrack->setFocus();
    QTest::keyClick(xtrack, Qt::Key_Right);
    EXPECT_EQ(caption(w, "Label1"), "X= 11");
    EXPECT_EQ(caption(w, "Label3"), "MAX X=189"); // 7 * (16 + 11)
    EXPECT_EQ(caption(w, "Label4"), "MAX Y=167");

    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    ASSERT_TRUE(w.madeflag);
    const Picture made = child<PreviewImage>(w, "Image1")->picture();
    const QString readoutAfterMake = caption(w, "Label3");
    xtrack->setFocus();
    for (int i = 0; i < 14; ++i)
        QTest::keyClick(xtrack, Qt::Key_Right); // to 25
    EXPECT_EQ(caption(w, "Label1"), "X= 25");
    EXPECT_EQ(caption(w, "Label3"), "MAX X=287"); // 7 * (16 + 25)
    EXPECT_NE(caption(w, "Label3"), readoutAfterMake);
    EXPECT_TRUE(child<PreviewImage>(w, "Image1")->picture().sharesBytesWith(made));

    auto* ytrack = child<TrackBar>(w, "ytrack");
    ytrack->setFocus();
    QTest::keyClick(ytrack, Qt::Key_PageUp);
    EXPECT_EQ(caption(w, "Label2"), "Y= 12");
}

TEST(CalendarWindow, MakeShowsTheFittedPictureAndReadouts)
{
    CalendarWindow w(testServices());
    w.show();
    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    auto* image = child<PreviewImage>(w, "Image1");
    EXPECT_EQ(image->geometry(), QRect(24, 32, 228, 210));
    EXPECT_EQ(image->picture().widthPx(), 182);
    EXPECT_EQ(image->picture().heightPx(), 167);
    EXPECT_EQ(image->picture().widthHmm(), 6370); // 0.35 mm a pixel on the reference screen
    EXPECT_EQ(image->picture().heightHmm(), 5845);
    EXPECT_EQ(caption(w, "Label3"), "MAX X=182");
    EXPECT_EQ(caption(w, "Label4"), "MAX Y=167");
    EXPECT_TRUE(w.madeflag);

    // The preview shows the picture: red Sunday pixels on the white paper.
    const QImage shot = w.grab(QRect(24, 32, 280, 210)).toImage();
    int red = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width() / 6; ++x) {
            const QRgb c = shot.pixel(x, y);
            red += qRed(c) > 160 && qGreen(c) < 110 && qBlue(c) < 110;
        }
    EXPECT_GT(red, 10);
}

TEST(CalendarWindow, TheTitleMonthFollowsTheMonthBoxWhateverTheDay)
{
    CalendarWindow w(testServices());
    auto* calendar = child<MonthCalendar>(w, "Calendar1");
    auto* year = child<SpinEdit>(w, "Spinyear");
    auto* month = child<SpinEdit>(w, "Spinmon");
    month->setValue(1);
    calendar->setDay(31);
    year->setValue(2024);
    month->setValue(2);
    EXPECT_EQ(calendar->date(), QDate(2024, 2, 29));
    EXPECT_EQ(w.settings().titlemonth, 2);
    month->setValue(3);
    EXPECT_EQ(calendar->date(), QDate(2024, 3, 31));
    EXPECT_EQ(w.settings().titlemonth, 3);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(CalendarWindow, TypingAYearMovesTheCalendarAlong)
{
    CalendarWindow w(testServices());
    w.show();
    auto* text = child<QLineEdit>(*child<SpinEdit>(w, "Spinyear"), "text");
    text->setFocus();
    text->selectAll();
    QTest::keyClicks(text, "2015");
    EXPECT_EQ(child<MonthCalendar>(w, "Calendar1")->year(), 2015);
    EXPECT_EQ(w.settings().year, 2015);
}

TEST(CalendarWindow, PressingMakeBringsATypedYearIntoRangeFirst)
{
    CalendarWindow w(testServices());
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* text = child<QLineEdit>(*child<SpinEdit>(w, "Spinyear"), "text");
    text->setFocus();
    text->selectAll();
    QTest::keyClicks(text, "1850");
    EXPECT_EQ(w.settings().year, 1850); // read as typed while the box has the focus
    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    EXPECT_EQ(text->text(), "1900");
    EXPECT_EQ(child<MonthCalendar>(w, "Calendar1")->year(), 1900);
    EXPECT_TRUE(w.madeflag);
}

TEST(CalendarWindow, AFailingMakeShowsOneErrorBoxAndChangesNothing)
{
    WindowServices services = testServices();
    services.screen = [] { return ScreenMetrics {}; }; // no recording can start
    services.executablePath = "/opt/tools/PLUVANE.bin";
    CalendarWindow w(services);
    w.show();
    int boxes = 0;
    QString title, text;
    bool windowDisabled = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        ++boxes;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        windowDisabled = !w.isEnabled();
        box->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(title, "Pluvane");
    EXPECT_EQ(text, "ｼｽﾃﾑ ﾘｿｰｽが足りません.");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(windowDisabled);
    EXPECT_TRUE(w.isEnabled());
    EXPECT_FALSE(w.madeflag);
    EXPECT_TRUE(child<PreviewImage>(w, "Image1")->picture().isNull());
    EXPECT_EQ(caption(w, "Label3"), "MAX X=");
}
