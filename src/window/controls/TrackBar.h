#pragma once

#include <QSlider>
#include <QTimer>

namespace pluvane {

// A horizontal slider with a tick at every step below it, reporting only the
// user's moves. changed() runs after every move by mouse or keyboard, once the
// new position is in place, also when the position stays the same (an arrow
// key at a bound, the release of the mouse); setting the position by code and
// creating the bar report nothing.
//
// That is why changed() is built on QAbstractSlider::actionTriggered and the
// input events rather than on valueChanged, which also fires for assignments
// by code and never for a move that keeps the position.
//
// Arrow keys step 1; PageUp and PageDown and a left click in the channel step
// 2. The channel click is handled here instead of by QSlider because some
// styles make a left click jump straight to the clicked place.
class TrackBar : public QSlider {
    Q_OBJECT

public:
    TrackBar(int minimum, int maximum, int position, QWidget* parent = nullptr);

    int position() const { return value(); }
    // Silent: code assignments do not run changed().
    void setPosition(int position) { setValue(position); }

    // The delays of the repeated page steps while the mouse is held in the
    // channel.
    static constexpr int repeatDelayMs = 400;
    static constexpr int repeatIntervalMs = 100;

signals:
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QRect handleRect() const;
    bool handleHasReached(QPoint point) const;
    void stepTowardPressPoint();
    // Runs changed() when an action of the user moved (or tried to move) the
    // bar during the event just handled.
    void reportAction();

    bool m_actionPending = false;
    bool m_channelPressed = false;
    QPoint m_pressPoint;
    QTimer m_channelRepeat;
};

} // namespace pluvane
