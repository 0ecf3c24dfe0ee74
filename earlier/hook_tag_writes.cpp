// The earlier release's tag writes from the mouse hook. It holds nothing of
// the tag-access library between calls, so every write opens a connection,
// activates the tag, checks that it is a message tag, writes, and gives the
// tag and the connection back, on the failure paths as well.
#include "hotspots/hook_tag_writes.h"
#include "earlier/tagport_session.h"
#include "frame/error_report.h"

namespace zt::hotspots {

// No logger binding here: the earlier release binds it when it loads.
void prepare_mouse_message() noexcept {}

// Each write connects on its own, so there is nothing to check beforehand.
WriteChannel write_channel() noexcept
{
    WriteChannel channel;
    channel.writable = true;
    return channel;
}

void report_unwritable() noexcept {}

void write_tag(const TagWrite& write) noexcept
{
    const earlier::TagportSession session;
    if (!session.connected()) {
        return; // neither written nor reported
    }
    const char* tag_name = write.tag_name.data();
    const earlier::ActiveTag tag(session, tag_name);
    if (!tag.activated()) {
        frame::report("CZtFunc32App::ZtCntx32 TagportActivate failed: '%s' not a valid tag",
                      tag_name);
        return;
    }
    if (tag.type() != TP_MESSAGE) {
        frame::report("CZtFunc32App::ZtCntx32 TagportType failed: '%s' not a message tag",
                      tag_name);
        return;
    }
    tag.set_message(write.text.data());
}

} // namespace zt::hotspots
