#include "WmfConverter.h"

#include "Cp932.h"
#include "WmfFaceNames.h"
#include "WmfLayout.h"
#include "WmfSelfCheck.h"
#include "layout/Errors.h"
#include "picture/binary/ByteWriter.h"
#include "picture/binary/Integers.h"
#include "picture/binary/Utf16.h"
#include "picture/emf/ObjectTable.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <utility>
#include <variant>

namespace pluvane {

namespace {

constexpr std::uint8_t shiftJisCharset = 128;

// Readers decode a font's text by the font's character set. A picture whose
// texts are all ASCII keeps the system's default, as it always has; one with
// other characters (Japanese labels or titles) says that its bytes are
// Shift-JIS, code page 932, so a reader on any system decodes them as written.
std::uint8_t charsetFor(const EmfDocument& document)
{
    for (const EmfRecord& r : document.records)
        if (const auto* t = std::get_if<EmfExtTextOut>(&r))
            for (const char16_t unit : t->text)
                if (unit > 0x7F)
                    return shiftJisCharset;
    return wmf::defaultCharset;
}

// Everything in a Windows metafile is 16 bits wide; a value that does not
// fit cannot be stated and fails the conversion.
std::int16_t fit16(std::int64_t v)
{
    if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
        throw EOutOfResources();
    return static_cast<std::int16_t>(v);
}

std::uint16_t fit16u(std::uint32_t v)
{
    if (v > std::numeric_limits<std::uint16_t>::max())
        throw EOutOfResources();
    return static_cast<std::uint16_t>(v);
}

// Recorded pixels become the metafile's logical units: the placeable box
// states the picture's size in those units, and readers lay the drawing out
// in the box's units, so every coordinate and length is scaled to them.
struct LogicalScale {
    std::int64_t pixelsX = 1, pixelsY = 1;   // the picture's size in pixels
    std::int64_t logicalX = 1, logicalY = 1; // the same size in logical units

    std::int64_t x(std::int64_t v) const { return divideRounded(v * logicalX, pixelsX); }
    std::int64_t y(std::int64_t v) const { return divideRounded(v * logicalY, pixelsY); }
};

// Writes the metafile record by record, each field at the offset WmfLayout.h
// names for it.
class WmfEncoder {
public:
    WmfEncoder(
        std::vector<std::uint8_t>& out, LogicalScale scale, std::uint8_t charset, AsciiFaceNameLookup asciiFaceName)
        : m_w(out)
        , m_scale(scale)
        , m_charset(charset)
        , m_asciiFaceName(std::move(asciiFaceName))
    {
    }

    void header()
    {
        using namespace wmf::Header;
        m_headerAt = m_w.position();
        m_w.beginRecord();
        m_w.u16(type, memoryMetafile);
        m_w.u16(headerWords, headerWordsValue);
        m_w.u16(version, versionValue);
        m_w.u32(sizeWords, 0);      // patched in finish()
        m_w.u16(objects, 0);        // patched in finish()
        m_w.u32(maxRecordWords, 0); // patched in finish()
        m_w.u16(members, 0);
        m_w.expectAt(size);
    }

    void window()
    {
        single(WmfFunction::SetMapMode, wmf::mapModeAnisotropic);
        point(WmfFunction::SetWindowOrg, 0, 0);
        point(WmfFunction::SetWindowExt, m_scale.logicalX, m_scale.logicalY);
    }

    // Converts one recorded operation; false once the end record is reached.
    // The visit has a branch for every kind of record.
    bool record(const EmfRecord& r)
    {
        bool more = true;
        std::visit(Overloaded {
                       [&](const EmfSetBkMode& x) { single(WmfFunction::SetBkMode, fit16u(x.mode)); },
                       [&](const EmfSetRop2& x) { single(WmfFunction::SetRop2, fit16u(x.mode)); },
                       [&](const EmfSetTextColor& x) { setTextColor(x.color); },
                       [&](const EmfMoveTo& x) { point(WmfFunction::MoveTo, m_scale.x(x.x), m_scale.y(x.y)); },
                       [&](const EmfLineTo& x) { point(WmfFunction::LineTo, m_scale.x(x.x), m_scale.y(x.y)); },
                       [&](const EmfSelectObject& x) { selectObject(x.index); },
                       [&](const EmfDeleteObject& x) { deleteObject(x.index); },
                       [&](const EmfCreatePen& x) { createPen(x); },
                       [&](const EmfCreateFont& x) { createFont(x); },
                       [&](const EmfExtTextOut& x) { extTextOut(x); },
                       [&](const EmfEof&) {
                           eof();
                           more = false;
                       },
                   },
            r);
        return more;
    }

    void finish()
    {
        using namespace wmf::Header;
        const std::size_t total = m_w.position() - m_headerAt;
        if (total % 2 != 0 || total / 2 > std::numeric_limits<std::uint32_t>::max())
            throw EOutOfResources();
        m_w.patchU32(m_headerAt + sizeWords, static_cast<std::uint32_t>(total / 2));
        m_w.patchU16(m_headerAt + objects, objectCount());
        m_w.patchU32(m_headerAt + maxRecordWords, m_maxRecordWords);
    }

    std::uint16_t objectCount() const { return static_cast<std::uint16_t>(m_slots.size()); }

private:
    // The framing: every record starts with its size in words and its
    // function; the size is filled in by end(), which also keeps the largest
    // record.
    void begin(WmfFunction function)
    {
        m_w.beginRecord();
        m_w.u32(wmf::Record::sizeWords, 0);
        m_w.u16(wmf::Record::function, static_cast<std::uint16_t>(function));
    }
    // `expectedWords` is the layout's size for records of fixed size, 0 for others.
    void end([[maybe_unused]] std::uint32_t expectedWords = 0)
    {
        m_w.padRecordTo(wmf::Record::alignment);
        const std::size_t words = m_w.recordSize() / 2;
        if (words > std::numeric_limits<std::uint32_t>::max())
            throw EOutOfResources();
        assert(expectedWords == 0 || words == expectedWords);
        m_w.patchU32(m_w.recordStart() + wmf::Record::sizeWords, static_cast<std::uint32_t>(words));
        m_maxRecordWords = std::max(m_maxRecordWords, static_cast<std::uint32_t>(words));
    }

    void bytes(std::size_t offset, const std::string& b)
    {
        m_w.bytes(offset, reinterpret_cast<const std::uint8_t*>(b.data()), b.size());
    }

    void single(WmfFunction function, std::uint16_t value)
    {
        begin(function);
        m_w.u16(wmf::SingleValue::value, value);
        end(wmf::SingleValue::words);
    }
    void point(WmfFunction function, std::int64_t x, std::int64_t y)
    {
        const std::int16_t y16 = fit16(y);
        const std::int16_t x16 = fit16(x);
        begin(function);
        m_w.i16(wmf::Point::y, y16);
        m_w.i16(wmf::Point::x, x16);
        end(wmf::Point::words);
    }

    void setTextColor(std::uint32_t color)
    {
        begin(WmfFunction::SetTextColor);
        m_w.u32(wmf::SetTextColor::color, color);
        end(wmf::SetTextColor::words);
    }

    // A player puts each new object in the lowest free slot of its object
    // table; the same table here tells which slot a recorded handle lands in.
    std::uint16_t createSlot(std::uint32_t handle)
    {
        if ((handle & stockObjectFlag) != 0 || m_slotOfHandle.contains(handle))
            throw EOutOfResources();
        const std::size_t slot = m_slots.take();
        if (slot > std::numeric_limits<std::uint16_t>::max() - 1)
            throw EOutOfResources();
        m_slotOfHandle[handle] = static_cast<std::uint16_t>(slot);
        return static_cast<std::uint16_t>(slot);
    }
    std::uint16_t slotOf(std::uint32_t handle) const
    {
        const auto found = m_slotOfHandle.find(handle);
        if (found == m_slotOfHandle.end())
            throw EOutOfResources();
        return found->second;
    }

    void selectObject(std::uint32_t handle)
    {
        // Stock objects do not exist in this format; the recording selects
        // them only to put the defaults back before it ends.
        if ((handle & stockObjectFlag) != 0)
            return;
        single(WmfFunction::SelectObject, slotOf(handle));
    }

    void deleteObject(std::uint32_t handle)
    {
        if ((handle & stockObjectFlag) != 0)
            return;
        const std::uint16_t slot = slotOf(handle);
        single(WmfFunction::DeleteObject, slot);
        m_slots.release(slot);
        m_slotOfHandle.erase(handle);
    }

    void createPen(const EmfCreatePen& p)
    {
        using namespace wmf::CreatePenIndirect;
        const std::uint16_t penStyle = fit16u(p.style);
        // A pen of one pixel stays at least one unit wide.
        const std::int16_t penWidth = fit16(std::max<std::int64_t>(m_scale.x(p.width), p.width > 0 ? 1 : 0));
        createSlot(p.index);
        begin(WmfFunction::CreatePenIndirect);
        m_w.u16(style, penStyle);
        m_w.i16(widthX, penWidth);
        m_w.i16(widthY, 0);
        m_w.u32(color, p.color);
        end(words);
    }

    void createFont(const EmfCreateFont& f)
    {
        using namespace wmf::CreateFontIndirect;
        const LogFont& lf = f.font;
        const std::int16_t fontHeight = fit16(m_scale.y(lf.height));
        const std::int16_t fontWidth = fit16(m_scale.x(lf.width));
        const std::int16_t fontEscapement = fit16(lf.escapement);
        const std::int16_t fontOrientation = fit16(lf.orientation);
        const std::int16_t fontWeight = fit16(lf.weight);
        const std::string face = faceNameOf(lf.faceName);
        createSlot(f.index);
        begin(WmfFunction::CreateFontIndirect);
        m_w.i16(height, fontHeight);
        m_w.i16(width, fontWidth);
        m_w.i16(escapement, fontEscapement);
        m_w.i16(orientation, fontOrientation);
        m_w.i16(weight, fontWeight);
        m_w.u8(italic, lf.italic);
        m_w.u8(underline, lf.underline);
        m_w.u8(strikeOut, lf.strikeOut);
        m_w.u8(charSet, m_charset); // one character set for every font of the picture
        m_w.u8(outPrecision, lf.outPrecision);
        m_w.u8(clipPrecision, lf.clipPrecision);
        m_w.u8(quality, lf.quality);
        m_w.u8(pitchAndFamily, lf.pitchAndFamily);
        bytes(faceName, face);
        m_w.zeros(faceNameBytes - face.size()); // NUL-filled
        end(words);
    }

    void extTextOut(const EmfExtTextOut& t)
    {
        using namespace wmf::ExtTextOut;
        // Each character's advance goes with its first byte; the second byte
        // of a double-byte character advances by nothing.
        // Advances are scaled from the running pixel position, so rounding
        // never adds up along the text.
        std::string text;
        std::vector<std::int16_t> dx;
        std::size_t unit = 0;
        std::int64_t pixels = 0;
        std::int64_t placed = 0;
        for (const Utf16Character& c : utf16Characters(t.text)) {
            for (std::size_t i = unit; i < unit + c.units && i < t.dx.size(); ++i)
                pixels += t.dx[i];
            unit += c.units;
            const std::string encoded = m_cp932.encode(c.code);
            text += encoded;
            const std::int64_t next = m_scale.x(pixels);
            dx.push_back(fit16(next - placed));
            placed = next;
            dx.insert(dx.end(), encoded.size() - 1, 0);
        }
        const std::int16_t textLength = fit16(static_cast<std::int64_t>(text.size()));
        const std::int16_t y16 = fit16(m_scale.y(t.y));
        const std::int16_t x16 = fit16(m_scale.x(t.x));
        begin(WmfFunction::ExtTextOut);
        m_w.i16(y, y16);
        m_w.i16(x, x16);
        m_w.i16(length, textLength);
        m_w.u16(options, 0); // neither clipped nor opaque, so no rectangle
        bytes(string, text);
        m_w.padRecordTo(wmf::Record::alignment);
        const std::size_t dxAt = string + (text.size() + 1) / 2 * 2;
        for (std::size_t i = 0; i < dx.size(); ++i)
            m_w.i16(dxAt + 2 * i, dx[i]); // one advance per byte
        end();
    }

    // The face's ASCII name where it has one, as readers outside Windows
    // match faces by those and may not read code page 932; else the name in
    // that code page, whole characters only, at most 31 bytes, so the name
    // ends in a NUL.
    std::string faceNameOf(const std::u16string& name)
    {
        using wmf::CreateFontIndirect::faceNameBytes;
        const auto usable = [](const std::optional<std::string>& ascii) {
            return ascii && !ascii->empty() && ascii->size() < faceNameBytes
                && std::all_of(ascii->begin(), ascii->end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
        };
        if (auto ascii = wellKnownAsciiFaceName(name); usable(ascii))
            return *ascii;
        if (m_asciiFaceName)
            if (auto ascii = m_asciiFaceName(name); usable(ascii))
                return *ascii;
        std::string face;
        for (const Utf16Character& c : utf16Characters(name)) {
            const std::string encoded = m_cp932.encode(c.code);
            if (face.size() + encoded.size() > faceNameBytes - 1)
                break;
            face += encoded;
        }
        return face;
    }

    void eof()
    {
        begin(WmfFunction::Eof);
        end(wmf::Eof::words);
    }

    ByteWriter m_w;
    LogicalScale m_scale;
    std::uint8_t m_charset;
    AsciiFaceNameLookup m_asciiFaceName;
    Cp932Encoder m_cp932;
    std::size_t m_headerAt = 0;
    std::uint32_t m_maxRecordWords = 0;
    ObjectTable m_slots;
    std::map<std::uint32_t, std::uint16_t> m_slotOfHandle;
};

} // namespace

std::vector<std::uint8_t> convertToWmf(const EmfDocument& document, const WmfConversion& conversion)
{
    if (conversion.widthPx <= 0 || conversion.heightPx <= 0 || conversion.logicalWidth <= 0
        || conversion.logicalHeight <= 0)
        throw EOutOfResources();
    std::vector<std::uint8_t> out;
    out.reserve(document.records.size() * 24 + 64);
    WmfEncoder encoder(out,
        LogicalScale { conversion.widthPx, conversion.heightPx, conversion.logicalWidth, conversion.logicalHeight },
        charsetFor(document), conversion.asciiFaceName);
    encoder.header();
    encoder.window();
    bool ended = false;
    for (const EmfRecord& r : document.records) {
        if (!encoder.record(r)) {
            ended = true;
            break;
        }
    }
    if (!ended)
        throw EOutOfResources();
    encoder.finish();
    if (!wmfMatchesItsHeader(out, encoder.objectCount()))
        throw EOutOfResources();
    return out;
}

} // namespace pluvane
