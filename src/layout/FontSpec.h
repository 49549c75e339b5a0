#pragma once

#include "Color.h"

#include <string>

namespace pluvane {

enum class FontPitch { Default, Fixed, Variable };

// A font as the settings and the canvas hold it. `height` is the Font.Height
// form: negative values are a character height in pixels.
struct FontSpec {
    std::string name = "ＭＳ Ｐゴシック"; // UTF-8, at most 31 characters
    int height = -12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    FontPitch pitch = FontPitch::Default;
    TColor color = clWindowText;

    // The character height in pixels (12 for a Font.Height of -12).
    int characterHeight() const { return -height; }

    bool operator==(const FontSpec&) const = default;
};

inline constexpr int maxFontNameLength = 31;

// Cuts a face name to the 31 characters a font name may hold, counting
// characters, not bytes, so a Japanese name is never split inside a letter.
std::string truncatedFontName(const std::string& utf8Name);

} // namespace pluvane
