#pragma once

#include "layout/Color.h"

#include <QPointer>

#include <optional>

class QColorDialog;
class QWidget;

namespace pluvane {

// The one colour dialog the window's three colour buttons and the Saturday
// colour of the conventions dialog share. It opens on the last colour
// confirmed through it (black at first), so choosing red for one button opens
// the next button's dialog on red. The custom colours the
// user defines belong to Qt's colour dialog for the whole process and so stay
// for the rest of the run.
class ColorChooser {
public:
    explicit ColorChooser(QWidget* dialogParent = nullptr);
    ~ColorChooser();
    ColorChooser(const ColorChooser&) = delete;
    ColorChooser& operator=(const ColorChooser&) = delete;

    // The last colour confirmed, or the one set by code.
    TColor color() const { return m_color; }
    void setColor(TColor color) { m_color = color; }

    // Opens the dialog modally on color(), a system colour turned into the
    // plain colour it stands for. Returns the chosen colour when the user
    // confirms, which also becomes color(); nothing when cancelled.
    std::optional<TColor> run();

    // The shared dialog, for driving it while run() waits.
    QColorDialog* dialog() const { return m_dialog.data(); }

private:
    TColor m_color = clBlack;
    QPointer<QColorDialog> m_dialog;
};

} // namespace pluvane
