// The framework's application base class, reduced to what the library uses:
// construction with an optional name, the message map chain, and the start and
// exit steps run when the library is loaded and unloaded.
#pragma once

namespace zt::framework {

struct MessageMap {
    const MessageMap* base; // chained map of the base class, none at the root
    int entry_count;
};

class CWinApp {
  public:
    // A null name makes the framework take its default, the module's name.
    explicit CWinApp(const char* app_name = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual const MessageMap* GetMessageMap() const;
    virtual bool InitInstance() noexcept;
    virtual int ExitInstance() noexcept;

    const char* app_name() const { return app_name_; }

  private:
    const char* app_name_;
};

} // namespace zt::framework
