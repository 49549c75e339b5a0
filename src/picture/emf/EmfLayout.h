#pragma once

// Where each field of each enhanced-metafile record this program writes
// lies, in bytes from the start of its record. EmfWriter writes the fields
// at these offsets, EmfReader reads them from there, and tests look at the
// bytes through the same names.

#include <cstddef>
#include <cstdint>

namespace pluvane::emf {

// The framing every record starts with.
namespace Record {
inline constexpr std::size_t type = 0;
inline constexpr std::size_t size = 4;
inline constexpr std::size_t fields = 8; // where the record's own fields begin
inline constexpr std::size_t alignment = 4;
} // namespace Record

namespace Header {
inline constexpr std::size_t bounds = 8;
inline constexpr std::size_t frame = 24;
inline constexpr std::size_t signature = 40;
inline constexpr std::size_t version = 44;
inline constexpr std::size_t bytes = 48;
inline constexpr std::size_t records = 52;
inline constexpr std::size_t handles = 56;
inline constexpr std::size_t reserved = 58;
inline constexpr std::size_t descriptionChars = 60;
inline constexpr std::size_t descriptionOffset = 64;
inline constexpr std::size_t paletteEntries = 68;
inline constexpr std::size_t device = 72;
inline constexpr std::size_t millimeters = 80;
inline constexpr std::size_t pixelFormatSize = 88;
inline constexpr std::size_t pixelFormatOffset = 92;
inline constexpr std::size_t openGL = 96;
inline constexpr std::size_t micrometers = 100;
inline constexpr std::size_t size = 108;
// Readers accept a header that ends after the millimetres, as the oldest
// writers made it.
inline constexpr std::size_t minimumSize = 88;
inline constexpr std::uint32_t versionValue = 0x00010000;
} // namespace Header

// SetBkMode, SetRop2, SetTextColor, SelectObject and DeleteObject: one
// 32-bit value.
namespace SingleValue {
inline constexpr std::size_t value = 8;
inline constexpr std::size_t size = 12;
} // namespace SingleValue

// MoveToEx and LineTo: one point.
namespace Point {
inline constexpr std::size_t x = 8;
inline constexpr std::size_t y = 12;
inline constexpr std::size_t size = 16;
} // namespace Point

namespace CreatePen {
inline constexpr std::size_t index = 8;
inline constexpr std::size_t style = 12;
inline constexpr std::size_t widthX = 16;
inline constexpr std::size_t widthY = 20; // unused
inline constexpr std::size_t color = 24;
inline constexpr std::size_t size = 28;
} // namespace CreatePen

namespace ExtCreateFontIndirectW {
inline constexpr std::size_t index = 8;
inline constexpr std::size_t height = 12;
inline constexpr std::size_t width = 16;
inline constexpr std::size_t escapement = 20;
inline constexpr std::size_t orientation = 24;
inline constexpr std::size_t weight = 28;
inline constexpr std::size_t italic = 32;
inline constexpr std::size_t underline = 33;
inline constexpr std::size_t strikeOut = 34;
inline constexpr std::size_t charSet = 35;
inline constexpr std::size_t outPrecision = 36;
inline constexpr std::size_t clipPrecision = 37;
inline constexpr std::size_t quality = 38;
inline constexpr std::size_t pitchAndFamily = 39;
inline constexpr std::size_t faceName = 40;
inline constexpr std::size_t faceNameUnits = 32; // NUL-terminated and NUL-filled
inline constexpr std::size_t size = 104;
} // namespace ExtCreateFontIndirectW

namespace ExtTextOutW {
inline constexpr std::size_t bounds = 8;
inline constexpr std::size_t graphicsMode = 24;
inline constexpr std::size_t exScale = 28;
inline constexpr std::size_t eyScale = 32;
inline constexpr std::size_t x = 36;
inline constexpr std::size_t y = 40;
inline constexpr std::size_t chars = 44;
inline constexpr std::size_t stringOffset = 48;
inline constexpr std::size_t options = 52;
inline constexpr std::size_t rectangle = 56;
inline constexpr std::size_t dxOffset = 72;
inline constexpr std::size_t string = 76; // where this program puts the text
inline constexpr std::uint32_t graphicsModeCompatible = 1;
} // namespace ExtTextOutW

namespace Eof {
inline constexpr std::size_t paletteEntries = 8;
inline constexpr std::size_t paletteOffset = 12;
inline constexpr std::size_t sizeLast = 16;
inline constexpr std::size_t size = 20;
} // namespace Eof

} // namespace pluvane::emf
