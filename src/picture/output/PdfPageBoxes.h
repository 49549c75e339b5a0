#pragma once

#include <QByteArray>
#include <QSizeF>

#include <vector>

namespace pluvane {

// Qt's PDF writer states a page's size in whole points. Given the exact size
// of each page in points, in page order, this narrows every page's media box
// to it, keeping the box's top-left corner, where the writer puts the
// drawing's origin, and rewrites the cross-reference table for the shifted
// offsets. A page whose box is not found, or that is larger than its box, is
// left as it was.
void setExactPageBoxes(QByteArray& pdf, const std::vector<QSizeF>& pagePoints);

} // namespace pluvane
