// Which release of ZtFunc32 a loaded library is: only the current release
// (3.8.0.0) exports ZtDllInit, on 32-bit Windows as "_ZtDllInit@0".
#pragma once

#include "dynamic_library.h"
#include "export_signatures.h"

namespace zthost {

Release release_of(const DynamicLibrary& library);

} // namespace zthost
