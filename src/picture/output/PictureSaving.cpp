#include "PictureSaving.h"

#include "FileOutput.h"
#include "PictureRendering.h"
#include "layout/Errors.h"
#include "picture/emf/EmfReader.h"
#include "picture/qt/Fonts.h"
#include "picture/wmf/PlaceableWmf.h"

namespace pluvane {

namespace {

std::vector<std::uint8_t> bytesOf(const QByteArray& data)
{
    return { data.begin(), data.end() };
}

std::vector<std::uint8_t> placeableWmfOf(const Picture& picture)
{
    const auto recording = picture.isNull() ? std::nullopt : readEmf(picture.bytes());
    if (!recording)
        throw EInvalidGraphic();
    return placeableWmfBytes(*recording,
        { picture.widthPx(), picture.heightPx(), picture.widthHmm(), picture.heightHmm() }, englishFamilyName);
}

} // namespace

std::vector<std::uint8_t> pictureBytesFor(const Picture& picture, PictureFormat format, const SaveOptions& options)
{
    switch (format) {
    case PictureFormat::PlaceableWmf:
        return placeableWmfOf(picture);
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
