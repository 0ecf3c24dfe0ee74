// Serialises writes of profile files, so that two writers of one file never
// both read the old content and the second replacement loses the first one's
// change. Held around read, edit and replace:
//   - a lock of this process, for its threads;
//   - an advisory lock (flock) on the file's folder, for other processes that
//     use this emulation. The folder is locked rather than the file because a
//     write replaces the file by a new one: a lock on the old file would not
//     stop a writer that opened the new one. Where the folder cannot be locked
//     (no read permission, a file system without locks) the write goes ahead
//     with the process lock alone.
// Reads take no lock: a replacement is a rename, so a reader sees the old
// file or the new one, never a mixture.
#pragma once

#include <mutex>
#include <string>

namespace zt::platform::posix {

class ProfileWriteLock {
  public:
    explicit ProfileWriteLock(const std::string& folder);
    ~ProfileWriteLock();
    ProfileWriteLock(const ProfileWriteLock&) = delete;
    ProfileWriteLock& operator=(const ProfileWriteLock&) = delete;

  private:
    std::unique_lock<std::mutex> process_lock_;
    int folder_ = -1;
};

} // namespace zt::platform::posix
