// A library loaded by path for the length of a session, unloaded at the end.
#pragma once

#include <string>

namespace zthost {

class DynamicLibrary {
  public:
    explicit DynamicLibrary(const std::string& path);
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    bool loaded() const { return handle_ != nullptr; }
    const std::string& error() const { return error_; }
    void* entry_point(const char* name) const;

  private:
    void* handle_ = nullptr;
    std::string error_;
};

} // namespace zthost
