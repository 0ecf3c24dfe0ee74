#include "platform/posix/profile_file.h"

#include "platform/posix/file_descriptor.h"
#include "platform/posix/windows_path.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace zt::platform::posix {

namespace fs = std::filesystem;

namespace {

bool write_all(int fd, const std::string& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Opens a new, unique file beside `path`; its name is stored in `temp_path`.
int create_temp_beside(const std::string& path, std::string& temp_path)
{
    static std::atomic<unsigned> counter{0};
    const fs::path target(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Not std::to_string: it brings a process-unique symbol into the
        // library, and a library holding one can never be unloaded.
        char suffix[48];
        std::snprintf(suffix, sizeof suffix, ".tmp%ld-%u", static_cast<long>(::getpid()),
                      counter++);
        temp_path = (target.parent_path() / ("." + target.filename().string() + suffix)).string();
        const int fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Reads everything from `fd`; false when a read fails.
bool read_all(int fd, std::string& bytes)
{
    char chunk[16384];
    for (;;) {
        const ssize_t n = profile_file_calls().read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            return true;
        }
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
}

constexpr ProfileFileCalls system_calls{::read};

} // namespace

const ProfileFileCalls& system_profile_file_calls()
{
    return system_calls;
}

ProfileFileCalls& profile_file_calls()
{
    static ProfileFileCalls calls_in_use = system_calls;
    return calls_in_use;
}

std::string folder_of(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

std::string profile_file_path(const char* file)
{
    const std::string name = file != nullptr ? file : "win.ini";
    if (is_bare_file_name(name)) {
        return windows_directory() + "/" + name;
    }
    return to_posix_path(name);
}

ProfileFileBytes read_profile_file(const std::string& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        const bool folder_exists = fs::is_directory(folder_of(path), error);
        return {folder_exists ? ProfileFileState::absent : ProfileFileState::unusable, {}};
    }
    if (status.type() != fs::file_type::regular) {
        return {ProfileFileState::unusable, {}};
    }
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat opened {};
    if (file.get() < 0 || ::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode)) {
        return {ProfileFileState::unusable, {}};
    }
    // A write puts back all it read: content that is incomplete must never
    // get that far.
    std::string bytes;
    if (!read_all(file.get(), bytes) || bytes.size() < static_cast<std::size_t>(opened.st_size)) {
        return {ProfileFileState::failed, {}};
    }
    return {ProfileFileState::present, std::move(bytes)};
}

std::optional<std::string> profile_write_target(const std::string& path)
{
    std::error_code error;
    if (!fs::is_symlink(path, error)) {
        return path;
    }
    std::string target = fs::canonical(path, error).string();
    if (error) {
        return std::nullopt;
    }
    return target;
}

bool profile_file_writable(const std::string& path)
{
    return ::access(path.c_str(), W_OK) == 0;
}

bool replace_profile_file(const std::string& target, const std::string& bytes)
{
    struct stat old_status {};
    const bool had_file = ::stat(target.c_str(), &old_status) == 0;

    std::string temp_path;
    FileDescriptor temp(create_temp_beside(target, temp_path));
    if (temp.get() < 0) {
        return false;
    }
    bool ok = write_all(temp.get(), bytes);
    if (ok && had_file) {
        ok = ::fchmod(temp.get(), old_status.st_mode & 07777) == 0;
    }
    ok = ok && ::fsync(temp.get()) == 0;
    ok = temp.close() && ok;
    ok = ok && ::rename(temp_path.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp_path.c_str());
    }
    return ok;
}

} // namespace zt::platform::posix
