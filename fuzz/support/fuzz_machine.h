// The emulated machine a fuzz target drives the library on, set up once per
// process the way the behaviour suite sets up its own: the drives
// (ZT_SYSROOT) in a fresh folder, in memory where the system has /dev/shm so
// that millions of file writes stay cheap, and the logger stand-in bound under
// the library's name with its log going to /dev/null, so that every report
// passes through the logger's formatting.
//
// TMPDIR and PATH are inside the machine as well, so that the tests' scratch
// folders stay in it and the search path looks nowhere else. The folder is
// removed when the process ends normally.
#pragma once

#include <string>
#include <string_view>

namespace zt::fuzz {

// Sets the machine up; later calls do nothing. Call it from
// LLVMFuzzerInitialize, before the library is first called.
void set_up_machine();

// The folder that stands for the drives; drive C: is its folder "c".
const std::string& machine_root();
// The Windows directory: "<root>/c/windows".
std::string windows_directory();
// The one folder on the machine's PATH: "<root>/c/tools".
std::string path_folder();

// Empties the machine for the next input: everything under the root goes,
// and an empty Windows directory is made again.
void clear_machine();

// `name` as a file name that stays inside the machine whatever it holds:
// leading separators are dropped, no ".." is left, and a name with a folder
// but no drive gets drive C: (the current directory is the fuzzer's own, so
// relative paths would leave the machine). A bare name stays bare: it lives
// in the Windows directory.
std::string contained_name(std::string name);

} // namespace zt::fuzz
