#include "own_desktop.h"

#include "platform/drivers/desktop_driver.h"

#if defined(_WIN32)
#include <windows.h>

#include <chrono>
#include <set>
#include <utility>
#endif

namespace zt::test {

#if defined(_WIN32)
namespace {

constexpr int message_text_id = 0xFFFF; // the static text of a message box

std::string window_text(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool is_visible_dialog(HWND window)
{
    char class_name[16] = {};
    GetClassNameA(window, class_name, sizeof class_name);
    return std::string(class_name) == "#32770" && IsWindowVisible(window);
}

struct IconSearch {
    HICON wanted;
    bool found;
};

BOOL CALLBACK look_for_icon(HWND child, LPARAM context)
{
    auto* search = reinterpret_cast<IconSearch*>(context);
    const auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    search->found = search->found || (icon != nullptr && icon == search->wanted);
    return TRUE;
}

// Whether one of the box's icon controls shows the system's shared
// exclamation icon.
bool shows_exclamation_icon(HWND box)
{
    IconSearch search{LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_EXCLAMATION)), false};
    EnumChildWindows(box, look_for_icon, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

ShownMessageBox read_message_box(HWND box)
{
    char text[512] = {};
    GetDlgItemTextA(box, message_text_id, text, sizeof text);
    bool other_buttons = false;
    for (const int button : {IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
        other_buttons = other_buttons || GetDlgItem(box, button) != nullptr;
    }
    return ShownMessageBox{text, window_text(box),
                           GetDlgItem(box, IDOK) != nullptr && !other_buttons,
                           shows_exclamation_icon(box)};
}

BOOL CALLBACK collect_dialog(HWND window, LPARAM found)
{
    if (is_visible_dialog(window)) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    }
    return TRUE;
}

// The visible dialogs of `thread`.
std::vector<HWND> dialogs_of(platform::ThreadId thread)
{
    std::vector<HWND> found;
    EnumThreadWindows(thread, collect_dialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

platform::WindowHandle own_find_window(const char* class_name, const char* title) noexcept
{
    for (HWND window = FindWindowExA(nullptr, nullptr, class_name, title); window != nullptr;
         window = FindWindowExA(nullptr, window, class_name, title)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId()) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

MessageBoxWatch::MessageBoxWatch()
    : watched_(platform::driver::current_thread()), watcher_([this] { watch(); })
{
}

MessageBoxWatch::~MessageBoxWatch()
{
    stop_ = true;
    watcher_.join();
}

std::vector<ShownMessageBox> MessageBoxWatch::take()
{
    const std::lock_guard lock(mutex_);
    return std::exchange(shown_, {});
}

void MessageBoxWatch::watch()
{
    std::set<HWND> answered;
    while (!stop_) {
        for (HWND box : dialogs_of(watched_)) {
            if (answered.insert(box).second) {
                ShownMessageBox shown = read_message_box(box);
                {
                    const std::lock_guard lock(mutex_);
                    shown_.push_back(std::move(shown));
                }
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
            }
        }
        Sleep(10);
    }
}

OwnWindowsOnly::OwnWindowsOnly()
{
    platform::desktop_calls().find_window = own_find_window;
}

OwnWindowsOnly::~OwnWindowsOnly()
{
    platform::desktop_calls().find_window = platform::system_desktop_calls().find_window;
}

#else

namespace {

constexpr std::uint32_t button_mask = 0x0F;      // MB_TYPEMASK; MB_OK is 0
constexpr std::uint32_t icon_mask = 0xF0;        // MB_ICONMASK
constexpr std::uint32_t icon_exclamation = 0x30; // MB_ICONEXCLAMATION

} // namespace

MessageBoxWatch::MessageBoxWatch()
{
    platform::driver::take_message_boxes();
}

MessageBoxWatch::~MessageBoxWatch() = default;

std::vector<ShownMessageBox> MessageBoxWatch::take()
{
    std::vector<ShownMessageBox> shown;
    for (const platform::driver::MessageBoxRecord& box : platform::driver::take_message_boxes()) {
        shown.push_back(ShownMessageBox{box.text, box.caption, (box.style & button_mask) == 0,
                                        (box.style & icon_mask) == icon_exclamation});
    }
    return shown;
}

OwnWindowsOnly::OwnWindowsOnly() = default;
OwnWindowsOnly::~OwnWindowsOnly() = default;

#endif

} // namespace zt::test
