// What the library reads of a tag record owned by the tag-access library.
#pragma once

#include "tagport.h"

#include <cstdint>
#include <cstring>

namespace zt::tags {

// The tag's index in tagname.x: an unsigned 16-bit number in the record that
// the tag handle points to.
inline std::uint16_t tag_index(TP_TAG tag)
{
    std::uint16_t index = 0;
    std::memcpy(&index, reinterpret_cast<const unsigned char*>(tag) + TP_TAG_INDEX_OFFSET,
                sizeof index);
    return index;
}

} // namespace zt::tags
