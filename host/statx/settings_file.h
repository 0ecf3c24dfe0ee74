// The tool's settings as the platform's private-profile service reads them
// from section "Defaults" of "statx.ini" in the Windows directory.
#pragma once

#include "export_job.h"

namespace statx_tool {

SettingLookup settings_file_lookup();

} // namespace statx_tool
