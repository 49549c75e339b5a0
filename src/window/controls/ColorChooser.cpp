#include "ColorChooser.h"

#include "picture/qt/SystemColors.h"

#include <QColorDialog>

namespace pluvane {

ColorChooser::ColorChooser(QWidget* dialogParent) : m_dialog(new QColorDialog(dialogParent))
{
    m_dialog->setObjectName(QStringLiteral("ColorDialog1"));
    m_dialog->setWindowTitle(QStringLiteral("色の設定"));
    // Qt's own dialog, not a platform one, so the process-wide custom colours
    // are the ones every button sees; no alpha channel in the basic form.
    m_dialog->setOptions(QColorDialog::DontUseNativeDialog);
}

ColorChooser::~ColorChooser()
{
    // The dialog may already be gone with its parent window.
    delete m_dialog.data();
}

std::optional<TColor> ColorChooser::run()
{
    m_dialog->setCurrentColor(toQColor(m_color, m_dialog->palette()));
    if (m_dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    m_color = toTColor(m_dialog->selectedColor());
    return m_color;
}

} // namespace pluvane
