// Statements of the try-out host's scripts, one per line, in the form the
// library's call templates have:
//
//   GeoArea( 2, 3, 1 );            a call; the ";" may be left out
//   INIReadString( "a.ini", 'S', "K" );   texts in double or single quotes,
//                                  with \" \' \\ \n \t escapes
//   # comment   // comment         ignored, as are blank lines
//   .echo Some text                a command of the host itself
#pragma once

#include "script_value.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zthost {

struct Call {
    std::string function;
    std::vector<Value> arguments;
};

struct HostCommand {
    std::string name;      // without the dot
    std::string arguments; // the rest of the line, trimmed
};

struct ParseError {
    std::string message;
};

using Statement = std::variant<std::monostate, Call, HostCommand, ParseError>;

// std::monostate for a blank or comment line.
Statement parse_statement(std::string_view line);

} // namespace zthost
