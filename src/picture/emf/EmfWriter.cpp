#include "EmfWriter.h"

#include "EmfLayout.h"
#include "picture/binary/ByteWriter.h"

#include <cassert>

namespace pluvane {

namespace {

// Writes each record field by field at the offsets of EmfLayout.h, which
// the reader reads from; each field names its offset, and a field written
// anywhere else is a mistake caught by the assertion in debug builds.
class EmfEncoder {
public:
    explicit EmfEncoder(std::vector<std::uint8_t>& out) : m_w(out) {}

    void header(const EmfHeader& h)
    {
        using namespace emf::Header;
        begin(EmfRecordType::Header);
        rect(bounds, h.bounds);
        rect(frame, h.frame);
        u32(signature, emfSignature);
        u32(version, versionValue);
        m_bytesAt = m_w.position();
        u32(bytes, 0);   // patched in finish()
        m_recordsAt = m_w.position();
        u32(records, 0); // patched in finish()
        u16(handles, h.handles);
        u16(reserved, 0);
        u32(descriptionChars, 0);
        u32(descriptionOffset, 0);
        u32(paletteEntries, 0);
        sizeField(device, h.device);
        sizeField(millimeters, h.millimeters);
        u32(pixelFormatSize, 0);
        u32(pixelFormatOffset, 0);
        u32(openGL, 0);
        sizeField(micrometers, { h.millimeters.cx * 1000, h.millimeters.cy * 1000 });
        end(size);
    }

    // One function per record kind; the visit has a branch for every kind.
    void record(const EmfRecord& r)
    {
        std::visit(Overloaded {
                       [&](const EmfSetBkMode& x) { single(EmfRecordType::SetBkMode, x.mode); },
                       [&](const EmfSetRop2& x) { single(EmfRecordType::SetRop2, x.mode); },
                       [&](const EmfSetTextColor& x) { single(EmfRecordType::SetTextColor, x.color); },
                       [&](const EmfSelectObject& x) { single(EmfRecordType::SelectObject, x.index); },
                       [&](const EmfDeleteObject& x) { single(EmfRecordType::DeleteObject, x.index); },
                       [&](const EmfMoveTo& x) { point(EmfRecordType::MoveToEx, x.x, x.y); },
                       [&](const EmfLineTo& x) { point(EmfRecordType::LineTo, x.x, x.y); },
                       [&](const EmfCreatePen& x) { createPen(x); },
                       [&](const EmfCreateFont& x) { createFont(x); },
                       [&](const EmfExtTextOut& x) { extTextOut(x); },
                       [&](const EmfEof&) { eof(); },
                   },
            r);
    }

    void finish()
    {
        m_w.patchU32(m_bytesAt, static_cast<std::uint32_t>(m_w.position()));
        m_w.patchU32(m_recordsAt, m_records);
    }

private:
    // The framing: every record starts with its type and size, and the size
    // is filled in by end() once the record is padded to whole words.
    void begin(EmfRecordType type)
    {
        m_start = m_w.position();
        u32(emf::Record::type, static_cast<std::uint32_t>(type));
        u32(emf::Record::size, 0);
    }
    // `expectedSize` is the layout's size for records of fixed size, 0 for others.
    void end([[maybe_unused]] std::size_t expectedSize = 0)
    {
        m_w.padTo(m_start, emf::Record::alignment);
        const std::size_t size = m_w.position() - m_start;
        assert(expectedSize == 0 || size == expectedSize);
        m_w.patchU32(m_start + emf::Record::size, static_cast<std::uint32_t>(size));
        ++m_records;
    }

    void at([[maybe_unused]] std::size_t offset) const { assert(m_w.position() - m_start == offset); }
    void u8(std::size_t offset, std::uint8_t v) { at(offset); m_w.u8(v); }
    void u16(std::size_t offset, std::uint16_t v) { at(offset); m_w.u16(v); }
    void u32(std::size_t offset, std::uint32_t v) { at(offset); m_w.u32(v); }
    void i32(std::size_t offset, std::int32_t v) { at(offset); m_w.i32(v); }
    void f32(std::size_t offset, float v) { at(offset); m_w.f32(v); }
    void rect(std::size_t offset, const EmfRect& r)
    {
        i32(offset, r.left);
        i32(offset + 4, r.top);
        i32(offset + 8, r.right);
        i32(offset + 12, r.bottom);
    }
    void sizeField(std::size_t offset, const EmfSize& s)
    {
        i32(offset, s.cx);
        i32(offset + 4, s.cy);
    }

    void single(EmfRecordType type, std::uint32_t value)
    {
        begin(type);
        u32(emf::SingleValue::value, value);
        end(emf::SingleValue::size);
    }
    void point(EmfRecordType type, std::int32_t x, std::int32_t y)
    {
        begin(type);
        i32(emf::Point::x, x);
        i32(emf::Point::y, y);
        end(emf::Point::size);
    }

    void createPen(const EmfCreatePen& p)
    {
        using namespace emf::CreatePen;
        begin(EmfRecordType::CreatePen);
        u32(index, p.index);
        u32(style, p.style);
        i32(widthX, p.width);
        i32(widthY, 0);
        u32(color, p.color);
        end(size);
    }

    void createFont(const EmfCreateFont& f)
    {
        using namespace emf::ExtCreateFontIndirectW;
        const LogFont& lf = f.font;
        begin(EmfRecordType::ExtCreateFontIndirectW);
        u32(index, f.index);
        i32(height, lf.height);
        i32(width, lf.width);
        i32(escapement, lf.escapement);
        i32(orientation, lf.orientation);
        i32(weight, lf.weight);
        u8(italic, lf.italic);
        u8(underline, lf.underline);
        u8(strikeOut, lf.strikeOut);
        u8(charSet, lf.charSet);
        u8(outPrecision, lf.outPrecision);
        u8(clipPrecision, lf.clipPrecision);
        u8(quality, lf.quality);
        u8(pitchAndFamily, lf.pitchAndFamily);
        // At most 31 units of the name, so it always ends in a NUL.
        for (std::size_t i = 0; i < faceNameUnits; ++i)
            u16(faceName + 2 * i, i < lf.faceName.size() && i + 1 < faceNameUnits ? lf.faceName[i] : 0);
        end(size);
    }

    void extTextOut(const EmfExtTextOut& t)
    {
        using namespace emf::ExtTextOutW;
        const auto count = static_cast<std::uint32_t>(t.text.size());
        const std::uint32_t dxAt = string + (count * 2 + 3) / 4 * 4;
        begin(EmfRecordType::ExtTextOutW);
        rect(bounds, t.bounds);
        u32(graphicsMode, graphicsModeCompatible);
        f32(exScale, t.exScale);
        f32(eyScale, t.eyScale);
        i32(x, t.x);
        i32(y, t.y);
        u32(chars, count);
        u32(stringOffset, string);
        u32(options, 0);              // neither clipped nor opaque
        rect(rectangle, { 0, 0, -1, -1 }); // unused without options
        u32(dxOffset, dxAt);
        for (std::size_t i = 0; i < t.text.size(); ++i)
            u16(string + 2 * i, t.text[i]);
        m_w.padTo(m_start, emf::Record::alignment);
        for (std::size_t i = 0; i < t.text.size(); ++i)
            i32(dxAt + 4 * i, i < t.dx.size() ? t.dx[i] : 0);
        end();
    }

    void eof()
    {
        using namespace emf::Eof;
        begin(EmfRecordType::Eof);
        u32(paletteEntries, 0);
        u32(paletteOffset, sizeLast); // where an empty palette would begin
        u32(sizeLast, size);
        end(size);
    }

    ByteWriter m_w;
    std::size_t m_start = 0;
    std::size_t m_bytesAt = 0;
    std::size_t m_recordsAt = 0;
    std::uint32_t m_records = 0;
};

} // namespace

std::vector<std::uint8_t> writeEmf(const EmfDocument& document)
{
    std::vector<std::uint8_t> out;
    out.reserve(emf::Header::size + document.records.size() * 48);
    EmfEncoder encoder(out);
    encoder.header(document.header);
    for (const EmfRecord& r : document.records)
        encoder.record(r);
    encoder.finish();
    return out;
}

} // namespace pluvane
