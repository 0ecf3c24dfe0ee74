// The current release's code in a test program: started as a host starts it,
// by calling ZtDllInit before its scripts run, and holding the one shared
// tag-access connection between calls.
#include "library/application.h"
#include "suite_environment.h"
#include "tag_site.h"
#include "tagport.h"
#include "tags/shared_tags.h"
#include "ztfunc32.h"

namespace zt::test {

bool start_library_under_test()
{
    ZtDllInit();
    return true;
}

void stop_library_under_test() {}

void close_library_connection()
{
    if (const zt::tags::SessionRef session = zt::tags::shared_tags().current()) {
        if (const TP_CONNECTION connection = session->forget_connection()) {
            TagportShutdown(connection);
        }
    }
}

} // namespace zt::test
