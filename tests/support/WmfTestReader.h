#pragma once

#include "picture/binary/ByteReader.h"
#include "picture/wmf/WmfLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pluvane::fixtures {

// A Windows metafile read record by record on its own, without the
// converter's code: only the field offsets of WmfLayout.h are shared.
struct WmfRecordView {
    WmfFunction function = WmfFunction::Eof;
    std::span<const std::uint8_t> bytes; // the whole record, framing included
    std::uint32_t words = 0;

    // Fields at their offsets from the start of the record; a field past the
    // record's end reads as a value no test expects.
    std::int16_t i16(std::size_t at) const { return ByteReader(bytes).i16(at).value_or(-1); }
    std::uint16_t u16(std::size_t at) const { return ByteReader(bytes).u16(at).value_or(0xFFFF); }
    std::uint32_t u32(std::size_t at) const { return ByteReader(bytes).u32(at).value_or(0xFFFFFFFF); }
    std::uint8_t u8(std::size_t at) const { return ByteReader(bytes).u8(at).value_or(0xFF); }
};

struct WmfView {
    std::uint16_t type = 0, headerWords = 0, version = 0, objects = 0, members = 0xFFFF;
    std::uint32_t totalWords = 0, maxRecord = 0;
    std::vector<WmfRecordView> records;
    bool walkedToTheEnd = false;
};

// The metafile's header and records, as far as their sizes lead.
inline WmfView viewWmf(std::span<const std::uint8_t> metafile)
{
    using namespace wmf;
    const ByteReader r(metafile);
    WmfView v;
    v.type = r.u16(Header::type).value_or(0);
    v.headerWords = r.u16(Header::headerWords).value_or(0);
    v.version = r.u16(Header::version).value_or(0);
    v.totalWords = r.u32(Header::sizeWords).value_or(0);
    v.objects = r.u16(Header::objects).value_or(0);
    v.maxRecord = r.u32(Header::maxRecordWords).value_or(0);
    v.members = r.u16(Header::members).value_or(0xFFFF);
    std::size_t at = std::size_t { v.headerWords } * 2;
    while (at + Record::fields <= metafile.size()) {
        const std::uint32_t words = *r.u32(at + Record::sizeWords);
        if (words < Eof::words || !r.has(at, std::size_t { words } * 2))
            return v;
        v.records.push_back(
            { static_cast<WmfFunction>(*r.u16(at + Record::function)), r.slice(at, std::size_t { words } * 2), words });
        at += std::size_t { words } * 2;
    }
    v.walkedToTheEnd = at == metafile.size();
    return v;
}

inline std::vector<const WmfRecordView*> recordsOf(const WmfView& v, WmfFunction function)
{
    std::vector<const WmfRecordView*> out;
    for (const auto& r : v.records)
        if (r.function == function)
            out.push_back(&r);
    return out;
}

struct WmfText {
    int x = 0, y = 0;
    std::string bytes;
    std::vector<std::int16_t> dx;
    std::uint32_t color = 0;
};

// The texts with the text colour in force when each is drawn.
inline std::vector<WmfText> textsOf(const WmfView& v)
{
    using namespace wmf::ExtTextOut;
    std::vector<WmfText> out;
    std::uint32_t color = 0xFFFFFFFF;
    for (const auto& r : v.records) {
        if (r.function == WmfFunction::SetTextColor)
            color = r.u32(wmf::SetTextColor::color);
        if (r.function != WmfFunction::ExtTextOut)
            continue;
        WmfText t;
        t.y = r.i16(y);
        t.x = r.i16(x);
        const auto count = static_cast<std::size_t>(r.i16(length));
        EXPECT_EQ(r.u16(options), 0u) << "no clipping rectangle expected";
        const auto text = ByteReader(r.bytes).slice(string, count);
        t.bytes.assign(text.begin(), text.end());
        const std::size_t dxAt = string + (count + 1) / 2 * 2;
        for (std::size_t i = 0; i < count; ++i)
            t.dx.push_back(r.i16(dxAt + 2 * i));
        EXPECT_EQ(r.bytes.size(), dxAt + 2 * count) << "text record size";
        t.color = color;
        out.push_back(t);
    }
    return out;
}

// A font record's face name, up to its NUL.
inline std::vector<std::uint8_t> faceNameOf(const WmfRecordView& font)
{
    using namespace wmf::CreateFontIndirect;
    const auto name = ByteReader(font.bytes).slice(faceName, faceNameBytes);
    const auto nul = std::find(name.begin(), name.end(), 0);
    EXPECT_NE(nul, name.end()) << "face name without NUL";
    return { name.begin(), nul };
}

} // namespace pluvane::fixtures
