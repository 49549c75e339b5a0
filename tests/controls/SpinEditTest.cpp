#include "window/controls/SpinEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using pluvane::SpinEdit;

namespace {

// A shown, active window holding the box and one more control to move the
// focus to, as the main window does.
class SpinEditWindow {
public:
    SpinEditWindow(int minimum, int maximum, int maxLength)
        : spin(new SpinEdit(minimum, maximum, maxLength, &window))
        , other(new QLineEdit(&window))
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(spin);
        layout->addWidget(other);
        text = spin->findChild<QLineEdit*>(QStringLiteral("text"));
        up = spin->findChild<QToolButton*>(QStringLiteral("up"));
        down = spin->findChild<QToolButton*>(QStringLiteral("down"));
        QObject::connect(spin, &SpinEdit::changed, spin, [this] {
            values.push_back(spin->value());
            texts.push_back(spin->text());
        });
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        spin->setFocus(Qt::TabFocusReason);
    }

    // Replaces the whole text by typing over it, then forgets the changes
    // that made it.
    void typeOver(const QString& typed)
    {
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        if (typed.isEmpty())
            QTest::keyClick(text, Qt::Key_Backspace);
        else
            QTest::keyClicks(text, typed);
        values.clear();
        texts.clear();
    }

    void leave() { other->setFocus(Qt::TabFocusReason); }

    QWidget window;
    SpinEdit* spin;
    QLineEdit* other;
    QLineEdit* text = nullptr;
    QToolButton* up = nullptr;
    QToolButton* down = nullptr;
    std::vector<int> values;
    QStringList texts;
};

TEST(SpinEdit, TypingOverTheSelectedYearReportsEveryPrefix)
{
    SpinEditWindow w(1900, 2500, 4);
    w.spin->setValue(1998);
    w.values.clear();

    QTest::keyClick(w.text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w.text, QStringLiteral("2015"));

    EXPECT_EQ(w.values, (std::vector<int> { 2, 20, 201, 2015 }));
    EXPECT_EQ(w.spin->text(), QStringLiteral("2015"));
}

TEST(SpinEdit, ValueReadsTheTypedIntegerUnclampedOrTheMinimum)
{
    struct Row {
        int minimum, maximum;
        const char* text;
        int value;
    };
    const Row rows[] = {
        { 1900, 2500, "3000", 3000 },
        { 1900, 2500, "2", 2 },
        { 1, 12, "13", 13 },
        { 1, 12, "-5", -5 },
        { 1, 12, "+7", 7 },
        { 1, 12, "007", 7 },
        { 1, 12, "", 1 },
        { 1, 12, "-", 1 },
        { 1, 12, "+", 1 },
        { 1, 12, "1.5", 1 },
        { 1, 12, "ab", 1 },
        { 1900, 2500, "1 2", 1900 },
        { 1900, 2500, "+-1", 1900 },
        { 1900, 2500, " 12", 1900 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        SpinEdit spin(row.minimum, row.maximum, 4);
        // Sets the text as a paste would, without the key filter.
        spin.findChild<QLineEdit*>(QStringLiteral("text"))->setText(QString::fromLatin1(row.text));
        EXPECT_EQ(spin.value(), row.value);
    }
}

TEST(SpinEdit, LeavingRewritesAnOutOfRangeIntegerAsTheNearerBound)
{
    struct Row {
        int minimum, maximum;
        const char* typed;
        const char* afterLeaving;
    };
    const Row rows[] = {
        { 1900, 2500, "1850", "1900" },
        { 1900, 2500, "3000", "2500" },
        { 1900, 2500, "-1", "1900" },
        { 1, 12, "13", "12" },
        { 1, 12, "0", "1" },
        { 1, 12, "", "" },
        { 1, 12, "-", "-" },
        { 1, 12, "+", "+" },
        { 1, 12, "+7", "+7" },
        { 1, 12, "07", "07" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        SpinEditWindow w(row.minimum, row.maximum, 4);
        w.typeOver(QString::fromLatin1(row.typed));

        w.leave();

        const QString expected = QString::fromLatin1(row.afterLeaving);
        EXPECT_EQ(w.spin->text(), expected);
        // Only a rewrite is a change of the text.
        const QStringList expectedChanges
            = expected == QLatin1String(row.typed) ? QStringList {} : QStringList { expected };
        EXPECT_EQ(w.texts, expectedChanges);
    }
}

TEST(SpinEdit, LeavingWith1850RewritesTheYearTo1900AndReportsIt)
{
    SpinEditWindow w(1900, 2500, 4);
    w.typeOver(QStringLiteral("1850"));
    EXPECT_EQ(w.spin->value(), 1850);

    w.leave();

    EXPECT_EQ(w.values, std::vector<int> { 1900 });
}

TEST(SpinEdit, AnEmptiedMonthReadsOneStaysEmptyAndStepsUpToTwo)
{
    SpinEditWindow w(1, 12, 2);
    w.spin->setValue(7);
    w.typeOver(QString());
    EXPECT_EQ(w.spin->text(), QString());
    EXPECT_EQ(w.spin->value(), 1);

    w.leave();
    EXPECT_EQ(w.spin->text(), QString());

    QTest::mouseClick(w.up, Qt::LeftButton);
    EXPECT_EQ(w.spin->text(), QStringLiteral("2"));
    EXPECT_EQ(w.values, std::vector<int> { 2 });
}

TEST(SpinEdit, StepsByOneStopAtTheBoundsAndReportOnlyRealChanges)
{
    struct Row {
        int minimum, maximum;
        const char* start;
        int direction;
        const char* after;
    };
    const Row rows[] = {
        { 1900, 2500, "2499", +1, "2500" },
        { 1900, 2500, "2500", +1, "2500" },
        { 1900, 2500, "1900", -1, "1900" },
        { 1900, 2500, "1901", -1, "1900" },
        { 1, 12, "", +1, "2" },
        { 1, 12, "", -1, "1" },
        { 1, 12, "-", +1, "2" },
        { 1, 12, "13", -1, "12" },
        { 1, 12, "12", +1, "12" },
        { 1, 12, "1", -1, "1" },
        { 1, 12, "0", +1, "1" },
    };
    enum class Input { Button, ArrowKey };
    for (const Input input : { Input::Button, Input::ArrowKey }) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.start) + (row.direction > 0 ? " up" : " down")
                + (input == Input::Button ? " by button" : " by key"));
            SpinEditWindow w(row.minimum, row.maximum, 4);
            w.typeOver(QString::fromLatin1(row.start));

            if (input == Input::Button)
                QTest::mouseClick(row.direction > 0 ? w.up : w.down, Qt::LeftButton);
            else
                QTest::keyClick(w.text, row.direction > 0 ? Qt::Key_Up : Qt::Key_Down);

            const QString after = QString::fromLatin1(row.after);
            EXPECT_EQ(w.spin->text(), after);
            EXPECT_EQ(w.texts, after == QLatin1String(row.start) ? QStringList {} : QStringList { after });
        }
    }
}

TEST(SpinEdit, HoldingTheUpButtonAt2499StopsAt2500WithOneChange)
{
    SpinEditWindow w(1900, 2500, 4);
    w.spin->setValue(2499);
    w.values.clear();

    // Each click stands for one repeat of a held button.
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(w.up, Qt::LeftButton);

    EXPECT_EQ(w.spin->text(), QStringLiteral("2500"));
    EXPECT_EQ(w.values, std::vector<int> { 2500 });
}

TEST(SpinEdit, APressStepsAtOnceAndAShortHoldGivesNoMoreOnRelease)
{
    SpinEditWindow w(1, 12, 2);
    w.spin->setValue(1);
    w.values.clear();
    for (const auto& [button, expected] : { std::pair { w.up, 2 }, std::pair { w.down, 1 } }) {
        QTest::mousePress(button, Qt::LeftButton);
        EXPECT_EQ(w.spin->value(), expected) << "no step on the press";
        // 150 ms is well inside the 400 ms before the first repeat, which a
        // busy machine can only delay.
        QTest::qWait(150);
        EXPECT_EQ(w.spin->value(), expected);
        QTest::mouseRelease(button, Qt::LeftButton);
        EXPECT_EQ(w.spin->value(), expected) << "the release stepped";
    }
    EXPECT_EQ(w.values, (std::vector<int> { 2, 1 }));
}

TEST(SpinEdit, AHeldButtonRepeatsAfter400MsThenEvery100Ms)
{
    SpinEditWindow w(1900, 2500, 4);
    w.spin->setValue(1900);
    QElapsedTimer clock;
    std::vector<qint64> stepTimes;
    QObject::connect(w.spin, &SpinEdit::changed, w.spin, [&] { stepTimes.push_back(clock.elapsed()); });

    clock.start();
    QTest::mousePress(w.up, Qt::LeftButton);
    // The wait is generous so a busy machine does not matter.
    EXPECT_TRUE(QTest::qWaitFor([&] { return stepTimes.size() >= 4; }, 10000));
    QTest::mouseRelease(w.up, Qt::LeftButton);
    const int released = w.spin->value();
    QTest::qWait(300);
    EXPECT_EQ(w.spin->value(), released);

    ASSERT_GE(stepTimes.size(), 4u);
    EXPECT_LT(stepTimes[0], 50) << "the press did not step at once";
    // The first repeat comes 400 ms after the press, the next ones 100 ms
    // apart; Qt's coarse timers may fire up to 5 % early, never more.
    EXPECT_GE(stepTimes[1] - stepTimes[0], 375);
    for (std::size_t i = 2; i < stepTimes.size(); ++i) {
        EXPECT_GE(stepTimes[i] - stepTimes[i - 1], 90) << i;
        EXPECT_LT(stepTimes[i] - stepTimes[i - 1], 375) << i << ": repeats come every 100 ms, not every 400";
    }
}

TEST(SpinEdit, RefusesEnterAndOtherCharactersWithABeepKeepingTheText)
{
    struct Row {
        Qt::Key key;
        char text;
    };
    const Row rows[] = { { Qt::Key_Return, '\r' }, { Qt::Key_Enter, '\r' }, { Qt::Key_A, 'a' }, { Qt::Key_Space, ' ' },
        { Qt::Key_Asterisk, '*' }, { Qt::Key_E, 'e' } };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        SpinEditWindow w(1900, 2500, 4);
        w.spin->setValue(2001);
        QTest::keyClick(w.text, Qt::Key_End);
        QTest::keyClick(w.text, Qt::Key_Backspace);
        w.texts.clear();
        QSignalSpy refused(w.spin, &SpinEdit::keyRefused);

        QTest::keyClick(w.text, row.key, Qt::NoModifier);
        QTest::keyClick(w.text, row.text);

        EXPECT_EQ(w.spin->text(), QStringLiteral("200"));
        EXPECT_EQ(refused.count(), 2);
        EXPECT_TRUE(w.texts.isEmpty());
    }
}

TEST(SpinEdit, AcceptsDigitsSignsTheLocaleDecimalSeparatorAndEditingKeys)
{
    SpinEditWindow w(1, 12, 4);
    w.spin->setLocale(QLocale(QLocale::German, QLocale::Germany));
    w.typeOver(QString());
    QSignalSpy refused(w.spin, &SpinEdit::keyRefused);

    QTest::keyClicks(w.text, QStringLiteral("+1,5"));
    EXPECT_EQ(w.spin->text(), QStringLiteral("+1,5"));
    QTest::keyClick(w.text, Qt::Key_Backspace);
    QTest::keyClick(w.text, Qt::Key_Home);
    QTest::keyClick(w.text, Qt::Key_Delete);
    QTest::keyClick(w.text, '-');
    EXPECT_EQ(w.spin->text(), QStringLiteral("-1,"));
    EXPECT_EQ(refused.count(), 0);

    // The separator of another locale is a letter like any other.
    QTest::keyClick(w.text, '.');
    EXPECT_EQ(w.spin->text(), QStringLiteral("-1,"));
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(w.spin->value(), 1);
}

TEST(SpinEdit, TypingAndPastingStopAtTheMaximumLength)
{
    SpinEditWindow month(1, 12, 2);
    month.typeOver(QStringLiteral("123"));
    EXPECT_EQ(month.spin->text(), QStringLiteral("12"));

    SpinEditWindow year(1900, 2500, 4);
    year.spin->setValue(2000);
    year.values.clear();
    QApplication::clipboard()->setText(QStringLiteral("98765"));
    QTest::keyClick(year.text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(year.text, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(year.spin->text(), QStringLiteral("9876"));
    EXPECT_EQ(year.values, std::vector<int> { 9876 });
}

TEST(SpinEdit, SetValueClampsAndReportsChangesBeforeTheBoxIsShown)
{
    SpinEdit spin(1900, 2500, 4);
    QStringList texts;
    QObject::connect(&spin, &SpinEdit::changed, &spin, [&] { texts.push_back(spin.text()); });
    ASSERT_FALSE(spin.isVisible());

    spin.setValue(2024);
    spin.setValue(3000);
    spin.setValue(2500);
    spin.setValue(12);

    EXPECT_EQ(texts, (QStringList { QStringLiteral("2024"), QStringLiteral("2500"), QStringLiteral("1900") }));
    EXPECT_EQ(spin.value(), 1900);
}

} // namespace
