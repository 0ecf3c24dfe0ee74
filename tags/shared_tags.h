// What the current release's tag functions and hotspots share of the host's
// tag database: a session of one tag-access connection and the tag table on
// it, the message tags activated for hotspots by case-sensitive name.
//
// A call takes a reference to the current session for as long as it uses the
// connection or the table's tags: the tag queries and the units writer for
// their call, registration until it has recorded its hotspot, the mouse hook
// for the writes of one message. A release takes the session away from the
// current place; the last reference gives its tags and its connection back,
// on whatever thread it goes. So no call waits for another, nor holds a lock
// across a call into the tag-access library: a release while the hook writes
// (on another thread, or inside the write itself) leaves the hook's tags
// valid until its writes are done.
#pragma once

#include "tagport.h"
#include "tags/tag.h"

#include <functional>
#include <map>
#include <string_view>
#include <utility>

namespace zt::tags {

using TagTable = std::map<TagName, TP_TAG, std::less<>>;

class TagSession;

// A reference to a session, or none.
class SessionRef {
  public:
    SessionRef() = default;
    ~SessionRef() { reset(); }
    SessionRef(const SessionRef&) = delete;
    SessionRef& operator=(const SessionRef&) = delete;
    SessionRef(SessionRef&& other) noexcept : session_(std::exchange(other.session_, nullptr)) {}
    SessionRef& operator=(SessionRef&& other) noexcept
    {
        SessionRef(std::move(other)).swap(*this);
        return *this;
    }
    void swap(SessionRef& other) noexcept { std::swap(session_, other.session_); }

    explicit operator bool() const noexcept { return session_ != nullptr; }
    TagSession& operator*() const noexcept { return *session_; }
    TagSession* operator->() const noexcept { return session_; }
    // Gives the reference up; the last one gives the session back.
    void reset() noexcept;

  private:
    friend class SharedTags;
    explicit SessionRef(TagSession* session) noexcept : session_(session) {}

    TagSession* session_ = nullptr;
};

class TagSession {
  public:
    TagSession() = default;
    TagSession(const TagSession&) = delete;
    TagSession& operator=(const TagSession&) = delete;

    // 0 while no connection is open.
    TP_CONNECTION connection() const noexcept;
    // Opens the connection when none is open, otherwise checks it. Raises
    // TagFailure{connect_failed} when opening or the check fails; a failed
    // check keeps the connection, so the next call checks it again.
    TP_CONNECTION make_sure_of_connection();
    // The table's handle of the message tag `name`, activated into the table
    // first when the table has none; 0 for a tag that cannot be activated or is
    // no message tag (given back, unreported). `entered` tells whether it
    // entered the table with this call.
    TP_TAG message_tag(TP_CONNECTION connection, std::string_view name, bool& entered);
    // The table's handle of the tag `name`; 0 when the table has none.
    TP_TAG find(std::string_view name) const noexcept;
    // A copy of the table, to look at.
    TagTable table() const;
    // Puts a tag into the table as it stands, for a test's own set-up.
    void enter(std::string_view name, TP_TAG tag);
    // Leaves the connection behind without shutting it down and returns it
    // (0: none), for whoever closes it by hand.
    TP_CONNECTION forget_connection() noexcept;

  private:
    friend class SessionRef;
    friend class SharedTags;
    friend void give_back_at_exit() noexcept;

    // Calls TagportIsActive and then TagportDeactivate for every tag of the
    // table, in key order (TagportDeactivate whatever the first answers), and
    // shuts the connection down if there is one.
    void give_back() noexcept;

    TP_CONNECTION connection_ = 0;
    TagTable table_;
    int references_ = 0;
};

class SharedTags {
  public:
    // The current session, none when there is none.
    SessionRef current() noexcept;
    // The current session, made (with no connection yet) when there is none.
    // Throws bad_alloc.
    SessionRef current_or_new();
    bool is_current(const SessionRef& session) const noexcept;
    // The current session's connection; 0 when there is none.
    TP_CONNECTION connection() const noexcept;
    // Takes the current session away, so that none is current. The reference
    // returned gives it back when it goes, unless other references are still
    // out; then the last of them does.
    SessionRef take() noexcept;

  private:
    TagSession* current_ = nullptr;
};

SharedTags& shared_tags() noexcept;

// The library's exit step: takes the current session away and gives it back.
// A call still using it on another thread is waited for a moment only: at the
// end of the process that thread may be gone.
void give_back_at_exit() noexcept;

} // namespace zt::tags
