// The earlier release holds nothing of the tag-access library between calls:
// each tag operation opens a connection of its own and takes the tag's handle
// without activating it, and both are given back on every way out.
#pragma once

#include "tagport.h"

#include <cstdint>

namespace zt::earlier {

// A connection for one call: TagportInit (0, 0) when made, TagportShutdown
// when it goes (if one was opened).
class TagportSession {
  public:
    TagportSession() noexcept : connection_(TagportInit(0, 0)) {}
    ~TagportSession()
    {
        if (connection_ != 0) {
            TagportShutdown(connection_);
        }
    }
    TagportSession(const TagportSession&) = delete;
    TagportSession& operator=(const TagportSession&) = delete;

    bool connected() const noexcept { return connection_ != 0; }
    TP_CONNECTION connection() const noexcept { return connection_; }

  private:
    TP_CONNECTION connection_;
};

// The handle of one tag (TagportGetHandle), given back with TagportFreeHandle
// when it goes (if one was obtained). Without a connection, or for a name that
// does not fit the 131-byte tag name buffer, nothing is asked and no tag found.
class TagHandle {
  public:
    TagHandle(const TagportSession& session, const char* tag_name) noexcept;
    ~TagHandle();
    TagHandle(const TagHandle&) = delete;
    TagHandle& operator=(const TagHandle&) = delete;

    bool found() const noexcept { return tag_ != 0; }
    std::int32_t type() const noexcept { return TagportType(connection_, tag_); }
    // The tag's index in tagname.x, read from the tag record.
    std::uint16_t tag_index() const noexcept;

  private:
    TP_CONNECTION connection_;
    TP_TAG tag_ = 0;
};

// A tag activated for one write of the mouse hook (TagportActivate), given
// back with TagportDeactivate when it goes (if it was activated), on every way
// out. Without a connection nothing is asked and no tag activated.
class ActiveTag {
  public:
    ActiveTag(const TagportSession& session, const char* tag_name) noexcept
        : connection_(session.connection()),
          tag_(session.connected() ? TagportActivate(connection_, tag_name) : 0)
    {
    }
    ~ActiveTag()
    {
        if (tag_ != 0) {
            TagportDeactivate(connection_, tag_);
        }
    }
    ActiveTag(const ActiveTag&) = delete;
    ActiveTag& operator=(const ActiveTag&) = delete;

    bool activated() const noexcept { return tag_ != 0; }
    std::int32_t type() const noexcept { return TagportType(connection_, tag_); }
    void set_message(const char* text) const noexcept
    {
        TagportSetMessage(connection_, tag_, text);
    }

  private:
    TP_CONNECTION connection_;
    TP_TAG tag_;
};

// A tag taken for one call over a connection of its own: both are given back
// when it goes, on every way out.
class CallTag {
  public:
    // Raises TagFailure{connect_failed} when no connection can be opened and
    // TagFailure{tag_not_found} when there is no such tag.
    explicit CallTag(const char* tag_name);

    const TagHandle& operator*() const noexcept { return tag_; }
    const TagHandle* operator->() const noexcept { return &tag_; }

  private:
    TagportSession session_;
    TagHandle tag_;
};

} // namespace zt::earlier
