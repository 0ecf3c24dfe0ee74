#include "platform/posix/profile_write_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zt::platform::posix {

namespace {

std::mutex process_writers;

} // namespace

ProfileWriteLock::ProfileWriteLock(const std::string& folder) : process_lock_(process_writers)
{
    folder_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_ < 0) {
        return;
    }
    int locked = -1;
    do {
        locked = ::flock(folder_, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        ::close(folder_);
        folder_ = -1;
    }
}

ProfileWriteLock::~ProfileWriteLock()
{
    if (folder_ >= 0) {
        ::close(folder_); // releases the flock
    }
}

} // namespace zt::platform::posix
