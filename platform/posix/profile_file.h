// File access for private-profile files: where a Windows file name lives,
// reading its bytes, and replacing it without ever leaving it half written.
#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

namespace zt::platform::posix {

// The POSIX path of a profile file name: bare names in the Windows
// directory, null meaning "win.ini", others through to_posix_path.
std::string profile_file_path(const char* file);

enum class ProfileFileState {
    present,  // a regular file, read whole
    absent,   // no such file, but its folder exists
    unusable, // folder missing, a directory, or unreadable
    failed,   // reading it failed, or gave fewer bytes than it holds
};

struct ProfileFileBytes {
    ProfileFileState state;
    std::string bytes; // empty unless present
};

ProfileFileBytes read_profile_file(const std::string& path);

// The file a write replaces: `path` itself, or the file a link at `path`
// points to; nothing when the link cannot be followed.
std::optional<std::string> profile_write_target(const std::string& path);

// The folder of `path` ("." for a bare name).
std::string folder_of(const std::string& path);

// True when the existing file at `path` may be replaced by this process.
bool profile_file_writable(const std::string& path);

// Writes `bytes` to a new file in the same folder and renames it over
// `target` (keeping the old file's permissions). On failure the old file is
// untouched.
bool replace_profile_file(const std::string& target, const std::string& bytes);

// The system call that reads a profile file; tests may replace it to make a
// read fail or come back short.
struct ProfileFileCalls {
    ssize_t (*read)(int fd, void* buffer, size_t size);
};
const ProfileFileCalls& system_profile_file_calls();
ProfileFileCalls& profile_file_calls();

} // namespace zt::platform::posix
