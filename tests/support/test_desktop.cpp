#include "test_desktop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace zt::test {

TestDesktop::~TestDesktop()
{
    // Newest first, so children go before their parents.
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
        platform::driver::destroy_window(*it);
    }
    platform::driver::pump_messages();
}

platform::WindowHandle TestDesktop::window(const char* class_name, const char* title,
                                           platform::WindowHandle parent, std::int32_t left,
                                           std::int32_t top, std::int32_t width,
                                           std::int32_t height)
{
    const platform::WindowHandle made = platform::driver::create_window(
        platform::driver::WindowRequest{class_name, title, parent, left, top, width, height});
    if (made == nullptr) {
        throw std::runtime_error(std::string("cannot create the window ") + title);
    }
    made_.push_back(made);
    return made;
}

platform::WindowHandle TestDesktop::main_window(const char* title, std::int32_t left,
                                                std::int32_t top, std::int32_t width,
                                                std::int32_t height)
{
    return window("Scenehall", title, nullptr, left, top, width, height);
}

void TestDesktop::destroy(platform::WindowHandle window)
{
    // Children go with their parent.
    std::vector<platform::WindowHandle> gone{window};
    for (const platform::driver::WindowInfo& info : platform::driver::windows()) {
        if (std::find(gone.begin(), gone.end(), info.parent) != gone.end()) {
            gone.push_back(info.handle);
        }
    }
    platform::driver::destroy_window(window);
    std::erase_if(made_, [&gone](platform::WindowHandle each) {
        return std::find(gone.begin(), gone.end(), each) != gone.end();
    });
    platform::driver::pump_messages();
}

void TestDesktop::point_at(std::int32_t x, std::int32_t y)
{
    ASSERT_TRUE(platform::driver::move_pointer(platform::Point{x, y}));
    platform::driver::pump_messages();
}

} // namespace zt::test
