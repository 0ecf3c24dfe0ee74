// A library loaded by path, as a host loads it, unloaded at the end of the
// object's life or by unload().
#pragma once

#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace zt::test {

class LibraryHandle {
  public:
    explicit LibraryHandle(const std::string& path)
    {
#if defined(_WIN32)
        handle_ = LoadLibraryA(path.c_str());
#else
        handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
    }
    ~LibraryHandle()
    {
        unload();
    }
    bool unload()
    {
        if (handle_ == nullptr) {
            return false;
        }
#if defined(_WIN32)
        const bool done = FreeLibrary(static_cast<HMODULE>(handle_)) != FALSE;
#else
        const bool done = dlclose(handle_) == 0;
#endif
        handle_ = nullptr;
        return done;
    }
    void* entry(const char* name) const
    {
#if defined(_WIN32)
        return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
#else
        return dlsym(handle_, name);
#endif
    }
    bool loaded() const
    {
        return handle_ != nullptr;
    }

  private:
    void* handle_ = nullptr;
};

} // namespace zt::test
