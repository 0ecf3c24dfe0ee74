// The try-out host: its script syntax, and sessions against the built library.
#include "dynamic_library.h"
#include "export_signatures.h"
#include "script_parser.h"
#include "script_runner.h"
#include "script_value.h"
#include "test_environment.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using zthost::Call;
using zthost::ParseError;
using zthost::Value;

TEST(ZthostParser, ReadsCallsInTheTemplateSyntax)
{
    const auto statement = zthost::parse_statement("  GeoArea( 2, -3.5e0, +1 );  ");
    const auto* call = std::get_if<Call>(&statement);
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->function, "GeoArea");
    ASSERT_EQ(call->arguments.size(), 3u);
    EXPECT_EQ(call->arguments[0].kind, Value::Kind::integer);
    EXPECT_EQ(call->arguments[0].integer, 2);
    EXPECT_EQ(call->arguments[1].kind, Value::Kind::real);
    EXPECT_DOUBLE_EQ(call->arguments[1].real, -3.5);
    EXPECT_EQ(call->arguments[2].integer, 1);

    const auto texts = zthost::parse_statement(R"(INIReadString("a \"b\"", 'it\'s', "") )");
    const auto* text_call = std::get_if<Call>(&texts);
    ASSERT_NE(text_call, nullptr);
    EXPECT_EQ(text_call->arguments[0].text, "a \"b\"");
    EXPECT_EQ(text_call->arguments[1].text, "it's");
    EXPECT_EQ(text_call->arguments[2].text, "");

    const auto empty = zthost::parse_statement("SystemIsNT( );");
    ASSERT_NE(std::get_if<Call>(&empty), nullptr);
    EXPECT_TRUE(std::get<Call>(empty).arguments.empty());
}

TEST(ZthostParser, SkipsCommentsAndReportsMalformedStatements)
{
    EXPECT_TRUE(std::holds_alternative<std::monostate>(zthost::parse_statement("# note")));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(zthost::parse_statement("// note")));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(zthost::parse_statement("   ")));
    for (const char* bad : {"GeoArea 2, 3", "GeoArea( 2, 3", "GeoArea( 2x )", "GeoArea( \"open )",
                            "GeoArea( 1 ) extra", "( 1 )"}) {
        EXPECT_TRUE(std::holds_alternative<ParseError>(zthost::parse_statement(bad))) << bad;
    }
}

TEST(ZthostParser, ArgumentsWrittenBackReadAsTheSameValues)
{
    for (const char* argument :
         {"123456789012345678901.0", "1e300", "-0.0", "2.5", "2.0", "-7", "\"a\\\"b\\n\""}) {
        const auto first = zthost::parse_statement(std::string("F( ") + argument + " )");
        const Value& value = std::get<Call>(first).arguments.at(0);
        const auto again = zthost::parse_statement("F( " + zthost::to_script_text(value) + " )");
        const auto* call = std::get_if<Call>(&again);
        ASSERT_NE(call, nullptr) << argument << " written as " << zthost::to_script_text(value);
        const Value& read = call->arguments.at(0);
        EXPECT_EQ(read.text, value.text) << argument;
        const auto number = [](const Value& v) {
            return v.kind == Value::Kind::real ? v.real : static_cast<double>(v.integer);
        };
        EXPECT_EQ(number(read), number(value)) << argument;
    }
}

class ZthostSession : public testing::Test {
  protected:
    int run(const std::string& script)
    {
        std::istringstream in(script);
        zthost::ScriptRunner runner(library, out, err);
        return runner.run(in);
    }
    zthost::DynamicLibrary library{zt::test::library_path()};
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ZthostSession, PastesATemplateAndMarksItsFirstParameter)
{
    ASSERT_TRUE(library.loaded()) << library.error();
    EXPECT_EQ(run("PasteFunc( \"geoarea\" );\n"), 0) << err.str();
    EXPECT_EQ(out.str(), "PasteFunc( \"geoarea\" ) -> 851977 (9, 13)\n"
                         "    geoarea( Base, Height, Shape );\n"
                         "             ^^^^\n");
}

TEST_F(ZthostSession, ErrorsNameTheLineAndTheSessionGoesOn)
{
    ASSERT_TRUE(library.loaded()) << library.error();
    const int failures = run("NoSuch( 1 );\n"
                             "ZtDllFree( 1 );\n"
                             "PasteFunc( 5 );\n"
                             "PasteFunc( \"GeoArea\", \"buffer\" );\n"
                             "\n"
                             "ZtDllFree();\n");
    EXPECT_EQ(failures, 4);
    EXPECT_NE(err.str().find("line 1: no function named NoSuch"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("line 2: ZtDllFree takes 0 argument(s)"), std::string::npos);
    EXPECT_NE(err.str().find("line 3: PasteFunc takes one argument"), std::string::npos);
    EXPECT_NE(err.str().find("line 4: PasteFunc takes one argument"), std::string::npos);
    EXPECT_EQ(out.str(), "ZtDllFree() -> (no result)\n");
}

TEST(ZthostBuild, NamesAFunctionTheLoadedBuildDoesNotExport)
{
    // The logger stand-in exports none of the library's functions.
#if defined(_WIN32)
    zthost::DynamicLibrary other(zt::test::logger_directory() + "\\ZTDEBUG.DLL");
#else
    zthost::DynamicLibrary other(zt::test::logger_directory() + "/libztdebug.so");
#endif
    ASSERT_TRUE(other.loaded()) << other.error();
    std::ostringstream out;
    std::ostringstream err;
    zthost::ScriptRunner runner(other, out, err);
    std::istringstream script("\nGeoArea( 2, 3, 1 );\n");
    EXPECT_EQ(runner.run(script), 1);
    EXPECT_EQ(err.str(), "line 2: GeoArea is not exported by this build\n");
    EXPECT_EQ(out.str(), "");
}

// zthost tells the releases apart by their exports and calls each with its
// own conventions; GeoArea's circle shows which release answered.
TEST(ZthostBuild, LoadsEitherRelease)
{
    struct Case {
        std::string path;
        zthost::Release release;
        zthost::Convention disc_message_convention;
        const char* geo_area;
    };
    for (const Case& c : {Case{zt::test::library_path(), zthost::Release::current,
                               zthost::Convention::callee, "GeoArea( 2, 0, 3 ) -> 0\n"},
                          Case{zt::test::earlier_library_path(), zthost::Release::earlier,
                               zthost::Convention::caller, "GeoArea( 2, 0, 3 ) -> 12.56636\n"}}) {
        zthost::DynamicLibrary library(c.path);
        ASSERT_TRUE(library.loaded()) << c.path << ": " << library.error();
        EXPECT_EQ(zthost::detect_release(library), c.release) << c.path;
        for (const char* name : {"GetDiscOnMsg", "GetDiscOffMsg"}) {
            EXPECT_EQ(zthost::find_signature(name, c.release)->convention,
                      c.disc_message_convention)
                << name;
        }
        std::ostringstream out;
        std::ostringstream err;
        zthost::ScriptRunner runner(library, out, err);
        std::istringstream script("GeoArea( 2, 0, 3 );\n");
        EXPECT_EQ(runner.run(script), 0) << err.str();
        EXPECT_EQ(out.str(), c.geo_area) << c.path;
    }
}

} // namespace
