#include "EmfWriter.h"

#include "EmfLayout.h"
#include "layout/Errors.h"
#include "picture/binary/ByteWriter.h"
#include "picture/binary/Integers.h"

#include <cassert>

namespace pluvane {

namespace {

// Writes each record field by field at the offsets of EmfLayout.h, which
// the reader reads from.
class EmfEncoder {
public:
    explicit EmfEncoder(std::vector<std::uint8_t>& out) : m_w(out) {}

    void header(const EmfHeader& h)
    {
        using namespace emf::Header;
        begin(EmfRecordType::Header);
        rect(bounds, h.bounds);
        rect(frame, h.frame);
        m_w.u32(signature, emfSignature);
        m_w.u32(version, versionValue);
        m_bytesAt = m_w.position();
        m_w.u32(bytes, 0); // patched in finish()
        m_recordsAt = m_w.position();
        m_w.u32(records, 0); // patched in finish()
        m_w.u16(handles, h.handles);
        m_w.u16(reserved, 0);
        m_w.u32(descriptionChars, 0);
        m_w.u32(descriptionOffset, 0);
        m_w.u32(paletteEntries, 0);
        sizeField(device, h.device);
        sizeField(millimeters, h.millimeters);
        m_w.u32(pixelFormatSize, 0);
        m_w.u32(pixelFormatOffset, 0);
        m_w.u32(openGL, 0);
        sizeField(micrometers, micrometersOf(h.millimeters));
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
        m_w.beginRecord();
        m_w.u32(emf::Record::type, static_cast<std::uint32_t>(type));
        m_w.u32(emf::Record::size, 0);
    }
    // `expectedSize` is the layout's size for records of fixed size, 0 for others.
    void end([[maybe_unused]] std::size_t expectedSize = 0)
    {
        m_w.padRecordTo(emf::Record::alignment);
        const std::size_t size = m_w.recordSize();
        assert(expectedSize == 0 || size == expectedSize);
        m_w.patchU32(m_w.recordStart() + emf::Record::size, static_cast<std::uint32_t>(size));
        ++m_records;
    }

    // The device size in micrometres; a size in millimetres too large for
    // that field is not a header this program writes.
    static EmfSize micrometersOf(const EmfSize& millimeters)
    {
        const auto cx = checkedInt32(std::int64_t { millimeters.cx } * 1000);
        const auto cy = checkedInt32(std::int64_t { millimeters.cy } * 1000);
        if (!cx || !cy)
            throw EInvalidGraphic();
        return { *cx, *cy };
    }

    void rect(std::size_t offset, const EmfRect& r)
    {
        m_w.i32(offset, r.left);
        m_w.i32(offset + 4, r.top);
        m_w.i32(offset + 8, r.right);
        m_w.i32(offset + 12, r.bottom);
    }
    void sizeField(std::size_t offset, const EmfSize& s)
    {
        m_w.i32(offset, s.cx);
        m_w.i32(offset + 4, s.cy);
    }

    void single(EmfRecordType type, std::uint32_t value)
    {
        begin(type);
        m_w.u32(emf::SingleValue::value, value);
        end(emf::SingleValue::size);
    }
    void point(EmfRecordType type, std::int32_t x, std::int32_t y)
    {
        begin(type);
        m_w.i32(emf::Point::x, x);
        m_w.i32(emf::Point::y, y);
        end(emf::Point::size);
    }

    void createPen(const EmfCreatePen& p)
    {
        using namespace emf::CreatePen;
        begin(EmfRecordType::CreatePen);
        m_w.u32(index, p.index);
        m_w.u32(style, p.style);
        m_w.i32(widthX, p.width);
        m_w.i32(widthY, 0);
        m_w.u32(color, p.color);
        end(size);
    }

    void createFont(const EmfCreateFont& f)
    {
        using namespace emf::ExtCreateFontIndirectW;
        const LogFont& lf = f.font;
        begin(EmfRecordType::ExtCreateFontIndirectW);
        m_w.u32(index, f.index);
        m_w.i32(height, lf.height);
        m_w.i32(width, lf.width);
        m_w.i32(escapement, lf.escapement);
        m_w.i32(orientation, lf.orientation);
        m_w.i32(weight, lf.weight);
        m_w.u8(italic, lf.italic);
        m_w.u8(underline, lf.underline);
        m_w.u8(strikeOut, lf.strikeOut);
        m_w.u8(charSet, lf.charSet);
        m_w.u8(outPrecision, lf.outPrecision);
        m_w.u8(clipPrecision, lf.clipPrecision);
        m_w.u8(quality, lf.quality);
        m_w.u8(pitchAndFamily, lf.pitchAndFamily);
        // At most 31 units of the name, so it always ends in a NUL.
        for (std::size_t i = 0; i < faceNameUnits; ++i)
            m_w.u16(faceName + 2 * i, i < lf.faceName.size() && i + 1 < faceNameUnits ? lf.faceName[i] : 0);
        end(size);
    }

    void extTextOut(const EmfExtTextOut& t)
    {
        using namespace emf::ExtTextOutW;
        const auto count = static_cast<std::uint32_t>(t.text.size());
        const std::uint32_t dxAt = string + (count * 2 + 3) / 4 * 4;
        begin(EmfRecordType::ExtTextOutW);
        rect(bounds, t.bounds);
        m_w.u32(graphicsMode, graphicsModeCompatible);
        m_w.f32(exScale, t.exScale);
        m_w.f32(eyScale, t.eyScale);
        m_w.i32(x, t.x);
        m_w.i32(y, t.y);
        m_w.u32(chars, count);
        m_w.u32(stringOffset, string);
        m_w.u32(options, 0);               // neither clipped nor opaque
        rect(rectangle, { 0, 0, -1, -1 }); // unused without options
        m_w.u32(dxOffset, dxAt);
        for (std::size_t i = 0; i < t.text.size(); ++i)
            m_w.u16(string + 2 * i, t.text[i]);
        m_w.padRecordTo(emf::Record::alignment);
        for (std::size_t i = 0; i < t.text.size(); ++i)
            m_w.i32(dxAt + 4 * i, i < t.dx.size() ? t.dx[i] : 0);
        end();
    }

    void eof()
    {
        using namespace emf::Eof;
        begin(EmfRecordType::Eof);
        m_w.u32(paletteEntries, 0);
        m_w.u32(paletteOffset, sizeLast); // where an empty palette would begin
        m_w.u32(sizeLast, size);
        end(size);
    }

    ByteWriter m_w;
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
