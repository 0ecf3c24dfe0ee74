// The call journal: with TAGPORT_JOURNAL naming a file, every call of the
// stand-in appends one line to it, for example
//
//   TagportInit(0, 0) -> 1
//   TagportActivate(1, "Pump1.OnMsg") -> 0x55d0c2a0
//   TagportGetMessage(1, 0x55d0c2a0, 131) -> "Pump running"
//   TagportDeactivate(1, 0x55d0c2a0)
//
// Connections are decimal, tags hexadecimal ("0x0" for none), texts quoted
// with \" and \\ escaped ("null" for a null pointer); calls without a result
// have no arrow.
#pragma once

#include "standin_settings.h"
#include "tagport.h"

#include <string>

namespace tagport {

using standin::text_argument;
std::string tag_argument(TP_TAG tag);

// Appends `line` when the journal is on.
void journal(const std::string& line);

} // namespace tagport
