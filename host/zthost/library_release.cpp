#include "library_release.h"

namespace zthost {

Release release_of(const DynamicLibrary& library)
{
    const bool has_init = library.entry_point("ZtDllInit") != nullptr ||
                          library.entry_point("_ZtDllInit@0") != nullptr;
    return has_init ? Release::current : Release::earlier;
}

} // namespace zthost
