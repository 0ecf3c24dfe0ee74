// What the host stand-ins share: environment settings read afresh at every
// call (so that a test may change them between calls), and call journals,
// files to which each call is appended as one line.
#pragma once

#include <string>

namespace standin {

std::string setting(const char* name); // empty when unset

// True when the setting is present and neither empty nor "0".
bool setting_is_on(const char* name);

// `text` in double quotes with \" and \\ escaped; "null" for a null pointer.
std::string text_argument(const char* text);

// Appends `line` to the file that the setting `journal_setting` names, if any.
void append_journal_line(const char* journal_setting, const std::string& line);

} // namespace standin
