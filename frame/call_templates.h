// Call templates of the script functions, for the host's script editor.
#pragma once

#include "frame/call_frame.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zt::frame {

struct CallTemplate {
    std::string_view function_name;
    std::string_view parameters;
    // The earlier release has every row but those of the functions it lacks.
    bool in_earlier_release = true;
};

// Every row of both releases, in the order of the current release's table.
extern const std::array<CallTemplate, 33> call_templates;

// Writes `function_name` and its parameter template from the rows of `release`
// into `buffer` and returns the packed position of the first parameter name
// (see PasteFunc).
std::int32_t paste_call_template(const char* function_name, char* buffer, Release release) noexcept;

} // namespace zt::frame
