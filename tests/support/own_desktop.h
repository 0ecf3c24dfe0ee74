// The test process's own part of the desktop: the message boxes the library
// shows, and windows found among this process's own only.
#pragma once

#include "platform/desktop.h"

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zt::test {

struct ShownMessageBox {
    std::string text;
    std::string caption;
    bool ok_button_only;
    bool exclamation_icon;
};

// Collects the message boxes shown while it lives. Natively the simulated
// desktop records them and answers OK at once. Under Wine they are real
// dialogs of the thread that made the watch: a watching thread finds each,
// reads it and presses its OK button, so nothing blocks.
class MessageBoxWatch {
  public:
    MessageBoxWatch();
    ~MessageBoxWatch();
    MessageBoxWatch(const MessageBoxWatch&) = delete;
    MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

    // The boxes shown and answered since the last take.
    std::vector<ShownMessageBox> take();

  private:
#if defined(_WIN32)
    void watch();

    platform::ThreadId watched_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<ShownMessageBox> shown_;
    std::thread watcher_;
#endif
};

// While it lives, the library's window search sees only this process's
// windows: under Wine, explorer keeps a hidden "Shell_TrayWnd" of its own.
// Natively every window of the simulated desktop is the process's already.
class OwnWindowsOnly {
  public:
    OwnWindowsOnly();
    ~OwnWindowsOnly();
    OwnWindowsOnly(const OwnWindowsOnly&) = delete;
    OwnWindowsOnly& operator=(const OwnWindowsOnly&) = delete;
};

} // namespace zt::test
