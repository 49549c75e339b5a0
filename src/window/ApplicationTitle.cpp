#include "ApplicationTitle.h"

namespace pluvane {

QString applicationTitle(const QString& executablePath)
{
    QString name = executablePath.mid(executablePath.lastIndexOf('/') + 1);
    if (const qsizetype dot = name.indexOf('.'); dot >= 0)
        name.truncate(dot);
    return name.left(1).toUpper() + name.mid(1).toLower();
}

} // namespace pluvane
