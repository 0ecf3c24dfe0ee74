// Tag names as the tag functions hold them: the 131-byte buffer (130
// characters and the terminator) in which a tag function builds the name it
// activates, and the names of the tag table.
#pragma once

#include <algorithm>
#include <array>
#include <compare>
#include <cstddef>
#include <string_view>

namespace zt::tags {

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

} // namespace zt::tags
