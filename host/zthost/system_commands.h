// Host commands over the emulated platform's simulated system and desktop (the
// native build), so that a session can see what the system-control functions
// asked for without shutting anything down:
//
//   .system          what the system was asked since the last .system: token
//                    steps, shutdown requests and tones (once their workers
//                    are done), the message boxes shown, the foreground window
//   .platform ID     the line of Windows the system reports: 2 the NT line,
//                    1 the Windows 95 line, anything else an unknown platform
//   .taskbar         puts a taskbar window ("Shell_TrayWnd") on the desktop
#pragma once

#include "script_runner.h"

namespace zthost {

void add_system_commands(ScriptRunner& runner);

} // namespace zthost
