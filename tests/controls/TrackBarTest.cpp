#include "window/controls/TrackBar.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

using pluvane::TrackBar;

namespace {

// A shown bar of the window's size that records the position at every
// changed().
class ShownTrackBar {
public:
    ShownTrackBar(int minimum, int maximum, int position) : bar(minimum, maximum, position)
    {
        QObject::connect(&bar, &TrackBar::changed, &bar, [this] { reported.push_back(bar.position()); });
        bar.resize(177, 25);
        bar.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&bar));
    }

    QRect handle() const
    {
        QStyleOptionSlider option;
        option.initFrom(&bar);
        option.orientation = Qt::Horizontal;
        option.minimum = bar.minimum();
        option.maximum = bar.maximum();
        option.sliderPosition = bar.position();
        option.sliderValue = bar.position();
        option.tickPosition = bar.tickPosition();
        option.tickInterval = bar.tickInterval();
        option.singleStep = bar.singleStep();
        option.pageStep = bar.pageStep();
        option.subControls = QStyle::SC_All;
        return bar.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &bar);
    }

    TrackBar bar;
    std::vector<int> reported;
};

TEST(TrackBar, HasTheWindowsRangesTicksAndSteps)
{
    TrackBar bar(2, 100, 10);
    EXPECT_EQ(bar.minimum(), 2);
    EXPECT_EQ(bar.maximum(), 100);
    EXPECT_EQ(bar.position(), 10);
    EXPECT_EQ(bar.orientation(), Qt::Horizontal);
    EXPECT_EQ(bar.tickPosition(), QSlider::TicksBelow);
    EXPECT_EQ(bar.tickInterval(), 1);
}

TEST(TrackBar, CodeAndCreationReportNothing)
{
    ShownTrackBar shown(1, 100, 10);
    shown.bar.setPosition(25);
    shown.bar.setPosition(100);
    shown.bar.setPosition(500);
    EXPECT_EQ(shown.bar.position(), 100);
    EXPECT_TRUE(shown.reported.empty());
}

TEST(TrackBar, KeysStepAndReportEveryPressAlsoAtTheBounds)
{
    struct Row {
        int minimum;
        int position;
        Qt::Key key;
        int after;
    };
    const Row rows[] = {
        { 2, 10, Qt::Key_Right, 11 },
        { 2, 10, Qt::Key_Left, 9 },
        { 2, 10, Qt::Key_PageUp, 12 },
        { 2, 10, Qt::Key_PageDown, 8 },
        { 2, 100, Qt::Key_Right, 100 },
        { 20, 20, Qt::Key_Left, 20 },
        { 20, 99, Qt::Key_PageUp, 100 },
        { 20, 100, Qt::Key_PageUp, 100 },
        { 20, 21, Qt::Key_PageDown, 20 },
        { 20, 20, Qt::Key_PageDown, 20 },
        { 1, 1, Qt::Key_Left, 1 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.position) + " key " + std::to_string(row.key));
        ShownTrackBar shown(row.minimum, 100, row.position);
        QTest::keyClick(&shown.bar, row.key);
        EXPECT_EQ(shown.bar.position(), row.after);
        // One report, made once the new position is in place.
        EXPECT_EQ(shown.reported, std::vector<int> { row.after });
    }
}

TEST(TrackBar, AClickInTheChannelStepsTwoTowardTheClick)
{
    struct Row {
        int position;
        bool rightOfHandle;
        int after;
    };
    const Row rows[] = { { 10, true, 12 }, { 10, false, 8 }, { 99, true, 100 } };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.position);
        ShownTrackBar shown(2, 100, row.position);
        const QRect handle = shown.handle();
        const int x = row.rightOfHandle ? (handle.right() + shown.bar.width()) / 2 : handle.left() / 2;
        ASSERT_FALSE(handle.contains(x, handle.center().y()));

        QTest::mouseClick(&shown.bar, Qt::LeftButton, {}, QPoint(x, handle.center().y()));

        EXPECT_EQ(shown.bar.position(), row.after);
        ASSERT_FALSE(shown.reported.empty());
        EXPECT_EQ(shown.reported.front(), row.after);
        EXPECT_EQ(shown.reported.back(), row.after);
    }
}

TEST(TrackBar, DraggingTheHandleReportsTheMovesAndTheEnd)
{
    ShownTrackBar shown(2, 100, 10);
    const QPoint start = shown.handle().center();
    QTest::mousePress(&shown.bar, Qt::LeftButton, {}, start);
    EXPECT_TRUE(shown.reported.empty());
    QTest::mouseMove(&shown.bar, QPoint(shown.bar.width() - 2, start.y()));
    QTest::mouseRelease(&shown.bar, Qt::LeftButton, {}, QPoint(shown.bar.width() - 2, start.y()));

    EXPECT_EQ(shown.bar.position(), 100);
    ASSERT_GE(shown.reported.size(), 2u);
    EXPECT_EQ(shown.reported.back(), 100);
}

} // namespace
