#include "SaveTarget.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace pluvane {

namespace {

std::string extensionOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return path.substr(dot);
}

bool equalsIgnoringCase(const std::string& a, const char* b)
{
    const std::string_view v(b);
    return a.size() == v.size() && std::equal(a.begin(), a.end(), v.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

SaveTarget saveTargetFor(const std::string& typedName)
{
    SaveTarget t { typedName, PictureFormat::Emf };
    if (typedName.find('.') == std::string::npos)
        t.path += ".wmf";
    const std::string extension = extensionOf(t.path);
    static constexpr std::pair<const char*, PictureFormat> known[] = {
        { ".wmf", PictureFormat::PlaceableWmf },
        { ".svg", PictureFormat::Svg },
        { ".pdf", PictureFormat::Pdf },
        { ".png", PictureFormat::Png },
    };
    for (const auto& [name, format] : known)
        if (equalsIgnoringCase(extension, name))
            t.format = format;
    return t;
}

} // namespace pluvane
