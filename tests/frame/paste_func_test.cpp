// Call templates through the PasteFunc export.
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Pasted {
    std::int32_t result;
    std::string text;
    std::string marked() const
    {
        const auto start = static_cast<std::uint32_t>(result) & 0xFFFFu;
        const auto end = static_cast<std::uint32_t>(result) >> 16;
        return text.substr(start, end - start);
    }
};

Pasted paste(const std::string& name)
{
    char buffer[256];
    std::fill(std::begin(buffer), std::end(buffer), 'X');
    const std::int32_t result = PasteFunc(name.c_str(), buffer);
    return {result, buffer};
}

TEST(PasteFunc, MatchesWithoutRegardToCaseAndKeepsTheCallersSpelling)
{
    const Pasted pasted = paste("geoarea");
    EXPECT_EQ(pasted.text, "geoarea( Base, Height, Shape );");
    EXPECT_EQ(pasted.result, 13 * 65536 + 9);
    EXPECT_EQ(pasted.marked(), "Base");
}

TEST(PasteFunc, MarksTheFirstParameterName)
{
    struct Case {
        const char* name;
        std::int32_t result;
        const char* marked;
    };
    const Case cases[] = {
        {"StdFromMetLinear", 29 * 65536 + 18, "MetricValue"},
        {"TagExists", 18 * 65536 + 11, "Tagname"},
        {"ZtBeep32", 24 * 65536 + 10, "Freq_37to14000"},
        {"CreateFilenameFromDate", 30 * 65536 + 24, "Format"},
    };
    for (const Case& c : cases) {
        const Pasted pasted = paste(c.name);
        EXPECT_EQ(pasted.result, c.result) << c.name;
        EXPECT_EQ(pasted.marked(), c.marked) << c.name;
    }
}

TEST(PasteFunc, EmptyParameterListsMarkTheirClosingCharacters)
{
    const Pasted system = paste("SystemIsNT");
    EXPECT_EQ(system.text, "SystemIsNT( );");
    EXPECT_EQ(system.result, 14 * 65536 + 12);
    EXPECT_EQ(system.marked(), ");");

    const Pasted cleanup = paste("ZtCntx32Cleanup");
    EXPECT_EQ(cleanup.text, "ZtCntx32Cleanup();");
    EXPECT_EQ(cleanup.result, 18 * 65536 + 17);
    EXPECT_EQ(cleanup.marked(), ";");
}

TEST(PasteFunc, NameWithoutTemplateGetsAParenthesisAndThePreviousResult)
{
    paste("geoarea");
    for (const char* name : {"PasteFunc", "ZtDllInit", " GeoArea", "GeoArea ", "Geo", ""}) {
        const Pasted pasted = paste(name);
        EXPECT_EQ(pasted.text, std::string(name) + "(") << '"' << name << '"';
        EXPECT_EQ(pasted.result, 851977) << '"' << name << '"';
    }
}

TEST(PasteFunc, NullArgumentsWriteNothingAndGiveThePreviousResult)
{
    paste("TagExists");
    char buffer[8] = "keep";
    EXPECT_EQ(PasteFunc(nullptr, buffer), 1179659);
    EXPECT_STREQ(buffer, "keep");
    EXPECT_EQ(PasteFunc("GeoArea", nullptr), 1179659);
}

} // namespace
