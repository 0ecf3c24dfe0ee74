// Raw file I/O on the emulated platform: POSIX file descriptors on the mapped path.
#include "platform/raw_file.h"

#include "platform/posix/windows_path.h"

#include <cstdint>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace zt::platform {
namespace {

RawFileHandle open_existing(const char* windows_path) noexcept
{
    try {
        const std::string path = posix::to_posix_path(windows_path);
        const int file = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        return file < 0 ? invalid_raw_file : file;
    } catch (...) {
        return invalid_raw_file; // no memory for the path: not opened
    }
}

std::int32_t size(RawFileHandle file) noexcept
{
    const off_t end = ::lseek(static_cast<int>(file), 0, SEEK_END);
    return end < 0 || end > INT32_MAX ? -1 : static_cast<std::int32_t>(end);
}

std::int32_t seek(RawFileHandle file, std::int32_t offset) noexcept
{
    if (offset < 0) {
        return -1;
    }
    const off_t reached = ::lseek(static_cast<int>(file), offset, SEEK_SET);
    return reached < 0 ? -1 : static_cast<std::int32_t>(reached);
}

std::int32_t write(RawFileHandle file, const void* bytes, std::uint32_t size) noexcept
{
    const ssize_t written = ::write(static_cast<int>(file), bytes, size);
    return written < 0 ? -1 : static_cast<std::int32_t>(written);
}

bool close(RawFileHandle file) noexcept
{
    return ::close(static_cast<int>(file)) == 0;
}

constexpr RawFileCalls system_calls{open_existing, size, seek, write, close};

} // namespace

const RawFileCalls& system_raw_file_calls() noexcept
{
    return system_calls;
}

std::string local_file_name(const std::string& windows_path)
{
    return posix::to_posix_path(windows_path);
}

} // namespace zt::platform
