#pragma once

#include "picture/emf/EmfRecords.h"

#include <QRectF>

#include <cstdint>
#include <span>

class QPainter;

namespace pluvane {

// Plays a recorded picture (its enhanced-metafile bytes, or the records read
// from them) stretched into `target` of a painter, the picture's
// pixel size mapped onto the whole rectangle without keeping proportions. The
// picture paints no background of its own. Any bytes are safe to play: a bad
// header draws nothing, unknown records are skipped, and absurd values are
// held within sane limits.
void playEmfBytes(QPainter& painter, std::span<const std::uint8_t> bytes, const QRectF& target);
void playEmfDocument(QPainter& painter, const EmfDocument& document, const QRectF& target);

} // namespace pluvane
