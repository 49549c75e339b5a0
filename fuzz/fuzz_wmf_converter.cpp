// Bytes as an enhanced metafile, converted to a Windows metafile and put
// behind the placeable header at a size of any value. Any bytes must be
// converted or refused with the fixed error, never crash or overflow.

#include "FuzzSupport.h"

#include "layout/Errors.h"
#include "picture/emf/EmfReader.h"
#include "picture/wmf/PlaceableWmf.h"
#include "picture/wmf/WmfConverter.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace pluvane;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startQt(); // the code page converter comes from Qt
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    PictureSize pictureSize;
    // Mostly sizes like the program's own, sometimes any value at all.
    const bool anySize = input.ConsumeBool();
    const auto measure = [&](int low, int high) {
        return anySize ? input.ConsumeIntegral<int>() : input.ConsumeIntegralInRange<int>(low, high);
    };
    pictureSize.widthPx = measure(1, 1 << 20);
    pictureSize.heightPx = measure(1, 1 << 20);
    pictureSize.widthHmm = measure(1, 1 << 28);
    pictureSize.heightHmm = measure(1, 1 << 28);
    const WmfConversion conversion { measure(1, 1 << 20), measure(1, 1 << 20), measure(1, 32767), measure(1, 32767) };
    const std::vector<std::uint8_t> bytes = input.ConsumeRemainingBytes<std::uint8_t>();

    const auto document = readEmf(bytes);
    if (!document)
        return 0;
    try {
        (void)convertToWmf(*document, conversion);
    } catch (const EOutOfResources&) {
    }
    try {
        (void)placeableWmfBytes(*document, pictureSize);
    } catch (const EOutOfResources&) {
    }
    return 0;
}
