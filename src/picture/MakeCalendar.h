#pragma once

// The picture layer. A picture flows through it in one direction:
//
//   CalendarSettings -> CalendarGeometry (layout/) -> drawCalendar onto an
//   EmfRecorder (emf/) -> the recorded bytes, held by a Picture (here) ->
//   the Windows-metafile converter (wmf/), the player into any QPainter
//   (player/), and from those the files and the clipboard (output/).
//
// binary/ holds the byte writer and reader and the arithmetic the formats
// share; qt/ what the pipeline takes from Qt (fonts and text measurement,
// system colours, the screen's size).
//
// The make command: settings in, a finished picture out. The month facts and
// geometry are worked out first, so a bad date fails before anything is
// created; the drawing is recorded against the reference screen, closed, and
// read back; only then is the result handed on.

#include "Picture.h"
#include "PreviewFit.h"
#include "layout/CalendarGeometry.h"
#include "layout/CalendarSettings.h"
#include "layout/TextMeasurer.h"
#include "picture/emf/EmfRecorder.h"
#include "picture/qt/ScreenMetrics.h"
#include "picture/qt/SystemColors.h"

namespace pluvane {

struct MadeCalendar {
    Picture picture;
    CalendarGeometry geometry;
    BoxSize previewBox;
    SizeReadout readout;
};

// Throws EConvertError for an impossible date, EOutOfResources when the
// recording cannot be started and EInvalidGraphic when it cannot be read back.
MadeCalendar makeCalendar(const CalendarSettings& settings, const TextMeasurer& measurer, const ScreenMetrics& screen,
    const ColorResolver& resolveColor = resolveWithPalette);

} // namespace pluvane
