#include "PictureSaving.h"

#include "FileOutput.h"
#include "PictureRendering.h"
#include "PlaceableWmf.h"

namespace pluvane {

namespace {

std::vector<std::uint8_t> bytesOf(const QByteArray& data)
{
    return { data.begin(), data.end() };
}

} // namespace

std::vector<std::uint8_t> pictureBytesFor(const Picture& picture, PictureFormat format, const SaveOptions& options)
{
    switch (format) {
    case PictureFormat::PlaceableWmf:
        return placeableWmfBytes(picture);
    case PictureFormat::Emf:
        return { picture.bytes().begin(), picture.bytes().end() };
    case PictureFormat::Svg:
        return bytesOf(renderSvg(picture));
    case PictureFormat::Pdf:
        return bytesOf(renderPdf({ picture }));
    case PictureFormat::Png:
        return bytesOf(renderPng(picture, options.pngScale, options.transparent));
    }
    return {};
}

void savePicture(const Picture& picture, const SaveTarget& target, const SaveOptions& options, Durability durability)
{
    if (target.format == PictureFormat::Emf) {
        // The recorded bytes go out as they are, without a copy.
        writeFileAtomically(target.path, picture.bytes(), durability);
        return;
    }
    const std::vector<std::uint8_t> bytes = pictureBytesFor(picture, target.format, options);
    writeFileAtomically(target.path, bytes, durability);
}

} // namespace pluvane
