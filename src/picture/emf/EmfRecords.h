#pragma once

// A recorded picture is a plain list of EmfRecord values. EmfRecorder builds
// the list from canvas calls, EmfWriter turns it into enhanced-metafile
// bytes, EmfReader turns bytes back into the list, and the player and the
// Windows-metafile converter work from the list. EmfLayout.h says where each
// field of each record lies in the bytes; the record types below are the
// format's own numbers.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace pluvane {

enum class EmfRecordType : std::uint32_t {
    Header = 1,
    Eof = 14,
    SetBkMode = 18,
    SetRop2 = 20,
    SetTextColor = 24,
    MoveToEx = 27,
    SelectObject = 37,
    CreatePen = 38,
    DeleteObject = 40,
    LineTo = 54,
    ExtCreateFontIndirectW = 82,
    ExtTextOutW = 84,
};

inline constexpr std::uint32_t emfSignature = 0x464D4520; // " EMF"
inline constexpr std::uint32_t stockObjectFlag = 0x80000000;
inline constexpr std::uint32_t stockWhiteBrush = stockObjectFlag | 0;
inline constexpr std::uint32_t stockBlackPen = stockObjectFlag | 7;
inline constexpr std::uint32_t stockSystemFont = stockObjectFlag | 13;

inline constexpr std::uint32_t bkModeTransparent = 1;
inline constexpr std::uint32_t bkModeOpaque = 2;
inline constexpr std::uint32_t rop2CopyPen = 13;
inline constexpr std::uint32_t penStyleSolid = 0;
inline constexpr std::uint32_t penStyleNull = 5;
inline constexpr std::uint8_t defaultCharset = 1;

struct EmfRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const EmfRect&) const = default;
};

struct EmfSize {
    std::int32_t cx = 0, cy = 0;
    bool operator==(const EmfSize&) const = default;
};

struct EmfHeader {
    EmfRect bounds; // inclusive, in device pixels
    EmfRect frame;  // in 0.01 mm
    std::uint32_t bytes = 0;
    std::uint32_t records = 0;
    std::uint16_t handles = 1;
    EmfSize device;      // reference screen in pixels
    EmfSize millimeters; // reference screen in millimetres
    bool operator==(const EmfHeader&) const = default;
};

struct LogFont {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 400;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = defaultCharset;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::u16string faceName; // at most 31 UTF-16 units
    bool operator==(const LogFont&) const = default;
};

struct EmfSetBkMode {
    std::uint32_t mode = bkModeTransparent;
    bool operator==(const EmfSetBkMode&) const = default;
};
struct EmfSetRop2 {
    std::uint32_t mode = rop2CopyPen;
    bool operator==(const EmfSetRop2&) const = default;
};
struct EmfSetTextColor {
    std::uint32_t color = 0; // COLORREF 0x00BBGGRR
    bool operator==(const EmfSetTextColor&) const = default;
};
struct EmfMoveTo {
    std::int32_t x = 0, y = 0;
    bool operator==(const EmfMoveTo&) const = default;
};
struct EmfLineTo {
    std::int32_t x = 0, y = 0;
    bool operator==(const EmfLineTo&) const = default;
};
struct EmfSelectObject {
    std::uint32_t index = 0;
    bool operator==(const EmfSelectObject&) const = default;
};
struct EmfDeleteObject {
    std::uint32_t index = 0;
    bool operator==(const EmfDeleteObject&) const = default;
};
struct EmfCreatePen {
    std::uint32_t index = 0;
    std::uint32_t style = penStyleSolid;
    std::int32_t width = 1;
    std::uint32_t color = 0;
    bool operator==(const EmfCreatePen&) const = default;
};
struct EmfCreateFont {
    std::uint32_t index = 0;
    LogFont font;
    bool operator==(const EmfCreateFont&) const = default;
};
struct EmfExtTextOut {
    EmfRect bounds;    // inclusive, in device pixels
    float exScale = 0; // 0.01 mm per pixel, horizontally
    float eyScale = 0;
    std::int32_t x = 0, y = 0;
    std::u16string text;
    std::vector<std::int32_t> dx; // advance of each UTF-16 unit
    bool operator==(const EmfExtTextOut&) const = default;
};
struct EmfEof {
    bool operator==(const EmfEof&) const = default;
};

using EmfRecord = std::variant<EmfSetBkMode, EmfSetRop2, EmfSetTextColor, EmfMoveTo, EmfLineTo, EmfSelectObject,
    EmfDeleteObject, EmfCreatePen, EmfCreateFont, EmfExtTextOut, EmfEof>;

struct EmfDocument {
    EmfHeader header;
    std::vector<EmfRecord> records; // everything after the header, the end record included
    bool operator==(const EmfDocument&) const = default;
};

template <class... Ts> struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace pluvane
