// Helpers of the statistics-export tests: the tool put on the search path for
// a while, and "statx.ini" of the Windows directory kept aside and restored
// (under Wine the Windows directory is the prefix's real one).
#pragma once

#include "scratch_folder.h"
#include "test_environment.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zt::test {

// Folder the build puts the tool stand-in in (statx.exe, natively statx).
inline std::string export_tool_directory()
{
    return bin_directory() + "export-tool";
}

inline std::string export_tool_program()
{
#ifdef _WIN32
    return export_tool_directory() + "\\statx.exe";
#else
    return export_tool_directory() + "/statx";
#endif
}

class ExportToolOnSearchPath {
  public:
    ExportToolOnSearchPath() : old_path_(environment("PATH"))
    {
#ifdef _WIN32
        const char separator = ';';
#else
        const char separator = ':';
#endif
        set_environment("PATH", export_tool_directory() + separator + old_path_);
    }
    ExportToolOnSearchPath(const ExportToolOnSearchPath&) = delete;
    ExportToolOnSearchPath& operator=(const ExportToolOnSearchPath&) = delete;
    ~ExportToolOnSearchPath()
    {
        set_environment("PATH", old_path_);
    }

  private:
    std::string old_path_;
};

// Starts each test without "statx.ini" and puts back what was there before.
class StatxSettingsFile {
  public:
    StatxSettingsFile() : path_(windows_.path() / "statx.ini")
    {
        if (std::filesystem::exists(path_)) {
            saved_ = read_bytes(path_);
        }
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    StatxSettingsFile(const StatxSettingsFile&) = delete;
    StatxSettingsFile& operator=(const StatxSettingsFile&) = delete;
    ~StatxSettingsFile()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
        if (saved_) {
            write_bytes(path_, *saved_);
        }
    }

    const std::filesystem::path& path() const { return path_; }
    std::string bytes() const { return read_bytes(path_); }

  private:
    WindowsDirectory windows_;
    std::filesystem::path path_;
    std::optional<std::string> saved_;
};

} // namespace zt::test
