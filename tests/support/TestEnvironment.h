#pragma once

namespace tessarin::testing {

// Pins what every test program relies on, whatever the machine or the user's
// session has set: the offscreen platform, the C.UTF-8 locale (for the
// process and the programs it starts), no scaling or style of the desktop,
// and a runtime folder of its own (XDG_RUNTIME_DIR, removed at exit) so that
// locks and sockets never meet the user's or another test program's, with the
// state and cache folders (XDG_STATE_HOME, XDG_CACHE_HOME) inside it. Call it
// first in main, before any Qt object exists.
void pinTestEnvironment();

} // namespace tessarin::testing
