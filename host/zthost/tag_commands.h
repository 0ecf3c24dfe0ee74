// Host commands over the tag-access stand-in's tag database, so that a
// session can look at tag values and set up the tags it needs:
//
//   .tags                          every tag: name, type, index, message text,
//                                  and the units text in tagname.x
//   .tag NAME TYPE INDEX [TEXT]    adds or changes a tag (a database line)
//   .untag NAME                    removes a tag
//   .tagfile                       writes a tagname.x matching the database
//   .show NAME...                  the message texts of these tags
//
// Changes are saved to the database file at once; a connection of the
// library sees them at its next activation.
#pragma once

#include "script_runner.h"

namespace zthost {

void add_tag_commands(ScriptRunner& runner);

} // namespace zthost
