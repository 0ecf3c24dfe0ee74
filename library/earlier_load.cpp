#include "library/earlier_load.h"

#include "earlier/earlier.h"
#include "frame/error_report.h"
#include "frame/logger_binding.h"
#include "ztheap.h"

#include <cstdint>

namespace zt::library {
namespace {

// The heap-tracking library knows the library by the text of its source-file
// path and the line numbers it expects with the two calls.
constexpr const char* registered_source_file = __FILE__;
constexpr std::int32_t register_line = 31;
constexpr std::int32_t unregister_line = 44;

std::uint32_t heap_registration = 0;
// Stored at load, as the host's libraries expect of the module.
void* this_module = nullptr;

} // namespace

bool load_earlier_release(void* module_instance) noexcept
{
    if (ztHeap_Register(0, &heap_registration, registered_source_file, register_line) == 0) {
        // The first report binds the logger, so its tag is "UNKNOWN".
        frame::report("ztHeap_Register failed!!");
        return false;
    }
    this_module = module_instance;
    frame::bind_logger(earlier_module_name);
    return true;
}

void unload_earlier_release() noexcept
{
    earlier::clean_up_hotspots_at_unload();
    // Also after a refused load, whose unload the system runs at once: the
    // heap-tracking library is told that the source file is done with.
    ztHeap_Unregister(registered_source_file, unregister_line);
}

} // namespace zt::library
