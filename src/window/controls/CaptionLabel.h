#pragma once

#include "layout/Color.h"

#include <QLabel>

namespace pluvane {

// A label on a coloured background that sizes itself to its caption: its left
// edge stays where it is and it grows to the right as the caption grows.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    CaptionLabel(const QString& caption, TColor background, QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return text(); }
};

} // namespace pluvane
