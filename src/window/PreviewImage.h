#pragma once

#include "picture/Picture.h"

#include <QWidget>

namespace pluvane {

// The preview: plays its picture stretched into its whole box, without
// keeping proportions of its own, and paints nothing else, so the white
// paper behind it shows wherever the picture draws nothing.
class PreviewImage : public QWidget {
    Q_OBJECT

public:
    explicit PreviewImage(QWidget* parent = nullptr);

    // Shares the picture's bytes; the previous picture is released. Only
    // marks the box for repainting.
    void setPicture(const Picture& picture);
    const Picture& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture m_picture;
};

// The white paper under the preview.
class PaperShape : public QWidget {
    Q_OBJECT

public:
    explicit PaperShape(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace pluvane
