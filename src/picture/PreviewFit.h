#pragma once

namespace pluvane {

struct BoxSize {
    int width = 0;
    int height = 0;
    bool operator==(const BoxSize&) const = default;
};

inline constexpr BoxSize previewArea { 280, 210 };

// The preview box for a picture of width x height pixels: the largest box
// of the picture's proportions inside 280 x 210, by truncating divisions.
constexpr BoxSize fitPreviewBox(int width, int height)
{
    BoxSize box = previewArea;
    if (width <= 0 || height <= 0)
        return box;
    if (3LL * width < 4LL * height)
        box.width = static_cast<int>(static_cast<long long>(width) * previewArea.height / height);
    else
        box.height = static_cast<int>(static_cast<long long>(height) * previewArea.width / width);
    return box;
}

} // namespace pluvane
