#include "tags/tagport_connection.h"

#include "frame/library.h"
#include "tags/tag_failure.h"

namespace zt::tags {

TP_CONNECTION make_sure_of_connection()
{
    frame::ConnectionHandle& stored = frame::application().connection;
    if (stored == 0) {
        stored = TagportInit(0, 0);
        if (stored == 0) {
            throw TagFailure{connect_failed};
        }
    } else if (TagportCheck(stored) == 0) {
        throw TagFailure{connect_failed};
    }
    return stored;
}

} // namespace zt::tags
