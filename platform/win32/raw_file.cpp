// Raw file I/O straight from the Windows kernel's old file calls.
#include "platform/raw_file.h"

#include <windows.h>

namespace zt::platform {
namespace {

RawFileHandle open_existing(const char* windows_path) noexcept
{
    const HFILE file = _lopen(windows_path, OF_READWRITE | OF_REOPEN);
    return file == HFILE_ERROR ? invalid_raw_file : static_cast<RawFileHandle>(file);
}

std::int32_t size(RawFileHandle file) noexcept
{
    return _llseek(static_cast<HFILE>(file), 0, FILE_END);
}

std::int32_t seek(RawFileHandle file, std::int32_t offset) noexcept
{
    return _llseek(static_cast<HFILE>(file), offset, FILE_BEGIN);
}

std::int32_t write(RawFileHandle file, const void* bytes, std::uint32_t size) noexcept
{
    return static_cast<std::int32_t>(
        _lwrite(static_cast<HFILE>(file), static_cast<LPCCH>(bytes), size));
}

bool close(RawFileHandle file) noexcept
{
    return _lclose(static_cast<HFILE>(file)) != HFILE_ERROR;
}

constexpr RawFileCalls system_calls{open_existing, size, seek, write, close};

} // namespace

const RawFileCalls& system_raw_file_calls() noexcept
{
    return system_calls;
}

} // namespace zt::platform
