#pragma once

#include <string>

namespace pluvane {

enum class PictureFormat {
    PlaceableWmf, // a placeable Windows metafile
    Emf,          // the enhanced metafile exactly as recorded
    Svg,
    Pdf,
    Png,
};

struct SaveTarget {
    std::string path;
    PictureFormat format = PictureFormat::Emf;
    bool operator==(const SaveTarget&) const = default;
};

// Where and how a typed name is saved. A name with no "." anywhere, folders
// included, gets ".wmf" appended. The extension is the text from the last "."
// after the last "/" to the end, in any case: ".wmf" gives the placeable
// Windows metafile, ".svg", ".pdf" and ".png" those formats, and anything
// else (another extension, a lone trailing ".", or none) the enhanced
// metafile.
SaveTarget saveTargetFor(const std::string& typedName);

} // namespace pluvane
