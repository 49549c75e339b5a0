#include "window/controls/MonthCalendar.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using pluvane::MonthCalendar;

namespace {

// Brings the calendar to a date through its one-part setters; day 1 first,
// since every month has it.
void putOn(MonthCalendar& calendar, QDate date)
{
    calendar.setDay(1);
    calendar.setYear(date.year());
    calendar.setMonth(date.month());
    calendar.setDay(date.day());
}

TEST(MonthCalendar, StartsOnTodaysLocalDate)
{
    const QDate before = QDate::currentDate();
    MonthCalendar calendar;
    const QDate after = QDate::currentDate();
    EXPECT_TRUE(calendar.date() == before || calendar.date() == after) << calendar.date().toString().toStdString();
}

TEST(MonthCalendar, ShowsTheChosenDayCutToTheLengthOfTheMonth)
{
    struct Step {
        char part; // 'y', 'm' or 'd'
        int value;
        QDate shown;
    };
    struct Row {
        QDate start;
        std::vector<Step> steps;
    };
    const Row rows[] = {
        { QDate(2024, 1, 31),
            { { 'm', 2, QDate(2024, 2, 29) }, { 'm', 3, QDate(2024, 3, 31) }, { 'm', 4, QDate(2024, 4, 30) },
                { 'm', 5, QDate(2024, 5, 31) } } },
        { QDate(2024, 2, 29), { { 'y', 2023, QDate(2023, 2, 28) }, { 'y', 2024, QDate(2024, 2, 29) } } },
        // Typing a year digit by digit passes through years that are not
        // leap years; the day survives them.
        { QDate(2016, 2, 29),
            { { 'y', 2, QDate(2, 2, 28) }, { 'y', 20, QDate(20, 2, 29) }, { 'y', 201, QDate(201, 2, 28) },
                { 'y', 2016, QDate(2016, 2, 29) } } },
        // A day set while the month is short becomes the chosen day.
        { QDate(2024, 1, 31),
            { { 'm', 2, QDate(2024, 2, 29) }, { 'd', 28, QDate(2024, 2, 28) }, { 'm', 3, QDate(2024, 3, 28) } } },
        { QDate(2023, 12, 31), { { 'y', 1900, QDate(1900, 12, 31) }, { 'm', 2, QDate(1900, 2, 28) } } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.start.toString(Qt::ISODate).toStdString());
        MonthCalendar calendar;
        putOn(calendar, row.start);
        ASSERT_EQ(calendar.date(), row.start);
        for (const Step& step : row.steps) {
            SCOPED_TRACE(std::string(1, step.part) + std::to_string(step.value));
            QSignalSpy changes(&calendar, &MonthCalendar::dateChanged);
            const QDate before = calendar.date();
            if (step.part == 'y')
                calendar.setYear(step.value);
            else if (step.part == 'm')
                calendar.setMonth(step.value);
            else
                calendar.setDay(step.value);
            EXPECT_EQ(calendar.date(), step.shown);
            EXPECT_EQ(calendar.year(), step.shown.year());
            EXPECT_EQ(calendar.month(), step.shown.month());
            EXPECT_EQ(calendar.day(), step.shown.day());
            EXPECT_EQ(changes.count(), before == step.shown ? 0 : 1);
        }
    }
}

TEST(MonthCalendar, IgnoresValuesOutOfRangeAndTheCurrentOne)
{
    struct Row {
        char part;
        int value;
    };
    const Row rows[] = { { 'y', 0 }, { 'y', -5 }, { 'y', 2024 }, { 'm', 0 }, { 'm', 13 }, { 'm', -1 }, { 'm', 2 },
        { 'd', 0 }, { 'd', 30 }, { 'd', 31 }, { 'd', 15 } };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(1, row.part) + std::to_string(row.value));
        MonthCalendar calendar;
        putOn(calendar, QDate(2024, 2, 15));
        QSignalSpy changes(&calendar, &MonthCalendar::dateChanged);
        if (row.part == 'y')
            calendar.setYear(row.value);
        else if (row.part == 'm')
            calendar.setMonth(row.value);
        else
            calendar.setDay(row.value);
        EXPECT_EQ(calendar.date(), QDate(2024, 2, 15));
        EXPECT_EQ(changes.count(), 0);
    }
}

TEST(MonthCalendar, PutsSundayInTheFirstColumnUnderTheLocalesShortNames)
{
    MonthCalendar calendar;
    calendar.resize(153, 113);
    calendar.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(calendar.weekdayHeading(0), QStringLiteral("Sun"));
    EXPECT_EQ(calendar.weekdayHeading(1), QStringLiteral("Mon"));
    EXPECT_EQ(calendar.weekdayHeading(6), QStringLiteral("Sat"));
    calendar.setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(calendar.weekdayHeading(0), QStringLiteral("日"));
    EXPECT_EQ(calendar.weekdayHeading(6), QStringLiteral("土"));

    // 1 September 2024 is a Sunday, 1 March 2024 a Friday.
    putOn(calendar, QDate(2024, 9, 1));
    const int firstColumnLeft = calendar.dayRect(1).left();
    EXPECT_EQ(firstColumnLeft, 0);
    EXPECT_EQ(calendar.dayRect(7).top(), calendar.dayRect(1).top());
    EXPECT_GT(calendar.dayRect(8).top(), calendar.dayRect(7).top());
    EXPECT_EQ(calendar.dayRect(8).left(), firstColumnLeft);
    putOn(calendar, QDate(2024, 3, 1));
    EXPECT_EQ(calendar.dayRect(3).left(), firstColumnLeft);
    EXPECT_GT(calendar.dayRect(3).top(), calendar.dayRect(2).top());
    EXPECT_TRUE(calendar.dayRect(32).isEmpty());
}

TEST(MonthCalendar, ClickingADayChangesOnlyTheDay)
{
    MonthCalendar calendar;
    calendar.resize(153, 113);
    calendar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&calendar));
    putOn(calendar, QDate(2024, 3, 10));
    QSignalSpy changes(&calendar, &MonthCalendar::dateChanged);

    QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.dayRect(20).center());
    EXPECT_EQ(calendar.date(), QDate(2024, 3, 20));
    EXPECT_EQ(changes.count(), 1);

    // The cells before the 1st, after the 31st and the heading are no days.
    const QPoint beforeFirst(calendar.dayRect(3).center().x(), calendar.dayRect(1).center().y());
    const QPoint afterLast(
        calendar.dayRect(30).center().x() + calendar.dayRect(30).width() * 2, calendar.dayRect(30).center().y());
    const QPoint heading(calendar.dayRect(1).center().x(), 2);
    for (const QPoint& point : { beforeFirst, afterLast, heading })
        QTest::mouseClick(&calendar, Qt::LeftButton, {}, point);
    EXPECT_EQ(calendar.date(), QDate(2024, 3, 20));
    EXPECT_EQ(changes.count(), 1);
}

TEST(MonthCalendar, ArrowKeysMoveThroughTheDaysOfTheMonthShown)
{
    struct Row {
        QDate start;
        Qt::Key key;
        QDate after;
    };
    const Row rows[] = {
        { QDate(2024, 3, 10), Qt::Key_Right, QDate(2024, 3, 11) },
        { QDate(2024, 3, 10), Qt::Key_Left, QDate(2024, 3, 9) },
        { QDate(2024, 3, 10), Qt::Key_Down, QDate(2024, 3, 17) },
        { QDate(2024, 3, 10), Qt::Key_Up, QDate(2024, 3, 3) },
        { QDate(2024, 3, 31), Qt::Key_Right, QDate(2024, 3, 31) },
        { QDate(2024, 3, 1), Qt::Key_Left, QDate(2024, 3, 1) },
        { QDate(2024, 3, 5), Qt::Key_Up, QDate(2024, 3, 5) },
        { QDate(2024, 3, 27), Qt::Key_Down, QDate(2024, 3, 27) },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.start.toString(Qt::ISODate).toStdString() + " key " + std::to_string(row.key));
        MonthCalendar calendar;
        putOn(calendar, row.start);
        QTest::keyClick(&calendar, row.key);
        EXPECT_EQ(calendar.date(), row.after);
    }
}

} // namespace
