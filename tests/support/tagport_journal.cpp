#include "tagport_journal.h"

#include "test_environment.h"

#include <algorithm>
#include <sstream>

namespace zt::test {
namespace {

JournalCall parse_call(const std::string& line)
{
    JournalCall call;
    const auto open = line.find('(');
    const auto arrow = line.rfind(") -> ");
    const auto close = arrow != std::string::npos ? arrow : line.rfind(')');
    call.function = line.substr(0, open);
    if (open != std::string::npos && close != std::string::npos && close > open) {
        call.arguments = line.substr(open + 1, close - open - 1);
    }
    if (arrow != std::string::npos) {
        call.result = line.substr(arrow + 5);
    }
    return call;
}

// The tag argument of a call on a tag: the second argument.
std::string tag_of(const JournalCall& call)
{
    const auto comma = call.arguments.find(", ");
    const std::string rest = comma == std::string::npos ? "" : call.arguments.substr(comma + 2);
    return rest.substr(0, rest.find(", "));
}

} // namespace

TagportJournal::TagportJournal() : path_(folder_.file("tagport.journal"))
{
    set_environment("TAGPORT_JOURNAL", path_);
}

std::vector<JournalCall> TagportJournal::take_new_calls()
{
    const std::string content = read_file(path_);
    std::istringstream lines(content.substr(std::min(consumed_, content.size())));
    consumed_ = content.size();
    std::vector<JournalCall> calls;
    std::string line;
    while (std::getline(lines, line)) {
        calls.push_back(parse_call(line));
    }
    return calls;
}

std::string tag_text(std::uintptr_t tag)
{
    std::ostringstream text;
    text << "0x" << std::hex << tag;
    return text.str();
}

std::vector<std::string> function_names(const std::vector<JournalCall>& calls)
{
    std::vector<std::string> names;
    for (const JournalCall& call : calls) {
        names.push_back(call.function);
    }
    return names;
}

std::vector<std::string> tags_left_active(const std::vector<JournalCall>& calls)
{
    std::vector<std::string> active;
    for (const JournalCall& call : calls) {
        if (call.function == "TagportActivate" && call.result != "0x0") {
            active.push_back(call.result);
        } else if (call.function == "TagportDeactivate") {
            const auto found = std::find(active.begin(), active.end(), tag_of(call));
            if (found != active.end()) {
                active.erase(found);
            }
        }
    }
    return active;
}

} // namespace zt::test
