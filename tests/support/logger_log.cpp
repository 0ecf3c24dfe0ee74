#include "logger_log.h"

#include "test_environment.h"

#include <sstream>

namespace zt::test {
namespace {

// A line is "YYYY-MM-DD HH:MM:SS " then the 17-character tag, then the message.
constexpr std::size_t stamp_length = 20;
constexpr std::size_t tag_length = 17;

} // namespace

LoggerLog::LoggerLog() : path_(folder_.file("ztdebug.log"))
{
    set_environment("ZTDEBUG_LOG", path_);
}

std::vector<LogEntry> LoggerLog::take_new_entries()
{
    const std::string content = read_file(path_);
    std::istringstream lines(content.substr(std::min(consumed_, content.size())));
    consumed_ = content.size();
    std::vector<LogEntry> entries;
    std::string line;
    while (std::getline(lines, line)) {
        if (line.size() < stamp_length + tag_length) {
            entries.push_back({"", line});
            continue;
        }
        entries.push_back(
            {line.substr(stamp_length, tag_length), line.substr(stamp_length + tag_length)});
    }
    return entries;
}

std::vector<std::string> LoggerLog::take_new_messages()
{
    std::vector<std::string> messages;
    for (LogEntry& entry : take_new_entries()) {
        messages.push_back(std::move(entry.message));
    }
    return messages;
}

} // namespace zt::test
