// Windows and pointer moves for tests, through the desktop driver: real
// windows and mouse input under Wine, the simulated desktop natively. Every
// window a TestDesktop made is destroyed with it.
#pragma once

#include "platform/drivers/desktop_driver.h"

#include <vector>

namespace zt::test {

class TestDesktop {
  public:
    TestDesktop() = default;
    ~TestDesktop();
    TestDesktop(const TestDesktop&) = delete;
    TestDesktop& operator=(const TestDesktop&) = delete;

    // A window of the calling thread; a test fails at once when it cannot be made.
    platform::WindowHandle window(const char* class_name, const char* title,
                                  platform::WindowHandle parent, std::int32_t left,
                                  std::int32_t top, std::int32_t width, std::int32_t height);
    // The host runtime's main window: class "Scenehall", at `left`, `top` on the screen.
    platform::WindowHandle main_window(const char* title, std::int32_t left = 100,
                                       std::int32_t top = 100, std::int32_t width = 400,
                                       std::int32_t height = 300);
    void destroy(platform::WindowHandle window);

    // Moves the pointer to (x, y) on the screen and pumps this thread's
    // messages, so that its hooks have seen the move when this returns.
    static void point_at(std::int32_t x, std::int32_t y);

  private:
    std::vector<platform::WindowHandle> made_;
};

} // namespace zt::test
