// Host commands for the desktop, so that a session can lay out the host
// runtime's windows, move the pointer over its hotspots and look at them:
//
//   .main TITLE LEFT TOP WIDTH HEIGHT          the host runtime's main window
//                                              (class "Scenehall"), on the screen
//   .child PARENT TITLE LEFT TOP WIDTH HEIGHT  a child of the window titled
//                                              PARENT, in its client coordinates
//   .point X Y                                 moves the pointer on the screen,
//   .point WINDOW X Y                          or in WINDOW's client coordinates,
//                                              and lets the hooks see the move
//   .windows                                   lists the windows
//   .picture FILE                              writes the desktop as an SVG picture
//
// Titles with blanks are quoted. The picture shows the hotspots of the
// session's own ZtCntx32 calls (until its ZtCntx32Cleanup), as the library's
// release records them (the earlier one newest first). The windows go when the session ends.
#pragma once

#include "script_runner.h"

namespace zthost {

void add_desktop_commands(ScriptRunner& runner);

} // namespace zthost
