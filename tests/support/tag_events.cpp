#include "tag_events.h"

namespace zt::test {
namespace {

// The arguments of a journaled call, split at the top level: `1, 0x2a, "a, b"`.
std::vector<std::string> split_arguments(const std::string& arguments)
{
    std::vector<std::string> parts(1);
    bool quoted = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const char c = arguments[i];
        if (quoted && c == '\\' && i + 1 < arguments.size()) {
            parts.back() += arguments[++i];
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',' && i + 1 < arguments.size() && arguments[i + 1] == ' ') {
            parts.emplace_back();
            ++i;
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

} // namespace

std::string TagEvents::name_of(const std::string& tag) const
{
    const auto found = names_.find(tag);
    return found != names_.end() ? found->second : tag;
}

std::vector<std::string> TagEvents::take()
{
    std::vector<std::string> events;
    for (const JournalCall& call : journal_.take_new_calls()) {
        const std::vector<std::string> arguments = split_arguments(call.arguments);
        if (call.function == "TagportInit") {
            events.push_back("init");
        } else if (call.function == "TagportShutdown") {
            events.push_back("shutdown");
        } else if (call.function == "TagportActivate" && arguments.size() == 2) {
            if (call.result == "0x0") {
                events.push_back("activate " + arguments[1] + " failed");
            } else {
                names_[call.result] = arguments[1];
                events.push_back("activate " + arguments[1]);
            }
        } else if (call.function == "TagportSetMessage" && arguments.size() == 3) {
            events.push_back(name_of(arguments[1]) + " = " + arguments[2]);
        } else if (call.function == "TagportDeactivate" && arguments.size() == 2) {
            events.push_back("give back " + name_of(arguments[1]));
        }
    }
    return events;
}

} // namespace zt::test
