// What tests need of the machine they run on: where the built programs are,
// scratch folders, environment settings, and the registry value that leads the
// library to the logger stand-in (a real registry value on Windows, the
// emulated registry file natively).
#pragma once

#include <string>

namespace zt::test {

// Folder of the running test program, with its platform's separator at the end.
std::string bin_directory();

// Folder of the logger stand-in ZTDEBUG.DLL / libztdebug.so.
std::string logger_directory();
// Folder of a logger that exports ztAppDebug only.
std::string incomplete_logger_directory();

// Path of the built library for loading by path: the current release, and the
// earlier release in its folder 3.7.0.0.
std::string library_path();
std::string earlier_library_path();

void set_environment(const std::string& name, const std::string& value);
void unset_environment(const std::string& name);
std::string environment(const std::string& name); // empty when unset

// Natively, points the emulated machine at a fresh folder; on Windows nothing.
void use_fresh_emulated_machine();

// Sets or removes HKEY_LOCAL_MACHINE "Software\Zentara\ztdebug" value "Dir".
void set_logger_directory_in_registry(const std::string& directory);
void remove_logger_key_from_registry();

// Whether a library of that path is loaded in this process.
bool library_is_loaded(const std::string& path);

std::string read_file(const std::string& path);

} // namespace zt::test
