#pragma once

#include "picture/Picture.h"

#include <QByteArray>
#include <QImage>

#include <vector>

namespace pluvane {

// The picture at its pixel size times `scale` on white paper, as the preview
// shows it; with `transparent` the paper is left out.
QImage renderImage(const Picture& picture, int scale = 1, bool transparent = false);
QByteArray renderPng(const Picture& picture, int scale = 1, bool transparent = false);

// An SVG document of the picture: width and height are its physical size in
// millimetres, the view box its pixels; text stays text and lines stay lines.
// The same picture always gives the same bytes.
QByteArray renderSvg(const Picture& picture);

// A PDF document with one page per picture, each page the size of its
// picture's frame; text stays text and lines stay lines. No dates or
// identifiers that change from run to run.
QByteArray renderPdf(const std::vector<Picture>& pages);

} // namespace pluvane
