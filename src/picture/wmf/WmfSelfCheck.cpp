#include "WmfSelfCheck.h"

#include "WmfLayout.h"
#include "picture/binary/ByteReader.h"

#include <algorithm>

namespace pluvane {

bool wmfMatchesItsHeader(std::span<const std::uint8_t> bytes, std::uint16_t objects)
{
    using namespace wmf;
    const ByteReader r(bytes);
    if (r.u16(Header::type) != Header::memoryMetafile || r.u16(Header::headerWords) != Header::headerWordsValue
        || r.u16(Header::version) != Header::versionValue || r.u16(Header::objects) != objects || bytes.size() % 2 != 0)
        return false;
    const auto totalWords = r.u32(Header::sizeWords);
    const auto maxRecord = r.u32(Header::maxRecordWords);
    if (!totalWords || !maxRecord || std::uint64_t { *totalWords } * 2 != bytes.size())
        return false;
    std::size_t at = Header::size;
    std::uint32_t largest = 0;
    std::uint16_t lastFunction = 0xFFFF;
    std::uint32_t lastWords = 0;
    while (at < bytes.size()) {
        const auto words = r.u32(at + Record::sizeWords);
        const auto function = r.u16(at + Record::function);
        if (!words.has_value() || !function.has_value() || *words < Eof::words
            || !r.has(at, std::size_t { *words } * 2))
            return false;
        largest = std::max(largest, *words);
        lastFunction = *function;
        lastWords = *words;
        at += std::size_t { *words } * 2;
    }
    return at == bytes.size() && largest == *maxRecord && lastFunction == static_cast<std::uint16_t>(WmfFunction::Eof)
        && lastWords == Eof::words;
}

} // namespace pluvane
