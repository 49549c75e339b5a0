#pragma once

// Where a finished picture goes. A typed name becomes a SaveTarget
// (SaveTarget.h); the picture becomes the bytes of that target's format
// (the recorded enhanced metafile, the placeable Windows metafile, or the
// SVG, PDF and PNG renderings of PictureRendering.h), which the atomic file
// writer (FileOutput.h) puts on disk. ClipboardOutput.h puts the same
// picture on the clipboard.

#include "FileOutput.h"
#include "SaveTarget.h"
#include "picture/Picture.h"

namespace pluvane {

// Settings that only some formats use.
struct SaveOptions {
    int pngScale = 1;         // PNG pixels per picture pixel, 1..16
    bool transparent = false; // PNG without the white paper
};

// Writes the picture in the target's format. All bytes are made, and checked,
// before the file is touched; the file is then replaced atomically. Throws
// EOutOfResources when the conversion fails its check, EFCreateError when
// the file cannot be created and EWriteError when it takes fewer bytes than
// written.
void savePicture(const Picture& picture, const SaveTarget& target, const SaveOptions& options = {},
    Durability durability = Durability::SyncEachFile);

// The bytes savePicture would write.
std::vector<std::uint8_t> pictureBytesFor(
    const Picture& picture, PictureFormat format, const SaveOptions& options = {});

} // namespace pluvane
