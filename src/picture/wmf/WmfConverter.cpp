#include "WmfConverter.h"

#include "picture/binary/ByteReader.h"
#include "picture/binary/ByteWriter.h"
#include "layout/Errors.h"

#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <span>
#include <string>

namespace pluvane {

namespace {

enum class WmfFunction : std::uint16_t {
    Eof = 0x0000,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetRop2 = 0x0104,
    SelectObject = 0x012D,
    DeleteObject = 0x01F0,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    ExtTextOut = 0x0A32,
};

constexpr std::uint16_t memoryMetafile = 1;
constexpr std::uint16_t headerWords = 9;
constexpr std::uint16_t metafileVersion = 0x0300;
constexpr std::uint16_t mmAnisotropic = 8;
constexpr std::size_t faceNameBytes = 32; // 31 characters' bytes and a NUL
constexpr std::uint32_t eofWords = 3;
constexpr std::uint8_t substituteCharacter = '?';

// Everything in a Windows metafile is 16 bits wide; a value that does not
// fit cannot be stated and fails the conversion.
std::int16_t fit16(std::int64_t v)
{
    if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
        throw EOutOfResources();
    return static_cast<std::int16_t>(v);
}

// One character of a UTF-16 text: its code point and how many UTF-16 units
// it took. A lone surrogate has no code point and is kept as 0xFFFD.
struct Character {
    char32_t code = 0;
    std::size_t units = 1;
};

std::vector<Character> charactersOf(const std::u16string& text)
{
    std::vector<Character> out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            const char32_t code = 0x10000 + ((char32_t { unit } - 0xD800) << 10) + (char32_t { text[i + 1] } - 0xDC00);
            out.push_back({ code, 2 });
            ++i;
        } else {
            out.push_back({ high || low ? char32_t { 0xFFFD } : char32_t { unit }, 1 });
        }
    }
    return out;
}

// Code page 932 through glibc's iconv, whose "CP932" table is the Microsoft
// one (the table Japanese Windows uses, with its NEC and IBM extensions and
// its mappings of the full-width signs), and which needs no Qt build option.
// Characters are encoded one at a time, so the bytes of each are known for
// its advance, and a character the code page lacks becomes "?" alone.
class Cp932Encoder {
public:
    Cp932Encoder()
        : m_cd(iconv_open("CP932", "UTF-32LE"))
    {
        if (m_cd == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)))
            throw EOutOfResources();
    }
    ~Cp932Encoder() { iconv_close(m_cd); }
    Cp932Encoder(const Cp932Encoder&) = delete;
    Cp932Encoder& operator=(const Cp932Encoder&) = delete;

    // The bytes of one character: one or two in this code page.
    std::string encode(char32_t code)
    {
        char in[4] = { static_cast<char>(code & 0xFF), static_cast<char>((code >> 8) & 0xFF),
            static_cast<char>((code >> 16) & 0xFF), static_cast<char>((code >> 24) & 0xFF) };
        char out[8] = {};
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = sizeof in;
        std::size_t outLeft = sizeof out;
        const std::size_t done = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (done == static_cast<std::size_t>(-1) || inLeft != 0 || outPtr == out) {
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr); // back to the initial state
            return std::string(1, static_cast<char>(substituteCharacter));
        }
        return std::string(out, outPtr);
    }

private:
    iconv_t m_cd;
};

// Recorded pixels become the metafile's logical units: the placeable box
// states the picture's size in those units, and readers lay the drawing out
// in the box's units, so every coordinate and length is scaled to them.
struct LogicalScale {
    std::int64_t pixelsX = 1, pixelsY = 1;   // the picture's size in pixels
    std::int64_t logicalX = 1, logicalY = 1; // the same size in logical units

    // Rounded to the nearest unit, halves away from zero.
    static std::int64_t scaled(std::int64_t v, std::int64_t to, std::int64_t from)
    {
        const std::int64_t n = v * to;
        return n >= 0 ? (n + from / 2) / from : -((-n + from / 2) / from);
    }
    std::int64_t x(std::int64_t v) const { return scaled(v, logicalX, pixelsX); }
    std::int64_t y(std::int64_t v) const { return scaled(v, logicalY, pixelsY); }
};

class WmfEncoder {
public:
    WmfEncoder(std::vector<std::uint8_t>& out, LogicalScale scale) : m_w(out), m_scale(scale) {}

    void header()
    {
        m_w.u16(memoryMetafile);  // Type
        m_w.u16(headerWords);     // HeaderSize
        m_w.u16(metafileVersion); // Version
        m_sizeAt = m_w.position();
        m_w.u32(0);               // Size in words, patched in finish()
        m_objectsAt = m_w.position();
        m_w.u16(0);               // NumberOfObjects, patched in finish()
        m_maxRecordAt = m_w.position();
        m_w.u32(0);               // MaxRecord, patched in finish()
        m_w.u16(0);               // NumberOfMembers, unused
    }

    void window()
    {
        single(WmfFunction::SetMapMode, mmAnisotropic);
        point(WmfFunction::SetWindowOrg, 0, 0);
        point(WmfFunction::SetWindowExt, m_scale.logicalX, m_scale.logicalY);
    }

    // Converts one recorded operation; false once the end record is reached.
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
        const std::size_t bytes = m_w.position();
        if (bytes % 2 != 0 || bytes / 2 > std::numeric_limits<std::uint32_t>::max())
            throw EOutOfResources();
        m_w.patchU32(m_sizeAt, static_cast<std::uint32_t>(bytes / 2));
        m_w.patchU16(m_objectsAt, objectCount());
        m_w.patchU32(m_maxRecordAt, m_maxRecordWords);
    }

    std::uint16_t objectCount() const { return static_cast<std::uint16_t>(m_slotsInUse.size()); }

private:
    // Every record starts with its size in words and its function; the size
    // is filled in by end(), which also keeps the largest record.
    void begin(WmfFunction function)
    {
        m_start = m_w.position();
        m_w.u32(0); // RecordSize, patched in end()
        m_w.u16(static_cast<std::uint16_t>(function)); // RecordFunction
    }
    void end()
    {
        m_w.padTo(m_start, 2);
        const std::size_t words = (m_w.position() - m_start) / 2;
        if (words > std::numeric_limits<std::uint32_t>::max())
            throw EOutOfResources();
        m_w.patchU32(m_start, static_cast<std::uint32_t>(words));
        m_maxRecordWords = std::max(m_maxRecordWords, static_cast<std::uint32_t>(words));
    }

    static std::uint16_t fit16u(std::uint32_t v)
    {
        if (v > std::numeric_limits<std::uint16_t>::max())
            throw EOutOfResources();
        return static_cast<std::uint16_t>(v);
    }

    void single(WmfFunction function, std::uint16_t value)
    {
        begin(function);
        m_w.u16(value);
        end();
    }
    // Points are stored y first.
    void point(WmfFunction function, std::int64_t x, std::int64_t y)
    {
        const std::int16_t y16 = fit16(y);
        const std::int16_t x16 = fit16(x);
        begin(function);
        m_w.i16(y16); // Y
        m_w.i16(x16); // X
        end();
    }

    void setTextColor(std::uint32_t color)
    {
        begin(WmfFunction::SetTextColor);
        m_w.u32(color); // ColorRef: red, green, blue, reserved
        end();
    }

    // The player puts each new object in the lowest free slot of its object
    // table; the same choice here tells which slot a recorded handle lands in.
    std::uint16_t createSlot(std::uint32_t handle)
    {
        if ((handle & stockObjectFlag) != 0 || m_slotOfHandle.contains(handle))
            throw EOutOfResources();
        const auto free = std::find(m_slotsInUse.begin(), m_slotsInUse.end(), false);
        const auto slot = static_cast<std::size_t>(free - m_slotsInUse.begin());
        if (slot > std::numeric_limits<std::uint16_t>::max() - 1)
            throw EOutOfResources();
        if (free == m_slotsInUse.end())
            m_slotsInUse.push_back(true);
        else
            *free = true;
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
        single(WmfFunction::SelectObject, slotOf(handle)); // ObjectIndex
    }

    void deleteObject(std::uint32_t handle)
    {
        if ((handle & stockObjectFlag) != 0)
            return;
        const std::uint16_t slot = slotOf(handle);
        single(WmfFunction::DeleteObject, slot); // ObjectIndex
        m_slotsInUse[slot] = false;
        m_slotOfHandle.erase(handle);
    }

    void createPen(const EmfCreatePen& p)
    {
        const std::uint16_t style = fit16u(p.style);
        // A pen of one pixel stays at least one unit wide.
        const std::int16_t width = fit16(std::max<std::int64_t>(m_scale.x(p.width), p.width > 0 ? 1 : 0));
        createSlot(p.index);
        begin(WmfFunction::CreatePenIndirect);
        m_w.u16(style);   // PenStyle
        m_w.i16(width);   // Width.x
        m_w.i16(0);       // Width.y, unused
        m_w.u32(p.color); // ColorRef
        end();
    }

    void createFont(const EmfCreateFont& f)
    {
        const LogFont& lf = f.font;
        const std::int16_t height = fit16(m_scale.y(lf.height));
        const std::int16_t width = fit16(m_scale.x(lf.width));
        const std::int16_t escapement = fit16(lf.escapement);
        const std::int16_t orientation = fit16(lf.orientation);
        const std::int16_t weight = fit16(lf.weight);
        // Whole characters only, at most 31 bytes, so the name ends in a NUL.
        std::string face;
        for (const Character& c : charactersOf(lf.faceName)) {
            const std::string bytes = m_cp932.encode(c.code);
            if (face.size() + bytes.size() > faceNameBytes - 1)
                break;
            face += bytes;
        }
        createSlot(f.index);
        begin(WmfFunction::CreateFontIndirect);
        m_w.i16(height);
        m_w.i16(width);
        m_w.i16(escapement);
        m_w.i16(orientation);
        m_w.i16(weight);
        m_w.u8(lf.italic);
        m_w.u8(lf.underline);
        m_w.u8(lf.strikeOut);
        m_w.u8(defaultCharset); // CharSet: every font takes the system's default
        m_w.u8(lf.outPrecision);
        m_w.u8(lf.clipPrecision);
        m_w.u8(lf.quality);
        m_w.u8(lf.pitchAndFamily);
        // Facename: 32 bytes, NUL-filled.
        m_w.bytes(reinterpret_cast<const std::uint8_t*>(face.data()), face.size());
        m_w.zeros(faceNameBytes - face.size());
        end();
    }

    void extTextOut(const EmfExtTextOut& t)
    {
        // Each character's advance goes with its first byte; the second byte
        // of a double-byte character advances by nothing.
        // Advances are scaled from the running pixel position, so rounding
        // never adds up along the text.
        std::string text;
        std::vector<std::int16_t> dx;
        std::size_t unit = 0;
        std::int64_t pixels = 0;
        std::int64_t placed = 0;
        for (const Character& c : charactersOf(t.text)) {
            for (std::size_t i = unit; i < unit + c.units && i < t.dx.size(); ++i)
                pixels += t.dx[i];
            unit += c.units;
            const std::string bytes = m_cp932.encode(c.code);
            text += bytes;
            const std::int64_t next = m_scale.x(pixels);
            dx.push_back(fit16(next - placed));
            placed = next;
            dx.insert(dx.end(), bytes.size() - 1, 0);
        }
        const std::int16_t length = fit16(static_cast<std::int64_t>(text.size()));
        const std::int16_t y = fit16(m_scale.y(t.y));
        const std::int16_t x = fit16(m_scale.x(t.x));
        begin(WmfFunction::ExtTextOut);
        m_w.i16(y);      // Y
        m_w.i16(x);      // X
        m_w.i16(length); // StringLength in bytes
        m_w.u16(0);      // fwOpts: neither clipped nor opaque, so no Rectangle
        m_w.bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        m_w.padTo(m_start, 2); // String, padded to a whole word
        for (std::int16_t d : dx)
            m_w.i16(d); // Dx, one per byte
        end();
    }

    void eof()
    {
        begin(WmfFunction::Eof);
        end();
    }

    ByteWriter m_w;
    LogicalScale m_scale;
    Cp932Encoder m_cp932;
    std::size_t m_start = 0;
    std::size_t m_sizeAt = 0;
    std::size_t m_objectsAt = 0;
    std::size_t m_maxRecordAt = 0;
    std::uint32_t m_maxRecordWords = 0;
    std::vector<bool> m_slotsInUse;
    std::map<std::uint32_t, std::uint16_t> m_slotOfHandle;
};

// Reads the finished bytes back as any player would: the header's size must
// be the data's, the records' sizes must walk from the header exactly to the
// end, the last record must be the end record, and the largest record and
// the object count must be the ones announced.
bool matchesItsHeader(std::span<const std::uint8_t> bytes, std::uint16_t objects)
{
    const ByteReader r(bytes);
    if (r.u16(0) != memoryMetafile || r.u16(2) != headerWords || r.u16(4) != metafileVersion
        || r.u16(10) != objects || bytes.size() % 2 != 0)
        return false;
    const auto totalWords = r.u32(6);
    const auto maxRecord = r.u32(12);
    if (!totalWords || !maxRecord || std::uint64_t { *totalWords } * 2 != bytes.size())
        return false;
    std::size_t at = headerWords * 2;
    std::uint32_t largest = 0;
    std::uint16_t lastFunction = 0xFFFF;
    std::uint32_t lastWords = 0;
    while (at < bytes.size()) {
        const auto words = r.u32(at);
        const auto function = r.u16(at + 4);
        if (!words.has_value() || !function.has_value() || *words < eofWords || !r.has(at, std::size_t { *words } * 2))
            return false;
        largest = std::max(largest, *words);
        lastFunction = *function;
        lastWords = *words;
        at += std::size_t { *words } * 2;
    }
    return at == bytes.size() && largest == *maxRecord && lastFunction == static_cast<std::uint16_t>(WmfFunction::Eof)
        && lastWords == eofWords;
}

} // namespace

std::vector<std::uint8_t> convertToWmf(const EmfDocument& document, int widthPx, int heightPx, int logicalWidth,
    int logicalHeight)
{
    if (widthPx <= 0 || heightPx <= 0 || logicalWidth <= 0 || logicalHeight <= 0)
        throw EOutOfResources();
    std::vector<std::uint8_t> out;
    out.reserve(document.records.size() * 24 + 64);
    WmfEncoder encoder(out, LogicalScale { widthPx, heightPx, logicalWidth, logicalHeight });
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
    if (!matchesItsHeader(out, encoder.objectCount()))
        throw EOutOfResources();
    return out;
}

} // namespace pluvane
