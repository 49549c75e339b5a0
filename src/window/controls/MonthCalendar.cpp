#include "MonthCalendar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <array>

namespace pluvane {

namespace {

// A heading row and at most six weeks.
constexpr int rowCount = 7;
constexpr int columnCount = 7;
// A heading keeps this many pixels clear on each side of its cell, so the
// line between cells never crosses it.
constexpr int headingMargin = 2;
// Headings shrink no further than this before the locale's narrow names
// take their place.
constexpr int smallestHeadingPixels = 6;

} // namespace

MonthCalendar::MonthCalendar(QWidget* parent) : QWidget(parent)
{
    const QDate today = QDate::currentDate();
    m_year = today.year();
    m_month = today.month();
    m_chosenDay = today.day();
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

int MonthCalendar::daysInMonth() const
{
    return QDate(m_year, m_month, 1).daysInMonth();
}

int MonthCalendar::day() const
{
    return std::min(m_chosenDay, daysInMonth());
}

int MonthCalendar::firstColumn() const
{
    // QDate counts Monday as 1 and Sunday as 7; the grid starts on Sunday.
    return QDate(m_year, m_month, 1).dayOfWeek() % 7;
}

void MonthCalendar::rebuild(int year, int month, int chosenDay)
{
    const QDate before = date();
    m_year = year;
    m_month = month;
    m_chosenDay = chosenDay;
    update();
    if (date() != before)
        emit dateChanged(date());
}

void MonthCalendar::setYear(int year)
{
    if (year < 1 || year == m_year)
        return;
    rebuild(year, m_month, m_chosenDay);
}

void MonthCalendar::setMonth(int month)
{
    if (month < 1 || month > 12 || month == m_month)
        return;
    rebuild(m_year, month, m_chosenDay);
}

void MonthCalendar::setDay(int day)
{
    if (day < 1 || day > daysInMonth())
        return;
    // Setting the day shown again changes nothing visible, but it is still
    // the day now chosen: 29 February chosen that way stays the 29th in
    // March.
    rebuild(m_year, m_month, day);
}

QString MonthCalendar::weekdayName(int column, QLocale::FormatType format) const
{
    static const std::array<const char*, columnCount> fallback = { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat" };
    const int index = std::clamp(column, 0, columnCount - 1);
    // QLocale numbers the days from Monday (1) to Sunday (7).
    const QString name = locale().dayName(index == 0 ? 7 : index, format);
    return name.isEmpty() ? QString::fromLatin1(fallback[static_cast<std::size_t>(index)]) : name;
}

QString MonthCalendar::weekdayHeading(int column) const
{
    return headingLook().narrow ? weekdayName(column, QLocale::NarrowFormat) : weekdayName(column);
}

MonthCalendar::HeadingLook MonthCalendar::headingLook() const
{
    // The narrowest cell decides for all, so every heading has one size.
    const int room = width() / columnCount - 2 * headingMargin;
    const auto widest = [&](const QFont& font, QLocale::FormatType format) {
        const QFontMetrics metrics(font);
        int most = 0;
        for (int column = 0; column < columnCount; ++column)
            most = std::max(most, metrics.horizontalAdvance(weekdayName(column, format)));
        return most;
    };
    QFont font = this->font();
    if (room <= 0 || widest(font, QLocale::ShortFormat) <= room)
        return { font, false };
    // Some locales' short names (English "Wed", French "mer.") are wider than
    // a small cell at the window's font; a smaller size keeps them whole.
    for (int pixels = QFontInfo(font).pixelSize() - 1; pixels >= smallestHeadingPixels; --pixels) {
        font.setPixelSize(pixels);
        if (widest(font, QLocale::ShortFormat) <= room)
            return { font, false };
    }
    return { this->font(), true };
}

QRect MonthCalendar::cellRect(int row, int column) const
{
    // Cells share the width and height evenly; the remainder pixels go to
    // the leading cells so the grid always fills the widget.
    const auto edge = [](int total, int count, int i) { return total * i / count; };
    const int left = edge(width(), columnCount, column);
    const int top = edge(height(), rowCount, row);
    return QRect(
        QPoint(left, top), QPoint(edge(width(), columnCount, column + 1) - 1, edge(height(), rowCount, row + 1) - 1));
}

QRect MonthCalendar::dayRect(int day) const
{
    if (day < 1 || day > daysInMonth())
        return {};
    const int cell = firstColumn() + day - 1;
    return cellRect(1 + cell / columnCount, cell % columnCount);
}

int MonthCalendar::dayAt(QPoint position) const
{
    for (int d = 1; d <= daysInMonth(); ++d) {
        if (dayRect(d).contains(position))
            return d;
    }
    return 0;
}

QSize MonthCalendar::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    int cellWidth = metrics.horizontalAdvance(QStringLiteral("00"));
    for (int column = 0; column < columnCount; ++column)
        cellWidth = std::max(cellWidth, metrics.horizontalAdvance(weekdayName(column)) + 2 * headingMargin);
    return { columnCount * (cellWidth + 6), rowCount * (metrics.height() + 4) };
}

void MonthCalendar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colors = palette();

    const HeadingLook heading = headingLook();
    painter.setFont(heading.font);
    for (int column = 0; column < columnCount; ++column) {
        const QRect cell = cellRect(0, column);
        painter.fillRect(cell, colors.button());
        painter.setPen(colors.color(QPalette::ButtonText));
        painter.drawText(
            cell, Qt::AlignCenter, weekdayName(column, heading.narrow ? QLocale::NarrowFormat : QLocale::ShortFormat));
    }
    painter.setFont(font());

    const int shownDay = day();
    for (int d = 1; d <= daysInMonth(); ++d) {
        const QRect cell = dayRect(d);
        if (d == shownDay) {
            painter.fillRect(cell, colors.highlight());
            painter.setPen(colors.color(QPalette::HighlightedText));
        } else {
            painter.setPen(colors.color(QPalette::Text));
        }
        painter.drawText(cell, Qt::AlignCenter, QString::number(d));
    }

    painter.setPen(colors.color(QPalette::Mid));
    for (int row = 1; row < rowCount; ++row)
        painter.drawLine(0, cellRect(row, 0).top(), width() - 1, cellRect(row, 0).top());
    for (int column = 1; column < columnCount; ++column)
        painter.drawLine(cellRect(0, column).left(), 0, cellRect(0, column).left(), height() - 1);

    if (hasFocus()) {
        painter.setPen(QPen(colors.color(QPalette::Text), 1, Qt::DotLine));
        painter.drawRect(dayRect(shownDay).adjusted(1, 1, -2, -2));
    }
}

void MonthCalendar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Empty cells and the heading are not days; clicking them does nothing.
    if (const int clicked = dayAt(event->position().toPoint()))
        setDay(clicked);
}

void MonthCalendar::keyPressEvent(QKeyEvent* event)
{
    int offset = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        offset = -1;
        break;
    case Qt::Key_Right:
        offset = 1;
        break;
    case Qt::Key_Up:
        offset = -columnCount;
        break;
    case Qt::Key_Down:
        offset = columnCount;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    // The keys move only within the month shown; at its first or last week
    // they stop rather than turn the month.
    setDay(day() + offset);
}

void MonthCalendar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange || event->type() == QEvent::FontChange) {
        updateGeometry();
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace pluvane
