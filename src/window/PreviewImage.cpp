#include "PreviewImage.h"

#include "picture/player/PicturePlayer.h"

#include <QPainter>

namespace pluvane {

PreviewImage::PreviewImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void PreviewImage::setPicture(const Picture& picture)
{
    m_picture = picture;
    update();
}

void PreviewImage::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    // The picture fills the box from its first to its last pixel.
    playEmfBytes(painter, m_picture.bytes(), QRectF(0, 0, width() - 1, height() - 1));
}

PaperShape::PaperShape(QWidget* parent) : QWidget(parent)
{
}

void PaperShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::white);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace pluvane
