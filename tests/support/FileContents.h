#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace pluvane::fixtures {

// Everything in a file, or nothing when it cannot be read.
inline QByteArray fileContents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A file's text, read as UTF-8, or nothing when it cannot be read.
inline QString fileText(const QString& path)
{
    return QString::fromUtf8(fileContents(path));
}

} // namespace pluvane::fixtures
