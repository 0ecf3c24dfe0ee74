// The host-support stand-in's runtime records, served from the tag database of
// the tag-access stand-in (the same file, found the same way: see
// tagport/file_locations.h). The host's record layout is its own; the
// stand-in's 216-byte records hold:
//
//   bytes   0..127  the tag's name, cut to 127 characters, zero-padded
//   bytes 128..131  the type code, 32-bit little-endian
//   bytes 132..133  the tag index, 16-bit little-endian
//   bytes 184..199  the on-message: the text of the message tag "NAME.OnMsg",
//                   cut to 15 characters, zero-padded
//   bytes 200..215  the off-message, from "NAME.OffMsg" likewise
//   the rest        zero
//
// A tag without such a message tag has an empty message. The database is read
// afresh for every record, so edits of the file show at once.
#pragma once

#include "vstspt.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace vstspt {

class RuntimeRecords {
  public:
    // The reference of `name` (the same one for every lookup of that name);
    // 0 when the database has no such tag.
    REB_TAG look_up(const char* name);
    // Fills `record`; false for an unknown reference or a tag gone from the database.
    bool fill(REB_TAG tag, unsigned char* record);
    // Whether the last fill() succeeded.
    bool last_record_valid();

  private:
    std::mutex mutex_;
    std::vector<std::string> names_; // reference n is names_[n - 1]
    bool last_valid_ = false;
};

RuntimeRecords& runtime_records();

} // namespace vstspt
