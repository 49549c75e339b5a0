#pragma once

#include "FontSpec.h"

#include <string_view>

namespace pluvane {

// Measures text the way the picture will draw it: the integer advance width
// in pixels of the whole text in the given font.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int textWidth(const FontSpec& font, std::string_view utf8Text) const = 0;
    // Height in pixels of a line of text, for the bounds of what is drawn.
    virtual int textHeight(const FontSpec& font) const { return font.characterHeight(); }
};

} // namespace pluvane
