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
// nothing about overwriting and adds no extension of its own. It opens on the
// name it returned last time (empty at first), in the current folder.
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
    QPointer<QFileDialog> m_dialog;
};

} // namespace pluvane
