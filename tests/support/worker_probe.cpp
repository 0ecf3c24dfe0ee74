// A module that starts a worker thread through the platform seam, as the
// library does for its tones, running work the test hands in. A test unloads
// it while that work still runs and sees whether it stays loaded.
#include "platform/tone.h"

#include <new>

#if defined(_WIN32)
#define PROBE_EXPORT __declspec(dllexport)
#else
#define PROBE_EXPORT __attribute__((visibility("default")))
#endif

namespace {

struct ProbeWork {
    void (*work)(void*);
    void* context;
};

// The worker's entry lies in this module, as the tone worker's lies in the library.
void run_probe_work(void* argument) noexcept
{
    const ProbeWork probe = *static_cast<ProbeWork*>(argument);
    delete static_cast<ProbeWork*>(argument);
    probe.work(probe.context);
}

} // namespace

extern "C" PROBE_EXPORT bool start_probe_worker(void (*work)(void*), void* context)
{
    auto* probe = new (std::nothrow) ProbeWork{work, context};
    if (probe == nullptr ||
        !zt::platform::system_tone_calls().start_worker(run_probe_work, probe)) {
        delete probe;
        return false;
    }
    return true;
}
