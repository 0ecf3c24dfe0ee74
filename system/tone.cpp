#include "system/system.h"

#include "frame/error_report.h"
#include "platform/tone.h"

#include <memory>
#include <new>

namespace zt::system {
namespace {

// What one worker sounds. Each worker owns its own request, so calls that
// overlap never read, clear or overwrite each other's tone.
struct ToneRequest {
    std::uint32_t frequency;
    std::uint32_t duration_ms;
};

void sound_tone(void* request) noexcept
{
    const std::unique_ptr<ToneRequest> tone(static_cast<ToneRequest*>(request));
    platform::tone_calls().beep(tone->frequency, tone->duration_ms);
}

} // namespace

void beep(std::int32_t frequency, std::int32_t duration_ms) noexcept
{
    if (system_is_nt() != 1) {
        frame::report("ZtBeep32 only works correctly with WinNT, though the function was called");
        frame::report("It probably didn't give the desired affect since you're running Win95");
    }
    // Once its worker has started, the request is the worker's to free.
    auto* request = new (std::nothrow)
        ToneRequest{static_cast<std::uint32_t>(frequency), static_cast<std::uint32_t>(duration_ms)};
    if (request != nullptr && !platform::tone_calls().start_worker(sound_tone, request)) {
        delete request;
    }
}

} // namespace zt::system
