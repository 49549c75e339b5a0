#pragma once

#include "picture/Picture.h"

class QMimeData;

namespace pluvane {

// The one clipboard item for a picture: an independent copy of the recorded
// enhanced metafile under "image/emf", "image/x-emf" and LibreOffice's own
// name for it, and, since other Linux programs seldom paste metafiles, SVG
// and PNG renderings of the same picture.
QMimeData* pictureMimeData(const Picture& picture);

// Replaces whatever the clipboard held with that item.
void copyPictureToClipboard(const Picture& picture);

} // namespace pluvane
