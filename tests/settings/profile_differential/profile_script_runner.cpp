// Runs a script of private-profile operations through platform/profile.h in a
// scratch folder and prints every result and, at the end, the bytes of every
// file in that folder, escaped so the output is plain text. The same script
// run on Windows (or Wine) and on the emulated platform must print the same.
//
// Usage: profile_script_runner SCRATCH_FOLDER SCRIPT
//
// Script lines (fields separated by '|'; '#' starts a comment line):
//   raw|FILE|BYTES                          create FILE with exactly BYTES
//   utf16le|FILE|TEXT, utf16be|FILE|TEXT    create FILE with the UTF-16 mark and
//                                           TEXT (UTF-8 in the script) in UTF-16
//   mkdir|FOLDER                            create a folder
//   write|FILE|SECTION|KEY|VALUE            write_private_profile_string
//   read|FILE|SECTION|KEY|DEFAULT|SIZE      get_private_profile_string
//   int|FILE|SECTION|KEY|DEFAULT            get_private_profile_int
// FILE is relative to the scratch folder, with '/' between folders. A field
// "<null>" passes a null pointer. Escapes in fields: \\ \| \r \n \t \xHH,
// \*N:c for N copies of the character c, and \uXXXX for the UTF-8 form of
// U+XXXX (a surrogate too, so that a UTF-16 file can hold an unpaired one).
//
// A read prints its result and the bytes of the buffer up to and including
// the terminator after it (the buffer is filled with '@' before the call).
// Long runs of one character are shown as {c*N}.
#include "platform/profile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Field = std::optional<std::string>;

void append_utf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The mark and the UTF-16 units of `text` (well-formed UTF-8, surrogates allowed).
std::string utf16_file(const std::string& text, bool big_endian)
{
    std::string bytes;
    const auto put = [&](char32_t unit) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += big_endian ? high : low;
        bytes += big_endian ? low : high;
    };
    put(0xFEFF);
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i++]);
        const int following = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
        char32_t c = following == 0 ? lead : lead & (0x3F >> following);
        for (int n = 0; n < following; ++n) {
            c = (c << 6) | (static_cast<unsigned char>(text.at(i++)) & 0x3F);
        }
        if (c >= 0x10000) {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            put(c);
        }
    }
    return bytes;
}

std::string unescape(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        const char kind = text[++i];
        switch (kind) {
        case 'r':
            out += '\r';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'x':
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
            break;
        case 'u':
            append_utf8(out, static_cast<char32_t>(std::stoul(text.substr(i + 1, 4), nullptr, 16)));
            i += 4;
            break;
        case '*': {
            const std::size_t colon = text.find(':', i);
            const std::size_t count = std::stoul(text.substr(i + 1, colon - i - 1));
            out.append(count, text.at(colon + 1));
            i = colon + 1;
            break;
        }
        default:
            out += kind;
        }
    }
    return out;
}

std::vector<Field> split_fields(const std::string& line)
{
    std::vector<Field> fields;
    std::string current;
    auto finish = [&] {
        if (current == "<null>") {
            fields.emplace_back(std::nullopt);
        } else {
            fields.emplace_back(unescape(current));
        }
        current.clear();
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            current += line[i];
            current += line[++i];
        } else if (line[i] == '|') {
            finish();
        } else {
            current += line[i];
        }
    }
    finish();
    return fields;
}

std::string escape(const char* data, std::size_t size)
{
    std::string out;
    for (std::size_t i = 0; i < size; ++i) {
        const auto c = static_cast<unsigned char>(data[i]);
        std::size_t run = 1;
        while (i + run < size && data[i + run] == data[i]) {
            ++run;
        }
        if (run >= 16 && c >= 0x20 && c < 0x7f) {
            out += "{" + std::string(1, static_cast<char>(c)) + "*" + std::to_string(run) + "}";
            i += run - 1;
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n\n    ";
        } else if (c == 0) {
            out += "\\0";
        } else if (c < 0x20 || c >= 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string show(const Field& field)
{
    if (!field) {
        return "<null>";
    }
    return "\"" + escape(field->data(), field->size()) + "\"";
}

const char* c_str(const Field& field)
{
    return field ? field->c_str() : nullptr;
}

class Runner {
  public:
    explicit Runner(fs::path scratch) : scratch_(std::move(scratch)) {}

    std::string file_path(const std::string& relative) const
    {
        std::string path = scratch_.string();
#ifdef _WIN32
        const char separator = '\\';
#else
        const char separator = '/';
#endif
        path += separator;
        for (char c : relative) {
            path += (c == '/') ? separator : c;
        }
        return path;
    }

    bool run_line(const std::string& line, int line_number)
    {
        const std::vector<Field> f = split_fields(line);
        const std::string op = f[0].value_or("");
        std::cout << line_number << ": " << op;
        for (std::size_t i = 1; i < f.size(); ++i) {
            std::cout << ' ' << show(f[i]);
        }
        std::cout << "\n    -> ";
        if ((op == "raw" || op == "utf16le" || op == "utf16be") && f.size() == 3) {
            std::ofstream out(file_path(*f[1]), std::ios::binary | std::ios::trunc);
            out << (op == "raw" ? *f[2] : utf16_file(*f[2], op == "utf16be"));
            std::cout << (out ? "ok" : "failed") << '\n';
        } else if (op == "mkdir" && f.size() == 2) {
            std::error_code error;
            fs::create_directories(file_path(*f[1]), error);
            std::cout << (error ? "failed" : "ok") << '\n';
        } else if (op == "write" && f.size() == 5) {
            const bool ok = zt::platform::write_private_profile_string(
                c_str(f[2]), c_str(f[3]), c_str(f[4]), file_path(*f[1]).c_str());
            std::cout << (ok ? "true" : "false") << '\n';
        } else if (op == "read" && f.size() == 6) {
            const auto size = static_cast<std::uint32_t>(std::stoul(*f[5]));
            std::vector<char> buffer(size + 4, '@');
            const std::uint32_t length = zt::platform::get_private_profile_string(
                c_str(f[2]), c_str(f[3]), c_str(f[4]), buffer.data(), size,
                file_path(*f[1]).c_str());
            const std::size_t shown = std::min<std::size_t>(size, length + 1);
            std::cout << length << " \"" << escape(buffer.data(), shown) << "\"\n";
        } else if (op == "int" && f.size() == 5) {
            const std::uint32_t value = zt::platform::get_private_profile_int(
                c_str(f[2]), c_str(f[3]), std::stoi(*f[4]), file_path(*f[1]).c_str());
            std::cout << static_cast<std::int32_t>(value) << '\n';
        } else {
            std::cout << "bad script line\n";
            return false;
        }
        return true;
    }

    void dump_files() const
    {
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(scratch_)) {
            if (entry.is_regular_file()) {
                files.push_back(fs::relative(entry.path(), scratch_));
            }
        }
        std::sort(files.begin(), files.end());
        for (const fs::path& relative : files) {
            std::ifstream in(scratch_ / relative, std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            const std::string content = bytes.str();
            std::cout << "file " << relative.generic_string() << " (" << content.size()
                      << " bytes)\n    " << escape(content.data(), content.size()) << "\n";
        }
    }

  private:
    fs::path scratch_;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: profile_script_runner SCRATCH_FOLDER SCRIPT\n";
        return 2;
    }
    std::ifstream script(argv[2], std::ios::binary);
    if (!script) {
        std::cerr << "cannot read " << argv[2] << '\n';
        return 2;
    }
    const fs::path scratch = argv[1];
    std::error_code ignored;
    fs::create_directories(scratch, ignored);

    Runner runner(scratch);
    bool all_good = true;
    std::string line;
    for (int line_number = 1; std::getline(script, line); ++line_number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        all_good = runner.run_line(line, line_number) && all_good;
    }
    runner.dump_files();
    return all_good ? 0 : 1;
}
