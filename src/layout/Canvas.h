#pragma once

#include "Color.h"
#include "FontSpec.h"

#include <string_view>

namespace pluvane {

// The drawing operations a calendar needs, in the terms of a classic GDI
// canvas. Coordinates are pixels, origin top left. A recording canvas turns
// each call into picture records in call order.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Text is drawn without filling its background.
    virtual void setBrushClear() = 0;
    // Solid lines of width 1 that paint over what lies below.
    virtual void setPenSolid() = 0;
    virtual void setPenColor(TColor color) = 0;
    virtual void setPenModeCopy() = 0;

    // Copies every attribute: name, height, style, pitch and colour.
    virtual void setFont(const FontSpec& font) = 0;
    virtual void setFontColor(TColor color) = 0;
    virtual void setFontHeight(int height) = 0;
    virtual const FontSpec& font() const = 0;

    virtual void moveTo(int x, int y) = 0;
    // A line from the current position to (x, y), which becomes the current position.
    virtual void lineTo(int x, int y) = 0;
    // Text whose cell's top-left corner is at (x, y); the current position then
    // moves to the right end of the text.
    virtual void textOut(int x, int y, std::string_view utf8Text) = 0;
    // Width in pixels of the text in the current font, 0 when it cannot be measured.
    virtual int textWidth(std::string_view utf8Text) const = 0;
};

} // namespace pluvane
