#pragma once

namespace tessarin::app {

// Maps the face names the windows are designed with ("宋体", "MS Sans Serif")
// to faces installed here: a Ming face with bitmaps at 12 pixels, and a sans
// face.
void installFontSubstitutions();

} // namespace tessarin::app
