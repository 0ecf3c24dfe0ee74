// The earlier release's code in its test program: started and stopped by its
// load and unload steps, as the loader runs them (heap registration, logger
// bound as "ZTFUNC32"). It opens a connection for each tag operation and
// closes it again, so there is none to close between calls.
#include "library/earlier_load.h"
#include "suite_environment.h"
#include "tag_site.h"

namespace zt::test {

bool start_library_under_test()
{
    return library::load_earlier_release(nullptr);
}

void stop_library_under_test()
{
    library::unload_earlier_release();
}

void close_library_connection() {}

} // namespace zt::test
