// Call templates of the script functions, for the host's script editor.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zt::frame {

struct CallTemplate {
    std::string_view function_name;
    std::string_view parameters;
};

extern const std::array<CallTemplate, 33> call_templates;

// Writes `function_name` and its parameter template into `buffer` and returns
// the packed position of the first parameter name (see PasteFunc).
std::int32_t paste_call_template(const char* function_name, char* buffer) noexcept;

} // namespace zt::frame
