// The weekday headings as drawn: in every locale each name fits inside its
// cell of the window's 153 x 113 calendar, clear of the lines between cells.

#include "window/controls/MonthCalendar.h"

#include "layout/FontSpec.h"
#include "picture/qt/Fonts.h"

#include <QImage>

#include <gtest/gtest.h>

using pluvane::MonthCalendar;

namespace {

// Where the columns of a 153-pixel grid meet: 153 * i / 7.
constexpr int columnEdges[] = { 0, 21, 43, 65, 87, 109, 131, 153 };
// The heading row of a 113-pixel grid: 0 to 113 / 7, exclusive.
constexpr int headingBottom = 16;

} // namespace

TEST(MonthCalendarHeading, EveryLocalesNamesFitTheirCells)
{
    const QLocale locales[] = { QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France), QLocale(QLocale::Russian, QLocale::Russia),
        QLocale(QLocale::Portuguese, QLocale::Brazil), QLocale(QLocale::Japanese, QLocale::Japan) };
    for (const QLocale& locale : locales) {
        SCOPED_TRACE(locale.name().toStdString());
        MonthCalendar calendar;
        calendar.setFont(pluvane::toQFont(pluvane::FontSpec {})); // the window's font, 12 pixels
        calendar.setLocale(locale);
        calendar.resize(153, 113);
        const QImage image = calendar.grab().toImage();
        ASSERT_EQ(image.size(), QSize(153, 113));
        const QRgb background = calendar.palette().button().color().rgb();

        for (int column = 0; column < 7; ++column) {
            SCOPED_TRACE(calendar.weekdayHeading(column).toStdString());
            const int left = columnEdges[column];
            const int right = columnEdges[column + 1] - 1;
            // The line between cells is drawn at a cell's left edge; the
            // pixel beside it on either side belongs to the background.
            int ink = 0;
            bool touches = false;
            for (int y = 1; y < headingBottom - 1; ++y) {
                for (int x = left; x <= right; ++x) {
                    const bool background_ = image.pixel(x, y) == background;
                    const bool atEdge = (column > 0 && x == left + 1) || (column == 0 && x == left) || x == right;
                    if (!background_ && atEdge)
                        touches = true;
                    if (!background_ && x > left)
                        ++ink;
                }
            }
            EXPECT_FALSE(touches) << "the heading runs into the next cell";
            EXPECT_GT(ink, 8) << "no heading drawn";
        }
    }
}
