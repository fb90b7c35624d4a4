#pragma once

#include "SkinData.h"

namespace tessarin::skin {

// Paints the pictures a skin derives from its others, once its elements are
// read and their frame counts fixed:
// - with "SunkEdge" and "ComboButton" images, one 50 x 21 combo-box picture
//   per "SunkEdge" state (edge, button and arrow around a magenta interior)
//   becomes the "ComboButton" image, and its mirror image the "SunkEdge" one;
//   "ComboxArrow" takes the arrow box of each picture (without "SunkEdge", a
//   copy of the "ComboButton" image on the button face);
// - a 10 x 40 "Toolbar" background in a gradient of the border colour;
// - the button-face brush.
// `scrollArrowWidth` is the platform's horizontal scroll-arrow width.
void deriveImages(SkinData& skin, int scrollArrowWidth);

} // namespace tessarin::skin
