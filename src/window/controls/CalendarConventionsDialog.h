#pragma once

#include "layout/CalendarSettings.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QPushButton;

namespace pluvane {

class ColorChooser;
class RadioGroup;

// The calendar conventions as the dialog holds them. The Saturday colour is
// kept while its check box is off, so ticking the box again brings it back.
struct CalendarConventions {
    HolidayCalendar holidays = HolidayCalendar::None;
    bool saturdayColored = false;
    TColor saturdayColor = rgbColor(0, 0, 255);
    FirstWeekday firstWeekday = FirstWeekday::Sunday;
    WeekdayLabels weekdayLabels = WeekdayLabels::English;
    TitleText titleText = TitleText::Month;

    // Writes the five conventions into a settings snapshot.
    void applyTo(CalendarSettings& settings) const;
    bool operator==(const CalendarConventions&) const = default;
};

// The window's dialog for the calendar conventions: Japan's holidays, a
// Saturday colour, the first weekday, the weekday labels and the title text.
//
// It holds the conventions it was last confirmed with, conventions(), which
// start at the defaults that draw the plain calendar. Every run() loads the
// editors from them and shows each title form as it would print for the
// given year and month; confirming stores the edited conventions, cancelling
// stores nothing. The Saturday colour is chosen with the window's shared
// colour dialog, which opens on the Saturday colour shown.
//
// The editors carry the object names "holidays", "saturday",
// "saturdayColor", "firstWeekday", "weekdayLabels", "titleText" and
// "buttons", so tests and accessibility tools can find them.
class CalendarConventionsDialog : public QDialog {
    Q_OBJECT

public:
    CalendarConventionsDialog(ColorChooser& colors, QWidget* parent = nullptr);

    const CalendarConventions& conventions() const { return m_conventions; }

    // Shows the dialog modally, its title samples made for the year and
    // title month of `current`; true when the user confirmed it.
    bool run(const CalendarSettings& current);

    // The conventions as the editors show them now, what confirming would store.
    CalendarConventions editedConventions() const;

    void accept() override;

private:
    void loadEditors();
    void showTitleSamples(const CalendarSettings& current);
    void showSaturdayColor();
    void chooseSaturdayColor();

    ColorChooser& m_colors;
    CalendarConventions m_conventions;
    TColor m_editedSaturdayColor = m_conventions.saturdayColor;

    QCheckBox* m_holidays;
    QCheckBox* m_saturday;
    QPushButton* m_saturdayColor;
    RadioGroup* m_firstWeekday;
    RadioGroup* m_weekdayLabels;
    RadioGroup* m_titleText;
    QDialogButtonBox* m_buttons;
};

} // namespace pluvane
