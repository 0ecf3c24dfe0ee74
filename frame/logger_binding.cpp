#include "frame/logger_binding.h"

#include "platform/library_loader.h"
#include "platform/registry.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace zt::frame {
namespace {

constexpr const char* registry_key = "Software\\Zentara\\ztdebug";
constexpr const char* registry_value = "Dir";
constexpr const char* logger_file_name = "ZTDEBUG.DLL";
constexpr std::size_t path_capacity = 256; // terminator included
constexpr std::size_t tag_width = 16;

LoggerBinding binding;

using PathBuffer = std::array<char, path_capacity>;

// The logger's path: the registry directory, one "\", then the file name; the
// bare file name when the directory is missing, empty, or so long that the
// whole path would not fit the path buffer.
PathBuffer logger_path() noexcept
{
    PathBuffer path{};
    const std::string_view file_name = logger_file_name;
    if (platform::read_machine_registry_text(registry_key, registry_value, path) !=
        platform::RegistryRead::found) {
        path[0] = '\0';
    }
    std::size_t used = std::strlen(path.data());
    const bool needs_separator = used > 0 && path[used - 1] != '\\';
    if (used + (needs_separator ? 1 : 0) + file_name.size() + 1 > path.size()) {
        used = 0;
    } else if (needs_separator) {
        path[used++] = '\\';
    }
    std::memcpy(path.data() + used, file_name.data(), file_name.size());
    path[used + file_name.size()] = '\0';
    return path;
}

void build_module_tag(const char* module_name) noexcept
{
    std::array<char, 18>& tag = binding.module_tag;
    tag.fill('\0');
    const std::size_t name_length =
        module_name != nullptr ? std::min(std::strlen(module_name), tag_width) : 0;
    if (name_length > 0) {
        std::memcpy(tag.data(), module_name, name_length);
    } else {
        std::memcpy(tag.data(), "UNKNOWN", 7);
    }
    const std::size_t used = std::strlen(tag.data());
    std::fill(tag.begin() + static_cast<std::ptrdiff_t>(used), tag.begin() + tag_width, ' ');
    tag[tag_width] = '/';
    tag[tag_width + 1] = '\0';
}

} // namespace

const LoggerBinding& logger_binding() noexcept
{
    return binding;
}

void bind_logger(const char* module_name) noexcept
{
    // Of threads binding at once, exactly one goes on.
    if (binding.attempted.exchange(true, std::memory_order_acq_rel)) {
        return;
    }
    const PathBuffer path = logger_path();
    // Kept loaded for the life of the process, also when an entry point is
    // missing: the logger may be in use by the host and its other libraries.
    const platform::LibraryHandle logger = platform::load_library(path.data());
    if (logger == nullptr) {
        return;
    }
    void* message = platform::find_entry_point(logger, "ztAppDebug");
    void* start = platform::find_entry_point(logger, "ztDebugStartLogger");
    void* client = platform::find_entry_point(logger, "ztDebugStartLoggerClient");
    if (message == nullptr || start == nullptr || client == nullptr) {
        return;
    }
    binding.message_entry = reinterpret_cast<ztAppDebug_fn>(message);
    build_module_tag(module_name);
    binding.available.store(true, std::memory_order_release);
}

} // namespace zt::frame
