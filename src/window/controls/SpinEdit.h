#pragma once

#include <QWidget>

#include <optional>

class QKeyEvent;
class QLineEdit;
class QToolButton;

namespace pluvane {

// A whole-number box with up and down buttons, as the window's year and month
// boxes need it. The text is the setting: value() reads whatever integer the
// user has typed, even outside the range, and only leaving the box or a step
// brings it back into the range. changed() follows every change of the text.
//
// It is built from a QLineEdit and two QToolButtons rather than on QSpinBox or
// QAbstractSpinBox: those validate and clamp the text on their own (an
// out-of-range or empty text is "intermediate" and gets fixed up or refused),
// swallow Enter, take their repeat delays from the style, and refuse keys
// silently, while this box must keep an unclamped or empty text, beep on every
// refused key and repeat its steps after 400 ms and then every 100 ms.
//
// The child widgets carry the object names "text", "up" and "down", so tests
// and accessibility tools can find them.
class SpinEdit : public QWidget {
    Q_OBJECT

public:
    SpinEdit(int minimum, int maximum, int maxLength, QWidget* parent = nullptr);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int maxLength() const;

    // The integer in the text, not brought into the range, or the minimum
    // when the text is not an integer (empty, a lone sign, letters, a
    // decimal separator).
    int value() const;
    // Writes the value brought into the range; changed() fires when this
    // alters the text.
    void setValue(int value);

    QString text() const;

    // One step up (positive) or down (negative) from the value, stopping at
    // the bounds; a text that is not an integer counts as the minimum.
    void stepBy(int steps);

    // The delays of the buttons' repeat while they are held.
    static constexpr int repeatDelayMs = 400;
    static constexpr int repeatIntervalMs = 100;

signals:
    // Runs on every change of the text: typing, pasting, steps, the rewrite
    // on leaving and assignments by code, also before the box is shown.
    void changed();
    // Runs when a key is refused, together with the beep.
    void keyRefused();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<int> typedInteger() const;
    bool acceptsKey(const QKeyEvent& key) const;
    void refuseKey();
    void bringIntoRange();

    int m_minimum;
    int m_maximum;
    QLineEdit* m_text;
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace pluvane
