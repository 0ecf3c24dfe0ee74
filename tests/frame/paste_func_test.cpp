// Call templates through the PasteFunc export.
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
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

// Every row of the template table, as the script editor pastes it: the name,
// its parameter template, and the first parameter marked.
TEST(PasteFunc, EveryFunctionGetsItsTemplateWithTheFirstParameterMarked)
{
    struct Row {
        const char* name;
        const char* parameters;
        const char* marked;
    };
    const Row rows[] = {
        {"StdFromMetLinear", "( MetricValue, MetricUnits, StandardUnits );", "MetricValue"},
        {"MetFromStdLinear", "( StandardValue, StandardUnits, MetricUnits );", "StandardValue"},
        {"StdFromMetFluid", "( MetricValue, MetricUnits, StandardUnits );", "MetricValue"},
        {"MetFromStdFluid", "( StandardValue, StandardUnits, MetricUnits );", "StandardValue"},
        {"StdFromMetWeight", "( MetricValue, MetricUnits, StandardUnits );", "MetricValue"},
        {"MetFromStdWeight", "( StandardValue, StandardUnits, MetricUnits );", "StandardValue"},
        {"ConvertTemp", "( Value, FromUnits, ToUnits );", "Value"},
        {"GeoArea", "( Base, Height, Shape );", "Base"},
        {"GeoEqualSideArea", "( SideLength, NumOfSides );", "SideLength"},
        {"GeoVolume", "( Base, Height, Width, Shape );", "Base"},
        {"INIWriteString", "( FileName, Section, Key, Message );", "FileName"},
        {"INIReadString", "( FileName, Section, Key );", "FileName"},
        {"INIWriteInteger", "( FileName, Section, Key, Value );", "FileName"},
        {"INIReadInteger", "( FileName, Section, Key );", "FileName"},
        {"STATXSetStartDate", "( StartYear, StartMonth, StartDay );", "StartYear"},
        {"STATXSetEndDate", "( EndYear, EndMonth, EndDay );", "EndYear"},
        {"STATXSetStartTime", "( StartHour, StartMin, StartSec );", "StartHour"},
        {"STATXSetEndTime", "( EndHour, EndMin, EndSec );", "EndHour"},
        {"STATXSetProduct", "( ProductName );", "ProductName"},
        {"STATXSetDataset", "( DatasetName );", "DatasetName"},
        {"STATXSetOutputFile", "( OutputFileName );", "OutputFileName"},
        {"ZtShutDownWinNT40", "( ShutDownFlag );", "ShutDownFlag"},
        {"ZtShutDownWin95", "( ShutDownFlag );", "ShutDownFlag"},
        {"ZtBeep32", "( Freq_37to14000, Dur_msecs );", "Freq_37to14000"},
        {"TagExists", "( Tagname );", "Tagname"},
        {"GetDiscOnMsg", "( Tagname );", "Tagname"},
        {"GetDiscOffMsg", "( Tagname );", "Tagname"},
        {"SetTagEU", "( Tagname, Message );", "Tagname"},
        {"ZtCntx32", "( WindowName, Left, Top, Width, Height, Tagname, Value );", "WindowName"},
        {"ZtCntx32Cleanup", "();", ";"},
        {"SystemIsNT", "( );", ");"},
        {"CreateFilenameFromDate", "( Format, Prefix, Postfix, DayOffset );", "Format"},
        {"ZtShowWindowsTaskbar", "();", ";"},
    };
    for (const Row& row : rows) {
        const Pasted pasted = paste(row.name);
        const auto start = static_cast<std::int32_t>(std::strlen(row.name)) + 2;
        const auto end = start + static_cast<std::int32_t>(std::strlen(row.marked));
        EXPECT_EQ(pasted.text, std::string(row.name) + row.parameters);
        EXPECT_EQ(pasted.result, end * 65536 + start) << row.name;
        EXPECT_EQ(pasted.marked(), row.marked) << row.name;
    }
    // Every script function of the export table has its row here: only
    // PasteFunc and the logger's exports have no template.
    const std::string exported[] = {
#define ZT_EXPORT(function, name, ordinal, earlier_ordinal, cleanup, bytes, framed) #function,
#include "exports.inc"
#undef ZT_EXPORT
    };
    for (const std::string& function : exported) {
        const bool has_row = std::any_of(std::begin(rows), std::end(rows),
                                         [&](const Row& row) { return function == row.name; });
        EXPECT_EQ(has_row,
                  function != "PasteFunc" && function != "ZtDllInit" && function != "ZtDllFree")
            << function;
    }
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
