// The INI and statistics-export exports over fuzzed file contents and names,
// on a fresh emulated machine per input; the file one call writes is read by
// the calls after it.
//
// Input: a sequence of operations, each an operation byte and its arguments.
// A text argument is a source byte and what it names: a null pointer, a text
// of the input, one of the texts used before (so that calls meet the same
// files, sections and keys), or a pointer into the shared result buffer.
// File names are kept inside the machine (fuzz_machine.h).
//   0 INIWriteString   file, section, key, value
//   1 INIReadString    file, section, key
//   2 INIWriteInteger  file, section, key, int32
//   3 INIReadInteger   file, section, key
//   4 the bytes of a file: file, then a text of the input as its content
//   5 a folder where a file would be: file
//   6 a STATXSet... date or time export (byte) and three int32
//   7 a STATXSet... text export (byte) and its text
//   8 the statistics-export tool put on the search path or taken off it
//
// Checked after each call: a write that succeeded with plain names and value
// reads back as written; a write changes no file but its own, and a failed
// write not even that; a read's text fits the shared buffer; the STATX
// results are the ones the exports can give, -1 exactly when the tool is
// missing, and what they report written is in "statx.ini". (Not when the
// write left an ANSI file starting with a byte-order mark's bytes: such a
// file reads as UTF-8 or UTF-16, as it does in Wine.)
#include "byte_order_mark.h"
#include "file_bytes.h"
#include "fuzz_input.h"
#include "fuzz_machine.h"
#include "platform/posix/profile_file.h"
#include "platform/search_path.h"
#include "statx.h"
#include "text_argument.h"
#include "ztfunc32.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using zt::fuzz::FuzzInput;
using zt::fuzz::SharedBuffer;
using zt::fuzz::TextArgument;
using Text = TextArgument;
using zt::fuzz::file_bytes;

constexpr std::size_t shared_capacity = 131;
constexpr std::size_t read_capacity = 130;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "settings: %s\n", what);
    std::abort();
}

const SharedBuffer& shared_buffer()
{
    static const SharedBuffer buffer(INIReadString(nullptr, nullptr, nullptr), shared_capacity);
    return buffer;
}

// Whether the search path finds the statistics-export tool outside the
// machine (beside the fuzzer or in its current directory), where it cannot be
// taken away. First asked while the machine is still empty.
bool tool_elsewhere()
{
    static const bool found = zt::platform::search_path_finds(statx::tool_name);
    return found;
}

// What one input does and has used so far.
class Session {
  public:
    explicit Session(FuzzInput& in) : in_(in) {}

    void run()
    {
        in_.each_operation(9, [this](int op) { step(op); });
    }

  private:
    // A text argument; a pointer into the shared buffer stays a pointer, so
    // that the export reads the buffer it may write.
    Text text()
    {
        switch (in_.byte() % 4) {
        case 0:
            return {};
        case 1: {
            std::string value = in_.text();
            remember(value);
            return owned_.keep(std::move(value));
        }
        case 2:
            if (used_.empty()) {
                return {};
            }
            return owned_.keep(used_[in_.byte() % used_.size()]);
        default:
            return shared_buffer().pointer_into(in_);
        }
    }

    // A file name argument that stays inside the machine; null when the
    // shared buffer holds a name that would leave it.
    Text file()
    {
        Text name = text();
        if (name.pointer == nullptr) {
            return name;
        }
        const std::string contained = zt::fuzz::contained_name(name.value);
        if (contained != name.value) {
            if (shared_buffer().holds(name.pointer)) {
                return {};
            }
            name = owned_.keep(contained);
        }
        files_[path_of(name.pointer)] = true;
        return name;
    }

    void remember(const std::string& text)
    {
        if (used_.size() < 16) {
            used_.push_back(text);
        } else {
            used_[next_++ % used_.size()] = text;
        }
    }

    // The file a name stands for, once per name and input. Every name is on
    // a drive, so its path is absolute, and the machine holds no links: the
    // path with ".", doubled and trailing separators taken out names each
    // file one way.
    const std::string& path_of(const char* file)
    {
        const auto known = paths_.find(file);
        if (known != paths_.end()) {
            return known->second;
        }
        std::string path =
            fs::path(zt::platform::posix::profile_file_path(file)).lexically_normal().string();
        while (path.size() > 1 && path.back() == '/') {
            path.pop_back();
        }
        return paths_[file] = std::move(path);
    }

    std::map<std::string, std::optional<std::string>> snapshot() const
    {
        std::map<std::string, std::optional<std::string>> files;
        for (const auto& [path, used] : files_) {
            files[path] = file_bytes(path);
        }
        return files;
    }

    // Every file but `written` (or every file, when the write failed) is as
    // it was.
    void check_only_written_changed(const std::map<std::string, std::optional<std::string>>& before,
                                    const std::string& written, bool succeeded) const
    {
        for (const auto& [path, bytes] : before) {
            if ((path != written || !succeeded) && file_bytes(path) != bytes) {
                std::fprintf(stderr, "%s changed\n", path.c_str());
                fail(succeeded ? "a write changed another file" : "a failed write changed a file");
            }
        }
    }

    // Whether a write turned an ANSI file into one that reads as UTF-8 or
    // UTF-16 (byte_order_mark.h): then what it wrote does not read back.
    static bool took_a_mark(const std::optional<std::string>& before, const std::string& path)
    {
        const std::optional<std::string> now = file_bytes(path);
        return now && zt::fuzz::starts_with_mark(*now) &&
               !(before && zt::fuzz::starts_with_mark(*before));
    }

    static bool plain_name(const std::string& name)
    {
        if (name.empty() || name.size() > 40 || name.front() == ' ' || name.back() == ' ') {
            return false;
        }
        for (const char c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '.' && c != '-' &&
                c != ' ') {
                return false;
            }
        }
        return true;
    }

    static bool plain_value(const std::string& value)
    {
        if (value.size() > read_capacity ||
            (!value.empty() && (value.front() == ' ' || value.back() == ' '))) {
            return false;
        }
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            return false;
        }
        for (const char c : value) {
            if (c < ' ' || c > '~') {
                return false;
            }
        }
        return true;
    }

    void write(bool integer)
    {
        const Text name = file();
        const Text section = text();
        const Text key = text();
        Text value;
        std::int32_t number = 0;
        if (integer) {
            number = in_.int32();
        } else {
            value = text();
        }
        const auto before = snapshot();
        const std::int32_t result =
            integer ? INIWriteInteger(name.pointer, section.pointer, key.pointer, number)
                    : INIWriteString(name.pointer, section.pointer, key.pointer, value.pointer);
        if (result != 0 && result != -1) {
            fail("a write gave neither 0 nor -1");
        }
        if (result == 0 && name.pointer == nullptr) {
            fail("a write without a file name succeeded");
        }
        check_only_written_changed(before, name.pointer ? path_of(name.pointer) : "", result == 0);
        if (result != 0 || !plain_name(section.value) || !plain_name(key.value) ||
            took_a_mark(before.at(path_of(name.pointer)), path_of(name.pointer))) {
            return;
        }
        if (integer) {
            if (INIReadInteger(name.pointer, section.pointer, key.pointer) != number) {
                fail("an integer written does not read back");
            }
        } else if (plain_value(value.value) &&
                   INIReadString(name.pointer, section.pointer, key.pointer) != value.value) {
            fail("a text written does not read back");
        }
    }

    void read(bool integer)
    {
        const Text name = file();
        const Text section = text();
        const Text key = text();
        if (integer) {
            INIReadInteger(name.pointer, section.pointer, key.pointer);
            return;
        }
        const char* result = INIReadString(name.pointer, section.pointer, key.pointer);
        if (result != shared_buffer().start() || std::strlen(result) > read_capacity) {
            fail("a read's text is not in the shared buffer or too long");
        }
    }

    void put_file(bool as_folder)
    {
        const Text name = file();
        const std::string content = as_folder ? std::string() : in_.text();
        if (name.pointer == nullptr) {
            return;
        }
        const std::string path = path_of(name.pointer);
        std::error_code ignored;
        fs::create_directories(fs::path(path).parent_path(), ignored);
        if (as_folder) {
            fs::create_directories(path, ignored);
        } else if (!fs::is_directory(path, ignored)) {
            std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
        }
    }

    static bool status_sum(std::int32_t result)
    {
        return result >= 0 && result <= 111 && result % 10 <= 1 && (result / 10) % 10 <= 1;
    }

    std::string statx_ini() const { return zt::fuzz::windows_directory() + "/statx.ini"; }

    void statx_fields()
    {
        using Export = std::int32_t (*)(std::int32_t, std::int32_t, std::int32_t);
        struct Fields {
            Export call;
            std::array<const char*, 3> keys;
        };
        const Fields all[] = {
            {STATXSetStartDate, {statx::start_year, statx::start_month, statx::start_day}},
            {STATXSetEndDate, {statx::end_year, statx::end_month, statx::end_day}},
            {STATXSetStartTime, {statx::start_hour, statx::start_minute, statx::start_second}},
            {STATXSetEndTime, {statx::end_hour, statx::end_minute, statx::end_second}},
        };
        const Fields& fields = all[in_.byte() % std::size(all)];
        const std::array<std::int32_t, 3> values{in_.int32(), in_.int32(), in_.int32()};
        files_[path_of(statx_ini().c_str())] = true;
        const std::optional<std::string> before = file_bytes(statx_ini());
        const std::int32_t result = fields.call(values[0], values[1], values[2]);
        check_tool_answer(result, status_sum(result));
        const bool readable = !took_a_mark(before, statx_ini());
        for (std::size_t i = 0, weight = 1; result >= 0 && readable && i < 3; ++i, weight *= 10) {
            if ((result / weight) % 10 == 0 &&
                INIReadInteger("statx.ini", statx::section, fields.keys[i]) != values[i]) {
                fail("a STATX value reported written is not in statx.ini");
            }
        }
    }

    void statx_text()
    {
        using Export = std::int32_t (*)(const char*);
        struct Setting {
            Export call;
            const char* key;
        };
        const Setting all[] = {{STATXSetProduct, statx::product},
                               {STATXSetDataset, statx::dataset},
                               {STATXSetOutputFile, statx::output_file}};
        const Setting& setting = all[in_.byte() % std::size(all)];
        const Text value = text();
        files_[path_of(statx_ini().c_str())] = true;
        const std::optional<std::string> before = file_bytes(statx_ini());
        const std::int32_t result = setting.call(value.pointer);
        check_tool_answer(result, result == 0 || result == 1);
        if (result == 0 && plain_value(value.value) && !took_a_mark(before, statx_ini()) &&
            INIReadString("statx.ini", statx::section, setting.key) != value.value) {
            fail("a STATX text reported written is not in statx.ini");
        }
    }

    void check_tool_answer(std::int32_t result, bool answer_of_present_tool) const
    {
        if (tool_present() ? !answer_of_present_tool : result != -1) {
            fail("a STATX result does not fit whether the tool is there");
        }
    }

    static void toggle_tool()
    {
        const fs::path tool = fs::path(zt::fuzz::windows_directory()) / statx::tool_name;
        std::error_code ignored;
        if (fs::exists(tool, ignored)) {
            fs::remove_all(tool, ignored);
        } else {
            std::ofstream(tool) << "";
        }
    }

    // Whether the search path finds the tool. Inside the machine it looks in
    // the Windows directory, its "system32" and the machine's PATH folder, for
    // the tool's name or, as this machine's programs carry no extension, that
    // name without ".exe"; the input's own files and folders may stand there
    // under either name.
    static bool tool_present()
    {
        if (tool_elsewhere()) {
            return true;
        }
        const fs::path windows = zt::fuzz::windows_directory();
        const std::string with_extension = statx::tool_name;
        const std::string bare = with_extension.substr(0, with_extension.size() - 4);
        std::error_code ignored;
        for (const fs::path& folder :
             {windows, windows / "system32", fs::path(zt::fuzz::path_folder())}) {
            if (fs::exists(folder / with_extension, ignored) ||
                fs::exists(folder / bare, ignored)) {
                return true;
            }
        }
        return false;
    }

    void step(int op)
    {
        switch (op) {
        case 0:
        case 2:
            write(op == 2);
            break;
        case 1:
        case 3:
            read(op == 3);
            break;
        case 4:
        case 5:
            put_file(op == 5);
            break;
        case 6:
            statx_fields();
            break;
        case 7:
            statx_text();
            break;
        default:
            toggle_tool();
            break;
        }
    }

    FuzzInput& in_;
    std::vector<std::string> used_;
    std::size_t next_ = 0;
    zt::fuzz::ArgumentTexts owned_;
    std::map<std::string, std::string> paths_;
    std::map<std::string, bool> files_;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    zt::fuzz::set_up_machine();
    shared_buffer();
    tool_elsewhere();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zt::fuzz::clear_machine();
    FuzzInput in(data, size);
    Session(in).run();
    return 0;
}
