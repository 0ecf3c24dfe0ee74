// Where zthost finds the stand-ins of the host's libraries in a release
// package: in the folder "sandbox" beside zthost.exe, never beside the shipped
// DLLs (there they would shadow a host installation's own libraries).
#pragma once

namespace zthost {

// On Windows, adds the folder "sandbox" beside the program, if there is one, to
// the places the loader searches for the libraries that a loaded library
// imports (TAGPORT.dll and, for the earlier release, ZTHEAP.dll and
// VSTSPT.dll). Natively and without that folder it does nothing.
void search_standin_folder() noexcept;

} // namespace zthost
