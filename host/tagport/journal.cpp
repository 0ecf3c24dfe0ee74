#include "journal.h"

#include <charconv>

namespace tagport {

std::string tag_argument(TP_TAG tag)
{
    char digits[2 * sizeof(TP_TAG) + 1] = {};
    const auto result = std::to_chars(digits, digits + sizeof digits - 1, tag, 16);
    return "0x" + std::string(digits, result.ptr);
}

void journal(const std::string& line)
{
    standin::append_journal_line("TAGPORT_JOURNAL", line);
}

} // namespace tagport
