#include "tags/tag_release.h"

#include "tagport.h"

namespace zt::tags {

void release_tag_table_and_connection(frame::CZtFunc32_71App& app) noexcept
{
    for (const auto& [name, tag] : app.tag_table) {
        TagportIsActive(app.connection, tag);
        TagportDeactivate(app.connection, tag);
    }
    app.tag_table.clear();
    if (app.connection != 0) {
        TagportShutdown(app.connection);
        app.connection = 0;
    }
}

} // namespace zt::tags
