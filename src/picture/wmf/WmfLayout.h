#pragma once

// The Windows-metafile records this program writes: their function numbers
// and where each field lies, in bytes from the start of its record (or of
// the file's headers). The converter writes the fields at these offsets, its
// self-check and the placeable header use them, and tests read the bytes
// through the same names.

#include <cstddef>
#include <cstdint>

namespace pluvane {

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

namespace wmf {

// The 22-byte header of a placeable file, in front of the metafile.
namespace Placeable {
inline constexpr std::size_t key = 0;
inline constexpr std::size_t handle = 4;
inline constexpr std::size_t left = 6;
inline constexpr std::size_t top = 8;
inline constexpr std::size_t right = 10;
inline constexpr std::size_t bottom = 12;
inline constexpr std::size_t inch = 14;
inline constexpr std::size_t reserved = 16;
inline constexpr std::size_t checksum = 20; // exclusive or of the ten words before it
inline constexpr std::size_t size = 22;
inline constexpr std::uint32_t keyValue = 0x9AC6CDD7;
} // namespace Placeable

// The metafile's own header.
namespace Header {
inline constexpr std::size_t type = 0;
inline constexpr std::size_t headerWords = 2;
inline constexpr std::size_t version = 4;
inline constexpr std::size_t sizeWords = 6;
inline constexpr std::size_t objects = 10;
inline constexpr std::size_t maxRecordWords = 12;
inline constexpr std::size_t members = 16; // unused
inline constexpr std::size_t size = 18;
inline constexpr std::uint16_t memoryMetafile = 1;
inline constexpr std::uint16_t headerWordsValue = size / 2;
inline constexpr std::uint16_t versionValue = 0x0300;
} // namespace Header

// The framing every record starts with: its size in 16-bit words and its function.
namespace Record {
inline constexpr std::size_t sizeWords = 0;
inline constexpr std::size_t function = 4;
inline constexpr std::size_t fields = 6; // where the record's own fields begin
inline constexpr std::size_t alignment = 2;
} // namespace Record

// SetBkMode, SetMapMode, SetRop2, SelectObject and DeleteObject: one 16-bit value.
namespace SingleValue {
inline constexpr std::size_t value = 6;
inline constexpr std::uint32_t words = 4;
} // namespace SingleValue

// MoveTo, LineTo, SetWindowOrg and SetWindowExt: a point, y first.
namespace Point {
inline constexpr std::size_t y = 6;
inline constexpr std::size_t x = 8;
inline constexpr std::uint32_t words = 5;
} // namespace Point

namespace SetTextColor {
inline constexpr std::size_t color = 6; // red, green, blue, reserved
inline constexpr std::uint32_t words = 5;
} // namespace SetTextColor

namespace CreatePenIndirect {
inline constexpr std::size_t style = 6;
inline constexpr std::size_t widthX = 8;
inline constexpr std::size_t widthY = 10; // unused
inline constexpr std::size_t color = 12;
inline constexpr std::uint32_t words = 8;
} // namespace CreatePenIndirect

namespace CreateFontIndirect {
inline constexpr std::size_t height = 6;
inline constexpr std::size_t width = 8;
inline constexpr std::size_t escapement = 10;
inline constexpr std::size_t orientation = 12;
inline constexpr std::size_t weight = 14;
inline constexpr std::size_t italic = 16;
inline constexpr std::size_t underline = 17;
inline constexpr std::size_t strikeOut = 18;
inline constexpr std::size_t charSet = 19;
inline constexpr std::size_t outPrecision = 20;
inline constexpr std::size_t clipPrecision = 21;
inline constexpr std::size_t quality = 22;
inline constexpr std::size_t pitchAndFamily = 23;
inline constexpr std::size_t faceName = 24;
inline constexpr std::size_t faceNameBytes = 32; // 31 characters' bytes and a NUL
inline constexpr std::uint32_t words = 28;
} // namespace CreateFontIndirect

// Without options there is no clipping rectangle: the string follows the
// options, padded to a whole word, and then one advance per byte.
namespace ExtTextOut {
inline constexpr std::size_t y = 6;
inline constexpr std::size_t x = 8;
inline constexpr std::size_t length = 10; // of the string, in bytes
inline constexpr std::size_t options = 12;
inline constexpr std::size_t string = 14;
} // namespace ExtTextOut

namespace Eof {
inline constexpr std::uint32_t words = 3;
} // namespace Eof

inline constexpr std::uint16_t mapModeAnisotropic = 8;
inline constexpr std::uint8_t defaultCharset = 1;

} // namespace wmf

} // namespace pluvane
