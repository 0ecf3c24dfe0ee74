// Load and unload steps of the native shared object. Without DllMain, the
// loader's construction and destruction of this object are those steps. It
// asks for the application object while it is being constructed, so the
// application object is complete before it and is destroyed after it.
#include "frame/library.h"

namespace {

struct LoaderAttachment {
    LoaderAttachment() noexcept { zt::frame::attach(zt::frame::application()); }
    ~LoaderAttachment() { zt::frame::detach(zt::frame::application()); }
    LoaderAttachment(const LoaderAttachment&) = delete;
    LoaderAttachment& operator=(const LoaderAttachment&) = delete;
} loader_attachment;

} // namespace
