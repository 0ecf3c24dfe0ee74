// Load and unload steps of the native shared object. Without DllMain, the
// loader's construction and destruction of this object are those steps. It
// asks for the application object while it is being constructed, so the
// application object is complete before it and is destroyed after it.
#include "library/application.h"

namespace {

struct LoaderAttachment {
    LoaderAttachment() noexcept { zt::library::attach(zt::library::application()); }
    ~LoaderAttachment() { zt::library::detach(zt::library::application()); }
    LoaderAttachment(const LoaderAttachment&) = delete;
    LoaderAttachment& operator=(const LoaderAttachment&) = delete;
} loader_attachment;

} // namespace
