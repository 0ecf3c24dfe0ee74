// The INI parser and writer of the native emulation, without files.
//
// Input: a 16-bit length n, then n bytes of file content (a byte-order mark
// among them chooses the encoding), then a sequence of edits, each an
// operation byte and its texts (NUL-terminated): 0 set section key value,
// 1 delete a key, 2 delete a section, 3 read back into a buffer of a fuzzed
// size, 4 an integer read of a text.
//
// Checked:
//   - the content read, written back and read again gives the same sections,
//     keys and values, and from then on writing and reading change no byte;
//     with the
//     rules of the file format that make a text lose its shape:
//       * a value's trailing blanks are written and dropped when read;
//       * keys under "[]" (an empty section name) after the first section
//         are written without a header and so join the section before them;
//       * an ANSI text whose first line starts with the bytes of a
//         byte-order mark is read back as a file with a mark.
//     (Windows writes and reads such files alike; the emulation follows it.)
//   - a value set under names the file format can hold reads back, before
//     and after the round trip, as set (leading blanks dropped; trailing
//     blanks too once written);
//   - the readouts stay inside buffers of exactly the size they are given,
//     and the lengths they return are those of the texts they wrote.
#include "byte_order_mark.h"
#include "fuzz_input.h"
#include "platform/posix/profile_document.h"
#include "platform/posix/profile_encoding.h"
#include "platform/posix/profile_readout.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

namespace posix = zt::platform::posix;
using posix::ProfileDocument;
using posix::ProfileEncoding;
using posix::ProfileKey;
using posix::ProfileSection;
using zt::fuzz::FuzzInput;
using zt::fuzz::starts_with_mark;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "profile: %s\n", what);
    std::abort();
}

// The sections as a file written from `document` holds them: an unnamed
// section after the first joins the one before it, and values lose the
// trailing blanks a write keeps.
std::vector<ProfileSection> as_written(const ProfileDocument& document)
{
    std::vector<ProfileSection> sections;
    for (ProfileSection section : document.sections()) {
        for (ProfileKey& key : section.keys) {
            if (key.value) {
                key.value = std::string(posix::trim_blanks(*key.value));
            }
        }
        if (sections.empty() || !section.name.empty()) {
            sections.push_back(std::move(section));
        } else {
            sections.back().keys.insert(sections.back().keys.end(), section.keys.begin(),
                                        section.keys.end());
        }
    }
    return sections;
}

bool same_sections(const std::vector<ProfileSection>& a, const std::vector<ProfileSection>& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t s = 0; s < a.size(); ++s) {
        if (a[s].name != b[s].name || a[s].keys.size() != b[s].keys.size()) {
            return false;
        }
        for (std::size_t k = 0; k < a[s].keys.size(); ++k) {
            if (a[s].keys[k].name != b[s].keys[k].name ||
                a[s].keys[k].value != b[s].keys[k].value) {
                return false;
            }
        }
    }
    return true;
}

void print_sections(const char* title, const std::vector<ProfileSection>& sections)
{
    std::fprintf(stderr, "%s:\n", title);
    const auto print = [](std::string_view text) {
        for (const char c : text) {
            std::fprintf(stderr, "%02x", static_cast<unsigned char>(c));
        }
    };
    for (const ProfileSection& section : sections) {
        std::fprintf(stderr, "  [");
        print(section.name);
        std::fprintf(stderr, "]\n");
        for (const ProfileKey& key : section.keys) {
            std::fprintf(stderr, "    ");
            print(key.name);
            if (key.value) {
                std::fprintf(stderr, " = ");
                print(*key.value);
            }
            std::fprintf(stderr, "\n");
        }
    }
}

// Writes `document` back in `encoding`, reads it again and checks that
// nothing changed but what the file format cannot hold. Returns what was read.
ProfileDocument round_trip(const ProfileDocument& document, ProfileEncoding encoding)
{
    const std::string text = document.serialize();
    const std::string bytes = posix::encode_profile({encoding, text});
    const posix::ProfileText read = posix::decode_profile(bytes);
    if (encoding == ProfileEncoding::ansi && starts_with_mark(text)) {
        return ProfileDocument::parse(read.text);
    }
    if (read.encoding != encoding) {
        fail("the file is read back in another encoding");
    }
    const ProfileDocument again = ProfileDocument::parse(read.text);
    if (!same_sections(as_written(document), again.sections())) {
        print_sections("written (hex)", as_written(document));
        print_sections("read back (hex)", again.sections());
        fail("sections, keys or values changed on the round trip");
    }
    // What was read back is settled: writing it and reading it again changes
    // no byte.
    const std::string settled = posix::encode_profile({encoding, again.serialize()});
    const posix::ProfileText reread = posix::decode_profile(settled);
    if (posix::encode_profile({encoding, ProfileDocument::parse(reread.text).serialize()}) !=
        settled) {
        fail("a file written from what was read back changes when written again");
    }
    return again;
}

bool has_line_break(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Whether a key set under these names is found again once written: no line
// breaks, and a key name without '=' whose line does not read as a section
// header ('[' first, ']' anywhere after it).
bool survives_writing(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string_view key_name = posix::trim_blanks(key);
    const bool looks_like_header =
        !key_name.empty() && key_name.front() == '[' &&
        (key_name.find(']') != std::string_view::npos || value.find(']') != std::string_view::npos);
    return !has_line_break(section) && !has_line_break(key) && !has_line_break(value) &&
           key_name.find('=') == std::string_view::npos && !looks_like_header;
}

std::string_view without_leading_blanks(std::string_view value)
{
    while (!value.empty() && posix::is_profile_blank(value.front())) {
        value.remove_prefix(1);
    }
    return value;
}

class Session {
  public:
    Session(FuzzInput& in, const posix::ProfileText& file)
        : in_(in), encoding_(file.encoding), document_(ProfileDocument::parse(file.text))
    {
    }

    void run()
    {
        document_ = round_trip(document_, encoding_);
        while (!in_.empty()) {
            step(in_.byte() % 5);
        }
        if (!reshaped_) {
            round_trip(document_, encoding_);
        }
    }

  private:
    // A text of the profile calls as a file of this encoding holds it.
    std::string stored_text() { return posix::from_ansi(in_.text(), encoding_); }

    void set()
    {
        const std::string section = stored_text();
        const std::string key = stored_text();
        const std::string value = stored_text();
        document_.set_value(section, key, value);
        const ProfileKey* found = document_.find_key(section, key);
        if (found == nullptr || found->value != without_leading_blanks(value)) {
            fail("a value set is not found as set");
        }
        // The first section of a name is the one written to: if the trimmed
        // name is empty, that is the unnamed first section, which keeps its
        // place.
        if (!survives_writing(section, key, value)) {
            // Written, these texts make lines of another shape.
            reshaped_ = true;
            return;
        }
        if (reshaped_) {
            return;
        }
        const ProfileDocument again = round_trip(document_, encoding_);
        const ProfileKey* read = again.find_key(section, key);
        if (encoding_ == ProfileEncoding::ansi && starts_with_mark(document_.serialize())) {
            return;
        }
        if (read == nullptr || read->value != posix::trim_blanks(value)) {
            fail("a value set does not read back once written");
        }
    }

    void readout()
    {
        const std::string section = stored_text();
        const std::string default_value = in_.text();
        const std::uint32_t size = in_.byte() % 200;
        const auto buffer = std::make_unique<char[]>(size == 0 ? 1 : size);
        char* const target = size == 0 ? nullptr : buffer.get();

        const std::uint32_t names = posix::copy_section_names(document_, target, size);
        check_list(target, size, names);
        const std::uint32_t keys = posix::copy_key_names(
            std::as_const(document_).first_section_named(section), default_value, target, size);
        if (size > 0 && (keys >= size || target[keys] != '\0')) {
            fail("a key list's length is not that of its text");
        }
        const ProfileKey* found = document_.find_key(section, default_value);
        const std::string_view value = found && found->value ? *found->value : default_value;
        const std::uint32_t copied = posix::copy_entry(value, target, size);
        if (size == 0 ? copied != 0 : copied >= size || target[copied] != '\0') {
            fail("a value's length is not that of its text");
        }
    }

    static void check_list(const char* list, std::uint32_t size, std::uint32_t length)
    {
        if (size == 0 ? length != 0 : length >= size || list[length] != '\0') {
            fail("a name list's length is not that of its text");
        }
    }

    void step(int op)
    {
        switch (op) {
        case 0:
            set();
            break;
        case 1: {
            const std::string section = stored_text();
            document_.delete_key(section, stored_text());
            break;
        }
        case 2:
            document_.delete_section(stored_text());
            break;
        case 3:
            readout();
            break;
        default:
            posix::parse_profile_int(in_.text());
            break;
        }
    }

    FuzzInput& in_;
    ProfileEncoding encoding_;
    ProfileDocument document_;
    bool reshaped_ = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::uint16_t length = in.number<std::uint16_t>();
    std::string content;
    for (std::uint16_t i = 0; i < length && !in.empty(); ++i) {
        content += static_cast<char>(in.byte());
    }
    Session(in, posix::decode_profile(content)).run();
    return 0;
}
