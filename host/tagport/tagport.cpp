// The tag-access stand-in's entry points: each asks the connections and
// journals the call with its arguments and result. Fault injection and the
// journal are chosen by environment settings (settings.h). Like the real
// library, they answer every call by value: a failure inside (out of memory)
// gives the answer for "none" (0), never an exception.
#include "tagport.h"
#include "connections.h"
#include "journal.h"
#include "settings.h"
#include "tagport_standin.h"

#include <mutex>
#include <string>

#if defined(_WIN32)
#define TAGPORT_ENTRY // exported under plain names by tagport.def
#else
#define TAGPORT_ENTRY __attribute__((visibility("default")))
#endif

namespace {

using tagport::connections;
using tagport::journal;
using tagport::tag_argument;
using tagport::text_argument;

std::string connection_argument(TP_CONNECTION connection)
{
    return std::to_string(connection);
}

// The answer `work` gives, or `on_failure` when it fails (out of memory): no
// exception leaves an entry point into the library that called it.
template <class Result, class Work> Result answer(Result on_failure, Work&& work) noexcept
{
    try {
        return work();
    } catch (...) {
        return on_failure;
    }
}

// Journals the line `describe` builds. A line that cannot be built or written
// is lost; the call's answer stays what it was.
template <class Describe> void record(Describe&& describe) noexcept
{
    try {
        journal(describe());
    } catch (...) {
    }
}

// The listener to tag writes, and its context.
std::mutex listener_mutex;
TagportStandinListener listener = nullptr;
void* listener_context = nullptr;

// Tells the listener, if there is one, outside the stand-in's locks: it may
// call the stand-in (through the library that called) again.
void tell_listener(const char* function, const char* tag_name = nullptr,
                   const char* text = nullptr) noexcept
{
    TagportStandinListener listening = nullptr;
    void* context = nullptr;
    {
        const std::lock_guard lock(listener_mutex);
        listening = listener;
        context = listener_context;
    }
    if (listening != nullptr) {
        listening(context, function, tag_name, text);
    }
}

} // namespace

extern "C" {

TAGPORT_ENTRY TP_CONNECTION TPAPI TagportInit(int32_t reserved1, int32_t reserved2)
{
    tell_listener("TagportInit");
    const TP_CONNECTION connection = answer(TP_CONNECTION{0}, [] {
        return tagport::setting_is_on("TAGPORT_REFUSE_CONNECT") ? 0 : connections().open();
    });
    record([&] {
        return "TagportInit(" + std::to_string(reserved1) + ", " + std::to_string(reserved2) +
               ") -> " + connection_argument(connection);
    });
    return connection;
}

TAGPORT_ENTRY int32_t TPAPI TagportCheck(TP_CONNECTION connection)
{
    tell_listener("TagportCheck");
    const int32_t usable = answer(0, [&] {
        return !tagport::setting_is_on("TAGPORT_FAIL_CHECK") && connections().is_open(connection)
                   ? 1
                   : 0;
    });
    record([&] {
        return "TagportCheck(" + connection_argument(connection) + ") -> " + std::to_string(usable);
    });
    return usable;
}

TAGPORT_ENTRY TP_TAG TPAPI TagportActivate(TP_CONNECTION connection, const char* name)
{
    tell_listener("TagportActivate");
    const TP_TAG tag = answer(TP_TAG{0}, [&] {
        const bool refused = name == nullptr || tagport::activation_refused(name);
        return refused ? 0 : connections().find_tag(connection, name, true);
    });
    record([&] {
        return "TagportActivate(" + connection_argument(connection) + ", " + text_argument(name) +
               ") -> " + tag_argument(tag);
    });
    return tag;
}

TAGPORT_ENTRY int32_t TPAPI TagportType(TP_CONNECTION connection, TP_TAG tag)
{
    tell_listener("TagportType");
    const int32_t type = answer(0, [&] { return connections().type(connection, tag); });
    record([&] {
        return "TagportType(" + connection_argument(connection) + ", " + tag_argument(tag) +
               ") -> " + std::to_string(type);
    });
    return type;
}

TAGPORT_ENTRY int32_t TPAPI TagportIsActive(TP_CONNECTION connection, TP_TAG tag)
{
    tell_listener("TagportIsActive");
    const int32_t active = answer(0, [&] {
        return !tagport::setting_is_on("TAGPORT_NOT_ACTIVE") &&
                       connections().is_active(connection, tag)
                   ? 1
                   : 0;
    });
    record([&] {
        return "TagportIsActive(" + connection_argument(connection) + ", " + tag_argument(tag) +
               ") -> " + std::to_string(active);
    });
    return active;
}

TAGPORT_ENTRY void TPAPI TagportDeactivate(TP_CONNECTION connection, TP_TAG tag)
{
    tell_listener("TagportDeactivate");
    answer(false, [&] { return connections().give_back(connection, tag, true); });
    record([&] {
        return "TagportDeactivate(" + connection_argument(connection) + ", " + tag_argument(tag) +
               ")";
    });
}

TAGPORT_ENTRY void TPAPI TagportGetMessage(TP_CONNECTION connection, TP_TAG tag, char* buffer,
                                           int32_t capacity)
{
    tell_listener("TagportGetMessage");
    answer(false, [&] {
        connections().get_message(connection, tag, buffer, capacity);
        return true;
    });
    record([&] {
        return "TagportGetMessage(" + connection_argument(connection) + ", " + tag_argument(tag) +
               ", " + std::to_string(capacity) + ") -> " +
               (buffer != nullptr && capacity > 0 ? text_argument(buffer) : std::string("null"));
    });
}

TAGPORT_ENTRY void TPAPI TagportSetMessage(TP_CONNECTION connection, TP_TAG tag, const char* text)
{
    tell_listener("TagportSetMessage");
    std::string tag_name;
    answer(false, [&] {
        tag_name = connections().set_message(connection, tag, text);
        return true;
    });
    record([&] {
        return "TagportSetMessage(" + connection_argument(connection) + ", " + tag_argument(tag) +
               ", " + text_argument(text) + ")";
    });
    if (!tag_name.empty()) {
        tell_listener("TagportSetMessage", tag_name.c_str(), text);
    }
}

TAGPORT_ENTRY void TPAPI TagportShutdown(TP_CONNECTION connection)
{
    tell_listener("TagportShutdown");
    answer(false, [&] {
        connections().close(connection);
        return true;
    });
    record([&] { return "TagportShutdown(" + connection_argument(connection) + ")"; });
}

TAGPORT_ENTRY TP_TAG TPAPI TagportGetHandle(TP_CONNECTION connection, const char* name)
{
    tell_listener("TagportGetHandle");
    const TP_TAG tag = answer(TP_TAG{0}, [&] {
        const bool refused = name == nullptr || tagport::activation_refused(name);
        return refused ? 0 : connections().find_tag(connection, name, false);
    });
    record([&] {
        return "TagportGetHandle(" + connection_argument(connection) + ", " + text_argument(name) +
               ") -> " + tag_argument(tag);
    });
    return tag;
}

TAGPORT_ENTRY void TPAPI TagportFreeHandle(TP_CONNECTION connection, TP_TAG tag)
{
    tell_listener("TagportFreeHandle");
    answer(false, [&] { return connections().give_back(connection, tag, false); });
    record([&] {
        return "TagportFreeHandle(" + connection_argument(connection) + ", " + tag_argument(tag) +
               ")";
    });
}

TAGPORT_ENTRY void TPAPI TagportStandinListen(TagportStandinListener listening, void* context)
{
    const std::lock_guard lock(listener_mutex);
    listener = listening;
    listener_context = context;
}

} // extern "C"
