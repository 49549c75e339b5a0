#include "EmfReader.h"

#include "EmfLayout.h"
#include "picture/binary/ByteReader.h"

#include <bit>

namespace pluvane {

namespace {

// A text longer than this is not ours and not worth decoding.
constexpr std::uint32_t maxTextUnits = 1 << 16;

EmfRect readRect(const ByteReader& r, std::size_t at)
{
    return { r.i32(at).value_or(0), r.i32(at + 4).value_or(0), r.i32(at + 8).value_or(0), r.i32(at + 12).value_or(0) };
}

EmfSize readSize(const ByteReader& r, std::size_t at)
{
    return { r.i32(at).value_or(0), r.i32(at + 4).value_or(0) };
}

// One function per record kind, each reading the fields EmfWriter writes
// from the same offsets; a record too short for its kind yields nothing.

template <class Record> std::optional<EmfRecord> readSingle(const ByteReader& r)
{
    if (const auto v = r.u32(emf::SingleValue::value))
        return Record { *v };
    return std::nullopt;
}

template <class Record> std::optional<EmfRecord> readPoint(const ByteReader& r)
{
    if (!r.has(0, emf::Point::size))
        return std::nullopt;
    return Record { *r.i32(emf::Point::x), *r.i32(emf::Point::y) };
}

std::optional<EmfRecord> readCreatePen(const ByteReader& r)
{
    using namespace emf::CreatePen;
    if (!r.has(0, size))
        return std::nullopt;
    return EmfCreatePen { *r.u32(index), *r.u32(style), *r.i32(widthX), *r.u32(color) };
}

std::optional<EmfRecord> readCreateFont(const ByteReader& r)
{
    using namespace emf::ExtCreateFontIndirectW;
    if (!r.has(0, size))
        return std::nullopt;
    EmfCreateFont f;
    f.index = *r.u32(index);
    LogFont& lf = f.font;
    lf.height = *r.i32(height);
    lf.width = *r.i32(width);
    lf.escapement = *r.i32(escapement);
    lf.orientation = *r.i32(orientation);
    lf.weight = *r.i32(weight);
    lf.italic = *r.u8(italic);
    lf.underline = *r.u8(underline);
    lf.strikeOut = *r.u8(strikeOut);
    lf.charSet = *r.u8(charSet);
    lf.outPrecision = *r.u8(outPrecision);
    lf.clipPrecision = *r.u8(clipPrecision);
    lf.quality = *r.u8(quality);
    lf.pitchAndFamily = *r.u8(pitchAndFamily);
    for (std::size_t i = 0; i < faceNameUnits; ++i) {
        const char16_t unit = *r.u16(faceName + 2 * i);
        if (unit == 0)
            break;
        lf.faceName.push_back(unit);
    }
    return f;
}

std::optional<EmfRecord> readExtTextOut(const ByteReader& r)
{
    using namespace emf::ExtTextOutW;
    if (!r.has(0, string))
        return std::nullopt;
    EmfExtTextOut t;
    t.bounds = readRect(r, bounds);
    t.exScale = std::bit_cast<float>(*r.u32(exScale));
    t.eyScale = std::bit_cast<float>(*r.u32(eyScale));
    t.x = *r.i32(x);
    t.y = *r.i32(y);
    const std::uint32_t count = *r.u32(chars);
    const std::uint32_t textAt = *r.u32(stringOffset);
    const std::uint32_t dxAt = *r.u32(dxOffset);
    if (count > maxTextUnits || !r.has(textAt, std::size_t { count } * 2))
        return std::nullopt;
    t.text.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        t.text.push_back(*r.u16(textAt + 2 * std::size_t { i }));
    // Without a complete advance table the text is still drawn, unspaced.
    if (dxAt != 0 && r.has(dxAt, std::size_t { count } * 4)) {
        t.dx.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i)
            t.dx.push_back(*r.i32(dxAt + 4 * std::size_t { i }));
    }
    return t;
}

std::optional<EmfRecord> readRecord(std::uint32_t type, const ByteReader& r)
{
    switch (static_cast<EmfRecordType>(type)) {
    case EmfRecordType::SetBkMode:
        return readSingle<EmfSetBkMode>(r);
    case EmfRecordType::SetRop2:
        return readSingle<EmfSetRop2>(r);
    case EmfRecordType::SetTextColor:
        return readSingle<EmfSetTextColor>(r);
    case EmfRecordType::SelectObject:
        return readSingle<EmfSelectObject>(r);
    case EmfRecordType::DeleteObject:
        return readSingle<EmfDeleteObject>(r);
    case EmfRecordType::MoveToEx:
        return readPoint<EmfMoveTo>(r);
    case EmfRecordType::LineTo:
        return readPoint<EmfLineTo>(r);
    case EmfRecordType::CreatePen:
        return readCreatePen(r);
    case EmfRecordType::ExtCreateFontIndirectW:
        return readCreateFont(r);
    case EmfRecordType::ExtTextOutW:
        return readExtTextOut(r);
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
    using namespace emf::Header;
    const ByteReader r(bytes);
    const auto type = r.u32(emf::Record::type);
    const auto recordSize = r.u32(emf::Record::size);
    if (!type || *type != static_cast<std::uint32_t>(EmfRecordType::Header) || !recordSize || *recordSize < minimumSize
        || !r.has(0, *recordSize) || r.u32(signature) != emfSignature)
        return std::nullopt;
    EmfHeader h;
    h.bounds = readRect(r, bounds);
    h.frame = readRect(r, frame);
    h.bytes = *r.u32(emf::Header::bytes);
    h.records = *r.u32(records);
    h.handles = *r.u16(handles);
    h.device = readSize(r, device);
    h.millimeters = readSize(r, millimeters);
    return h;
}

std::optional<EmfDocument> readEmf(std::span<const std::uint8_t> bytes)
{
    const auto header = readEmfHeader(bytes);
    if (!header)
        return std::nullopt;
    EmfDocument doc;
    doc.header = *header;

    // The framing: each record's type and size, the size a whole number of
    // words that stays within the data.
    const ByteReader all(bytes);
    std::size_t at = *all.u32(emf::Record::size);
    while (at < bytes.size()) {
        const auto type = all.u32(at + emf::Record::type);
        const auto size = all.u32(at + emf::Record::size);
        if (!type || !size || *size < emf::Record::fields || *size % emf::Record::alignment != 0 || !all.has(at, *size))
            break;
        if (auto decoded = readRecord(*type, ByteReader(bytes.subspan(at, *size)))) {
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
