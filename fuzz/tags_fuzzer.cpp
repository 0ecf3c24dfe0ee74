// The tag queries and the units writer over a fuzzed tag database and
// "tagname.x", with the tag-access stand-in's faults switched on and off.
//
// Input: a sequence of operations, each an operation byte and its arguments.
//   0 the tag database: a text of the input as "tagport.tags"
//   1 "tagname.x": written to match the database, then (odd byte) cut or
//     grown to a 16-bit size
//   2 the stand-in's faults: a byte of switches (refuse the connection, fail
//     the check, report tags inactive, refuse activation), then the list of
//     names whose activation is refused ("*" for all)
//   3 TagExists        name
//   4 GetDiscOnMsg / GetDiscOffMsg (byte)   name
//   5 SetTagEU         name, units text
//   6 the library's connection closed, as a host's cleanup does
//   7 the application directory in "win.ini": removed, "c:\", or a text of
//     the input kept inside the machine
// A name is a null pointer, a text of the input, a name of the database
// (with a message suffix taken off), or a database name made long.
//
// Checked: every result is one the export can give; the message buffer is
// the same buffer every time and terminated inside its 131 bytes; SetTagEU
// never changes the size of "tagname.x", changes nothing when it fails and
// only the 32-byte units field of the tag's record when it succeeds, and
// leaves the file closed. Without faults, with a database that loads and the
// default directory, the answers are those of the database: the tag's type,
// its message text, 0 for an integer or real tag whose record lies inside
// the file.
#include "file_bytes.h"
#include "fuzz_input.h"
#include "fuzz_machine.h"
#include "library/application.h"
#include "platform/profile.h"
#include "tag_database.h"
#include "tag_file.h"
#include "tagport.h"
#include "tags/shared_tags.h"
#include "test_environment.h"
#include "text_argument.h"
#include "ztfunc32.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using zt::fuzz::file_bytes;
using zt::fuzz::FuzzInput;
using Name = zt::fuzz::TextArgument;

constexpr std::size_t name_capacity = 130; // characters, without the terminator
constexpr std::size_t message_capacity = 131;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "tags: %s\n", what);
    std::abort();
}

std::string site()
{
    return zt::fuzz::machine_root() + "/c";
}
std::string database_file()
{
    return site() + "/tagport.tags";
}
std::string tag_file()
{
    return site() + "/tagname.x";
}

// Whether this process holds `path` open: one of its descriptors is that
// file. Descriptors are compared by device and inode, which costs no path
// lookups; a file that is not there cannot be held.
bool held_open(const std::string& path)
{
    struct stat wanted {};
    if (::stat(path.c_str(), &wanted) != 0) {
        return false;
    }
    const std::unique_ptr<DIR, int (*)(DIR*)> descriptors(::opendir("/proc/self/fd"), ::closedir);
    if (!descriptors) {
        fail("cannot list this process's descriptors");
    }
    while (const dirent* entry = ::readdir(descriptors.get())) {
        const int fd = std::atoi(entry->d_name);
        struct stat open_file {};
        if (entry->d_name[0] != '.' && fd != ::dirfd(descriptors.get()) &&
            ::fstat(fd, &open_file) == 0 && open_file.st_dev == wanted.st_dev &&
            open_file.st_ino == wanted.st_ino) {
            return true;
        }
    }
    return false;
}

void close_library_connection()
{
    if (const zt::tags::SessionRef session = zt::tags::shared_tags().current()) {
        if (const TP_CONNECTION connection = session->forget_connection()) {
            TagportShutdown(connection);
        }
    }
}

constexpr const char* fault_settings[] = {"TAGPORT_REFUSE_CONNECT", "TAGPORT_FAIL_CHECK",
                                          "TAGPORT_NOT_ACTIVE"};

void clear_faults()
{
    for (const char* name : fault_settings) {
        zt::test::unset_environment(name);
    }
    zt::test::unset_environment("TAGPORT_FAIL_ACTIVATE");
}

bool is_failure_code(std::int32_t result, std::initializer_list<std::int32_t> codes)
{
    for (const std::int32_t code : codes) {
        if (result == code) {
            return true;
        }
    }
    return false;
}

bool ends_with_ascii_case(std::string_view text, std::string_view suffix)
{
    if (text.size() < suffix.size()) {
        return false;
    }
    return tagport::same_tag_name(text.substr(text.size() - suffix.size()), suffix);
}

class Session {
  public:
    explicit Session(FuzzInput& in) : in_(in) {}

    void run()
    {
        in_.each_operation(8, [this](int op) { step(op); });
    }

  private:
    Name name()
    {
        std::string value;
        switch (in_.byte() % 4) {
        case 0:
            return {};
        case 1:
            value = in_.text();
            break;
        case 2:
        case 3: {
            const auto& entries = database_.entries();
            const std::uint8_t pick = in_.byte();
            if (!entries.empty()) {
                value = entries[pick % entries.size()].name;
            }
            for (const std::string_view suffix : {".OnMsg", ".OffMsg"}) {
                if (pick & 0x80 && ends_with_ascii_case(value, suffix)) {
                    value.resize(value.size() - suffix.size());
                }
            }
            if ((pick & 0x40) != 0) {
                value.append(in_.byte(), value.empty() ? 'x' : value.back());
            }
            break;
        }
        }
        return owned_.keep(std::move(value));
    }

    // The database as the stand-in sees it, when that is certain: the file
    // loads, no fault is set and the default directory is used.
    const tagport::TagEntry* known_entry(const std::string& tag_name) const
    {
        if (!database_known_ || faults_ || !default_directory_ || tag_name.size() > name_capacity) {
            return nullptr;
        }
        return database_.find(tag_name);
    }
    bool certain() const { return database_known_ && !faults_ && default_directory_; }

    void write_database()
    {
        const std::string text = in_.text();
        std::ofstream file(database_file(), std::ios::binary | std::ios::trunc);
        file << text;
        file.close();
        // Only a database that reached the disk is the one the stand-in reads.
        tagport::TagDatabase loaded;
        std::string error;
        database_known_ = !file.fail() && loaded.load_text(text, database_file(), error);
        if (database_known_) {
            database_ = loaded;
        }
    }

    void write_tag_file()
    {
        tagport::write_tag_file(database_, tag_file());
        const std::uint8_t resize = in_.byte();
        const std::uint16_t size = in_.number<std::uint16_t>();
        if ((resize & 1) != 0) {
            std::error_code ignored;
            fs::resize_file(tag_file(), size, ignored);
        }
    }

    void set_faults()
    {
        const std::uint8_t switches = in_.byte();
        clear_faults();
        for (std::size_t i = 0; i < std::size(fault_settings); ++i) {
            if ((switches & (1u << i)) != 0) {
                zt::test::set_environment(fault_settings[i], "1");
            }
        }
        const std::string refused = in_.text();
        if ((switches & 8u) != 0) {
            zt::test::set_environment("TAGPORT_FAIL_ACTIVATE", refused);
        }
        faults_ = (switches & 15u) != 0;
        // A refused connection check leaves the library's connection unsure
        // until it is made again.
        if (!faults_) {
            close_library_connection();
        }
    }

    void set_directory()
    {
        const std::uint8_t choice = in_.byte() % 3;
        const std::string text = in_.text();
        const char* directory = nullptr;
        const std::string contained = zt::fuzz::contained_name(text);
        if (choice == 1) {
            directory = "c:\\";
        } else if (choice == 2) {
            directory = contained.c_str();
        }
        zt::platform::write_private_profile_string("Vistrel", "ApplicationDirectory", directory,
                                                   "win.ini");
        default_directory_ = choice != 2;
        close_library_connection();
    }

    void tag_exists()
    {
        const Name tag = name();
        const std::int32_t result = TagExists(tag.pointer);
        const tagport::TagEntry* entry = tag.pointer ? known_entry(tag.value) : nullptr;
        if (entry != nullptr && result != entry->type) {
            std::fprintf(stderr, "TagExists(\"%s\") = %d\n", tag.value.c_str(), result);
            fail("TagExists does not give the type the database has");
        }
        if (entry != nullptr || result == -2 || result == -3) {
            return;
        }
        if (certain() || result == -20 || result == -21) {
            std::fprintf(stderr, "TagExists(\"%s\") = %d\n", tag.value.c_str(), result);
            fail("TagExists found a tag the database does not have, or failed inside");
        }
    }

    void get_message()
    {
        const bool on = (in_.byte() & 1) != 0;
        const Name tag = name();
        const char* result = on ? GetDiscOnMsg(tag.pointer) : GetDiscOffMsg(tag.pointer);
        if (message_buffer_ == nullptr) {
            message_buffer_ = result;
        }
        if (result != message_buffer_ ||
            std::memchr(result, '\0', message_capacity + 1) == nullptr) {
            fail("the message is not a terminated text in the message buffer");
        }
        const std::string field = tag.value + (on ? ".OnMsg" : ".OffMsg");
        const tagport::TagEntry* entry = tag.pointer ? known_entry(field) : nullptr;
        if (entry == nullptr || entry->type != TP_MESSAGE) {
            return;
        }
        if (std::string_view(result) !=
            std::string_view(entry->text).substr(0, message_capacity - 1)) {
            std::fprintf(stderr, "%s: \"%s\", the database has \"%s\"\n", field.c_str(), result,
                         entry->text.c_str());
            fail("the message is not the database's text");
        }
    }

    void set_units()
    {
        const Name tag = name();
        const bool null_units = (in_.byte() & 1) != 0;
        const std::string units = in_.text();
        const std::optional<std::string> before = file_bytes(tag_file());
        const std::int32_t result = SetTagEU(tag.pointer, null_units ? nullptr : units.c_str());
        const std::optional<std::string> after = file_bytes(tag_file());

        if (!is_failure_code(result, {0, -2, -3, -4, -5, -6, -7, -8, -9, -10, -13})) {
            fail("SetTagEU gave a result it cannot give");
        }
        if (held_open(tag_file())) {
            fail("SetTagEU left tagname.x open");
        }
        if (before.has_value() != after.has_value() ||
            (before && before->size() != after->size())) {
            fail("SetTagEU made, removed or resized tagname.x");
        }
        const tagport::TagEntry* entry = tag.pointer ? known_entry(tag.value) : nullptr;
        if (result != 0) {
            if (before != after) {
                fail("a failed SetTagEU changed tagname.x");
            }
            const bool should_succeed =
                entry != nullptr && !null_units && before &&
                (entry->type == TP_INTEGER || entry->type == TP_REAL) &&
                130 + 512 * std::size_t{entry->index} + 32 <= before->size();
            if (should_succeed) {
                fail("SetTagEU failed for an integer or real tag inside the file");
            }
            return;
        }
        if (null_units || !before) {
            fail("SetTagEU succeeded without units or without a file");
        }
        std::string field(32, '\0');
        field.replace(0, std::min<std::size_t>(units.size(), 31), units.substr(0, 31));
        std::size_t changed_from = 0;
        while (changed_from < before->size() && (*before)[changed_from] == (*after)[changed_from]) {
            ++changed_from;
        }
        if (changed_from == before->size()) {
            return; // the field held these units already
        }
        const std::size_t record = (changed_from >= 130 ? changed_from - 130 : 0) / 512;
        const std::size_t start = 130 + 512 * record;
        if (after->compare(start, 32, field) != 0 ||
            before->substr(0, start) != after->substr(0, start) ||
            before->substr(start + 32) != after->substr(start + 32)) {
            fail("SetTagEU changed more than one units field, or wrote it wrongly");
        }
        if (entry != nullptr && start != 130 + 512 * std::size_t{entry->index}) {
            fail("SetTagEU wrote another tag's record");
        }
    }

    void step(int op)
    {
        switch (op) {
        case 0:
            write_database();
            break;
        case 1:
            write_tag_file();
            break;
        case 2:
            set_faults();
            break;
        case 3:
            tag_exists();
            break;
        case 4:
            get_message();
            break;
        case 5:
            set_units();
            break;
        case 6:
            close_library_connection();
            break;
        default:
            set_directory();
            break;
        }
    }

    FuzzInput& in_;
    zt::fuzz::ArgumentTexts owned_;
    tagport::TagDatabase database_;
    bool database_known_ = false;
    bool faults_ = false;
    bool default_directory_ = true;
    const char* message_buffer_ = nullptr;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    zt::fuzz::set_up_machine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    close_library_connection();
    clear_faults();
    zt::fuzz::clear_machine();
    fs::create_directories(site());
    FuzzInput in(data, size);
    Session(in).run();
    // What the input made is let go before it ends, so that libFuzzer sees
    // no memory kept and does not run the input again to look for a leak.
    close_library_connection();
    return 0;
}
