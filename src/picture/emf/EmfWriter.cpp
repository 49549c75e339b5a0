#include "EmfWriter.h"

#include "picture/binary/ByteWriter.h"

namespace pluvane {

namespace {

constexpr std::uint32_t headerSize = 108;
constexpr std::size_t faceNameUnits = 32;

class EmfEncoder {
public:
    explicit EmfEncoder(std::vector<std::uint8_t>& out) : m_w(out) {}

    void header(const EmfHeader& h)
    {
        begin(EmfRecordType::Header);
        rect(h.bounds);
        rect(h.frame);
        m_w.u32(emfSignature);
        m_w.u32(0x00010000); // nVersion
        m_bytesAt = m_w.position();
        m_w.u32(0);          // nBytes, patched in finish()
        m_recordsAt = m_w.position();
        m_w.u32(0);          // nRecords, patched in finish()
        m_w.u16(h.handles);  // nHandles
        m_w.u16(0);          // sReserved
        m_w.u32(0);          // nDescription
        m_w.u32(0);          // offDescription
        m_w.u32(0);          // nPalEntries
        size(h.device);      // szlDevice
        size(h.millimeters); // szlMillimeters
        m_w.u32(0);          // cbPixelFormat
        m_w.u32(0);          // offPixelFormat
        m_w.u32(0);          // bOpenGL
        size({ h.millimeters.cx * 1000, h.millimeters.cy * 1000 }); // szlMicrometers
        end();
    }

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
    // Every record starts with its type and size; the size is filled in by end().
    void begin(EmfRecordType type)
    {
        m_start = m_w.position();
        m_w.u32(static_cast<std::uint32_t>(type));
        m_w.u32(0); // nSize
    }
    void end()
    {
        m_w.padTo(m_start, 4);
        m_w.patchU32(m_start + 4, static_cast<std::uint32_t>(m_w.position() - m_start));
        ++m_records;
    }

    void rect(const EmfRect& r)
    {
        m_w.i32(r.left);
        m_w.i32(r.top);
        m_w.i32(r.right);
        m_w.i32(r.bottom);
    }
    void size(const EmfSize& s)
    {
        m_w.i32(s.cx);
        m_w.i32(s.cy);
    }

    void single(EmfRecordType type, std::uint32_t value)
    {
        begin(type);
        m_w.u32(value);
        end();
    }
    void point(EmfRecordType type, std::int32_t x, std::int32_t y)
    {
        begin(type);
        m_w.i32(x);
        m_w.i32(y);
        end();
    }

    void createPen(const EmfCreatePen& p)
    {
        begin(EmfRecordType::CreatePen);
        m_w.u32(p.index); // ihPen
        m_w.u32(p.style); // lopnStyle
        m_w.i32(p.width); // lopnWidth.x
        m_w.i32(0);       // lopnWidth.y, unused
        m_w.u32(p.color); // lopnColor
        end();
    }

    void createFont(const EmfCreateFont& f)
    {
        const LogFont& lf = f.font;
        begin(EmfRecordType::ExtCreateFontIndirectW);
        m_w.u32(f.index); // ihFont
        m_w.i32(lf.height);
        m_w.i32(lf.width);
        m_w.i32(lf.escapement);
        m_w.i32(lf.orientation);
        m_w.i32(lf.weight);
        m_w.u8(lf.italic);
        m_w.u8(lf.underline);
        m_w.u8(lf.strikeOut);
        m_w.u8(lf.charSet);
        m_w.u8(lf.outPrecision);
        m_w.u8(lf.clipPrecision);
        m_w.u8(lf.quality);
        m_w.u8(lf.pitchAndFamily);
        // lfFaceName: 32 UTF-16 units, NUL-terminated and NUL-filled.
        for (std::size_t i = 0; i < faceNameUnits; ++i)
            m_w.u16(i < lf.faceName.size() && i + 1 < faceNameUnits ? lf.faceName[i] : 0);
        end();
    }

    void extTextOut(const EmfExtTextOut& t)
    {
        begin(EmfRecordType::ExtTextOutW);
        rect(t.bounds);
        m_w.u32(1); // iGraphicsMode: GM_COMPATIBLE
        m_w.f32(t.exScale);
        m_w.f32(t.eyScale);
        // EMRTEXT
        m_w.i32(t.x);
        m_w.i32(t.y);
        const auto chars = static_cast<std::uint32_t>(t.text.size());
        constexpr std::uint32_t stringOffset = 76;
        const std::uint32_t dxOffset = stringOffset + (chars * 2 + 3) / 4 * 4;
        m_w.u32(chars);        // nChars
        m_w.u32(stringOffset); // offString
        m_w.u32(0);            // fOptions: neither clipped nor opaque
        rect({ 0, 0, -1, -1 }); // rcl, unused without options
        m_w.u32(dxOffset);     // offDx
        for (char16_t c : t.text)
            m_w.u16(c);
        m_w.padTo(m_start, 4);
        for (std::size_t i = 0; i < t.text.size(); ++i)
            m_w.i32(i < t.dx.size() ? t.dx[i] : 0);
        end();
    }

    void eof()
    {
        begin(EmfRecordType::Eof);
        m_w.u32(0);  // nPalEntries
        m_w.u32(16); // offPalEntries
        m_w.u32(20); // nSizeLast
        end();
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
    out.reserve(headerSize + document.records.size() * 48);
    EmfEncoder encoder(out);
    encoder.header(document.header);
    for (const EmfRecord& r : document.records)
        encoder.record(r);
    encoder.finish();
    return out;
}

} // namespace pluvane
