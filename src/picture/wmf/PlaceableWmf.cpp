#include "PlaceableWmf.h"

#include "WmfConverter.h"
#include "WmfLayout.h"
#include "layout/Errors.h"
#include "picture/binary/ByteReader.h"
#include "picture/binary/ByteWriter.h"

#include <algorithm>

namespace pluvane {

namespace {

constexpr std::size_t checksummedWords = wmf::Placeable::checksum / 2;
constexpr std::int64_t hundredthsPerInch = 2540;
constexpr std::int64_t largestBoxSide = 32767;

// The bounding box and its units per inch.
struct Box {
    std::int16_t right = 0;
    std::int16_t bottom = 0;
    std::uint16_t unitsPerInch = 0;
};

Box boxFor(std::int64_t widthHmm, std::int64_t heightHmm)
{
    const std::int64_t longer = std::max(widthHmm, heightHmm);
    if (widthHmm <= 0 || heightHmm <= 0)
        throw EOutOfResources();
    // At 2540 units per inch the box is in 0.01 mm.
    std::int64_t inch = hundredthsPerInch;
    if (longer > largestBoxSide) {
        // The largest inch with longer × inch / 2540 (truncated) at most
        // 32767, that is longer × inch below 32768 × 2540.
        inch = ((largestBoxSide + 1) * hundredthsPerInch - 1) / longer;
        if (inch < 1)
            throw EOutOfResources();
    }
    return { static_cast<std::int16_t>(widthHmm * inch / hundredthsPerInch),
        static_cast<std::int16_t>(heightHmm * inch / hundredthsPerInch), static_cast<std::uint16_t>(inch) };
}

void placeableHeader(std::vector<std::uint8_t>& out, const Box& box)
{
    using namespace wmf::Placeable;
    ByteWriter w(out);
    w.beginRecord();
    const std::size_t start = w.recordStart();
    w.u32(key, keyValue);
    w.u16(handle, 0);
    w.i16(left, 0);
    w.i16(top, 0);
    w.i16(right, box.right);
    w.i16(bottom, box.bottom);
    w.u16(inch, box.unitsPerInch);
    w.u32(reserved, 0);
    w.u16(checksum, 0); // filled in from the words as written
    w.expectAt(size);
    // The checksum is the exclusive or of the ten words before it.
    const ByteReader r(out);
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < checksummedWords; ++i)
        sum ^= r.u16(start + 2 * i).value_or(0);
    w.patchU16(start + checksum, sum);
}

} // namespace

std::vector<std::uint8_t> placeableWmfBytes(
    const EmfDocument& recording, const PictureSize& size, const AsciiFaceNameLookup& asciiFaceName)
{
    // Converted and checked first: a failure leaves nothing half made. The
    // drawing's logical units are the box's.
    const Box box = boxFor(size.widthHmm, size.heightHmm);
    const std::vector<std::uint8_t> metafile
        = convertToWmf(recording, WmfConversion { size.widthPx, size.heightPx, box.right, box.bottom, asciiFaceName });

    std::vector<std::uint8_t> out;
    out.reserve(wmf::Placeable::size + metafile.size());
    placeableHeader(out, box);
    ByteWriter(out).bytes(metafile.data(), metafile.size());
    return out;
}

} // namespace pluvane
