#include "FileOutput.h"

#include "layout/Errors.h"

#include <QFileInfo>
#include <QSaveFile>

namespace pluvane {

void writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes)
{
    const QString name = QString::fromStdString(path);
    if (name.isEmpty() || QFileInfo(name).isDir())
        throw EFCreateError(path);

    QSaveFile file(name);
    // A file that cannot be written in place is not silently replaced by a
    // new one with other owners or permissions.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw EFCreateError(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        file.cancelWriting();
        throw EWriteError();
    }
    if (!file.commit())
        throw EWriteError();
}

} // namespace pluvane
