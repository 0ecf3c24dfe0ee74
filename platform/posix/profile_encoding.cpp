#include "platform/posix/profile_encoding.h"

#include "platform/posix/ansi_code_page.h"

#include <cstddef>
#include <cstdint>

namespace zt::platform::posix {

namespace {

constexpr std::string_view utf8_mark = "\xEF\xBB\xBF";
constexpr std::string_view utf16le_mark = "\xFF\xFE";
constexpr std::string_view utf16be_mark = "\xFE\xFF";
constexpr char32_t replacement = 0xFFFD;

bool is_surrogate(char32_t c)
{
    return c >= 0xD800 && c <= 0xDFFF;
}

unsigned char byte_at(std::string_view text, std::size_t i)
{
    return static_cast<unsigned char>(text[i]);
}

void append_utf8(std::string& out, char32_t c)
{
    const auto put = [&out](std::uint32_t byte) { out += static_cast<char>(byte); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

// One character of UTF-8 from a file, starting at text[i] (a byte >= 0x80);
// moves i past the bytes it takes. See the header for what counts as bad.
char32_t decode_file_utf8_sequence(std::string_view text, std::size_t& i)
{
    const unsigned char lead = byte_at(text, i++);
    const std::size_t following = (lead >= 0xC2 && lead <= 0xDF)   ? 1
                                  : (lead >= 0xE0 && lead <= 0xEF) ? 2
                                  : (lead >= 0xF0 && lead <= 0xF4) ? 3
                                                                   : 0;
    if (following == 0) {
        return replacement;
    }
    if (text.size() - i < following) {
        i = text.size();
        return replacement;
    }
    char32_t value = lead & (0x3Fu >> following);
    for (std::size_t left = following; left > 0; --left) {
        const unsigned char next = byte_at(text, i);
        if ((next & 0xC0) != 0x80) {
            return replacement;
        }
        const char32_t extended = (value << 6) | (next & 0x3Fu);
        if (left == 2 && extended >= (0x110000 >> 6)) {
            return replacement;
        }
        value = extended;
        ++i;
        const bool overlong = (left == 3 && value < 0x10) || (left == 2 && value < 0x20) ||
                              (left == 1 && value < 0x80);
        const bool surrogate = left == 2 && value >= (0xD800 >> 6) && value <= (0xDFFF >> 6);
        if (overlong || surrogate) {
            return replacement;
        }
    }
    return value;
}

std::string decode_file_utf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        if (byte_at(bytes, i) < 0x80) {
            text += bytes[i++];
        } else {
            append_utf8(text, decode_file_utf8_sequence(bytes, i));
        }
    }
    return text;
}

std::string decode_utf16(std::string_view bytes, bool big_endian)
{
    const auto unit_at = [&](std::size_t i) -> char32_t {
        if (i + 1 >= bytes.size()) {
            return byte_at(bytes, i); // an odd last byte
        }
        return big_endian ? (char32_t{byte_at(bytes, i)} << 8) | byte_at(bytes, i + 1)
                          : (char32_t{byte_at(bytes, i + 1)} << 8) | byte_at(bytes, i);
    };
    std::string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t unit = unit_at(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit_at(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        append_utf8(text, unit);
    }
    return text;
}

// One character of text held as UTF-8 (always well formed, surrogates aside).
char32_t next_character(std::string_view text, std::size_t& i)
{
    const unsigned char lead = byte_at(text, i++);
    if (lead < 0x80) {
        return lead;
    }
    const std::size_t following = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    char32_t value = lead & (0x3Fu >> following);
    for (std::size_t n = 0; n < following && i < text.size(); ++n) {
        value = (value << 6) | (byte_at(text, i++) & 0x3Fu);
    }
    return value;
}

std::string encode_utf16(std::string_view text, bool big_endian)
{
    std::string bytes(big_endian ? utf16be_mark : utf16le_mark);
    bytes.reserve(2 + 2 * text.size());
    const auto put_unit = [&](char32_t unit) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes += big_endian ? high : low;
        bytes += big_endian ? low : high;
    };
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = next_character(text, i);
        if (c >= 0x10000) {
            put_unit(0xD800 + ((c - 0x10000) >> 10));
            put_unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            put_unit(c);
        }
    }
    return bytes;
}

} // namespace

ProfileText decode_profile(std::string_view bytes)
{
    if (bytes.substr(0, utf8_mark.size()) == utf8_mark) {
        return {ProfileEncoding::utf8, decode_file_utf8(bytes.substr(utf8_mark.size()))};
    }
    if (bytes.substr(0, 2) == utf16le_mark) {
        return {ProfileEncoding::utf16le, decode_utf16(bytes.substr(2), false)};
    }
    if (bytes.substr(0, 2) == utf16be_mark) {
        return {ProfileEncoding::utf16be, decode_utf16(bytes.substr(2), true)};
    }
    return {ProfileEncoding::ansi, std::string(bytes)};
}

std::string encode_profile(const ProfileText& text)
{
    switch (text.encoding) {
    case ProfileEncoding::utf8:
        return std::string(utf8_mark) + text.text;
    case ProfileEncoding::utf16le:
        return encode_utf16(text.text, false);
    case ProfileEncoding::utf16be:
        return encode_utf16(text.text, true);
    case ProfileEncoding::ansi:
        break;
    }
    return text.text;
}

std::string from_ansi(std::string_view ansi, ProfileEncoding encoding)
{
    if (encoding == ProfileEncoding::ansi) {
        return std::string(ansi);
    }
    std::string text;
    text.reserve(ansi.size());
    for (const char c : ansi) {
        append_utf8(text, code_point_of_ansi(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string to_ansi(std::string_view text, ProfileEncoding encoding)
{
    if (encoding == ProfileEncoding::ansi) {
        return std::string(text);
    }
    std::string ansi;
    ansi.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = next_character(text, i);
        if (c >= 0x10000) {
            ansi += "??"; // two UTF-16 units, neither of them a character of its own
        } else {
            ansi += static_cast<char>(is_surrogate(c) ? '?' : ansi_of_code_point(c));
        }
    }
    return ansi;
}

} // namespace zt::platform::posix
