#include "SpinEdit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>
#include <limits>

namespace pluvane {

namespace {

QToolButton* makeStepButton(Qt::ArrowType arrow, const char* name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(SpinEdit::repeatDelayMs);
    button->setAutoRepeatInterval(SpinEdit::repeatIntervalMs);
    // The text keeps the focus while the user steps, so leaving the box
    // happens only when another control of the window takes the focus.
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    button->setFixedWidth(16);
    return button;
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

SpinEdit::SpinEdit(int minimum, int maximum, int maxLength, QWidget* parent)
    : QWidget(parent)
    , m_minimum(minimum)
    , m_maximum(std::max(minimum, maximum))
    , m_text(new QLineEdit(this))
    , m_up(makeStepButton(Qt::UpArrow, "up", this))
    , m_down(makeStepButton(Qt::DownArrow, "down", this))
{
    m_text->setObjectName(QStringLiteral("text"));
    // QLineEdit itself cuts both typed and pasted text to this length.
    m_text->setMaxLength(maxLength);
    // An input method would commit composed text without key events and so
    // around the key filter below; a number box has no use for one.
    m_text->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_text->installEventFilter(this);

    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    buttons->addWidget(m_up);
    buttons->addWidget(m_down);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_text, 1);
    row->addLayout(buttons);

    setFocusProxy(m_text);
    setFocusPolicy(m_text->focusPolicy());

    // textChanged, not textEdited: assignments by code are changes too.
    connect(m_text, &QLineEdit::textChanged, this, &SpinEdit::changed);
    // A step follows each press: the press itself, and while the button is
    // held each repeat, which Qt reports as a release, a click and a new
    // press. The final release then adds nothing, as clicked() would.
    connect(m_up, &QToolButton::pressed, this, [this] { stepBy(1); });
    connect(m_down, &QToolButton::pressed, this, [this] { stepBy(-1); });
}

int SpinEdit::maxLength() const
{
    return m_text->maxLength();
}

QString SpinEdit::text() const
{
    return m_text->text();
}

std::optional<int> SpinEdit::typedInteger() const
{
    // Only an optional sign followed by decimal digits is an integer here;
    // QString::toInt would also take surrounding blanks.
    const QString text = m_text->text();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    long long magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!isAsciiDigit(text[i]))
            return std::nullopt;
        magnitude = magnitude * 10 + (text[i].unicode() - '0');
        if (magnitude > std::numeric_limits<int>::max())
            return std::nullopt;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int SpinEdit::value() const
{
    return typedInteger().value_or(m_minimum);
}

void SpinEdit::setValue(int value)
{
    const QString text = QString::number(std::clamp(value, m_minimum, m_maximum));
    // Writing the same text again is no change, so a step held at a bound
    // stays silent.
    if (m_text->text() != text)
        m_text->setText(text);
}

void SpinEdit::stepBy(int steps)
{
    const long long target = static_cast<long long>(value()) + steps;
    setValue(static_cast<int>(std::clamp<long long>(target, m_minimum, m_maximum)));
}

void SpinEdit::bringIntoRange()
{
    const std::optional<int> typed = typedInteger();
    if (typed && (*typed < m_minimum || *typed > m_maximum))
        setValue(*typed);
}

bool SpinEdit::acceptsKey(const QKeyEvent& key) const
{
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return false;
    // Shortcuts such as Ctrl+V, Ctrl+A or Ctrl+Z are control keys whatever
    // letter they carry; Ctrl with Alt is how some keyboards type letters.
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier))
        return true;
    const QString text = key.text();
    if (text == locale().decimalPoint())
        return true;
    // Keys without text (arrows, Home, Delete) and control characters
    // (Backspace, Escape) edit or move; every printable character must be a
    // digit or a sign.
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || isAsciiDigit(c) || c == QLatin1Char('+')
            || c == QLatin1Char('-');
    });
}

void SpinEdit::refuseKey()
{
    QApplication::beep();
    emit keyRefused();
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_text)
        return QWidget::eventFilter(watched, event);

    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) {
            stepBy(key.key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
        if (!acceptsKey(key)) {
            // Consumed, so a refused Enter does not reach a default button.
            refuseKey();
            return true;
        }
        return false;
    }

    if (event->type() == QEvent::FocusOut) {
        // Only a move of the focus to another control is leaving the box;
        // switching to another window or opening a menu is not.
        const Qt::FocusReason reason = static_cast<const QFocusEvent&>(*event).reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            bringIntoRange();
        return false;
    }

    return QWidget::eventFilter(watched, event);
}

} // namespace pluvane
