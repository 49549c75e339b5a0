#include "CalendarConventionsDialog.h"

#include "ColorChooser.h"
#include "RadioGroup.h"
#include "layout/CalendarTitle.h"
#include "picture/qt/SystemColors.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <iterator>

namespace pluvane {

namespace {

// The title forms in the order the dialog lists them.
constexpr TitleText titleForms[] = { TitleText::Month, TitleText::YearMonth, TitleText::EraMonth, TitleText::English };

int titleIndex(TitleText text)
{
    for (std::size_t i = 0; i < std::size(titleForms); ++i)
        if (titleForms[i] == text)
            return static_cast<int>(i);
    return 0;
}

} // namespace

void CalendarConventions::applyTo(CalendarSettings& settings) const
{
    settings.holidays = holidays;
    settings.saturdayColor = saturdayColored ? std::optional<TColor>(saturdayColor) : std::nullopt;
    settings.firstWeekday = firstWeekday;
    settings.weekdayLabels = weekdayLabels;
    settings.titleText = titleText;
}

CalendarConventionsDialog::CalendarConventionsDialog(ColorChooser& colors, QWidget* parent)
    : QDialog(parent)
    , m_colors(colors)
    , m_holidays(new QCheckBox(QStringLiteral("日本の祝日を赤で表示"), this))
    , m_saturday(new QCheckBox(QStringLiteral("土曜日に色を付ける"), this))
    , m_saturdayColor(new QPushButton(QStringLiteral("色..."), this))
    , m_firstWeekday(
          new RadioGroup(QStringLiteral("週の始まり"), { QStringLiteral("日曜"), QStringLiteral("月曜") }, 0, this))
    , m_weekdayLabels(
          new RadioGroup(QStringLiteral("曜日の表記"), { QStringLiteral("SUN–SAT"), QStringLiteral("日–土") }, 0, this))
    // The captions are the title samples, made on every opening.
    , m_titleText(new RadioGroup(QStringLiteral("月の表記"), { QString(), QString(), QString(), QString() }, 0, this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("ConventionsDialog1"));
    setWindowTitle(QStringLiteral("詳細設定"));

    m_holidays->setObjectName(QStringLiteral("holidays"));
    m_saturday->setObjectName(QStringLiteral("saturday"));
    m_saturdayColor->setObjectName(QStringLiteral("saturdayColor"));
    m_firstWeekday->setObjectName(QStringLiteral("firstWeekday"));
    m_weekdayLabels->setObjectName(QStringLiteral("weekdayLabels"));
    m_titleText->setObjectName(QStringLiteral("titleText"));
    m_buttons->setObjectName(QStringLiteral("buttons"));

    auto* saturdayRow = new QHBoxLayout;
    saturdayRow->addWidget(m_saturday);
    saturdayRow->addWidget(m_saturdayColor);
    saturdayRow->addStretch();

    auto* choices = new QHBoxLayout;
    choices->addWidget(m_firstWeekday);
    choices->addWidget(m_weekdayLabels);
    choices->addWidget(m_titleText);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_holidays);
    layout->addLayout(saturdayRow);
    layout->addLayout(choices);
    layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &CalendarConventionsDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CalendarConventionsDialog::reject);
    // The colour matters only with the box ticked, so only then can it be chosen.
    connect(m_saturday, &QCheckBox::toggled, m_saturdayColor, &QWidget::setEnabled);
    connect(m_saturdayColor, &QPushButton::clicked, this, &CalendarConventionsDialog::chooseSaturdayColor);

    showTitleSamples(CalendarSettings {});
    loadEditors();
}

bool CalendarConventionsDialog::run(const CalendarSettings& current)
{
    showTitleSamples(current);
    loadEditors();
    return exec() == QDialog::Accepted;
}

void CalendarConventionsDialog::showTitleSamples(const CalendarSettings& current)
{
    CalendarSettings sample = current;
    for (std::size_t i = 0; i < std::size(titleForms); ++i) {
        sample.titleText = titleForms[i];
        auto* item = m_titleText->findChild<QRadioButton*>(QStringLiteral("item%1").arg(i));
        item->setText(QString::fromStdString(calendarTitle(sample)));
    }
}

void CalendarConventionsDialog::loadEditors()
{
    const CalendarConventions& c = m_conventions;
    m_holidays->setChecked(c.holidays == HolidayCalendar::Japan);
    m_saturday->setChecked(c.saturdayColored);
    m_saturdayColor->setEnabled(c.saturdayColored);
    m_editedSaturdayColor = c.saturdayColor;
    showSaturdayColor();
    m_firstWeekday->setItemIndex(c.firstWeekday == FirstWeekday::Monday ? 1 : 0);
    m_weekdayLabels->setItemIndex(c.weekdayLabels == WeekdayLabels::Japanese ? 1 : 0);
    m_titleText->setItemIndex(titleIndex(c.titleText));
    m_holidays->setFocus();
}

CalendarConventions CalendarConventionsDialog::editedConventions() const
{
    CalendarConventions c;
    c.holidays = m_holidays->isChecked() ? HolidayCalendar::Japan : HolidayCalendar::None;
    c.saturdayColored = m_saturday->isChecked();
    c.saturdayColor = m_editedSaturdayColor;
    c.firstWeekday = m_firstWeekday->itemIndex() == 1 ? FirstWeekday::Monday : FirstWeekday::Sunday;
    c.weekdayLabels = m_weekdayLabels->itemIndex() == 1 ? WeekdayLabels::Japanese : WeekdayLabels::English;
    const int title = m_titleText->itemIndex();
    c.titleText = title >= 0 && title < static_cast<int>(std::size(titleForms)) ? titleForms[title] : TitleText::Month;
    return c;
}

void CalendarConventionsDialog::accept()
{
    m_conventions = editedConventions();
    QDialog::accept();
}

void CalendarConventionsDialog::showSaturdayColor()
{
    QPixmap swatch(16, 16);
    swatch.fill(toQColor(m_editedSaturdayColor, palette()));
    m_saturdayColor->setIcon(QIcon(swatch));
}

void CalendarConventionsDialog::chooseSaturdayColor()
{
    // The shared dialog opens on the Saturday colour shown; a cancelled
    // choice leaves the colour the other buttons open on as it was.
    const TColor shared = m_colors.color();
    m_colors.setColor(m_editedSaturdayColor);
    if (const auto chosen = m_colors.run()) {
        m_editedSaturdayColor = *chosen;
        showSaturdayColor();
    } else {
        m_colors.setColor(shared);
    }
}

} // namespace pluvane
