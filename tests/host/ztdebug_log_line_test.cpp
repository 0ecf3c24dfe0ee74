// Lines of the logger stand-in's log.
#include "log_line.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <string>

namespace {

std::string expand(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = ztdebug::expand(format, args);
    va_end(args);
    return text;
}

TEST(LoggerLogLine, ExpandsValuesWithoutLengthLimit)
{
    const std::string long_value(5000, 'a');
    EXPECT_EQ(expand("%s|%d|0x%0x", long_value.c_str(), -3, 255), long_value + "|-3|0xff");
}

TEST(LoggerLogLine, OneReportStaysOneLine)
{
    const std::string line = ztdebug::log_line(0, "ZtFunc32_71     /", "two\nlines\r");
    EXPECT_EQ(line.find('\n'), line.size() - 1);
    EXPECT_NE(line.find(" ZtFunc32_71     /two lines "), std::string::npos);
    EXPECT_EQ(line.size(), 20u + 17u + 10u + 1u);
}

} // namespace
