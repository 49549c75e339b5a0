#include "SaveFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace pluvane {

namespace {

// The extension a file type such as "SVG (*.svg)" stands for, with its dot;
// empty for a type without one simple pattern.
QString extensionOf(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*(\\.[A-Za-z0-9]+)\\)$"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

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
    if (!m_lastFilter.isEmpty())
        dialog.selectNameFilter(m_lastFilter);
    if (!m_lastName.isEmpty()) {
        // The folder as well as the name: saving again with Enter writes the
        // same file, wherever the current folder is.
        const QFileInfo last(m_lastName);
        dialog.setDirectory(last.absolutePath());
        dialog.selectFile(last.fileName());
    }
    m_dialog = &dialog;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_dialog = nullptr;
    if (!accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;

    QString name = dialog.selectedFiles().constFirst();
    const QString filter = dialog.selectedNameFilter();
    // A "." in a folder's name is no extension of the typed name.
    if (m_filters.indexOf(filter) > 0 && !QFileInfo(name).fileName().contains(QLatin1Char('.')))
        name += extensionOf(filter);
    m_lastName = name;
    m_lastFilter = filter;
    return m_lastName;
}

} // namespace pluvane
