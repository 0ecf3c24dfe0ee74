#include "runtime_records.h"

#include "file_locations.h"
#include "tag_database.h"
#include "tagport.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>

namespace vstspt {
namespace {

constexpr std::size_t name_field_size = 128;
constexpr std::size_t type_offset = 128;
constexpr std::size_t index_offset = 132;

std::optional<tagport::TagDatabase> load_database()
{
    tagport::TagDatabase database;
    std::string error;
    if (!database.load(tagport::database_path(), error)) {
        return std::nullopt;
    }
    return database;
}

void put_text(unsigned char* field, std::size_t field_size, std::string_view text)
{
    // An empty text may have no storage at all; memcpy must not see its null.
    if (!text.empty()) {
        std::memcpy(field, text.data(), std::min(text.size(), field_size - 1));
    }
}

void put_little_endian(unsigned char* field, std::uint32_t value, std::size_t bytes)
{
    for (std::size_t i = 0; i < bytes; ++i) {
        field[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

// The text of the message tag `name`, empty when there is none.
std::string_view message_text(const tagport::TagDatabase& database, const std::string& name)
{
    const tagport::TagEntry* entry = database.find(name);
    return entry != nullptr && entry->type == TP_MESSAGE ? std::string_view(entry->text)
                                                         : std::string_view();
}

} // namespace

REB_TAG RuntimeRecords::look_up(const char* name)
{
    if (name == nullptr) {
        return 0;
    }
    const std::optional<tagport::TagDatabase> database = load_database();
    if (!database || database->find(name) == nullptr) {
        return 0;
    }
    const std::lock_guard lock(mutex_);
    const auto known = std::find_if(names_.begin(), names_.end(), [&](const std::string& known) {
        return tagport::same_tag_name(known, name);
    });
    if (known != names_.end()) {
        return static_cast<REB_TAG>(known - names_.begin()) + 1;
    }
    names_.emplace_back(name);
    return names_.size();
}

bool RuntimeRecords::fill(REB_TAG tag, unsigned char* record)
{
    std::string name;
    {
        const std::lock_guard lock(mutex_);
        last_valid_ = false;
        if (tag == 0 || tag > names_.size() || record == nullptr) {
            return false;
        }
        name = names_[tag - 1];
    }
    const std::optional<tagport::TagDatabase> database = load_database();
    const tagport::TagEntry* entry = database ? database->find(name) : nullptr;
    if (entry == nullptr) {
        return false;
    }
    std::memset(record, 0, REB_RECORD_SIZE);
    put_text(record, name_field_size, entry->name);
    put_little_endian(record + type_offset, static_cast<std::uint32_t>(entry->type), 4);
    put_little_endian(record + index_offset, entry->index, 2);
    put_text(record + REB_ON_MESSAGE_OFFSET, REB_MESSAGE_SIZE,
             message_text(*database, entry->name + ".OnMsg"));
    put_text(record + REB_OFF_MESSAGE_OFFSET, REB_MESSAGE_SIZE,
             message_text(*database, entry->name + ".OffMsg"));
    const std::lock_guard lock(mutex_);
    last_valid_ = true;
    return true;
}

bool RuntimeRecords::last_record_valid()
{
    const std::lock_guard lock(mutex_);
    return last_valid_;
}

RuntimeRecords& runtime_records()
{
    static RuntimeRecords records;
    return records;
}

} // namespace vstspt
