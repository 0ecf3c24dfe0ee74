#include "script_parser.h"

#include <cctype>
#include <charconv>

namespace zthost {
namespace {

class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}

    void skip_blanks()
    {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
    }
    bool at_end() const { return pos_ >= text_.size(); }
    char peek() const { return at_end() ? '\0' : text_[pos_]; }
    char take() { return at_end() ? '\0' : text_[pos_++]; }
    bool accept(char c)
    {
        skip_blanks();
        if (peek() == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    std::string_view rest() const { return text_.substr(pos_); }
    void advance(std::size_t count) { pos_ += count; }
    std::size_t column() const { return pos_ + 1; }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool is_name_char(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

std::optional<std::string> parse_text(Cursor& cursor, std::string& error)
{
    const char quote = cursor.take();
    std::string text;
    while (!cursor.at_end()) {
        char c = cursor.take();
        if (c == quote) {
            return text;
        }
        if (c == '\\') {
            const char escaped = cursor.take();
            switch (escaped) {
            case 'n':
                c = '\n';
                break;
            case 't':
                c = '\t';
                break;
            case '\\':
            case '"':
            case '\'':
                c = escaped;
                break;
            default:
                error = std::string("unknown escape \\") + escaped;
                return std::nullopt;
            }
        }
        text += c;
    }
    error = "text without its closing quote";
    return std::nullopt;
}

std::optional<Value> parse_number(Cursor& cursor, std::string& error)
{
    std::string_view rest = cursor.rest();
    std::size_t length = 0;
    while (length < rest.size() &&
           (std::isalnum(static_cast<unsigned char>(rest[length])) || rest[length] == '.' ||
            rest[length] == '+' || rest[length] == '-')) {
        ++length;
    }
    const std::string literal(rest.substr(0, length));
    const char* first = literal.c_str();
    const char* last = first + literal.size();
    const char* digits = (*first == '+') ? first + 1 : first; // from_chars takes no "+"
    Value value;
    if (literal.find_first_of(".eE") == std::string::npos) {
        value.kind = Value::Kind::integer;
        const auto [end, status] = std::from_chars(digits, last, value.integer);
        if (status == std::errc() && end == last) {
            cursor.advance(length);
            return value;
        }
    } else {
        value.kind = Value::Kind::real;
        const auto [end, status] = std::from_chars(digits, last, value.real);
        if (status == std::errc() && end == last) {
            cursor.advance(length);
            return value;
        }
    }
    error = "'" + literal + "' is not a number";
    return std::nullopt;
}

std::optional<Value> parse_argument(Cursor& cursor, std::string& error)
{
    cursor.skip_blanks();
    const char c = cursor.peek();
    if (c == '"' || c == '\'') {
        std::optional<std::string> text = parse_text(cursor, error);
        if (!text) {
            return std::nullopt;
        }
        Value value;
        value.kind = Value::Kind::text;
        value.text = std::move(*text);
        return value;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '.') {
        return parse_number(cursor, error);
    }
    error = "expected a number or a quoted text at column " + std::to_string(cursor.column());
    return std::nullopt;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

Statement parse_statement(std::string_view line)
{
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == '#' || text.starts_with("//")) {
        return std::monostate{};
    }
    if (text.front() == '.') {
        const std::string_view command = text.substr(1);
        const auto blank = command.find_first_of(" \t");
        return HostCommand{std::string(command.substr(0, blank)),
                           blank == std::string_view::npos
                               ? std::string()
                               : std::string(trimmed(command.substr(blank)))};
    }

    Cursor cursor(text);
    Call call;
    while (!cursor.at_end() && is_name_char(cursor.peek())) {
        call.function += cursor.take();
    }
    if (call.function.empty()) {
        return ParseError{"expected a function name"};
    }
    if (!cursor.accept('(')) {
        return ParseError{"expected \"(\" after " + call.function};
    }
    if (!cursor.accept(')')) {
        std::string error;
        do {
            std::optional<Value> argument = parse_argument(cursor, error);
            if (!argument) {
                return ParseError{error};
            }
            call.arguments.push_back(std::move(*argument));
        } while (cursor.accept(','));
        if (!cursor.accept(')')) {
            return ParseError{"expected \",\" or \")\" at column " +
                              std::to_string(cursor.column())};
        }
    }
    cursor.accept(';');
    cursor.skip_blanks();
    if (!cursor.at_end()) {
        return ParseError{"unexpected text after the call at column " +
                          std::to_string(cursor.column())};
    }
    return call;
}

} // namespace zthost
