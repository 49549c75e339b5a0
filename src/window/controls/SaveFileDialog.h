#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>

class QFileDialog;
class QWidget;

namespace pluvane {

// The window's save dialog: a file dialog with the typed-name field that asks
// nothing about overwriting. It opens on the full name it returned last time,
// in that name's folder and with the file type then chosen; at first it opens
// in the current folder with an empty name and the first file type.
//
// The first file type leaves the name exactly as typed. Any later type, such
// as "SVG (*.svg)", adds its extension to a name that has no "." anywhere,
// folders included, the same test the caller's own rule for the first type
// uses.
class SaveFileDialog : public QObject {
    Q_OBJECT

public:
    explicit SaveFileDialog(QWidget* parent, QStringList filters);

    // Shows the dialog modally; the full path chosen, or nothing when cancelled.
    std::optional<QString> run();

    QString lastName() const { return m_lastName; }
    // The dialog while run() waits, for driving it in tests.
    QFileDialog* dialog() const;

private:
    QPointer<QWidget> m_parent;
    QStringList m_filters;
    QString m_lastName;
    QString m_lastFilter;
    QPointer<QFileDialog> m_dialog;
};

} // namespace pluvane
