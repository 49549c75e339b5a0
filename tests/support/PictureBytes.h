#pragma once

#include "picture/Picture.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace pluvane::fixtures {

// A picture's enhanced-metafile bytes, to compare with what landed in a file
// or on the clipboard.
inline QByteArray bytesOf(const Picture& picture)
{
    return QByteArray(
        reinterpret_cast<const char*>(picture.bytes().data()), static_cast<qsizetype>(picture.bytes().size()));
}

// Everything in a file, or nothing when it cannot be read.
inline QByteArray fileContents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace pluvane::fixtures
