#include "EmfReader.h"

#include "picture/binary/ByteReader.h"

#include <bit>

namespace pluvane {

namespace {

constexpr std::size_t minimumHeaderSize = 88;
// A text longer than this is not ours and not worth decoding.
constexpr std::uint32_t maxTextUnits = 1 << 16;

EmfRect readRect(const ByteReader& r, std::size_t at)
{
    return { r.i32(at).value_or(0), r.i32(at + 4).value_or(0), r.i32(at + 8).value_or(0),
        r.i32(at + 12).value_or(0) };
}

std::optional<EmfRecord> decodeFont(const ByteReader& r)
{
    if (!r.has(0, 12 + 92))
        return std::nullopt;
    EmfCreateFont f;
    f.index = *r.u32(8);
    LogFont& lf = f.font;
    lf.height = *r.i32(12);
    lf.width = *r.i32(16);
    lf.escapement = *r.i32(20);
    lf.orientation = *r.i32(24);
    lf.weight = *r.i32(28);
    lf.italic = *r.u8(32);
    lf.underline = *r.u8(33);
    lf.strikeOut = *r.u8(34);
    lf.charSet = *r.u8(35);
    lf.outPrecision = *r.u8(36);
    lf.clipPrecision = *r.u8(37);
    lf.quality = *r.u8(38);
    lf.pitchAndFamily = *r.u8(39);
    for (std::size_t i = 0; i < 32; ++i) {
        const char16_t unit = *r.u16(40 + 2 * i);
        if (unit == 0)
            break;
        lf.faceName.push_back(unit);
    }
    return f;
}

std::optional<EmfRecord> decodeText(const ByteReader& r)
{
    if (!r.has(0, 76))
        return std::nullopt;
    EmfExtTextOut t;
    t.bounds = readRect(r, 8);
    t.exScale = std::bit_cast<float>(*r.u32(28));
    t.eyScale = std::bit_cast<float>(*r.u32(32));
    t.x = *r.i32(36);
    t.y = *r.i32(40);
    const std::uint32_t chars = *r.u32(44);
    const std::uint32_t stringOffset = *r.u32(48);
    const std::uint32_t dxOffset = *r.u32(72);
    if (chars > maxTextUnits || !r.has(stringOffset, std::size_t { chars } * 2))
        return std::nullopt;
    t.text.reserve(chars);
    for (std::uint32_t i = 0; i < chars; ++i)
        t.text.push_back(*r.u16(stringOffset + 2 * std::size_t { i }));
    // Without a complete advance table the text is still drawn, unspaced.
    if (dxOffset != 0 && r.has(dxOffset, std::size_t { chars } * 4)) {
        t.dx.reserve(chars);
        for (std::uint32_t i = 0; i < chars; ++i)
            t.dx.push_back(*r.i32(dxOffset + 4 * std::size_t { i }));
    }
    return t;
}

std::optional<EmfRecord> decode(std::uint32_t type, const ByteReader& r)
{
    const auto u32At = [&](std::size_t at) { return r.u32(at); };
    switch (static_cast<EmfRecordType>(type)) {
    case EmfRecordType::SetBkMode:
        if (auto v = u32At(8))
            return EmfSetBkMode { *v };
        return std::nullopt;
    case EmfRecordType::SetRop2:
        if (auto v = u32At(8))
            return EmfSetRop2 { *v };
        return std::nullopt;
    case EmfRecordType::SetTextColor:
        if (auto v = u32At(8))
            return EmfSetTextColor { *v };
        return std::nullopt;
    case EmfRecordType::SelectObject:
        if (auto v = u32At(8))
            return EmfSelectObject { *v };
        return std::nullopt;
    case EmfRecordType::DeleteObject:
        if (auto v = u32At(8))
            return EmfDeleteObject { *v };
        return std::nullopt;
    case EmfRecordType::MoveToEx:
        if (r.has(8, 8))
            return EmfMoveTo { *r.i32(8), *r.i32(12) };
        return std::nullopt;
    case EmfRecordType::LineTo:
        if (r.has(8, 8))
            return EmfLineTo { *r.i32(8), *r.i32(12) };
        return std::nullopt;
    case EmfRecordType::CreatePen:
        if (r.has(8, 20))
            return EmfCreatePen { *r.u32(8), *r.u32(12), *r.i32(16), *r.u32(24) };
        return std::nullopt;
    case EmfRecordType::ExtCreateFontIndirectW:
        return decodeFont(r);
    case EmfRecordType::ExtTextOutW:
        return decodeText(r);
    case EmfRecordType::Eof:
        return EmfEof {};
    case EmfRecordType::Header:
        return std::nullopt; // a second header carries nothing to draw
    }
    return std::nullopt; // a kind this program does not draw with
}

} // namespace

std::optional<EmfHeader> readEmfHeader(std::span<const std::uint8_t> bytes)
{
    const ByteReader r(bytes);
    const auto type = r.u32(0);
    const auto size = r.u32(4);
    if (!type || *type != static_cast<std::uint32_t>(EmfRecordType::Header) || !size
        || *size < minimumHeaderSize || !r.has(0, *size) || r.u32(40) != emfSignature)
        return std::nullopt;
    EmfHeader h;
    h.bounds = readRect(r, 8);
    h.frame = readRect(r, 24);
    h.bytes = *r.u32(48);
    h.records = *r.u32(52);
    h.handles = *r.u16(56);
    h.device = { *r.i32(72), *r.i32(76) };
    h.millimeters = { *r.i32(80), *r.i32(84) };
    return h;
}

std::optional<EmfDocument> readEmf(std::span<const std::uint8_t> bytes)
{
    const auto header = readEmfHeader(bytes);
    if (!header)
        return std::nullopt;
    EmfDocument doc;
    doc.header = *header;

    const ByteReader all(bytes);
    std::size_t at = *all.u32(4);
    while (at < bytes.size()) {
        const auto type = all.u32(at);
        const auto size = all.u32(at + 4);
        if (!type || !size || *size < 8 || *size % 4 != 0 || !all.has(at, *size))
            break;
        const ByteReader record(bytes.subspan(at, *size));
        if (auto decoded = decode(*type, record)) {
            const bool isEnd = std::holds_alternative<EmfEof>(*decoded);
            doc.records.push_back(std::move(*decoded));
            if (isEnd)
                break;
        }
        at += *size;
    }
    return doc;
}

} // namespace pluvane
