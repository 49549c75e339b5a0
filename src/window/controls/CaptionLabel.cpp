#include "CaptionLabel.h"

#include "picture/qt/SystemColors.h"

namespace pluvane {

CaptionLabel::CaptionLabel(const QString& caption, TColor background, QWidget* parent) : QLabel(parent)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(background, p));
    setPalette(p);
    setContentsMargins(0, 0, 0, 0);
    setMargin(0);
    setIndent(0);
    setCaption(caption);
}

void CaptionLabel::setCaption(const QString& caption)
{
    setText(caption);
    // Exactly the text's extent in the label's font, so the label never cuts
    // a growing readout and never paints past it.
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(caption), metrics.height());
}

} // namespace pluvane
