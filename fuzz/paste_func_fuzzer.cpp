// PasteFunc with names of any length and bytes, one call after another so that
// each meets the previous result the calls before it left.
//
// Input: names separated by NUL bytes. A name that starts with byte 0x01 and a
// count byte c stands for the rest of it repeated 256 * c + 1 times (at most
// 70000 bytes), so that names longer than 65535 characters, whose positions
// wrap, are reached; only the first four such names of an input are repeated
// (the rest are passed as they stand), so that an input costs at most a few
// hundred kilobytes of text. The name "\x02" stands for a null name, "\x03"
// for a null buffer: neither may write anything or change the result.
//
// Each buffer is exactly as large as the caller must provide (the name's
// length plus 58 bytes): the tail of one heap block that is reused from call
// to call, so that the address sanitizer sees any write beyond it, filled
// with non-zero bytes first, so that a text left unterminated runs into the
// sanitizer as well. The text and result are checked against the template
// table read the plain way.
#include "ascii_text.h"
#include "frame/call_templates.h"
#include "ztfunc32.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t buffer_margin = 58;

void fail(const char* what, std::string_view name)
{
    std::fprintf(stderr, "PasteFunc: %s for a name of %zu bytes\n", what, name.size());
    std::abort();
}

std::vector<std::string> names_of(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> names;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    int repeats_left = 4;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\0');
        std::string name(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (name.size() >= 2 && name[0] == '\x01' && repeats_left-- > 0) {
            const std::string unit = name.substr(2);
            const std::size_t copies = 256 * static_cast<unsigned char>(name[1]) + 1;
            const std::size_t length =
                unit.empty() ? 0 : std::min(copies, 70000 / unit.size()) * unit.size();
            // Doubling keeps a 70000-byte name cheap under the sanitizers.
            name = unit.substr(0, length);
            name.reserve(length);
            while (!name.empty() && name.size() * 2 <= length) {
                name += name;
            }
            name.append(name.data(), length - name.size());
        }
        names.push_back(std::move(name));
    }
    return names;
}

// A buffer of exactly `size` bytes that ends where its heap block ends. The
// block grows when a longer name needs it and is otherwise kept: a fresh
// block of 70 kilobytes per call costs the sanitizer a mapping each time.
char* buffer_of_size(std::size_t size)
{
    static std::unique_ptr<char[]> block;
    static std::size_t block_size = 0;
    if (size > block_size) {
        block = std::make_unique_for_overwrite<char[]>(size);
        block_size = size;
    }
    char* buffer = block.get() + (block_size - size);
    std::memset(buffer, 0x5A, size);
    return buffer;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The previous result lives for the life of the library: a run of inputs
    // goes on from wherever the inputs before it left it.
    static std::int32_t previous = PasteFunc("no such function", std::vector<char>(80).data());

    for (const std::string& name : names_of(data, size)) {
        if (name == "\x02" || name == "\x03") {
            char untouched[buffer_margin] = "untouched";
            const std::int32_t result =
                name == "\x02" ? PasteFunc(nullptr, untouched) : PasteFunc("GeoArea", nullptr);
            if (result != previous || std::string_view(untouched) != "untouched") {
                fail("a null argument wrote or changed the result", name);
            }
            continue;
        }
        char* const buffer = buffer_of_size(name.size() + buffer_margin);
        const std::int32_t result = PasteFunc(name.c_str(), buffer);
        const std::string_view text(buffer);

        const zt::frame::CallTemplate* row = nullptr;
        for (const zt::frame::CallTemplate& candidate : zt::frame::call_templates) {
            if (zt::fuzz::same_ignoring_case(name, candidate.function_name)) {
                row = &candidate;
            }
        }
        if (row == nullptr) {
            if (result != previous || text != name + "(") {
                fail("a name without a template changed the result or the text", name);
            }
            continue;
        }
        if (text != name + std::string(row->parameters)) {
            fail("the text is not the name and its template", name);
        }
        std::size_t first_end = 2;
        while (first_end < row->parameters.size() && row->parameters[first_end] != ',' &&
               row->parameters[first_end] != ' ') {
            ++first_end;
        }
        const std::uint32_t start = (name.size() + 2) % 65536;
        const std::uint32_t end = (name.size() + first_end) % 65536;
        if (static_cast<std::uint32_t>(result) != end * 65536 + start) {
            fail("the marked positions are wrong", name);
        }
        previous = result;
    }
    return 0;
}
