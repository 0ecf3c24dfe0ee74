// A tag activated through the tag-access library for the length of one call,
// given back (TagportIsActive, then TagportDeactivate when it answers non-zero)
// when the object goes or give_back() is called, on every way out.
#pragma once

#include "tagport.h"

#include <cstdint>

namespace zt::tags {

class ActivatedTag {
  public:
    ActivatedTag(TP_CONNECTION connection, const char* name);
    ~ActivatedTag() { give_back(); }
    ActivatedTag(const ActivatedTag&) = delete;
    ActivatedTag& operator=(const ActivatedTag&) = delete;

    // False when the tag-access library knows no such tag.
    bool activated() const { return tag_ != 0; }
    TP_TAG handle() const { return tag_; }
    std::int32_t type() const;
    // The tag's index in tagname.x, read from the tag record.
    std::uint16_t tag_index() const;
    void give_back();

  private:
    TP_CONNECTION connection_;
    TP_TAG tag_;
};

} // namespace zt::tags
