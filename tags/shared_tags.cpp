#include "tags/shared_tags.h"

#include "frame/spin_lock.h"
#include "platform/this_thread.h"
#include "tags/tag.h"
#include "tags/tag_failure.h"

#include <mutex>

namespace zt::tags {
namespace {

// Guards every session's connection, table and references, and the current
// place, for moments.
constinit frame::SpinLock sessions_lock;

// Constant-initialised and trivially destroyed, so that it is there from the
// library's load to its unload, whatever the order of the other statics.
constinit SharedTags shared;

} // namespace

void SessionRef::reset() noexcept
{
    TagSession* session = std::exchange(session_, nullptr);
    if (session == nullptr) {
        return;
    }
    bool last = false;
    {
        const std::lock_guard lock(sessions_lock);
        last = --session->references_ == 0;
    }
    if (last) {
        session->give_back();
        delete session;
    }
}

TP_CONNECTION TagSession::connection() const noexcept
{
    const std::lock_guard lock(sessions_lock);
    return connection_;
}

TP_CONNECTION TagSession::make_sure_of_connection()
{
    TP_CONNECTION connection = this->connection();
    if (connection != 0) {
        if (TagportCheck(connection) == 0) {
            throw TagFailure{connect_failed};
        }
        return connection;
    }
    connection = TagportInit(0, 0);
    if (connection == 0) {
        throw TagFailure{connect_failed};
    }
    TP_CONNECTION surplus = 0;
    {
        const std::lock_guard lock(sessions_lock);
        if (connection_ == 0) {
            connection_ = connection;
        } else {
            // Another call of the session opened one meanwhile: that one serves.
            surplus = std::exchange(connection, connection_);
        }
    }
    if (surplus != 0) {
        TagportShutdown(surplus);
    }
    return connection;
}

TP_TAG TagSession::message_tag(TP_CONNECTION connection, std::string_view name, bool& entered)
{
    entered = false;
    const TagName key(name);
    {
        const std::lock_guard lock(sessions_lock);
        if (const auto found = table_.find(key); found != table_.end()) {
            return found->second;
        }
    }
    ActivatedTag tag(connection, key.c_str());
    if (!tag.activated() || tag.type() != TP_MESSAGE) {
        return 0;
    }
    const std::lock_guard lock(sessions_lock);
    const auto [place, added] = table_.emplace(key, tag.handle());
    if (added) {
        entered = true;
        tag.keep();
    }
    // Otherwise another call of the session entered it meanwhile: that one
    // serves, and this activation is given back as `tag` goes.
    return place->second;
}

TP_TAG TagSession::find(std::string_view name) const noexcept
{
    const std::lock_guard lock(sessions_lock);
    const auto found = table_.find(name);
    return found != table_.end() ? found->second : 0;
}

TagTable TagSession::table() const
{
    const std::lock_guard lock(sessions_lock);
    return table_;
}

void TagSession::enter(std::string_view name, TP_TAG tag)
{
    const std::lock_guard lock(sessions_lock);
    table_.emplace(TagName(name), tag);
}

TP_CONNECTION TagSession::forget_connection() noexcept
{
    const std::lock_guard lock(sessions_lock);
    return std::exchange(connection_, 0);
}

void TagSession::give_back() noexcept
{
    for (const auto& [name, tag] : table_) {
        TagportIsActive(connection_, tag);
        TagportDeactivate(connection_, tag);
    }
    table_.clear();
    if (connection_ != 0) {
        TagportShutdown(std::exchange(connection_, 0));
    }
}

SessionRef SharedTags::current() noexcept
{
    const std::lock_guard lock(sessions_lock);
    if (current_ == nullptr) {
        return SessionRef();
    }
    ++current_->references_;
    return SessionRef(current_);
}

SessionRef SharedTags::current_or_new()
{
    TagSession* made = nullptr;
    {
        const std::lock_guard lock(sessions_lock);
        if (current_ != nullptr) {
            ++current_->references_;
            return SessionRef(current_);
        }
    }
    made = new TagSession;
    const std::lock_guard lock(sessions_lock);
    if (current_ == nullptr) {
        made->references_ = 1; // the current place's
        current_ = made;
        made = nullptr;
    }
    ++current_->references_;
    SessionRef session(current_);
    delete made; // another call made one meanwhile; it is empty
    return session;
}

bool SharedTags::is_current(const SessionRef& session) const noexcept
{
    const std::lock_guard lock(sessions_lock);
    return session.session_ == current_;
}

TP_CONNECTION SharedTags::connection() const noexcept
{
    const std::lock_guard lock(sessions_lock);
    return current_ != nullptr ? current_->connection_ : 0;
}

SessionRef SharedTags::take() noexcept
{
    const std::lock_guard lock(sessions_lock);
    return SessionRef(std::exchange(current_, nullptr)); // the current place's reference
}

SharedTags& shared_tags() noexcept
{
    return shared;
}

void give_back_at_exit() noexcept
{
    constexpr std::uint32_t patience_ms = 200;
    SessionRef session = shared.take();
    if (!session) {
        return;
    }
    for (std::uint32_t waited = 0; waited < patience_ms; ++waited) {
        {
            const std::lock_guard lock(sessions_lock);
            if (session->references_ == 1) {
                break;
            }
        }
        platform::sleep_thread(1);
    }
    session->give_back();
}

} // namespace zt::tags
