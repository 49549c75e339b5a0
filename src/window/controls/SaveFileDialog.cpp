#include "SaveFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace pluvane {

SaveFileDialog::SaveFileDialog(QWidget* parent, QStringList filters)
    : QObject(parent)
    , m_parent(parent)
    , m_filters(std::move(filters))
{
}

QFileDialog* SaveFileDialog::dialog() const
{
    return m_dialog.data();
}

std::optional<QString> SaveFileDialog::run()
{
    QFileDialog dialog(m_parent, QString(), QDir::currentPath());
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    // Qt's own dialog behaves the same on every desktop and leaves the name
    // exactly as typed.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(m_filters);
    dialog.setDefaultSuffix(QString());
    if (!m_lastName.isEmpty()) {
        const QFileInfo last(m_lastName);
        dialog.selectFile(last.isAbsolute() ? last.fileName() : m_lastName);
    }
    m_dialog = &dialog;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_dialog = nullptr;
    if (!accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    m_lastName = dialog.selectedFiles().constFirst();
    return m_lastName;
}

} // namespace pluvane
