#include "TrackBar.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

namespace pluvane {

TrackBar::TrackBar(int minimum, int maximum, int position, QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setRange(minimum, maximum);
    setValue(position);
    setSingleStep(1);
    setPageStep(2);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);

    // actionTriggered comes before the new position is in place, so it only
    // marks the action; reportAction() signals once the event is handled.
    connect(this, &QAbstractSlider::actionTriggered, this, [this] { m_actionPending = true; });

    m_channelRepeat.setSingleShot(false);
    connect(&m_channelRepeat, &QTimer::timeout, this, [this] {
        m_channelRepeat.setInterval(repeatIntervalMs);
        if (handleHasReached(m_pressPoint)) {
            m_channelRepeat.stop();
            return;
        }
        m_actionPending = false;
        stepTowardPressPoint();
        reportAction();
    });
}

QRect TrackBar::handleRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

bool TrackBar::handleHasReached(QPoint point) const
{
    const QRect handle = handleRect();
    return point.x() >= handle.left() && point.x() <= handle.right();
}

void TrackBar::stepTowardPressPoint()
{
    // The bar's maximum lies to the right unless the layout or the bar's own
    // appearance is mirrored.
    const bool pointIsRight = m_pressPoint.x() > handleRect().center().x();
    const bool maximumIsRight = isRightToLeft() == invertedAppearance();
    triggerAction(pointIsRight == maximumIsRight ? SliderPageStepAdd : SliderPageStepSub);
}

void TrackBar::reportAction()
{
    if (m_actionPending) {
        m_actionPending = false;
        emit changed();
    }
}

void TrackBar::keyPressEvent(QKeyEvent* event)
{
    m_actionPending = false;
    QSlider::keyPressEvent(event);
    reportAction();
}

void TrackBar::mousePressEvent(QMouseEvent* event)
{
    m_actionPending = false;
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton && !handleHasReached(point)) {
        m_channelPressed = true;
        m_pressPoint = point;
        stepTowardPressPoint();
        m_channelRepeat.start(repeatDelayMs);
        event->accept();
    } else {
        QSlider::mousePressEvent(event);
    }
    reportAction();
}

void TrackBar::mouseMoveEvent(QMouseEvent* event)
{
    m_actionPending = false;
    if (m_channelPressed) {
        // The held page steps stop where the mouse is now, not where it was
        // pressed.
        m_pressPoint = event->position().toPoint();
        event->accept();
    } else {
        QSlider::mouseMoveEvent(event);
    }
    reportAction();
}

void TrackBar::mouseReleaseEvent(QMouseEvent* event)
{
    m_actionPending = false;
    const bool endsMove = m_channelPressed || isSliderDown();
    if (m_channelPressed && event->button() == Qt::LeftButton) {
        m_channelPressed = false;
        m_channelRepeat.stop();
        event->accept();
    } else {
        QSlider::mouseReleaseEvent(event);
    }
    reportAction();
    // The end of a mouse move is reported as well, with the final position.
    if (endsMove && !m_channelPressed && !isSliderDown())
        emit changed();
}

void TrackBar::wheelEvent(QWheelEvent* event)
{
    m_actionPending = false;
    QSlider::wheelEvent(event);
    reportAction();
}

} // namespace pluvane
