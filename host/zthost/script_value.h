// Values of the try-out host's scripts: integer and real literals, texts.
#pragma once

#include <cstdint>
#include <string>

namespace zthost {

struct Value {
    enum class Kind { integer, real, text };
    Kind kind = Kind::integer;
    std::int64_t integer = 0;
    double real = 0.0;
    std::string text;
};

// How a value is written back in a script: 2, 2.5, "text".
std::string to_script_text(const Value& value);

// Shortest text that reads back as the same double.
std::string real_text(double value);

} // namespace zthost
