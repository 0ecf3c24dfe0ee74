#include "tag_file.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

namespace tagport {
namespace {

constexpr std::size_t name_capacity = 127;
constexpr std::size_t type_offset = 128;

} // namespace

bool write_tag_file(const TagDatabase& database, const std::string& path)
{
    std::size_t record_count = 0;
    for (const TagEntry& entry : database.entries()) {
        record_count = std::max<std::size_t>(record_count, std::size_t{entry.index} + 1);
    }
    std::vector<char> bytes(record_count * tag_record_size, '\0');
    for (const TagEntry& entry : database.entries()) {
        char* record = bytes.data() + std::size_t{entry.index} * tag_record_size;
        if (const auto units = read_units_field(path, entry.index)) {
            std::memcpy(record + units_field_offset, units->data(), units->size());
        }
        std::memcpy(record, entry.name.data(), std::min(entry.name.size(), name_capacity));
        record[type_offset] = static_cast<char>(entry.type & 0xFF);
        record[type_offset + 1] = static_cast<char>((entry.type >> 8) & 0xFF);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}

std::optional<std::string> read_units_field(const std::string& path, std::uint16_t index)
{
    std::ifstream file(path, std::ios::binary);
    file.seekg(
        static_cast<std::streamoff>(std::size_t{index} * tag_record_size + units_field_offset));
    char field[units_field_size] = {};
    if (!file.read(field, sizeof field)) {
        return std::nullopt;
    }
    return std::string(field, strnlen(field, sizeof field));
}

} // namespace tagport
