#pragma once

#include "picture/emf/EmfRecords.h"

#include <QRectF>

#include <cstdint>
#include <span>

class QPainter;

namespace pluvane {

// Recorded pictures in, painting out: plays enhanced-metafile bytes, or the
// records read from them, into any QPainter (the preview, an image, an SVG or
// PDF generator), stretched into `target`: the picture's pixel size is
// mapped onto the whole rectangle without keeping proportions. The picture
// paints no background of its own. Any bytes are safe to play: a bad header
// draws nothing, unknown records are skipped, and absurd values are held
// within sane limits; text is left out where the target stretches it far
// more one way than the other or to giant glyphs, which Qt cannot draw.
void playEmfBytes(QPainter& painter, std::span<const std::uint8_t> bytes, const QRectF& target);
void playEmfDocument(QPainter& painter, const EmfDocument& document, const QRectF& target);

} // namespace pluvane
