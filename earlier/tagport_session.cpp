#include "earlier/tagport_session.h"

#include "tags/tag.h"
#include "tags/tag_failure.h"

namespace zt::earlier {

TagHandle::TagHandle(const TagportSession& session, const char* tag_name) noexcept
    : connection_(session.connection())
{
    tags::TagNameBuffer name;
    if (session.connected() && tags::build_tag_name(name, tag_name)) {
        tag_ = TagportGetHandle(connection_, name.data());
    }
}

TagHandle::~TagHandle()
{
    if (tag_ != 0) {
        TagportFreeHandle(connection_, tag_);
    }
}

std::uint16_t TagHandle::tag_index() const noexcept
{
    return tags::tag_index(tag_);
}

CallTag::CallTag(const char* tag_name) : tag_(session_, tag_name)
{
    if (!session_.connected()) {
        throw tags::TagFailure{tags::connect_failed};
    }
    if (!tag_.found()) {
        throw tags::TagFailure{tags::tag_not_found};
    }
}

} // namespace zt::earlier
