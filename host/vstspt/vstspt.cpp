// The host-support stand-in's entry points: VSTSPT.dll on Windows, libvstspt.so
// natively. Each journals its call in the tag-access stand-in's journal
// (TAGPORT_JOURNAL), so that one journal shows the tag calls and the record
// reads in their order. Fault injection, read at every call:
//
//   VSTSPT_FAIL_GETRDB  "1": REBGetRDB answers 0 and fills nothing
//   VSTSPT_RDB_NOT_OK   "1": RDBOK answers 0
//
// Like the host's library, it answers by value: nothing escapes an entry point.
#include "vstspt.h"
#include "runtime_records.h"
#include "standin_settings.h"

#include <cstring>
#include <string>

#if defined(_WIN32)
#define VSTSPT_ENTRY // exported under plain names by vstspt.def
#else
#define VSTSPT_ENTRY __attribute__((visibility("default")))
#endif

namespace {

void journal(const std::string& line) noexcept
{
    try {
        standin::append_journal_line("TAGPORT_JOURNAL", line);
    } catch (...) {
    }
}

// The message field at `offset` of a filled record, quoted for the journal.
std::string message_argument(const void* record, int offset)
{
    const char* field = static_cast<const char*>(record) + offset;
    return standin::text_argument(std::string(field, strnlen(field, REB_MESSAGE_SIZE)).c_str());
}

} // namespace

extern "C" {

VSTSPT_ENTRY REB_TAG HOSTAPI REBLookupTag(const char* name)
{
    try {
        const REB_TAG tag = vstspt::runtime_records().look_up(name);
        journal("REBLookupTag(" + standin::text_argument(name) + ") -> " + std::to_string(tag));
        return tag;
    } catch (...) {
        return 0;
    }
}

VSTSPT_ENTRY int32_t HOSTAPI REBGetRDB(REB_TAG tag, void* record)
{
    try {
        const bool filled =
            !standin::setting_is_on("VSTSPT_FAIL_GETRDB") &&
            vstspt::runtime_records().fill(tag, static_cast<unsigned char*>(record));
        journal("REBGetRDB(" + std::to_string(tag) + ") -> " +
                (filled ? "1 [on " + message_argument(record, REB_ON_MESSAGE_OFFSET) + ", off " +
                              message_argument(record, REB_OFF_MESSAGE_OFFSET) + "]"
                        : std::string("0")));
        return filled ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

VSTSPT_ENTRY int32_t HOSTAPI RDBOK(void)
{
    try {
        const bool valid = !standin::setting_is_on("VSTSPT_RDB_NOT_OK") &&
                           vstspt::runtime_records().last_record_valid();
        journal(std::string("RDBOK() -> ") + (valid ? "1" : "0"));
        return valid ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

} // extern "C"
