// Raw file I/O on an existing file, as the Windows kernel's old file calls
// offer it.
// win32: _lopen(path, OF_READWRITE | OF_REOPEN) / _llseek(FILE_END) for the size /
//        _llseek(FILE_BEGIN) / _lwrite / _lclose.
// posix: open(O_RDWR) on the mapped path (see platform/posix/windows_path.h),
//        lseek(SEEK_END), lseek(SEEK_SET), write, close. Neither creates nor
//        truncates the file.
//
// The five calls go through a table that tests may replace entry by entry to
// make one of them fail; the library always calls through raw_file_calls().
#pragma once

#include <cstdint>
#include <string>

namespace zt::platform {

// The file a Windows path names on this machine: the path itself on Windows,
// natively the emulation's mapping of it. For the stand-ins of the host's,
// which find their files with it; the library opens files by Windows path.
// (Inline on Windows, so that no standard string comes into the DLL.)
#if defined(_WIN32)
inline std::string local_file_name(const std::string& windows_path)
{
    return windows_path;
}
#else
std::string local_file_name(const std::string& windows_path);
#endif

using RawFileHandle = std::intptr_t;
inline constexpr RawFileHandle invalid_raw_file = -1; // HFILE_ERROR

struct RawFileCalls {
    // Opens an existing file for reading and writing; invalid_raw_file on failure.
    RawFileHandle (*open_existing)(const char* windows_path) noexcept;
    // The length of the file in bytes, or -1.
    std::int32_t (*size)(RawFileHandle file) noexcept;
    // Moves to `offset` from the start; the position reached, or -1.
    std::int32_t (*seek)(RawFileHandle file, std::int32_t offset) noexcept;
    // Writes `size` bytes; the number written, or -1.
    std::int32_t (*write)(RawFileHandle file, const void* bytes, std::uint32_t size) noexcept;
    // Closes the file; false when closing failed (the handle is gone either way).
    bool (*close)(RawFileHandle file) noexcept;
};

const RawFileCalls& system_raw_file_calls() noexcept;
RawFileCalls& raw_file_calls() noexcept;

// An open file, closed when the object goes unless close() was called.
class RawFile {
  public:
    explicit RawFile(const char* windows_path) noexcept
        : handle_(raw_file_calls().open_existing(windows_path))
    {
    }
    ~RawFile()
    {
        if (is_open()) {
            raw_file_calls().close(handle_);
        }
    }
    RawFile(const RawFile&) = delete;
    RawFile& operator=(const RawFile&) = delete;

    bool is_open() const noexcept { return handle_ != invalid_raw_file; }
    std::int32_t size() noexcept { return raw_file_calls().size(handle_); }
    std::int32_t seek(std::int32_t offset) noexcept
    {
        return raw_file_calls().seek(handle_, offset);
    }
    std::int32_t write(const void* bytes, std::uint32_t size) noexcept
    {
        return raw_file_calls().write(handle_, bytes, size);
    }
    // Closes now; false when closing failed. The file counts as closed afterwards.
    bool close() noexcept
    {
        const RawFileHandle handle = handle_;
        handle_ = invalid_raw_file;
        return raw_file_calls().close(handle);
    }

  private:
    RawFileHandle handle_;
};

} // namespace zt::platform
