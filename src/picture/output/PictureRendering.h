#pragma once

#include "picture/Picture.h"

#include <QByteArray>
#include <QImage>

#include <vector>

namespace pluvane {

// The largest raster made: enough for any desktop use, and small enough that
// asking for it cannot exhaust the machine (4 bytes a pixel, under 1 GB).
inline constexpr int maxRasterSide = 16384;
inline constexpr qint64 maxRasterPixels = 256'000'000;

// The picture at its pixel size times `scale` on white paper, as the preview
// shows it; with `transparent` the paper is left out. Throws EOutOfResources,
// before allocating anything, for a raster beyond the limits above or a scale
// below 1, and when the image or its PNG cannot be made.
QImage renderImage(const Picture& picture, int scale = 1, bool transparent = false);
QByteArray renderPng(const Picture& picture, int scale = 1, bool transparent = false);

// An SVG document of the picture: width and height are its physical size in
// millimetres, the view box its pixels; text stays text and lines stay lines.
// The same picture always gives the same bytes. Throws EOutOfResources when
// the document cannot be made.
QByteArray renderSvg(const Picture& picture);

// A PDF document with one page per picture, each page the size of its
// picture's frame; text stays text and lines stay lines. No dates or
// identifiers that change from run to run. Throws EOutOfResources when the
// document cannot be made.
QByteArray renderPdf(const std::vector<Picture>& pages);

} // namespace pluvane
