#pragma once

#include <QString>

namespace tessarin::app {

// The two addresses on the maker's web site; the host is a build setting.
// The update file is given with its scheme, the banner page without one (the
// banner pane completes it).
inline QString updateFileAddress() { return QStringLiteral("http://" TESSARIN_MAKER_HOST "/Update.txt"); }
inline QString bannerPageAddress() { return QStringLiteral(TESSARIN_MAKER_HOST "/gg/bottom.html"); }

} // namespace tessarin::app
