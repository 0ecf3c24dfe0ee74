#include "platform/simulated/simulated_desktop.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <utility>

namespace zt::platform::simulated {
namespace {

constexpr ThreadId first_thread_id = 0x100;
std::atomic<ThreadId> next_thread_id{first_thread_id};
thread_local std::uint32_t thread_last_error = 0;
constexpr std::uint32_t hit_test_client = 1; // HTCLIENT
constexpr int answer_ok = 1;                 // IDOK

std::uintptr_t id_of(const void* handle)
{
    return reinterpret_cast<std::uintptr_t>(handle);
}

// Handles are numbers dressed as pointers, never dereferenced.
template <class Handle> Handle handle_of(std::uintptr_t id)
{
    return reinterpret_cast<Handle>(id);
}

char ascii_lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equal_ignoring_case(const std::string& stored, const char* wanted)
{
    const std::size_t length = std::strlen(wanted);
    return stored.size() == length &&
           std::equal(stored.begin(), stored.end(), wanted,
                      [](char a, char b) { return ascii_lower(a) == ascii_lower(b); });
}

bool contains(const Rect& rect, Point point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

} // namespace

// Never destroyed: a library's exit step may remove its hook after the
// desktop's own statics would have gone (at process exit they go in reverse
// order of construction, and the desktop is made at its first use).
SimulatedDesktop& SimulatedDesktop::instance()
{
    static auto* const desktop = new SimulatedDesktop;
    return *desktop;
}

ThreadId SimulatedDesktop::current_thread()
{
    thread_local const ThreadId id = next_thread_id.fetch_add(1);
    return id;
}

std::uint32_t SimulatedDesktop::last_error()
{
    return thread_last_error;
}

const SimulatedDesktop::Window* SimulatedDesktop::window_of(WindowHandle window) const
{
    const auto found = windows_.find(id_of(window));
    if (found == windows_.end()) {
        thread_last_error = error_invalid_window_handle;
        return nullptr;
    }
    return &found->second;
}

Point SimulatedDesktop::client_origin(const Window& window) const
{
    Point origin{window.placement.left, window.placement.top};
    for (std::uintptr_t parent = window.parent; parent != 0;) {
        const Window& above = windows_.at(parent);
        origin.x += above.placement.left;
        origin.y += above.placement.top;
        parent = above.parent;
    }
    return origin;
}

WindowHandle SimulatedDesktop::find_window(const char* class_name, const char* title)
{
    const std::lock_guard lock(mutex_);
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        const Window& window = it->second;
        if (window.parent == 0 &&
            (class_name == nullptr || equal_ignoring_case(window.class_name, class_name)) &&
            (title == nullptr || equal_ignoring_case(window.title, title))) {
            return handle_of<WindowHandle>(it->first);
        }
    }
    return nullptr;
}

ThreadId SimulatedDesktop::window_thread(WindowHandle window)
{
    const std::lock_guard lock(mutex_);
    const Window* found = window_of(window);
    return found != nullptr ? found->thread : 0;
}

bool SimulatedDesktop::screen_to_client(WindowHandle window, Point& point)
{
    const std::lock_guard lock(mutex_);
    const Window* found = window_of(window);
    if (found == nullptr) {
        return false;
    }
    const Point origin = client_origin(*found);
    point.x -= origin.x;
    point.y -= origin.y;
    return true;
}

int SimulatedDesktop::window_text(WindowHandle window, char* buffer, int capacity)
{
    const std::lock_guard lock(mutex_);
    const Window* found = window_of(window);
    if (found == nullptr || buffer == nullptr || capacity <= 0) {
        return 0;
    }
    const std::size_t copied =
        std::min(found->title.size(), static_cast<std::size_t>(capacity - 1));
    std::memcpy(buffer, found->title.data(), copied);
    buffer[copied] = '\0';
    return static_cast<int>(copied);
}

WindowHandle SimulatedDesktop::parent_window(WindowHandle window)
{
    const std::lock_guard lock(mutex_);
    const Window* found = window_of(window);
    return found != nullptr ? handle_of<WindowHandle>(found->parent) : nullptr;
}

HookHandle SimulatedDesktop::install_mouse_hook(MouseHookProcedure procedure, ThreadId thread)
{
    if (thread == 0) {
        thread_last_error = error_hook_needs_module;
        return nullptr;
    }
    if (procedure == nullptr || thread < first_thread_id || thread >= next_thread_id.load()) {
        thread_last_error = error_invalid_parameter;
        return nullptr;
    }
    const std::lock_guard lock(mutex_);
    const std::uintptr_t id = next_hook_++;
    hooks_.push_back(Hook{id, thread, procedure});
    return handle_of<HookHandle>(id);
}

// The hook of the same thread installed just before `hook`; null when none.
MouseHookProcedure SimulatedDesktop::hook_before(std::uintptr_t hook) const
{
    const auto found = std::find_if(hooks_.begin(), hooks_.end(),
                                    [hook](const Hook& each) { return each.id == hook; });
    if (found == hooks_.end()) {
        return nullptr;
    }
    for (auto it = std::make_reverse_iterator(found); it != hooks_.rend(); ++it) {
        if (it->thread == found->thread) {
            return it->procedure;
        }
    }
    return nullptr;
}

HookResult SimulatedDesktop::call_next_hook(HookHandle hook, int code, HookMessage message,
                                            HookArgument record)
{
    MouseHookProcedure next = nullptr;
    {
        const std::lock_guard lock(mutex_);
        next = hook_before(id_of(hook));
    }
    return next != nullptr ? next(code, message, record) : 0;
}

bool SimulatedDesktop::remove_hook(HookHandle hook)
{
    const std::lock_guard lock(mutex_);
    const auto found = std::find_if(hooks_.begin(), hooks_.end(),
                                    [hook](const Hook& each) { return each.id == id_of(hook); });
    if (found == hooks_.end()) {
        thread_last_error = error_invalid_hook_handle;
        return false;
    }
    hooks_.erase(found);
    return true;
}

bool SimulatedDesktop::set_foreground_window(WindowHandle window)
{
    const std::lock_guard lock(mutex_);
    if (window_of(window) == nullptr) {
        return false;
    }
    foreground_ = id_of(window);
    return true;
}

int SimulatedDesktop::message_box(WindowHandle owner, const char* text, const char* caption,
                                  std::uint32_t style)
{
    const std::lock_guard lock(mutex_);
    message_boxes_.push_back(MessageBoxRecord{owner, text != nullptr ? text : "",
                                              caption != nullptr ? caption : "Error", style});
    return answer_ok;
}

WindowHandle SimulatedDesktop::create_window(const WindowRequest& request)
{
    const std::lock_guard lock(mutex_);
    if (request.parent != nullptr && window_of(request.parent) == nullptr) {
        return nullptr;
    }
    Window window;
    window.class_name = request.class_name != nullptr ? request.class_name : "";
    window.title = request.title != nullptr ? request.title : "";
    window.parent = id_of(request.parent);
    window.placement = Rect{request.left, request.top, request.left + std::max(request.width, 0),
                            request.top + std::max(request.height, 0)};
    window.thread = current_thread();
    const std::uintptr_t id = next_window_++;
    windows_.emplace(id, std::move(window));
    return handle_of<WindowHandle>(id);
}

void SimulatedDesktop::erase_window_tree(std::uintptr_t window)
{
    std::vector<std::uintptr_t> children;
    for (const auto& [id, each] : windows_) {
        if (each.parent == window) {
            children.push_back(id);
        }
    }
    for (const std::uintptr_t child : children) {
        erase_window_tree(child);
    }
    windows_.erase(window);
    for (auto& [thread, queue] : queues_) {
        std::erase_if(queue, [window](const MouseMessage& each) { return each.window == window; });
    }
    if (foreground_ == window) {
        foreground_ = 0;
    }
}

bool SimulatedDesktop::destroy_window(WindowHandle window)
{
    const std::lock_guard lock(mutex_);
    const Window* found = window_of(window);
    if (found == nullptr) {
        return false;
    }
    if (found->thread != current_thread()) {
        thread_last_error = error_access_denied;
        return false;
    }
    erase_window_tree(id_of(window));
    return true;
}

bool SimulatedDesktop::set_window_title(WindowHandle window, const char* title)
{
    const std::lock_guard lock(mutex_);
    const auto found = windows_.find(id_of(window));
    if (found == windows_.end()) {
        thread_last_error = error_invalid_window_handle;
        return false;
    }
    found->second.title = title != nullptr ? title : "";
    return true;
}

// The newest window with parent `parent` whose client area contains `screen`.
std::uintptr_t SimulatedDesktop::window_at(Point screen, std::uintptr_t parent) const
{
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if (it->second.parent != parent) {
            continue;
        }
        const Point origin = client_origin(it->second);
        const Rect& placement = it->second.placement;
        const Rect client{origin.x, origin.y, origin.x + (placement.right - placement.left),
                          origin.y + (placement.bottom - placement.top)};
        if (contains(client, screen)) {
            return it->first;
        }
    }
    return 0;
}

bool SimulatedDesktop::move_pointer(Point screen)
{
    const std::lock_guard lock(mutex_);
    if (screen.x == pointer_.x && screen.y == pointer_.y) {
        return true; // a move that goes nowhere sends nothing
    }
    pointer_ = screen;
    std::uintptr_t target = 0;
    for (std::uintptr_t found = window_at(screen, 0); found != 0;
         found = window_at(screen, found)) {
        target = found;
    }
    if (target != 0) {
        queues_[windows_.at(target).thread].push_back(MouseMessage{target, screen});
    }
    return true;
}

Point SimulatedDesktop::pointer_position()
{
    const std::lock_guard lock(mutex_);
    return pointer_;
}

void SimulatedDesktop::pump_messages()
{
    const ThreadId thread = current_thread();
    for (;;) {
        MouseMessage message{};
        MouseHookProcedure first_hook = nullptr;
        {
            const std::lock_guard lock(mutex_);
            const auto queue_of_thread = queues_.find(thread);
            if (queue_of_thread == queues_.end() || queue_of_thread->second.empty()) {
                return;
            }
            auto& queue = queue_of_thread->second;
            message = queue.front();
            queue.pop_front();
            for (auto it = hooks_.rbegin(); it != hooks_.rend(); ++it) {
                if (it->thread == thread) {
                    first_hook = it->procedure;
                    break;
                }
            }
        }
        if (first_hook != nullptr) {
            MouseHookRecord record{message.screen, handle_of<WindowHandle>(message.window),
                                   hit_test_client, 0};
            first_hook(hook_code_action, mouse_move_message,
                       reinterpret_cast<HookArgument>(&record));
        }
    }
}

std::vector<WindowInfo> SimulatedDesktop::windows()
{
    const std::lock_guard lock(mutex_);
    std::vector<WindowInfo> listed;
    for (const auto& [id, window] : windows_) {
        const Point origin = client_origin(window);
        listed.push_back(WindowInfo{
            handle_of<WindowHandle>(id), handle_of<WindowHandle>(window.parent), window.class_name,
            window.title,
            Rect{origin.x, origin.y, origin.x + (window.placement.right - window.placement.left),
                 origin.y + (window.placement.bottom - window.placement.top)}});
    }
    return listed;
}

WindowHandle SimulatedDesktop::foreground_window()
{
    const std::lock_guard lock(mutex_);
    return handle_of<WindowHandle>(foreground_);
}

std::vector<MessageBoxRecord> SimulatedDesktop::take_message_boxes()
{
    const std::lock_guard lock(mutex_);
    return std::exchange(message_boxes_, {});
}

} // namespace zt::platform::simulated
