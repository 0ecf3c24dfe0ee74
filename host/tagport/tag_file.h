// A substitute "tagname.x" matching a tag database: one 512-byte record per tag
// index, record n at byte 512 x n, as many records as the highest index needs.
// The host's record layout is its own; the stand-in's records hold:
//
//   bytes   0..127  the tag's name, cut to 127 characters, zero-padded
//   bytes 128..129  the type code, 16-bit little-endian
//   bytes 130..161  the engineering-units field: text, then zero bytes
//   the rest        zero
//
// Indexes without a tag give records of zero bytes. Rewriting the file keeps
// the units texts its tags' records already hold.
#pragma once

#include "tag_database.h"

#include <cstddef>
#include <optional>
#include <string>

namespace tagport {

inline constexpr std::size_t tag_record_size = 512;
inline constexpr std::size_t units_field_offset = 130;
inline constexpr std::size_t units_field_size = 32;

// Creates or replaces the file at `path`; false when it cannot be written.
bool write_tag_file(const TagDatabase& database, const std::string& path);

// The text of the units field of record `index` (up to its first zero byte);
// nothing when the file cannot be read or is too short.
std::optional<std::string> read_units_field(const std::string& path, std::uint16_t index);

} // namespace tagport
