#include "test_environment.h"

#include "scratch_folder.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace zt::test {
namespace {

constexpr const char* logger_key = "Software\\Zentara\\ztdebug";

#if defined(_WIN32)
constexpr char separator = '\\';
#else
constexpr char separator = '/';
#endif

} // namespace

std::string bin_directory()
{
#if defined(_WIN32)
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
#else
    std::string folder = std::filesystem::read_symlink("/proc/self/exe").string();
#endif
    return folder.substr(0, folder.find_last_of(separator) + 1);
}

std::string logger_directory()
{
    return bin_directory() + "ztdebug";
}

std::string incomplete_logger_directory()
{
    return bin_directory() + "ztdebug-incomplete";
}

std::string library_path()
{
#if defined(_WIN32)
    return bin_directory() + "ZtFunc32.DLL";
#else
    return bin_directory() + "libZtFunc32.so";
#endif
}

std::string earlier_library_path()
{
#if defined(_WIN32)
    return bin_directory() + "3.7.0.0\\ZtFunc32.dll";
#else
    return bin_directory() + "3.7.0.0/libZtFunc32.so";
#endif
}

void set_environment(const std::string& name, const std::string& value)
{
#if defined(_WIN32)
    SetEnvironmentVariableA(name.c_str(), value.c_str());
    _putenv_s(name.c_str(), value.c_str());
#else
    setenv(name.c_str(), value.c_str(), 1);
#endif
}

void unset_environment(const std::string& name)
{
#if defined(_WIN32)
    SetEnvironmentVariableA(name.c_str(), nullptr);
    _putenv_s(name.c_str(), "");
#else
    unsetenv(name.c_str());
#endif
}

std::string environment(const std::string& name)
{
    const char* value = std::getenv(name.c_str());
    return value != nullptr ? value : "";
}

void use_fresh_emulated_machine()
{
#if !defined(_WIN32)
    // Kept until the process ends: the library may read the machine at any time.
    static std::deque<ScratchFolder> machines;
    set_environment("ZT_SYSROOT", machines.emplace_back("sysroot").path().string());
#endif
}

#if defined(_WIN32)
void set_logger_directory_in_registry(const std::string& directory)
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, logger_key, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                    nullptr);
    RegSetValueExA(key, "Dir", 0, REG_SZ, reinterpret_cast<const BYTE*>(directory.c_str()),
                   static_cast<DWORD>(directory.size() + 1));
    RegCloseKey(key);
}

void remove_logger_key_from_registry()
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, logger_key);
}

bool library_is_loaded(const std::string& path)
{
    return GetModuleHandleA(path.c_str()) != nullptr;
}
#else
namespace {
std::string registry_file()
{
    const char* root = std::getenv("ZT_SYSROOT");
    std::filesystem::path dir =
        std::filesystem::path(root != nullptr ? root : "") / "c" / "windows";
    std::filesystem::create_directories(dir);
    return (dir / "registry.ini").string();
}
} // namespace

void set_logger_directory_in_registry(const std::string& directory)
{
    std::ofstream(registry_file()) << '[' << logger_key << "]\nDir=" << directory << "\n";
}

void remove_logger_key_from_registry()
{
    std::filesystem::remove(registry_file());
}

bool library_is_loaded(const std::string& path)
{
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr) {
        return false;
    }
    dlclose(handle);
    return true;
}
#endif

std::string read_file(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

} // namespace zt::test
