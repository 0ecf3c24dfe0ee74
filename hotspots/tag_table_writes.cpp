// The current release's tag writes from the mouse hook: through the tag
// handles that registration keeps in the tag table, over the library's one
// shared connection.
#include "frame/error_report.h"
#include "frame/library.h"
#include "frame/logger_binding.h"
#include "hotspots/hook_tag_writes.h"
#include "tagport.h"

#include <string_view>

namespace zt::hotspots {

void prepare_mouse_message() noexcept
{
    frame::bind_logger(frame::library_module_name);
}

bool tags_writable() noexcept
{
    if (frame::application().connection == 0) {
        // Released without removing the hook: the hook does not reconnect by itself.
        frame::report("CZtFunc32_71App::ZtCntx32 TagportInit failed");
        return false;
    }
    return true;
}

// Only a tag that the tag table holds is written.
void write_tag(const HotspotState& state, const HotspotRecord& hotspot, const char* text) noexcept
{
    TagLink& link = hotspot.tag_link;
    if (link.generation != state.tag_table_generation) {
        const auto& table = frame::application().tag_table;
        const auto found = table.find(std::string_view(hotspot.tag_name.data()));
        link = TagLink{state.tag_table_generation, found != table.end() ? found->second : 0,
                       found != table.end()};
    }
    if (link.found) {
        TagportSetMessage(frame::application().connection, link.tag, text);
    }
}

} // namespace zt::hotspots
