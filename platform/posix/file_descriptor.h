// An open file descriptor, closed when it goes.
#pragma once

#include <unistd.h>

namespace zt::platform::posix {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }

    int get() const { return fd_; }
    // Closes it now; false when close reports an error (a write may be lost).
    bool close()
    {
        const bool ok = fd_ < 0 || ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

  private:
    int fd_;
};

} // namespace zt::platform::posix
