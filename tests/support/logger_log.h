// The log of the logger stand-in, as the tests read it.
#pragma once

#include "scratch_folder.h"

#include <string>
#include <vector>

namespace zt::test {

struct LogEntry {
    std::string module_tag; // 17 characters, "/" included
    std::string message;
};

class LoggerLog {
  public:
    // Points the logger stand-in at a new empty log file.
    LoggerLog();

    // Entries written since the previous call (or since construction).
    std::vector<LogEntry> take_new_entries();
    // The messages of take_new_entries().
    std::vector<std::string> take_new_messages();
    // The log file, for a stand-in journal to write beside the reports.
    const std::string& path() const { return path_; }

  private:
    ScratchFolder folder_{"log"};
    std::string path_;
    std::size_t consumed_ = 0;
};

} // namespace zt::test
