// What the try-out host knows of each export of the library: its parameter
// types, its result type and its calling convention, and how to call it.
#pragma once

#include "dynamic_library.h"
#include "script_value.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zthost {

enum class ParameterType { real, integer, text };

// Who removes the arguments from the stack (differs on 32-bit Windows only).
enum class Convention { caller, callee };

// The two releases of the library differ in the convention of two exports.
enum class Release { current, earlier };

struct CallResult {
    enum class Kind { none, real, integer, text } kind = Kind::none;
    double real = 0.0;
    std::int32_t integer = 0;
    std::optional<std::string> text; // empty when the library returned a null pointer
};

struct ExportSignature {
    std::string_view name;
    std::vector<ParameterType> parameters;
    CallResult::Kind result;
    Convention convention;
    // Calls the export at `address` with arguments already checked against `parameters`.
    CallResult (*invoke)(void* address, const std::vector<Value>& arguments);
};

// Which release a loaded library is: only the current one (3.8.0.0) exports
// ZtDllInit, on 32-bit Windows as "_ZtDllInit@0".
Release detect_release(const DynamicLibrary& library);

// The signature of `name` as the given release exports it; null for a name
// that no release exports.
const ExportSignature* find_signature(std::string_view name, Release release = Release::current);

// "real", "integer" or "text".
std::string_view type_name(ParameterType type);

// Empty when `value` may be passed as `type`, otherwise why not.
std::string argument_mismatch(ParameterType type, const Value& value);

} // namespace zthost
