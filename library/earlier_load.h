// What the earlier release does when a process loads and unloads it, in place
// of the current release's application object: it registers with the host's
// heap-tracking library and binds the debug logger as "ZTFUNC32".
#pragma once

namespace zt::library {

// The module name under which the earlier release binds the logger at load.
inline constexpr const char* earlier_module_name = "ZTFUNC32";

// Process attach. False when the heap-tracking library refused the
// registration (reported): the load must then fail.
bool load_earlier_release(void* module_instance) noexcept;

// Process detach: releases the hotspots, then ends the heap registration.
void unload_earlier_release() noexcept;

} // namespace zt::library
