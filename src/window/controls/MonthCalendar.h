#pragma once

#include <QDate>
#include <QWidget>

namespace pluvane {

// A grid of one month's days, Sunday in the first column, under a row of the
// locale's short weekday names. It holds one date, starting on today's local
// date, whose year, month and day are set one part at a time.
//
// The calendar remembers the day last chosen (by a click, the arrow keys or
// setDay) apart from the month it shows, and shows that day cut to the length
// of the month: 31 January, then February 2024, shows 29 February, and March
// then shows 31 March again. A change of year or month therefore always
// succeeds and the month shown always follows the month set.
class MonthCalendar : public QWidget {
    Q_OBJECT

public:
    explicit MonthCalendar(QWidget* parent = nullptr);

    QDate date() const { return QDate(m_year, m_month, day()); }
    int year() const { return m_year; }
    int month() const { return m_month; }
    // The day shown: the chosen day cut to the length of the month.
    int day() const;

    // Each setter ignores a value below 1, setMonth also a month above 12
    // and setDay a day beyond the length of the month shown. Setting the
    // current value again changes nothing shown and signals nothing.
    void setYear(int year);
    void setMonth(int month);
    void setDay(int day);

    // The heading of a column, 0 for Sunday to 6 for Saturday: the locale's
    // short name, drawn smaller where it would not fit its cell at the
    // widget's font, or the narrow name where even 6 pixels are too large.
    QString weekdayHeading(int column) const;
    // Where a day of the month shown is drawn, in widget coordinates; an
    // empty rectangle for a day the month lacks.
    QRect dayRect(int day) const;

    QSize sizeHint() const override;

signals:
    void dateChanged(QDate date);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct HeadingLook {
        QFont font;
        bool narrow; // the locale's narrow names in place of the short ones
    };

    int daysInMonth() const;
    QString weekdayName(int column, QLocale::FormatType format = QLocale::ShortFormat) const;
    HeadingLook headingLook() const;
    int firstColumn() const;
    QRect cellRect(int row, int column) const;
    int dayAt(QPoint position) const;
    // Replaces the held date by one part at a time, signalling when the
    // date shown changes.
    void rebuild(int year, int month, int chosenDay);

    int m_year;
    int m_month;
    int m_chosenDay;
};

} // namespace pluvane
