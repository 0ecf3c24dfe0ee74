// Test helpers: a scratch folder removed with everything in it when the object
// goes, the Windows directory the platform uses, and whole-file reads and
// writes.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "test_environment.h"

namespace zt::test {

// A new empty folder under the system's temporary folder, named after its
// purpose, this process and a count.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& purpose = "test");
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// Points the emulated platform's drives into a scratch folder for the life of
// the object; on Windows the real Windows directory is used.
class WindowsDirectory {
  public:
    WindowsDirectory()
    {
#ifdef _WIN32
        path_ = environment("WINDIR");
#else
        old_sysroot_ = environment("ZT_SYSROOT");
        set_environment("ZT_SYSROOT", sysroot_.path().string());
        path_ = sysroot_.path() / "c" / "windows";
        std::filesystem::create_directories(path_);
#endif
    }
    WindowsDirectory(const WindowsDirectory&) = delete;
    WindowsDirectory& operator=(const WindowsDirectory&) = delete;
    ~WindowsDirectory()
    {
#ifndef _WIN32
        if (old_sysroot_.empty()) {
            unset_environment("ZT_SYSROOT");
        } else {
            set_environment("ZT_SYSROOT", old_sysroot_);
        }
#endif
    }

    const std::filesystem::path& path() const
    {
        return path_;
    }

  private:
#ifndef _WIN32
    ScratchFolder sysroot_;
    std::string old_sysroot_;
#endif
    std::filesystem::path path_;
};

inline std::string read_bytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void write_bytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace zt::test
