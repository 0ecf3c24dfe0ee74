#include "script_value.h"

#include <charconv>

namespace zthost {

std::string real_text(double value)
{
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

std::string to_script_text(const Value& value)
{
    switch (value.kind) {
    case Value::Kind::integer:
        return std::to_string(value.integer);
    case Value::Kind::real:
        return real_text(value.real);
    case Value::Kind::text:
        break;
    }
    std::string quoted = "\"";
    for (char c : value.text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            quoted += c;
        }
    }
    return quoted + "\"";
}

} // namespace zthost
