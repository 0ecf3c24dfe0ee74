#include "script_value.h"

#include <charconv>
#include <cstdint>

namespace zthost {

std::string real_text(double value)
{
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

namespace {

// A real as a script literal that reads back as the same number: the
// shortest text, unless that is a whole number too large for an integer
// literal (123456789012345683968), which is then written with an exponent.
std::string script_real_text(double value)
{
    std::string text = real_text(value);
    if (text.find_first_of(".eEni") != std::string::npos) {
        return text;
    }
    std::int64_t integer = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), integer);
    if (status == std::errc() && end == text.data() + text.size()) {
        return text;
    }
    char scientific[64];
    const auto scientific_end = std::to_chars(scientific, scientific + sizeof scientific, value,
                                              std::chars_format::scientific)
                                    .ptr;
    return std::string(scientific, scientific_end);
}

} // namespace

std::string to_script_text(const Value& value)
{
    switch (value.kind) {
    case Value::Kind::integer:
        return std::to_string(value.integer);
    case Value::Kind::real:
        return script_real_text(value.real);
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
