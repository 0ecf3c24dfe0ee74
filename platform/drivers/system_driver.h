// Driving the simulated system (platform/simulated/simulated_system.h) from
// outside the library: which line of Windows it is, which requests it
// refuses, how long tones last, and what it was asked. The tests and zthost
// use it; the library never does.
// posix: the simulated system is the system; simulate() starts it afresh.
// win32: simulate() puts it in place of this module's shutdown, token and tone
//        calls (the worker threads stay real) and of the version read from
//        set_platform() or fail_version_reads() on. Only the tables of the
//        module that links the driver change: a test program that has the
//        library's code linked in, not a DLL it loads.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zt::platform::system_driver {

// Starts the simulation afresh: the NT line (on Windows the real version),
// the token opens, shutdown requests are granted, the shutdown privilege is
// disabled, tones end at once, no calls recorded.
void simulate() noexcept;

void set_platform(std::uint32_t platform_id) noexcept;
void fail_version_reads() noexcept;
void refuse_process_token() noexcept;
void refuse_shutdown() noexcept;
// Tones sound until end_tones(): Beep blocks the thread that sounds one.
void hold_tones() noexcept;
void end_tones() noexcept;

// The size field of the version record that the latest version read was given
// (148 for OSVERSIONINFOA; Windows takes 156, OSVERSIONINFOEXA, as well); 0
// before any. On Windows once set_platform() or fail_version_reads() made the
// simulated system answer version reads.
std::uint32_t last_version_record_size() noexcept;

// The calls recorded since the last take, once at least `count` are there or
// `timeout` has passed (see simulated_system.h for their form).
std::vector<std::string>
take_calls(std::size_t count = 0, std::chrono::milliseconds timeout = std::chrono::milliseconds{0});

#if !defined(_WIN32)
// Waits until every worker thread started through the simulated system has
// ended; false when some still run after `timeout`.
bool wait_for_workers(std::chrono::milliseconds timeout) noexcept;
#endif

} // namespace zt::platform::system_driver
