// zthost's script parser, and the tag-database line parser its tag commands
// use, over lines of any bytes.
//
// Input: lines separated by '\n'.
//
// Checked: a line that parses as a call, written back the way zthost echoes
// calls, parses again as the same call (the same function, the same texts,
// the same numbers; a real that is a whole number may come back as an
// integer); a parse error says what is wrong. A line that parses as a tag,
// formatted as the database file holds it, parses again as the same tag.
#include "script_parser.h"
#include "script_value.h"
#include "tag_database.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <variant>

namespace {

[[noreturn]] void fail(const char* what, std::string_view line)
{
    std::fprintf(stderr, "zthost script: %s\nline: \"%.*s\"\n", what, static_cast<int>(line.size()),
                 line.data());
    std::abort();
}

bool same_value(const zthost::Value& first, const zthost::Value& again)
{
    using Kind = zthost::Value::Kind;
    switch (first.kind) {
    case Kind::text:
        return again.kind == Kind::text && again.text == first.text;
    case Kind::integer:
        return again.kind == Kind::integer && again.integer == first.integer;
    case Kind::real:
        break;
    }
    if (again.kind == Kind::integer) {
        return static_cast<double>(again.integer) == first.real;
    }
    return again.kind == Kind::real &&
           std::memcmp(&again.real, &first.real, sizeof first.real) == 0;
}

void check_call(const zthost::Call& call, std::string_view line)
{
    std::string echoed = call.function + "(";
    for (std::size_t i = 0; i < call.arguments.size(); ++i) {
        echoed += (i == 0 ? " " : ", ") + zthost::to_script_text(call.arguments[i]);
    }
    echoed += call.arguments.empty() ? ");" : " );";
    const zthost::Statement again = zthost::parse_statement(echoed);
    const auto* reparsed = std::get_if<zthost::Call>(&again);
    if (reparsed == nullptr) {
        if (const auto* error = std::get_if<zthost::ParseError>(&again)) {
            std::fprintf(stderr, "echoed: %s\nerror: %s\n", echoed.c_str(), error->message.c_str());
        }
        fail("a call written back does not parse as a call", line);
    }
    if (reparsed->function != call.function ||
        reparsed->arguments.size() != call.arguments.size()) {
        fail("a call written back names another function or has other arguments", line);
    }
    for (std::size_t i = 0; i < call.arguments.size(); ++i) {
        if (!same_value(call.arguments[i], reparsed->arguments[i])) {
            std::fprintf(stderr, "echoed: %s\n", echoed.c_str());
            fail("an argument written back reads as another value", line);
        }
    }
}

void check_tag_line(std::string_view line)
{
    std::string error;
    const std::optional<tagport::TagEntry> entry = tagport::parse_tag_line(line, error);
    if (!entry) {
        return;
    }
    const std::string formatted = tagport::format_tag_line(*entry);
    const std::optional<tagport::TagEntry> again = tagport::parse_tag_line(formatted, error);
    if (!again || again->name != entry->name || again->type != entry->type ||
        again->index != entry->index || again->text != entry->text) {
        std::fprintf(stderr, "formatted: %s\n", formatted.c_str());
        fail("a tag line formatted for the database reads as another tag", line);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);

        const zthost::Statement statement = zthost::parse_statement(line);
        if (const auto* call = std::get_if<zthost::Call>(&statement)) {
            check_call(*call, line);
        } else if (const auto* error = std::get_if<zthost::ParseError>(&statement)) {
            if (error->message.empty()) {
                fail("a parse error without a message", line);
            }
        }
        check_tag_line(line);
    }
    return 0;
}
