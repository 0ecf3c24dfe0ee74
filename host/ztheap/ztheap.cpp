// The heap-tracking stand-in: ZTHEAP.dll on Windows, libztheap.so natively. It
// keeps the registrations of the process, journals each call, and refuses a
// registration when told to. Environment settings, read at every call:
//
//   ZTHEAP_JOURNAL  file to which every call is appended as one line, e.g.
//                     ztHeap_Register(0, "library/earlier_load.cpp", 31) -> 1 [registration 1]
//                     ztHeap_Unregister("library/earlier_load.cpp", 44) [registration 1 ended]
//   ZTHEAP_REFUSE   "1": ztHeap_Register answers 0 and registers nothing
//
// Like the host's library, it answers by value: nothing escapes an entry point.
#include "ztheap.h"
#include "standin_settings.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

#if defined(_WIN32)
#define ZTHEAP_ENTRY // exported under plain names by ztheap.def
#else
#define ZTHEAP_ENTRY __attribute__((visibility("default")))
#endif

namespace {

constexpr const char* journal_setting = "ZTHEAP_JOURNAL";

// The registrations in force, by source file.
class Registrations {
  public:
    std::uint32_t add(const std::string& source_file)
    {
        const std::lock_guard lock(mutex_);
        const std::uint32_t registration = ++last_;
        in_force_[source_file] = registration;
        return registration;
    }
    // The registration that ends, 0 when there was none.
    std::uint32_t remove(const std::string& source_file)
    {
        const std::lock_guard lock(mutex_);
        const auto found = in_force_.find(source_file);
        if (found == in_force_.end()) {
            return 0;
        }
        const std::uint32_t registration = found->second;
        in_force_.erase(found);
        return registration;
    }

  private:
    std::mutex mutex_;
    std::uint32_t last_ = 0;
    std::map<std::string, std::uint32_t> in_force_;
};

Registrations& registrations()
{
    static Registrations the_registrations;
    return the_registrations;
}

void journal(const std::string& line) noexcept
{
    try {
        standin::append_journal_line(journal_setting, line);
    } catch (...) {
    }
}

} // namespace

extern "C" {

ZTHEAP_ENTRY int32_t HOSTAPI ztHeap_Register(int32_t reserved, uint32_t* registration,
                                             const char* source_file, int32_t line)
{
    try {
        const std::string call = "ztHeap_Register(" + std::to_string(reserved) + ", " +
                                 standin::text_argument(source_file) + ", " + std::to_string(line) +
                                 ")";
        if (registration == nullptr || source_file == nullptr ||
            standin::setting_is_on("ZTHEAP_REFUSE")) {
            journal(call + " -> 0");
            return 0;
        }
        *registration = registrations().add(source_file);
        journal(call + " -> 1 [registration " + std::to_string(*registration) + "]");
        return 1;
    } catch (...) {
        return 0;
    }
}

ZTHEAP_ENTRY void HOSTAPI ztHeap_Unregister(const char* source_file, int32_t line)
{
    try {
        const std::uint32_t ended =
            source_file != nullptr ? registrations().remove(source_file) : 0;
        journal("ztHeap_Unregister(" + standin::text_argument(source_file) + ", " +
                std::to_string(line) + ") " +
                (ended != 0 ? "[registration " + std::to_string(ended) + " ended]"
                            : std::string("[nothing registered]")));
    } catch (...) {
    }
}

} // extern "C"
