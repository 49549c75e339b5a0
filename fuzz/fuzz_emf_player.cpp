// Bytes as an enhanced metafile: read, taken as a picture, written again and
// played into an image through a target rectangle of any proportions. Any
// bytes must be drawn or refused with the fixed error, never crash.

#include "FuzzSupport.h"

#include "layout/Errors.h"
#include "picture/Picture.h"
#include "picture/emf/EmfReader.h"
#include "picture/emf/EmfWriter.h"
#include "picture/player/PicturePlayer.h"

#include <QImage>
#include <QPainter>

#include <fuzzer/FuzzedDataProvider.h>

using namespace pluvane;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    // The last bytes choose the target: a stretch of any proportions, as
    // the preview, a PNG scale or a PDF page would ask for.
    const int targetWidth = input.ConsumeIntegralInRange<int>(1, 1 << 18);
    const int targetHeight = input.ConsumeIntegralInRange<int>(1, 1 << 18);
    const std::vector<std::uint8_t> bytes = input.ConsumeRemainingBytes<std::uint8_t>();

    // As given, and with the header's byte count made true, so that the
    // sizes are read back and not refused for the count alone.
    std::vector<std::uint8_t> counting = bytes;
    for (std::size_t i = 0; i < 4 && 48 + i < counting.size(); ++i)
        counting[48 + i] = static_cast<std::uint8_t>(counting.size() >> (8 * i));
    const std::vector<std::uint8_t>& counted = counting;
    for (const std::vector<std::uint8_t>* candidate : { &bytes, &counted }) {
        try {
            const Picture picture = Picture::fromEmfBytes(*candidate);
            (void)picture.widthPx();
        } catch (const EInvalidGraphic&) {
        }
    }
    if (const auto document = readEmf(bytes)) {
        try {
            const std::vector<std::uint8_t> again = writeEmf(*document);
            (void)readEmf(again);
        } catch (const EInvalidGraphic&) {
        }
        QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        playEmfDocument(painter, *document, QRectF(0, 0, targetWidth, targetHeight));
        playEmfDocument(painter, *document, QRectF(0, 0, 64, 64));
    }
    return 0;
}
