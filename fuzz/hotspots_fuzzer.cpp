// ZtCntx32, ZtCntx32Cleanup and the mouse hook's hit handling on the
// simulated desktop, against a plain walk of the hotspot list.
//
// Input: a sequence of operations, each an operation byte and its arguments.
//   0 ZtCntx32: window name, left, top, width, height, tag name, value
//   1 a pointer move to (x, y) on the screen, then the messages pumped
//   2 a window's title changed: window, title
//   3 a window made: parent (or none), class (byte: "Scenehall" or another),
//     title, left, top, width, height
//   4 a window destroyed (with its children)
//   5 ZtCntx32Cleanup
// A window is picked by a byte among those that exist. A name is a null
// pointer, a text of the input, a window's title or a tag of the database; a
// coordinate is a small number or (rarely) any 32-bit one.
//
// The fuzzer keeps its own model: the hotspots as a plain list, the current
// hotspot, the tags in the tag table and the texts of the message tags. The
// model follows the rules of the hook written the simple way: the window
// under the pointer, then its ancestors, each tried with its title (cut to
// 130 characters) and the point in its client coordinates against the list
// from the head; leaving writes "" to the tag left, entering the value.
// After every step the tag texts the tag-access stand-in holds must be the
// model's, and ZtCntx32's result the model's.
#include "ascii_text.h"
#include "file_bytes.h"
#include "fuzz_input.h"
#include "fuzz_machine.h"
#include "hotspots/hotspot_state.h"
#include "library/application.h"
#include "platform/drivers/desktop_driver.h"
#include "tag_database.h"
#include "tagport.h"
#include "tags/shared_tags.h"
#include "text_argument.h"
#include "ztfunc32.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace driver = zt::platform::driver;
using zt::fuzz::FuzzInput;
using zt::fuzz::same_ignoring_case;
using Text = zt::fuzz::TextArgument;
using zt::platform::Point;
using zt::platform::WindowHandle;

constexpr const char* host_class = "Scenehall";
constexpr std::size_t title_limit = 130;

// Message tags with their texts, one integer tag, and no tag named "None".
constexpr const char* database = "Msg1 message 1 \"\"\n"
                                 "Msg2 message 2 \"\"\n"
                                 "Msg3 message 3 \"\"\n"
                                 "Flow real 4\n";
constexpr const char* tag_choices[] = {"Msg1", "Msg2", "Msg3", "msg1", "Flow", "None"};

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "hotspots: %s\n", what);
    std::abort();
}

std::string database_file()
{
    return zt::fuzz::machine_root() + "/c/tagport.tags";
}

struct Hotspot {
    std::int64_t left, top, right, bottom;
    std::string tag;
    std::string value;
    std::string window;
};

class Model {
  public:
    explicit Model(FuzzInput& in) : in_(in)
    {
        tagport::TagDatabase loaded;
        std::string error;
        if (!loaded.load(database_file(), error)) {
            fail("the tag database does not load");
        }
        for (const tagport::TagEntry& entry : loaded.entries()) {
            if (entry.type == TP_MESSAGE) {
                texts_[entry.name] = entry.text;
            }
        }
        last_pointer_ = driver::pointer_position();
    }

    void run()
    {
        in_.each_operation(6, [this](int op) {
            step(op);
            check_texts();
        });
    }

  private:
    // ---- arguments ----

    Text text(bool tag)
    {
        std::string value;
        const std::uint8_t source = in_.byte();
        switch (source % 4) {
        case 0:
            return {};
        case 1:
            value = in_.text();
            break;
        case 2: {
            const std::vector<driver::WindowInfo> windows = driver::windows();
            if (!tag && !windows.empty()) {
                value = windows[in_.byte() % windows.size()].title;
                break;
            }
            value = tag_choices[in_.byte() % std::size(tag_choices)];
            break;
        }
        default:
            value = tag_choices[in_.byte() % std::size(tag_choices)];
            if (!tag) {
                value = "Main";
            }
            break;
        }
        return owned_.keep(std::move(value));
    }

    // A coordinate of ZtCntx32: small, or (rarely) any 32-bit number.
    std::int32_t coordinate()
    {
        const std::uint8_t kind = in_.byte();
        if (kind == 0xFF) {
            return in_.int32();
        }
        return static_cast<std::int32_t>(kind) * 4 - 40;
    }

    // A coordinate on the screen, from -40 to 980.
    std::int32_t screen_coordinate() { return static_cast<std::int32_t>(in_.byte()) * 4 - 40; }

    std::optional<driver::WindowInfo> window()
    {
        const std::vector<driver::WindowInfo> windows = driver::windows();
        const std::uint8_t pick = in_.byte();
        if (windows.empty()) {
            return std::nullopt;
        }
        return windows[pick % windows.size()];
    }

    // ---- the desktop as the hook sees it ----

    static std::optional<driver::WindowInfo> info_of(WindowHandle window)
    {
        for (const driver::WindowInfo& info : driver::windows()) {
            if (info.handle == window) {
                return info;
            }
        }
        return std::nullopt;
    }

    static bool contains(const driver::Rect& rect, Point point)
    {
        return rect.left <= point.x && point.x < rect.right && rect.top <= point.y &&
               point.y < rect.bottom;
    }

    // The newest top-level window containing the point, then its newest
    // child containing it, and so on down.
    static std::optional<driver::WindowInfo> window_under(Point point)
    {
        const std::vector<driver::WindowInfo> windows = driver::windows();
        std::optional<driver::WindowInfo> found;
        WindowHandle parent = nullptr;
        for (bool deeper = true; deeper;) {
            deeper = false;
            for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
                if (it->parent == parent && contains(it->client, point)) {
                    found = *it;
                    parent = it->handle;
                    deeper = true;
                    break;
                }
            }
        }
        return found;
    }

    static bool host_window_exists()
    {
        for (const driver::WindowInfo& info : driver::windows()) {
            if (info.parent == nullptr && same_ignoring_case(info.class_name, host_class)) {
                return true;
            }
        }
        return false;
    }

    // ---- the rules, the simple way ----

    std::optional<std::size_t> hit(Point screen) const
    {
        std::optional<driver::WindowInfo> window = window_under(screen);
        while (window) {
            const std::string_view title = std::string_view(window->title).substr(0, title_limit);
            const std::int64_t x = std::int64_t{screen.x} - window->client.left;
            const std::int64_t y = std::int64_t{screen.y} - window->client.top;
            for (std::size_t i = 0; i < hotspots_.size(); ++i) {
                const Hotspot& h = hotspots_[i];
                if (!title.empty() && same_ignoring_case(h.window, title) && h.left <= x &&
                    x < h.right && h.top <= y && y < h.bottom) {
                    return i;
                }
            }
            window = window->parent != nullptr ? info_of(window->parent) : std::nullopt;
        }
        return std::nullopt;
    }

    void write(const std::string& tag, const std::string& text)
    {
        const auto entry = table_.find(tag);
        if (entry != table_.end()) {
            texts_[entry->second] = text;
        }
    }

    void move_pointer()
    {
        const Point to{screen_coordinate(), screen_coordinate()};
        const bool moved = driver::move_pointer(to);
        driver::pump_messages();
        if (!moved) {
            return;
        }
        const bool message =
            !(to.x == last_pointer_.x && to.y == last_pointer_.y) && window_under(to).has_value();
        last_pointer_ = to;
        if (!message || !hook_ || !host_thread_) {
            return;
        }
        const std::optional<std::size_t> now = hit(to);
        if (now == current_) {
            return;
        }
        if (current_) {
            write(hotspots_[*current_].tag, "");
        }
        if (now) {
            write(hotspots_[*now].tag, hotspots_[*now].value);
        }
        current_ = now;
    }

    void register_hotspot()
    {
        const Text window_name = text(false);
        const std::int32_t left = coordinate();
        const std::int32_t top = coordinate();
        const std::int32_t width = coordinate();
        const std::int32_t height = coordinate();
        const Text tag = text(true);
        const Text value = text(false);

        const std::int32_t result =
            ZtCntx32(window_name.pointer, left, top, width, height, tag.pointer, value.pointer);
        host_thread_ = host_window_exists();
        hook_ = hook_ || host_thread_;
        const bool refused =
            left < 0 || top < 0 || width <= 0 || height <= 0 || window_name.value.empty() ||
            window_name.value.size() > 131 || tag.value.size() > 31 || value.value.size() > 131 ||
            std::int64_t{left} + width > INT32_MAX || std::int64_t{top} + height > INT32_MAX;
        if (result != (refused ? -1 : 1)) {
            std::fprintf(stderr, "ZtCntx32 gave %d\n", result);
            fail("ZtCntx32 does not answer as the model");
        }
        if (refused) {
            return;
        }
        const Hotspot hotspot{
            left,      top,         std::int64_t{left} + width, std::int64_t{top} + height,
            tag.value, value.value, window_name.value};
        if (hotspots_.empty()) {
            hotspots_.push_back(hotspot);
            current_.reset();
        } else {
            bool replaced = false;
            for (Hotspot& h : hotspots_) {
                if (h.left == hotspot.left && h.top == hotspot.top && h.right == hotspot.right &&
                    h.bottom == hotspot.bottom && same_ignoring_case(h.window, hotspot.window)) {
                    h.tag = hotspot.tag;
                    h.value = hotspot.value;
                    replaced = true;
                    break;
                }
            }
            if (!replaced) {
                hotspots_.push_back(hotspot);
            }
        }
        if (table_.count(tag.value) == 0) {
            for (const auto& [name, text] : texts_) {
                if (same_ignoring_case(name, tag.value)) {
                    table_[tag.value] = name;
                }
            }
        }
    }

    void cleanup()
    {
        ZtCntx32Cleanup();
        if (hotspots_.empty()) {
            return;
        }
        hotspots_.clear();
        hook_ = false;
        table_.clear();
        current_.reset();
    }

    void set_title()
    {
        const std::optional<driver::WindowInfo> target = window();
        const std::string title = in_.text();
        if (target) {
            driver::set_window_title(target->handle, title.c_str());
        }
    }

    void make_window()
    {
        const std::uint8_t kind = in_.byte();
        const std::optional<driver::WindowInfo> parent = (kind & 1) != 0 ? window() : std::nullopt;
        const std::string title = in_.text();
        const driver::WindowRequest request{(kind & 2) != 0 ? host_class : "Panel",
                                            title.c_str(),
                                            parent ? parent->handle : nullptr,
                                            screen_coordinate(),
                                            screen_coordinate(),
                                            screen_coordinate(),
                                            screen_coordinate()};
        if (driver::windows().size() < 12) {
            driver::create_window(request);
        }
    }

    void destroy_window()
    {
        if (const std::optional<driver::WindowInfo> target = window()) {
            driver::destroy_window(target->handle);
        }
    }

    void step(int op)
    {
        switch (op) {
        case 0:
            register_hotspot();
            break;
        case 1:
            move_pointer();
            break;
        case 2:
            set_title();
            break;
        case 3:
            make_window();
            break;
        case 4:
            destroy_window();
            break;
        default:
            cleanup();
            break;
        }
    }

    // The stand-in's database as its file holds it now, parsed again only when
    // the file's bytes changed: most steps write no tag.
    const tagport::TagDatabase& held_database()
    {
        std::optional<std::string> bytes = zt::fuzz::file_bytes(database_path_);
        if (!bytes) {
            fail("the tag database can no longer be read");
        }
        if (*bytes != held_bytes_) {
            std::string error;
            if (!held_.load_text(*bytes, database_path_, error)) {
                std::fprintf(stderr, "%s\n", error.c_str());
                fail("the tag database no longer loads");
            }
            held_bytes_ = std::move(*bytes);
        }
        return held_;
    }

    void check_texts()
    {
        const tagport::TagDatabase& held = held_database();
        for (const auto& [name, text] : texts_) {
            const tagport::TagEntry* entry = held.find(name);
            if (entry == nullptr || entry->text != text) {
                std::fprintf(stderr, "%s holds \"%s\", the model \"%s\"\n", name.c_str(),
                             entry ? entry->text.c_str() : "(no tag)", text.c_str());
                fail("a tag's text is not the one the hook's rules give");
            }
        }
    }

    FuzzInput& in_;
    const std::string database_path_ = database_file();
    std::string held_bytes_;
    tagport::TagDatabase held_;
    zt::fuzz::ArgumentTexts owned_;
    std::vector<Hotspot> hotspots_;
    std::optional<std::size_t> current_;
    std::map<std::string, std::string> table_; // tag table key -> database name
    std::map<std::string, std::string> texts_; // message tag -> text
    bool hook_ = false;
    bool host_thread_ = false;
    Point last_pointer_{};
};

// Everything an input leaves behind goes: hotspots, hook, tags, connection,
// windows. Done at the end of every input, so that libFuzzer sees no memory
// kept and does not run the input again to look for a leak.
void release_everything()
{
    ZtCntx32Cleanup();
    zt::hotspots::HotspotState& state = zt::hotspots::hotspot_state();
    {
        const std::lock_guard lock(state.lock);
        zt::hotspots::remove_hook(state);
        state.host_thread = 0;
    }
    if (const zt::tags::SessionRef session = zt::tags::shared_tags().current()) {
        if (const TP_CONNECTION connection = session->forget_connection()) {
            TagportShutdown(connection);
        }
    }
    for (const driver::WindowInfo& info : driver::windows()) {
        if (info.parent == nullptr) {
            driver::destroy_window(info.handle);
        }
    }
}

// Installs the hook again as the process ends, after the last input let it
// go: a host that ends without ZtCntx32Cleanup leaves it installed, and the
// library's exit step (a static destroyed after this runs) must remove it
// from a desktop that is still there.
void end_with_hook_installed()
{
    driver::create_window({host_class, "Main", nullptr, 100, 100, 400, 300});
    ZtCntx32("Main", 0, 0, 10, 10, "Msg1", "at exit");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    zt::fuzz::set_up_machine();
    std::atexit(end_with_hook_installed);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The tag database starts again with empty texts.
    std::ofstream(database_file(), std::ios::binary | std::ios::trunc) << database;
    FuzzInput in(data, size);
    // The host runtime's main window "Main", as the tests have it.
    driver::create_window({host_class, "Main", nullptr, 100, 100, 400, 300});
    Model(in).run();
    release_everything();
    return 0;
}
