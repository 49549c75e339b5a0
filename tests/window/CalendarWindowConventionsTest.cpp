// The "詳細設定..." button and the conventions it opens: where it sits, what
// the dialog shows, and what a confirmed or cancelled dialog does to the
// next make.

#include "WindowDriver.h"

#include "picture/MakeCalendar.h"
#include "picture/emf/EmfReader.h"
#include "window/CalendarWindow.h"
#include "window/PreviewImage.h"
#include "window/controls/CalendarConventionsDialog.h"
#include "window/controls/RadioGroup.h"
#include "window/controls/SpinEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace pluvane;
using fixtures::child;
using fixtures::testServices;
using fixtures::whenModalOpens;

namespace {

constexpr TColor blue = 0xFF0000; // 0x00BBGGRR

struct DrawnText {
    QString text;
    std::uint32_t color;
};

// Every text of a picture in drawing order, with the text colour in force.
std::vector<DrawnText> drawnTexts(const Picture& picture)
{
    const auto document = readEmf(picture.bytes());
    EXPECT_TRUE(document.has_value());
    std::vector<DrawnText> texts;
    std::uint32_t color = 0;
    for (const EmfRecord& record : document ? document->records : std::vector<EmfRecord> {})
        std::visit(Overloaded { [&](const EmfSetTextColor& c) { color = c.color; },
                       [&](const EmfExtTextOut& t) {
                           texts.push_back({ QString::fromStdU16String(t.text), color });
                       },
                       [](const auto&) {} },
            record);
    return texts;
}

std::vector<std::uint8_t> bytesOf(const Picture& picture)
{
    return { picture.bytes().begin(), picture.bytes().end() };
}

void showMonth(CalendarWindow& w, int year, int month)
{
    child<SpinEdit>(w, "Spinyear")->setValue(year);
    child<SpinEdit>(w, "Spinmon")->setValue(month);
}

Picture make(CalendarWindow& w)
{
    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    return child<PreviewImage>(w, "Image1")->picture();
}

// Clicks a check box on its indicator, which sits at its left whatever its width.
void tick(QWidget* dialog, const char* name)
{
    auto* box = dialog->findChild<QCheckBox*>(name);
    ASSERT_NE(box, nullptr) << name;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

void choose(QWidget* dialog, const char* group, int item)
{
    auto* radio = dialog->findChild<RadioGroup*>(group)->findChild<QRadioButton*>(QStringLiteral("item%1").arg(item));
    ASSERT_NE(radio, nullptr) << group;
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

void press(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>("buttons")->button(which), Qt::LeftButton);
}

// Opens the conventions with the window's button and, in the dialog, ticks
// holidays and Saturday, and chooses Monday, Japanese labels and the era.
void editConventions(CalendarWindow& w, QDialogButtonBox::StandardButton closeWith)
{
    bool edited = false;
    whenModalOpens([&](QWidget* dialog) {
        ASSERT_NE(qobject_cast<CalendarConventionsDialog*>(dialog), nullptr);
        tick(dialog, "holidays");
        tick(dialog, "saturday");
        choose(dialog, "firstWeekday", 1);
        choose(dialog, "weekdayLabels", 1);
        choose(dialog, "titleText", 2);
        press(dialog, closeWith);
        edited = true;
    });
    QTest::mouseClick(child<QPushButton>(w, "Button8"), Qt::LeftButton);
    EXPECT_TRUE(edited);
}

} // namespace

TEST(CalendarWindow, TheConventionsButtonSitsUnderTheMonthBoxLastInTheTabOrder)
{
    CalendarWindow w(testServices());
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* button = child<QPushButton>(w, "Button8");
    EXPECT_EQ(button->text(), "詳細設定...");
    EXPECT_EQ(button->geometry(), QRect(184, 296, 129, 25));
    auto* rulingColor = child<QPushButton>(w, "Button7");
    rulingColor->setFocus(Qt::TabFocusReason);
    QTest::keyClick(rulingColor, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button);
    QTest::keyClick(button, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), rulingColor);
}

TEST(CalendarWindowResolution, TheConventionsButtonFollowsTheScreensResolution)
{
    // Run at 96 and, by CTest, at 120 dots per inch, where it grows by a quarter.
    CalendarWindow w(testServices());
    const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch());
    ASSERT_TRUE(dpi == 96 || dpi == 120) << dpi;
    auto* button = child<QPushButton>(w, "Button8");
    EXPECT_EQ(button->geometry(), dpi == 96 ? QRect(184, 296, 129, 25) : QRect(230, 370, 161, 31));
    EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width());
}

TEST(CalendarWindow, TheConventionsOpenOnTheDefaultsWithTheWindowsMonthAsTitleSamples)
{
    CalendarWindow w(testServices());
    w.show();
    showMonth(w, 2027, 3);
    QStringList samples;
    CalendarConventions shown;
    bool windowBlocked = false;
    whenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<CalendarConventionsDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        windowBlocked = QApplication::activeModalWidget() == dialog && dialog->isModal();
        for (int i = 0; i < 4; ++i)
            samples << dialog->findChild<RadioGroup*>("titleText")
                           ->findChild<QRadioButton*>(QStringLiteral("item%1").arg(i))
                           ->text();
        shown = dialog->editedConventions();
        dialog->reject();
    });
    QTest::mouseClick(child<QPushButton>(w, "Button8"), Qt::LeftButton);
    EXPECT_TRUE(windowBlocked);
    EXPECT_EQ(samples, QStringList({ "3", "2027年3月", "令和9年3月", "March 2027" }));
    EXPECT_EQ(shown, CalendarConventions {});
    EXPECT_EQ(shown.saturdayColor, blue);
    EXPECT_FALSE(shown.saturdayColored);
}

TEST(CalendarWindow, ConfirmedConventionsDrawFromTheNextMakeOn)
{
    CalendarWindow w(testServices());
    w.show();
    showMonth(w, 2027, 5); // Saturday the 1st; holidays Monday 3rd to Wednesday 5th
    const Picture before = make(w);
    editConventions(w, QDialogButtonBox::Ok);
    EXPECT_TRUE(child<PreviewImage>(w, "Image1")->picture().sharesBytesWith(before));

    const CalendarSettings s = w.settings();
    EXPECT_EQ(s.holidays, HolidayCalendar::Japan);
    EXPECT_EQ(s.saturdayColor, std::optional<TColor>(blue));
    EXPECT_EQ(s.firstWeekday, FirstWeekday::Monday);
    EXPECT_EQ(s.weekdayLabels, WeekdayLabels::Japanese);
    EXPECT_EQ(s.titleText, TitleText::EraMonth);

    const Picture after = make(w);
    std::map<QString, std::uint32_t> colorOf;
    QStringList order;
    for (const DrawnText& t : drawnTexts(after)) {
        order << t.text;
        colorOf.emplace(t.text, t.color);
    }
    EXPECT_TRUE(order.contains("令和9年5月")) << order.join(' ').toStdString();
    const QStringList labels { "月", "火", "水", "木", "金", "土", "日" };
    const qsizetype first = order.indexOf("月");
    ASSERT_GE(first, 0);
    EXPECT_EQ(order.mid(first, 7), labels);
    EXPECT_EQ(colorOf["日"], clRed);
    EXPECT_EQ(colorOf["土"], blue);
    for (const char* holiday : { "3", "4", "5", "2" }) // and Sunday the 2nd
        EXPECT_EQ(colorOf[holiday], clRed) << holiday;
    EXPECT_EQ(colorOf["1"], blue);
    EXPECT_NE(colorOf["6"], clRed);
    EXPECT_NE(colorOf["6"], blue);

    // The window's picture is the one the make command draws for those settings.
    QtTextMeasurer measurer;
    EXPECT_EQ(bytesOf(after), bytesOf(makeCalendar(s, measurer, fixtures::referenceScreen).picture));
}

TEST(CalendarWindow, CancelledConventionsChangeNothing)
{
    CalendarWindow w(testServices());
    w.show();
    showMonth(w, 2027, 5);
    const Picture before = make(w);
    editConventions(w, QDialogButtonBox::Cancel);
    const CalendarSettings s = w.settings();
    EXPECT_EQ(s.holidays, HolidayCalendar::None);
    EXPECT_EQ(s.saturdayColor, std::nullopt);
    EXPECT_EQ(s.firstWeekday, FirstWeekday::Sunday);
    EXPECT_EQ(s.weekdayLabels, WeekdayLabels::English);
    EXPECT_EQ(s.titleText, TitleText::Month);
    EXPECT_EQ(bytesOf(make(w)), bytesOf(before));
    const QStringList texts = [&] {
        QStringList t;
        for (const DrawnText& d : drawnTexts(before))
            t << d.text;
        return t;
    }();
    EXPECT_EQ(texts.mid(texts.indexOf("SUN"), 7), QStringList({ "SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT" }));
}
