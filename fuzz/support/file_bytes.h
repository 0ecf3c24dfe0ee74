// A file's bytes, read without a stream buffer: the targets compare files
// before and after nearly every call, so the read stays a few system calls.
#pragma once

#include <optional>
#include <string>

namespace zt::fuzz {

// The bytes of the regular file at `path`; nothing when there is none or it
// cannot be read.
std::optional<std::string> file_bytes(const std::string& path);

} // namespace zt::fuzz
