#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace pluvane {

// One character of a UTF-16 text: its code point and how many UTF-16 units
// it takes. Only a high surrogate followed by a low one is a pair; a lone
// surrogate of either kind is one unit and stands for U+FFFD.
struct Utf16Character {
    char32_t code = 0;
    std::size_t units = 1;
};

constexpr bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The characters of `text` in order; their units add up to the text's size.
inline std::vector<Utf16Character> utf16Characters(std::u16string_view text)
{
    std::vector<Utf16Character> out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            out.push_back({ 0x10000 + ((char32_t { unit } - 0xD800) << 10) + (char32_t { text[i + 1] } - 0xDC00), 2 });
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            out.push_back({ 0xFFFD, 1 });
        } else {
            out.push_back({ unit, 1 });
        }
    }
    return out;
}

} // namespace pluvane
