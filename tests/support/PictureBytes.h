#pragma once

#include "FileContents.h"

#include "picture/Picture.h"

#include <QByteArray>

namespace pluvane::fixtures {

// A picture's enhanced-metafile bytes, to compare with what landed in a file
// or on the clipboard.
inline QByteArray bytesOf(const Picture& picture)
{
    return QByteArray(
        reinterpret_cast<const char*>(picture.bytes().data()), static_cast<qsizetype>(picture.bytes().size()));
}

} // namespace pluvane::fixtures
