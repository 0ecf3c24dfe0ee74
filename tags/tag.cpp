#include "tags/tag.h"

#include "tags/tag_failure.h"

#include <cstring>

namespace zt::tags {

bool build_tag_name(TagNameBuffer& buffer, const char* name, std::string_view suffix)
{
    buffer.fill('\0');
    if (name == nullptr) {
        return false;
    }
    const std::size_t length = strnlen(name, buffer.size());
    if (length + suffix.size() >= buffer.size()) {
        return false;
    }
    std::memcpy(buffer.data(), name, length);
    suffix.copy(buffer.data() + length, suffix.size());
    return true;
}

ActivatedTag::ActivatedTag(TP_CONNECTION connection, const char* name)
    : connection_(connection), tag_(TagportActivate(connection, name))
{
}

std::int32_t ActivatedTag::type() const
{
    return TagportType(connection_, tag_);
}

std::uint16_t ActivatedTag::tag_index() const
{
    return tags::tag_index(tag_);
}

void ActivatedTag::give_back()
{
    if (tag_ == 0) {
        return;
    }
    const TP_TAG tag = tag_;
    tag_ = 0;
    if (TagportIsActive(connection_, tag) != 0) {
        TagportDeactivate(connection_, tag);
    }
}

ActivatedTag activate_named_tag(TP_CONNECTION connection, const char* tag_name)
{
    TagNameBuffer name;
    if (!build_tag_name(name, tag_name)) {
        throw TagFailure{tag_not_found};
    }
    ActivatedTag tag(connection, name.data());
    if (!tag.activated()) {
        throw TagFailure{tag_not_found};
    }
    return tag;
}

} // namespace zt::tags
