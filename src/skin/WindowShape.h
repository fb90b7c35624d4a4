#pragma once

#include "SkinData.h"

#include <QRegion>
#include <QSize>

namespace tessarin::skin {

// The shape of a skinned window of `size`: the client area and the four
// border areas, where a border the skin marks transparent contributes only
// its pixels that are not magenta as it paints them at this size and
// activity (the bottom border only when it is 2 or more high, the top only
// when it is more than 1 high; otherwise the whole area). Without any
// transparent left, right or top border, the whole window.
QRegion windowShape(const SkinData& skin, const FrameSizes& frame, QSize size, bool active);

} // namespace tessarin::skin
