// The tables of the services the library calls through: the system's own
// calls, which a test or benchmark may replace entry by entry (to make one
// fail, or to take the system out of a measurement).
#include "platform/desktop.h"
#include "platform/local_time.h"
#include "platform/raw_file.h"
#include "platform/system_control.h"
#include "platform/tone.h"

namespace zt::platform {
namespace {

// Made when the library loads, so that no lock guards their first use, which
// may come from any thread.
DesktopCalls desktop_calls_in_use = system_desktop_calls();
RawFileCalls raw_file_calls_in_use = system_raw_file_calls();
SystemControlCalls system_control_calls_in_use = system_system_control_calls();
ToneCalls tone_calls_in_use = system_tone_calls();
LocalTimeCalls local_time_calls_in_use = system_local_time_calls();

} // namespace

DesktopCalls& desktop_calls() noexcept
{
    return desktop_calls_in_use;
}

RawFileCalls& raw_file_calls() noexcept
{
    return raw_file_calls_in_use;
}

SystemControlCalls& system_control_calls() noexcept
{
    return system_control_calls_in_use;
}

ToneCalls& tone_calls() noexcept
{
    return tone_calls_in_use;
}

LocalTimeCalls& local_time_calls() noexcept
{
    return local_time_calls_in_use;
}

} // namespace zt::platform
