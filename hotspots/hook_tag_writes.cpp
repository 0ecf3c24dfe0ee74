// The current release's tag writes from the mouse hook: through the tag
// handles that registration keeps with the hotspots (those of the tag table),
// over the library's one shared connection.
#include "hotspots/hook_tag_writes.h"
#include "frame/error_report.h"
#include "frame/logger_binding.h"
#include "tags/shared_tags.h"

namespace zt::hotspots {

void prepare_mouse_message() noexcept
{
    frame::bind_logger(frame::library_module_name);
}

WriteChannel write_channel() noexcept
{
    // Released without removing the hook, the connection is closed; the hook
    // does not reconnect by itself.
    WriteChannel channel;
    channel.session = tags::shared_tags().current();
    channel.connection = channel.session ? channel.session->connection() : 0;
    channel.writable = channel.connection != 0;
    return channel;
}

void report_unwritable() noexcept
{
    frame::report("CZtFunc32_71App::ZtCntx32 TagportInit failed");
}

// Only a tag that the tag table holds is written.
void write_tag(const TagWrite& write) noexcept
{
    if (write.tag != 0) {
        TagportSetMessage(write.connection, write.tag, write.text.data());
    }
}

} // namespace zt::hotspots
