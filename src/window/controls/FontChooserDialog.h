#pragma once

#include "layout/FontSpec.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QColorDialog;
class QComboBox;
class QDialogButtonBox;
class QFontComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace pluvane {

// The window's font dialog. Qt's QFontDialog offers no colour, so this one is
// built from Qt widgets: family, style, character height in pixels,
// underline, strike-out and a colour button.
//
// It holds the font it was last confirmed with, selectedFont(). Every opening
// (run(), exec() or open()) loads the editors from that font; confirming
// stores the edited name (cut to 31 characters), height, style and colour and
// keeps the pitch; cancelling stores nothing.
//
// The font is named selectedFont rather than font so as not to hide
// QWidget::font(), the dialog's own font. The editors carry the object names
// "family", "style", "height", "underline", "strikeout", "color" and
// "colorDialog", so tests and accessibility tools can find them.
class FontChooserDialog : public QDialog {
    Q_OBJECT

public:
    explicit FontChooserDialog(QWidget* parent = nullptr);

    FontSpec selectedFont() const { return m_font; }
    void setSelectedFont(const FontSpec& font) { m_font = font; }

    // Shows the dialog modally; true when the user confirmed it.
    bool run();

    // The font as the editors show it now, what confirming would store.
    FontSpec editedFont() const;

    int exec() override;
    void open() override;
    void accept() override;

private:
    struct StyleChoice {
        QString name;
        int weight;
        bool italic;
    };

    void loadEditors();
    void fillStyles(const QString& family, int preferredWeight, bool preferredItalic);
    const StyleChoice* chosenStyle() const;
    void showColor();
    void showSample();

    FontSpec m_font;
    TColor m_editedColor = clWindowText;
    std::vector<StyleChoice> m_styleChoices;

    QFontComboBox* m_family;
    QComboBox* m_style;
    QSpinBox* m_height;
    QCheckBox* m_underline;
    QCheckBox* m_strikeout;
    QPushButton* m_color;
    QColorDialog* m_colorDialog;
    QLabel* m_sample;
    QDialogButtonBox* m_buttons;
};

} // namespace pluvane
