// Load and unload steps of the earlier release's native shared object: the
// loader's construction and destruction of this object. A shared object cannot
// refuse its loading, so natively a refused heap registration is reported and
// the library stays loaded. It asks for the hotspot state while it is being
// constructed, so the state is complete before it and is still there when the
// unload step releases the hotspots.
#include "hotspots/hotspot_state.h"
#include "library/earlier_load.h"

namespace {

struct LoaderAttachment {
    LoaderAttachment() noexcept
    {
        zt::hotspots::hotspot_state();
        zt::library::load_earlier_release(nullptr);
    }
    ~LoaderAttachment() { zt::library::unload_earlier_release(); }
    LoaderAttachment(const LoaderAttachment&) = delete;
    LoaderAttachment& operator=(const LoaderAttachment&) = delete;
} loader_attachment;

} // namespace
