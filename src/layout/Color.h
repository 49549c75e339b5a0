#pragma once

#include <cstdint>

namespace pluvane {

// A colour as the calendar settings hold it: 0x00BBGGRR for a plain colour,
// or a value whose high byte is 0x80 naming a system colour that is resolved
// to the system's current colour only when something is drawn with it.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clAqua = 0xFFFF00;

inline constexpr TColor systemColorFlag = 0x80000000;
inline constexpr TColor clWindowText = systemColorFlag | 8;
inline constexpr TColor clWindow = systemColorFlag | 5;

constexpr bool isSystemColor(TColor c)
{
    return (c & 0xFF000000) == systemColorFlag;
}

constexpr TColor rgbColor(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(TColor c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(TColor c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(TColor c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

} // namespace pluvane
