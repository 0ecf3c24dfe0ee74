// Private-profile (INI) files on the emulated platform, with the rules of
// GetPrivateProfileStringA / GetPrivateProfileIntA / WritePrivateProfileStringA
// as Wine implements them. The file format rules are in profile_document.h,
// the encodings (ANSI, UTF-8 or UTF-16 with a byte-order mark) in
// profile_encoding.h, the buffer and integer rules in profile_readout.h, and
// how writers are serialised in profile_write_lock.h; this layer adds:
//
//   - Where the file is: a bare name ("statx.ini") lives in the Windows
//     directory, a null name means "win.ini" there; any name with a "\", "/"
//     or drive goes through to_posix_path (relative ones from the current
//     directory).
//   - Every call reads the file afresh; nothing is cached.
//   - A file that does not exist reads as an empty file. A file that cannot
//     be read (its folder is missing, it is a directory, it is unreadable, a
//     read fails or gives fewer bytes than the file holds) lists no sections,
//     and any other read gives the default exactly as passed (cut to the
//     buffer), without the trimming and quote removal a default otherwise
//     gets.
//   - A read with a null section lists the section names; with a null key it
//     lists the keys of the section (see profile_readout.h).
//   - A write with a null section fails. A null key deletes the section, a
//     null value deletes the key; deleting what is not there succeeds and
//     leaves the file (or its absence) untouched.
//   - A write fails (false) when the file's folder does not exist, the file is
//     a directory or cannot be read whole or written, or the new content
//     cannot be stored. The new content goes to a temporary file in the same
//     folder that then replaces the old one, so a failed write leaves the old
//     file intact; a link is followed, and the file it points to replaced.
#pragma once

#include <cstdint>

namespace zt::platform::posix {

std::uint32_t read_profile_string(const char* section, const char* key, const char* default_value,
                                  char* buffer, std::uint32_t size, const char* file);

// The integer stored as `key`; `default_value` when the key is missing or its
// value (after quotes are removed) is empty. Only the first 29 characters of
// the value count, as Windows reads it into a 30-character buffer.
std::int32_t read_profile_int(const char* section, const char* key, std::int32_t default_value,
                              const char* file);

bool write_profile_string(const char* section, const char* key, const char* value,
                          const char* file);

} // namespace zt::platform::posix
