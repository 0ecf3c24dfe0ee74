// How the bytes of a profile file hold its text, told apart and written back
// as Windows does (checked against Wine):
//
//   - A file that starts with the UTF-8 mark EF BB BF holds UTF-8; one that
//     starts with FF FE holds UTF-16LE, with FE FF UTF-16BE. Any other file,
//     an empty or a new one included, is ANSI: its bytes are the text.
//   - A changed file is written back in the encoding it had, with its mark.
//   - UTF-16 is kept unit for unit: unpaired surrogates come back as they
//     were. An odd last byte reads as a unit of that value and is written
//     back as a whole unit.
//   - Bad UTF-8 reads as U+FFFD in place of each bad sequence, and is written
//     back so. A byte that cannot start a sequence is one bad sequence. A
//     started sequence is bad at the first byte that is not a continuation
//     (which then starts the next), or as soon as the bytes taken so far can
//     only give an overlong form or a surrogate (they are all taken) or a
//     value beyond U+10FFFF (the byte that shows it is not taken). A sequence
//     cut off by the end of the file is one bad sequence.
//
// The text of a file with a mark is held as UTF-8 (an unpaired surrogate as
// its three-byte form, so that UTF-16 goes back unit for unit). The profile
// calls' texts are ANSI (platform/posix/ansi_code_page.h): they are converted
// to that form to be looked up or stored, and read results back to ANSI, one
// character for each UTF-16 unit.
#pragma once

#include <string>
#include <string_view>

namespace zt::platform::posix {

enum class ProfileEncoding { ansi, utf8, utf16le, utf16be };

struct ProfileText {
    ProfileEncoding encoding = ProfileEncoding::ansi;
    std::string text; // without the mark: the ANSI bytes, or UTF-8
};

ProfileText decode_profile(std::string_view bytes);
std::string encode_profile(const ProfileText& text);

// A text of the profile calls in the form a file of `encoding` holds text.
std::string from_ansi(std::string_view ansi, ProfileEncoding encoding);
// A text of a file of `encoding` as the profile calls return it.
std::string to_ansi(std::string_view text, ProfileEncoding encoding);

} // namespace zt::platform::posix
