#include "desktop_commands.h"

#include "desktop_picture.h"
#include "hotspot_mirror.h"
#include "platform/drivers/desktop_driver.h"

#include <charconv>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

namespace zthost {
namespace {

namespace driver = zt::platform::driver;
using zt::platform::WindowHandle;

// The words of a command's arguments; "..." or '...' keep blanks in a word.
std::optional<std::vector<std::string>> split_words(const std::string& arguments)
{
    std::vector<std::string> words;
    for (std::size_t i = 0; i < arguments.size();) {
        if (arguments[i] == ' ' || arguments[i] == '\t') {
            ++i;
            continue;
        }
        if (arguments[i] == '"' || arguments[i] == '\'') {
            const std::size_t close = arguments.find(arguments[i], i + 1);
            if (close == std::string::npos) {
                return std::nullopt;
            }
            words.push_back(arguments.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        const std::size_t end = arguments.find_first_of(" \t", i);
        words.push_back(arguments.substr(i, end - i));
        i = end == std::string::npos ? arguments.size() : end;
    }
    return words;
}

std::optional<std::int32_t> number(const std::string& word)
{
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

// The session's windows and the hotspots its calls registered.
class DesktopSession {
  public:
    explicit DesktopSession(Release release) : registered_(release) {}
    ~DesktopSession()
    {
        for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
            driver::destroy_window(*it);
        }
    }
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    std::string make_window(const std::string& arguments, bool child, std::ostream& out);
    std::string point(const std::string& arguments, std::ostream& out);
    std::string list_windows(std::ostream& out) const;
    std::string write_picture(const std::string& arguments, std::ostream& out) const;
    void observe(const Call& call, const CallResult& result);

  private:
    const driver::WindowInfo* find_window(const std::string& title,
                                          std::vector<driver::WindowInfo>& windows) const;

    std::vector<WindowHandle> made_;
    // Kept by the rules of the library's release.
    HotspotMirror registered_;
};

const driver::WindowInfo*
DesktopSession::find_window(const std::string& title,
                            std::vector<driver::WindowInfo>& windows) const
{
    windows = driver::windows();
    for (const driver::WindowInfo& window : windows) {
        if (window.title == title) {
            return &window;
        }
    }
    return nullptr;
}

std::string DesktopSession::make_window(const std::string& arguments, bool child, std::ostream& out)
{
    const char* usage =
        child ? ".child PARENT TITLE LEFT TOP WIDTH HEIGHT" : ".main TITLE LEFT TOP WIDTH HEIGHT";
    const auto words = split_words(arguments);
    const std::size_t count = child ? 6 : 5;
    if (!words || words->size() != count) {
        return std::string("usage: ") + usage;
    }
    std::int32_t box[4] = {};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto value = number((*words)[count - 4 + i]);
        if (!value) {
            return std::string("usage: ") + usage + " (whole numbers)";
        }
        box[i] = *value;
    }
    WindowHandle parent = nullptr;
    if (child) {
        std::vector<driver::WindowInfo> windows;
        const driver::WindowInfo* found = find_window((*words)[0], windows);
        if (found == nullptr) {
            return "no window titled " + (*words)[0];
        }
        parent = found->handle;
    }
    const std::string& title = (*words)[count - 5];
    const WindowHandle made = driver::create_window(
        driver::WindowRequest{child ? "ZthostChild" : "Scenehall", title.c_str(), parent, box[0],
                              box[1], box[2], box[3]});
    if (made == nullptr) {
        return "cannot create the window " + title;
    }
    made_.push_back(made);
    out << (child ? "child window \"" : "main window \"") << title << "\"\n";
    return "";
}

std::string DesktopSession::point(const std::string& arguments, std::ostream& out)
{
    const auto words = split_words(arguments);
    if (!words || (words->size() != 2 && words->size() != 3)) {
        return "usage: .point X Y, or .point WINDOW X Y";
    }
    const auto x = number((*words)[words->size() - 2]);
    const auto y = number((*words)[words->size() - 1]);
    if (!x || !y) {
        return "usage: .point X Y, or .point WINDOW X Y (whole numbers)";
    }
    zt::platform::Point screen{*x, *y};
    if (words->size() == 3) {
        std::vector<driver::WindowInfo> windows;
        const driver::WindowInfo* found = find_window((*words)[0], windows);
        if (found == nullptr) {
            return "no window titled " + (*words)[0];
        }
        screen = zt::platform::Point{found->client.left + *x, found->client.top + *y};
    }
    if (!driver::move_pointer(screen)) {
        return "the pointer did not move";
    }
    driver::pump_messages();
    out << "pointer at " << screen.x << ", " << screen.y << "\n";
    return "";
}

std::string DesktopSession::list_windows(std::ostream& out) const
{
    for (const driver::WindowInfo& window : driver::windows()) {
        out << "    \"" << window.title << "\" (" << window.class_name << ") client "
            << window.client.left << ", " << window.client.top << " to " << window.client.right
            << ", " << window.client.bottom << "\n";
    }
    return "";
}

std::string DesktopSession::write_picture(const std::string& arguments, std::ostream& out) const
{
    const auto words = split_words(arguments);
    if (!words || words->size() != 1) {
        return "usage: .picture FILE";
    }
    std::ofstream file((*words)[0], std::ios::binary);
    file << to_svg(take_picture(registered_));
    if (!file) {
        return "cannot write " + (*words)[0];
    }
    out << "wrote " << (*words)[0] << "\n";
    return "";
}

// The registrations the library accepted, and their release.
void DesktopSession::observe(const Call& call, const CallResult& result)
{
    // The earlier release has no ZtCntx32Cleanup: its hotspots stay to the end.
    if (call.function == "ZtCntx32Cleanup") {
        registered_.clear();
        return;
    }
    if (call.function != "ZtCntx32" || result.integer != 1 || call.arguments.size() != 7) {
        return;
    }
    // Accepted, so every number fits and so does the rectangle's far corner.
    const auto& a = call.arguments;
    const auto at = [&a](std::size_t i) { return static_cast<std::int32_t>(a[i].integer); };
    const zt::platform::driver::Rect rect{at(1), at(2), at(1) + at(3), at(2) + at(4)};
    registered_.record(MirroredHotspot{rect, a[5].text, a[6].text, a[0].text});
}

} // namespace

void add_desktop_commands(ScriptRunner& runner)
{
    auto session = std::make_shared<DesktopSession>(runner.release());
    runner.add_command("main", "TITLE LEFT TOP WIDTH HEIGHT: the host's main window",
                       [session](const std::string& arguments, std::ostream& out) {
                           return session->make_window(arguments, false, out);
                       });
    runner.add_command("child", "PARENT TITLE LEFT TOP WIDTH HEIGHT: a child window",
                       [session](const std::string& arguments, std::ostream& out) {
                           return session->make_window(arguments, true, out);
                       });
    runner.add_command("point", "[WINDOW] X Y: move the pointer (screen or client coordinates)",
                       [session](const std::string& arguments, std::ostream& out) {
                           return session->point(arguments, out);
                       });
    runner.add_command(
        "windows", "list the windows",
        [session](const std::string&, std::ostream& out) { return session->list_windows(out); });
    runner.add_command("picture", "FILE: write the desktop and its hotspots as SVG",
                       [session](const std::string& arguments, std::ostream& out) {
                           return session->write_picture(arguments, out);
                       });
    runner.observe_calls(
        [session](const Call& call, const CallResult& result) { session->observe(call, result); });
}

} // namespace zthost
