#pragma once

#include "layout/TextMeasurer.h"

#include <string_view>

namespace pluvane::fixtures {

// Every character is the same number of pixels wide, whatever the font, so
// layouts can be checked against hand-worked numbers.
class FixedWidthMeasurer final : public TextMeasurer {
public:
    explicit FixedWidthMeasurer(int characterWidth = 6) : m_width(characterWidth) {}
    int textWidth(const FontSpec&, std::string_view text) const override
    {
        return static_cast<int>(text.size()) * m_width;
    }

private:
    int m_width;
};

} // namespace pluvane::fixtures
