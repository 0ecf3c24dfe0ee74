#include "platform/drivers/system_driver.h"

#include "platform/simulated/simulated_system.h"
#include "platform/system_control.h"
#include "platform/tone.h"

#if !defined(_WIN32)
#include "platform/simulated/module_thread.h"
#endif

namespace zt::platform::system_driver {
namespace {

using simulated::SimulatedSystem;

#if defined(_WIN32)
void simulate_version_reads()
{
    system_control_calls().get_version = simulated::get_version;
}
#else
// Natively the simulated system answers every call already.
void simulate_version_reads() {}
#endif

} // namespace

void simulate() noexcept
{
    SimulatedSystem::instance().reset();
#if defined(_WIN32)
    SystemControlCalls& calls = system_control_calls();
    calls = system_system_control_calls();
    calls.open_process_token = simulated::open_process_token;
    calls.lookup_privilege_value = simulated::lookup_privilege_value;
    calls.adjust_token_privileges = simulated::adjust_token_privileges;
    calls.close_token = simulated::close_token;
    calls.exit_windows = simulated::exit_windows;
    tone_calls() = system_tone_calls();
    tone_calls().beep = simulated::beep;
#endif
}

void set_platform(std::uint32_t platform_id) noexcept
{
    SimulatedSystem::instance().set_platform(platform_id);
    simulate_version_reads();
}

void fail_version_reads() noexcept
{
    SimulatedSystem::instance().fail_version_reads();
    simulate_version_reads();
}

void refuse_process_token() noexcept
{
    SimulatedSystem::instance().refuse_process_token();
}

void refuse_shutdown() noexcept
{
    SimulatedSystem::instance().refuse_shutdown();
}

void hold_tones() noexcept
{
    SimulatedSystem::instance().hold_tones();
}

void end_tones() noexcept
{
    SimulatedSystem::instance().end_tones();
}

std::uint32_t last_version_record_size() noexcept
{
    return SimulatedSystem::instance().last_version_record_size();
}

std::vector<std::string> take_calls(std::size_t count, std::chrono::milliseconds timeout)
{
    return SimulatedSystem::instance().take_calls(count, timeout);
}

#if !defined(_WIN32)
bool wait_for_workers(std::chrono::milliseconds timeout) noexcept
{
    return simulated::wait_for_module_threads(timeout);
}
#endif

} // namespace zt::platform::system_driver
