#include "platform/posix/profile_file.h"

#include "platform/posix/windows_path.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace zt::platform::posix {

namespace fs = std::filesystem;

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }

    int get() const { return fd_; }
    bool close()
    {
        const bool ok = fd_ < 0 || ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

  private:
    int fd_;
};

std::string folder_of(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

bool write_all(int fd, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
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

} // namespace

std::string profile_file_path(const char* file)
{
    const std::string name = file != nullptr ? file : "win.ini";
    if (is_bare_file_name(name)) {
        return windows_directory() + "/" + name;
    }
    return to_posix_path(name);
}

ProfileFileText read_profile_file(const std::string& path)
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
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {ProfileFileState::unusable, {}};
    }
    std::ostringstream content;
    content << in.rdbuf();
    return {ProfileFileState::present, content.str()};
}

bool profile_file_writable(const std::string& path)
{
    return ::access(path.c_str(), W_OK) == 0;
}

bool replace_profile_file(const std::string& path, const std::string& text)
{
    // Replace the file a link points to, not the link.
    std::error_code error;
    std::string target = path;
    if (fs::is_symlink(path, error)) {
        target = fs::canonical(path, error).string();
        if (error) {
            return false;
        }
    }
    struct stat old_status {};
    const bool had_file = ::stat(target.c_str(), &old_status) == 0;

    std::string temp_path;
    FileDescriptor temp(create_temp_beside(target, temp_path));
    if (temp.get() < 0) {
        return false;
    }
    bool ok = write_all(temp.get(), text);
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
