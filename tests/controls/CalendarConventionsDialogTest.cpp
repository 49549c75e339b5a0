#include "window/controls/CalendarConventionsDialog.h"
#include "window/controls/ColorChooser.h"
#include "window/controls/RadioGroup.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace pluvane;

namespace {

constexpr TColor blue = 0xFF0000; // 0x00BBGGRR

template <class T> T* editor(const QWidget& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QStringList itemCaptions(const QWidget& dialog, const char* group)
{
    QStringList captions;
    for (int i = 0;; ++i) {
        auto* item = editor<RadioGroup>(dialog, group)->findChild<QRadioButton*>(QStringLiteral("item%1").arg(i));
        if (!item)
            return captions;
        captions << item->text();
    }
}

CalendarSettings monthOf(int year, int month)
{
    CalendarSettings s;
    s.year = year;
    s.month = month;
    s.titlemonth = month;
    return s;
}

// Runs the dialog, acting on it from inside its event loop as the user would.
bool runAndThen(CalendarConventionsDialog& dialog, const CalendarSettings& current,
    const std::function<void(CalendarConventionsDialog&)>& act)
{
    bool acted = false;
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(dialog.isVisible());
        act(dialog);
        acted = true;
    });
    const bool confirmed = dialog.run(current);
    EXPECT_TRUE(acted);
    return confirmed;
}

// Clicks a check box on its indicator, which sits at its left whatever its width.
void tick(const QWidget& dialog, const char* name)
{
    auto* box = editor<QCheckBox>(dialog, name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

void clickButton(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(editor<QDialogButtonBox>(dialog, "buttons")->button(which), Qt::LeftButton);
}

// Sets every editor away from its default: holidays, a Saturday colour,
// Monday first, Japanese labels and the era title.
void editEverything(CalendarConventionsDialog& d)
{
    tick(d, "holidays");
    tick(d, "saturday");
    editor<RadioGroup>(d, "firstWeekday")->setItemIndex(1);
    editor<RadioGroup>(d, "weekdayLabels")->setItemIndex(1);
    editor<RadioGroup>(d, "titleText")->setItemIndex(2);
}

TEST(CalendarConventionsDialog, OffersTheFiveSettingsStartingOnTheDefaults)
{
    ColorChooser colors;
    CalendarConventionsDialog dialog(colors);
    EXPECT_EQ(dialog.windowTitle(), "詳細設定");
    EXPECT_EQ(dialog.conventions(), CalendarConventions {});
    EXPECT_EQ(dialog.conventions().saturdayColor, blue);
    EXPECT_FALSE(editor<QCheckBox>(dialog, "holidays")->isChecked());
    EXPECT_FALSE(editor<QCheckBox>(dialog, "saturday")->isChecked());
    EXPECT_FALSE(editor<QPushButton>(dialog, "saturdayColor")->isEnabled());
    EXPECT_EQ(itemCaptions(dialog, "firstWeekday"), QStringList({ "日曜", "月曜" }));
    EXPECT_EQ(itemCaptions(dialog, "weekdayLabels"), QStringList({ "SUN–SAT", "日–土" }));
    for (const char* group : { "firstWeekday", "weekdayLabels", "titleText" })
        EXPECT_EQ(editor<RadioGroup>(dialog, group)->itemIndex(), 0) << group;

    // Nothing ticked or chosen: the snapshot draws the plain calendar.
    CalendarSettings s = monthOf(2027, 3);
    dialog.conventions().applyTo(s);
    EXPECT_EQ(s.holidays, HolidayCalendar::None);
    EXPECT_EQ(s.saturdayColor, std::nullopt);
    EXPECT_EQ(s.firstWeekday, FirstWeekday::Sunday);
    EXPECT_EQ(s.weekdayLabels, WeekdayLabels::English);
    EXPECT_EQ(s.titleText, TitleText::Month);
}

TEST(CalendarConventionsDialog, ShowsEachTitleFormForTheMonthItOpensOn)
{
    struct Case {
        int year, month;
        QStringList samples;
    };
    const Case cases[] = {
        { 2027, 3, { "3", "2027年3月", "令和9年3月", "March 2027" } },
        { 2019, 4, { "4", "2019年4月", "平成31年4月", "April 2019" } },
        { 2019, 5, { "5", "2019年5月", "令和元年5月", "May 2019" } },
    };
    ColorChooser colors;
    CalendarConventionsDialog dialog(colors);
    for (const Case& c : cases) {
        QStringList shown;
        runAndThen(dialog, monthOf(c.year, c.month), [&](CalendarConventionsDialog& d) {
            shown = itemCaptions(d, "titleText");
            d.reject();
        });
        EXPECT_EQ(shown, c.samples) << c.year << "-" << c.month;
    }
}

TEST(CalendarConventionsDialog, OkStoresTheEditsAndTheSnapshotCarriesThem)
{
    ColorChooser colors;
    CalendarConventionsDialog dialog(colors);
    EXPECT_TRUE(runAndThen(dialog, monthOf(2027, 3), [](CalendarConventionsDialog& d) {
        editEverything(d);
        clickButton(d, QDialogButtonBox::Ok);
    }));
    CalendarSettings s = monthOf(2027, 3);
    dialog.conventions().applyTo(s);
    EXPECT_EQ(s.holidays, HolidayCalendar::Japan);
    EXPECT_EQ(s.saturdayColor, std::optional<TColor>(blue));
    EXPECT_EQ(s.firstWeekday, FirstWeekday::Monday);
    EXPECT_EQ(s.weekdayLabels, WeekdayLabels::Japanese);
    EXPECT_EQ(s.titleText, TitleText::EraMonth);

    // The next opening shows what was stored.
    runAndThen(dialog, monthOf(2027, 3), [](CalendarConventionsDialog& d) {
        EXPECT_TRUE(editor<QCheckBox>(d, "holidays")->isChecked());
        EXPECT_TRUE(editor<QPushButton>(d, "saturdayColor")->isEnabled());
        EXPECT_EQ(editor<RadioGroup>(d, "titleText")->itemIndex(), 2);
        d.reject();
    });
}

TEST(CalendarConventionsDialog, CancelStoresNothingAndTheNextOpeningForgetsTheEdits)
{
    ColorChooser colors;
    CalendarConventionsDialog dialog(colors);
    EXPECT_FALSE(runAndThen(dialog, monthOf(2027, 3), [](CalendarConventionsDialog& d) {
        editEverything(d);
        EXPECT_NE(d.editedConventions(), CalendarConventions {});
        clickButton(d, QDialogButtonBox::Cancel);
    }));
    EXPECT_EQ(dialog.conventions(), CalendarConventions {});
    runAndThen(dialog, monthOf(2027, 3), [](CalendarConventionsDialog& d) {
        EXPECT_EQ(d.editedConventions(), CalendarConventions {});
        EXPECT_FALSE(editor<QPushButton>(d, "saturdayColor")->isEnabled());
        d.reject();
    });
}

TEST(CalendarConventionsDialog, TheSaturdayColourComesFromTheSharedColourDialogOpenedOnBlue)
{
    ColorChooser colors;
    colors.setColor(clRed); // what another button confirmed last
    CalendarConventionsDialog dialog(colors);
    QColor openedOn;
    auto pick = [&](const QColor& color, bool confirm) {
        QTimer::singleShot(0, colors.dialog(), [&, color, confirm] {
            openedOn = colors.dialog()->currentColor();
            colors.dialog()->setCurrentColor(color);
            confirm ? colors.dialog()->accept() : colors.dialog()->reject();
        });
    };
    EXPECT_TRUE(runAndThen(dialog, monthOf(2027, 3), [&](CalendarConventionsDialog& d) {
        tick(d, "saturday");
        pick(QColor(0, 128, 0), false);
        QTest::mouseClick(editor<QPushButton>(d, "saturdayColor"), Qt::LeftButton);
        EXPECT_EQ(openedOn, QColor(0, 0, 255));
        EXPECT_EQ(d.editedConventions().saturdayColor, blue);
        // A cancelled choice leaves the other buttons' colour alone.
        EXPECT_EQ(colors.color(), clRed);

        pick(QColor(0, 128, 0), true);
        QTest::mouseClick(editor<QPushButton>(d, "saturdayColor"), Qt::LeftButton);
        EXPECT_EQ(openedOn, QColor(0, 0, 255));
        clickButton(d, QDialogButtonBox::Ok);
    }));
    CalendarSettings s;
    dialog.conventions().applyTo(s);
    EXPECT_EQ(s.saturdayColor, std::optional<TColor>(rgbColor(0, 128, 0)));
    EXPECT_EQ(colors.color(), rgbColor(0, 128, 0));

    // Unticked, the colour is kept for the next tick but not drawn.
    EXPECT_TRUE(runAndThen(dialog, monthOf(2027, 3), [&](CalendarConventionsDialog& d) {
        tick(d, "saturday");
        EXPECT_FALSE(editor<QPushButton>(d, "saturdayColor")->isEnabled());
        clickButton(d, QDialogButtonBox::Ok);
    }));
    dialog.conventions().applyTo(s);
    EXPECT_EQ(s.saturdayColor, std::nullopt);
    EXPECT_EQ(dialog.conventions().saturdayColor, rgbColor(0, 128, 0));
}

} // namespace
