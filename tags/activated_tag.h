// A tag activated through the tag-access library for the length of one call,
// given back (TagportIsActive, then TagportDeactivate when it answers non-zero)
// when the object goes or give_back() is called, on every way out.
#pragma once

#include "tagport.h"

#include <cstdint>
#include <utility>

namespace zt::tags {

class ActivatedTag {
  public:
    ActivatedTag(TP_CONNECTION connection, const char* name);
    ~ActivatedTag() { give_back(); }
    ActivatedTag(const ActivatedTag&) = delete;
    ActivatedTag& operator=(const ActivatedTag&) = delete;
    ActivatedTag(ActivatedTag&& other) noexcept
        : connection_(other.connection_), tag_(std::exchange(other.tag_, 0))
    {
    }
    ActivatedTag& operator=(ActivatedTag&&) = delete;

    // False when the tag-access library knows no such tag.
    bool activated() const { return tag_ != 0; }
    TP_TAG handle() const { return tag_; }
    std::int32_t type() const;
    // The tag's index in tagname.x, read from the tag record.
    std::uint16_t tag_index() const;
    void give_back();
    // Hands the tag over to the caller, who gives it back in its own time.
    TP_TAG keep() noexcept { return std::exchange(tag_, 0); }

  private:
    TP_CONNECTION connection_;
    TP_TAG tag_;
};

// Activates the tag `tag_name` through the 131-byte tag name buffer. Raises
// tag_not_found when the name does not fit the buffer or no such tag exists.
ActivatedTag activate_named_tag(TP_CONNECTION connection, const char* tag_name);

} // namespace zt::tags
