// A tag of the host's database as the tag functions hold it: its name, the
// index of its record, and a tag activated for the length of one call.
#pragma once

#include "tagport.h"

#include <algorithm>
#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

namespace zt::tags {

// Tag names as the tag functions hold them: the 131-byte buffer (130
// characters and the terminator) in which a tag function builds the name it
// activates, and the names of the tag table.
inline constexpr std::size_t tag_name_capacity = 131;
using TagNameBuffer = std::array<char, tag_name_capacity>;

// Zero-fills `buffer` and puts `name` followed by `suffix` into it. False, with
// the buffer left empty, for a null name or one that does not fit together
// with the suffix: such a tag cannot be activated.
bool build_tag_name(TagNameBuffer& buffer, const char* name, std::string_view suffix = {});

// A name in the tag table: at most 31 characters (the longest tag name a
// hotspot holds; longer ones are cut), kept in a field of its own rather than
// a standard string, whose out-of-line code would bring the standard
// library's strings and exception hierarchy into the shipped DLL. Compares
// with any text, case-sensitively, as the table looks names up.
class TagName {
  public:
    static constexpr std::size_t limit = 31;

    TagName(std::string_view name) noexcept : length_(std::min(name.size(), limit))
    {
        std::copy_n(name.data(), length_, text_.data());
        text_[length_] = '\0';
    }
    TagName(const char* name) noexcept : TagName(std::string_view(name)) {}

    std::string_view view() const noexcept { return {text_.data(), length_}; }
    const char* c_str() const noexcept { return text_.data(); }

    // Names compare as their texts, with each other and with any text (a
    // literal included, which would otherwise convert either way).
    friend bool operator==(const TagName& a, const TagName& b) noexcept
    {
        return a.view() == b.view();
    }
    friend bool operator==(const TagName& a, std::string_view b) noexcept { return a.view() == b; }
    friend bool operator==(const TagName& a, const char* b) noexcept
    {
        return a.view() == std::string_view(b);
    }
    friend std::strong_ordering operator<=>(const TagName& a, const TagName& b) noexcept
    {
        return a.view() <=> b.view();
    }
    friend std::strong_ordering operator<=>(const TagName& a, std::string_view b) noexcept
    {
        return a.view() <=> b;
    }
    friend std::strong_ordering operator<=>(const TagName& a, const char* b) noexcept
    {
        return a.view() <=> std::string_view(b);
    }

  private:
    std::array<char, limit + 1> text_;
    std::size_t length_;
};

// What the library reads of a tag record owned by the tag-access library.

// The tag's index in tagname.x: an unsigned 16-bit number in the record that
// the tag handle points to.
inline std::uint16_t tag_index(TP_TAG tag)
{
    std::uint16_t index = 0;
    std::memcpy(&index, reinterpret_cast<const unsigned char*>(tag) + TP_TAG_INDEX_OFFSET,
                sizeof index);
    return index;
}

// A tag activated through the tag-access library for the length of one call,
// given back (TagportIsActive, then TagportDeactivate when it answers non-zero)
// when the object goes or give_back() is called, on every way out.
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
