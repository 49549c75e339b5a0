#include "ClipboardOutput.h"

#include "PictureRendering.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace pluvane {

QMimeData* pictureMimeData(const Picture& picture)
{
    const Picture copy = picture.independentCopy();
    const QByteArray emf(
        reinterpret_cast<const char*>(copy.bytes().data()), static_cast<qsizetype>(copy.bytes().size()));
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/emf"), emf);
    data->setData(QStringLiteral("image/x-emf"), emf);
    // LibreOffice takes a metafile from another program only under its own
    // type name; under the others it falls back to the bitmap.
    data->setData(QStringLiteral("application/x-openoffice-emf;windows_formatname=\"Image EMF\""), emf);
    data->setData(QStringLiteral("image/svg+xml"), renderSvg(copy));
    data->setData(QStringLiteral("image/png"), renderPng(copy));
    return data;
}

void copyPictureToClipboard(const Picture& picture)
{
    // Whether another program lets go of the clipboard is not ours to check.
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setMimeData(pictureMimeData(picture));
}

} // namespace pluvane
