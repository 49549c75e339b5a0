#include "FontSpec.h"

namespace pluvane {

std::string truncatedFontName(const std::string& utf8Name)
{
    int characters = 0;
    for (std::size_t i = 0; i < utf8Name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8Name[i]);
        const bool startsCharacter = (byte & 0xC0) != 0x80;
        if (startsCharacter && ++characters > maxFontNameLength)
            return utf8Name.substr(0, i);
    }
    return utf8Name;
}

} // namespace pluvane
