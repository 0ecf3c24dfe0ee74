#include "connections.h"

#include "file_locations.h"

#include <algorithm>
#include <cstring>
#include <system_error>

namespace tagport {
namespace {

constexpr std::uint32_t record_signature = 0x47545054; // "TPTG"
constexpr std::int32_t message_type = TP_MESSAGE;

} // namespace

Connections& connections()
{
    // Never destroyed: a library bound to this one may still shut its
    // connection down while the process exits, after this library's statics.
    static Connections* const all = new Connections;
    return *all;
}

Connections::Stamp Connections::stamp_of(const std::string& path)
{
    std::error_code ignored;
    Stamp stamp;
    stamp.written = std::filesystem::last_write_time(path, ignored);
    stamp.size = std::filesystem::file_size(path, ignored);
    return stamp;
}

TP_CONNECTION Connections::open()
{
    // Under the lock, as every save is: on Windows a save that replaces the
    // file fails while a load has it open, and a load may catch it replaced.
    std::lock_guard lock(mutex_);
    Connection connection;
    connection.database_path = database_path();
    std::string error;
    if (!connection.database.load(connection.database_path, error)) {
        return 0;
    }
    connection.stamp = stamp_of(connection.database_path);
    if (++last_connection_ == 0) {
        ++last_connection_;
    }
    connections_[last_connection_] = std::move(connection);
    return last_connection_;
}

bool Connections::is_open(TP_CONNECTION connection)
{
    std::lock_guard lock(mutex_);
    return find(connection) != nullptr;
}

void Connections::reload_if_changed(Connection& connection)
{
    const Stamp now = stamp_of(connection.database_path);
    if (now == connection.stamp) {
        return;
    }
    std::string error;
    if (connection.database.load(connection.database_path, error)) {
        connection.stamp = now;
    }
}

TP_TAG Connections::find_tag(TP_CONNECTION connection, const char* name, bool activate)
{
    std::lock_guard lock(mutex_);
    Connection* open = find(connection);
    if (open == nullptr || name == nullptr) {
        return 0;
    }
    reload_if_changed(*open);
    const TagEntry* entry = open->database.find(name);
    if (entry == nullptr) {
        return 0;
    }
    auto tag = std::make_unique<OpenTag>();
    tag->record = {record_signature, connection, entry->type, entry->index,
                   static_cast<std::uint16_t>(activate ? 1 : 0)};
    tag->name = entry->name;
    const auto handle = reinterpret_cast<TP_TAG>(&tag->record);
    open->tags[handle] = std::move(tag);
    return handle;
}

std::int32_t Connections::type(TP_CONNECTION connection, TP_TAG tag)
{
    std::lock_guard lock(mutex_);
    const OpenTag* open = find(connection, tag);
    return open != nullptr ? open->record.type : 0;
}

bool Connections::is_active(TP_CONNECTION connection, TP_TAG tag)
{
    std::lock_guard lock(mutex_);
    const OpenTag* open = find(connection, tag);
    return open != nullptr && open->record.activated != 0;
}

bool Connections::give_back(TP_CONNECTION connection, TP_TAG tag, bool activated)
{
    std::lock_guard lock(mutex_);
    Connection* open = find(connection);
    const OpenTag* record = find(connection, tag);
    if (record == nullptr || (record->record.activated != 0) != activated) {
        return false;
    }
    open->tags.erase(tag);
    return true;
}

void Connections::get_message(TP_CONNECTION connection, TP_TAG tag, char* buffer,
                              std::int32_t capacity)
{
    std::lock_guard lock(mutex_);
    const OpenTag* record = find(connection, tag);
    if (record == nullptr || buffer == nullptr || capacity <= 0) {
        return;
    }
    const TagEntry* entry = find(connection)->database.find(record->name);
    const std::string text = entry != nullptr ? entry->text : std::string();
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(capacity) - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

std::string Connections::set_message(TP_CONNECTION connection, TP_TAG tag, const char* text)
{
    std::lock_guard lock(mutex_);
    const OpenTag* record = find(connection, tag);
    if (record == nullptr || text == nullptr || record->record.type != message_type) {
        return {};
    }
    Connection& open = *find(connection);
    TagEntry* entry = open.database.find(record->name);
    if (entry == nullptr) {
        return {};
    }
    entry->text = text;
    if (open.database.save(open.database_path)) {
        open.stamp = stamp_of(open.database_path);
    }
    return record->name;
}

void Connections::close(TP_CONNECTION connection)
{
    std::lock_guard lock(mutex_);
    connections_.erase(connection);
}

Connections::Connection* Connections::find(TP_CONNECTION connection)
{
    const auto found = connections_.find(connection);
    return found == connections_.end() ? nullptr : &found->second;
}

Connections::OpenTag* Connections::find(TP_CONNECTION connection, TP_TAG tag)
{
    Connection* open = find(connection);
    if (open == nullptr) {
        return nullptr;
    }
    const auto found = open->tags.find(tag);
    return found == open->tags.end() ? nullptr : found->second.get();
}

} // namespace tagport
