#pragma once

#include "SkinArchive.h"
#include "SkinData.h"

namespace tessarin::skin {

// Reads a skin from its archive: the definition text (the archive's ".ini"
// entry) and the bitmaps it refers to, into colours, borders, caption
// buttons and elements with their defaults, fixed frame counts and derived
// pictures. `scrollArrowWidth` is the platform's horizontal scroll-arrow
// width, which sizes the combo-box pictures.
//
// A missing image, a reference that is not a bitmap, a missing section or a
// malformed number leaves the default; only an archive without a definition
// text fails (SkinFormatError).
SkinData readSkin(const SkinArchive& archive, int scrollArrowWidth);

} // namespace tessarin::skin
