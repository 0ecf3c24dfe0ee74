// The earlier release's tag functions through their exports, against the
// tag-access and host-support stand-ins: a connection and a tag handle of
// their own for every call, runtime-record messages, positive SetTagEU codes.
#include "scratch_folder.h"
#include "suite_environment.h"
#include "tag_site.h"
#include "test_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using zt::test::function_names;
using zt::test::JournalCall;
using zt::test::read_bytes;
using zt::test::TagSite;
using Messages = std::vector<std::string>;
using Names = std::vector<std::string>;

std::size_t count(const std::vector<JournalCall>& calls, const std::string& function,
                  const std::string& except_result = "")
{
    return static_cast<std::size_t>(std::count_if(calls.begin(), calls.end(), [&](auto& call) {
        return call.function == function && (except_result.empty() || call.result != except_result);
    }));
}

// Every connection opened was shut down and every handle taken was freed; no
// tag was activated.
void expect_everything_given_back(const std::vector<JournalCall>& calls)
{
    EXPECT_EQ(count(calls, "TagportInit", "0"), count(calls, "TagportShutdown"));
    EXPECT_EQ(count(calls, "TagportGetHandle", "0x0"), count(calls, "TagportFreeHandle"));
    EXPECT_EQ(count(calls, "TagportActivate"), 0u);
}

class EarlierTags : public testing::Test {
  protected:
    EarlierTags() { zt::test::suite_log().take_new_messages(); }
    ~EarlierTags() override
    {
        zt::test::unset_environment("VSTSPT_FAIL_GETRDB");
        zt::test::unset_environment("VSTSPT_RDB_NOT_OK");
    }
    Messages reports() { return zt::test::suite_log().take_new_messages(); }

    TagSite site{std::string(zt::test::standard_tags) + "Zero 0 10\n"};
};

TEST_F(EarlierTags, TagExistsAnswersTheTypeOverAConnectionOfItsOwn)
{
    for (const auto& [name, type] : std::vector<std::pair<const char*, int>>{
             {"Pump1", 1}, {"count", 2}, {"Flow", 3}, {"Note", 4}}) {
        EXPECT_EQ(TagExists(name), type) << name;
        EXPECT_EQ(function_names(site.journal.take_new_calls()),
                  (Names{"TagportInit", "TagportGetHandle", "TagportType", "TagportFreeHandle",
                         "TagportShutdown"}));
    }
    EXPECT_EQ(reports(), Messages{});
}

TEST_F(EarlierTags, TagExistsFailures)
{
    const std::string too_long(131, 'T');
    struct Case {
        const char* name;
        int result;
        Messages reports;
    };
    for (const Case& c :
         {Case{"NoSuchTag", -1, {}}, Case{nullptr, -1, {}}, Case{too_long.c_str(), -1, {}},
          Case{"Odd", -4, {"TagExists, tag type unknown"}},
          Case{"Zero", -4, {"TagExists, TagportType failed, unknown type"}}}) {
        EXPECT_EQ(TagExists(c.name), c.result);
        EXPECT_EQ(reports(), c.reports);
    }
    const auto calls = site.journal.take_new_calls();
    expect_everything_given_back(calls);
    for (const JournalCall& call : calls) {
        EXPECT_EQ(call.arguments.find(too_long), std::string::npos) << "never handed over";
    }

    zt::test::set_environment("TAGPORT_REFUSE_CONNECT", "1");
    EXPECT_EQ(TagExists("Pump1"), -2);
    EXPECT_EQ(reports(), Messages{"TagExists: Unable to register tagport"});
    EXPECT_EQ(function_names(site.journal.take_new_calls()), Names{"TagportInit"});
}

TEST_F(EarlierTags, DiscreteMessagesComeFromTheRuntimeRecord)
{
    EXPECT_STREQ(GetDiscOnMsg("Pump1"), "Pump running");
    const char* off = GetDiscOffMsg("pump1");
    EXPECT_STREQ(off, "Pump stopped");
    EXPECT_EQ(GetDiscOnMsg("Pump1"), off); // one shared buffer
    EXPECT_EQ(reports(), Messages{});

    const auto calls = site.journal.take_new_calls();
    expect_everything_given_back(calls);
    const Names names = function_names(calls);
    EXPECT_EQ(Names(names.begin(), names.begin() + 8),
              (Names{"TagportInit", "TagportGetHandle", "TagportType", "TagportFreeHandle",
                     "TagportShutdown", "REBLookupTag", "REBGetRDB", "RDBOK"}));
    EXPECT_EQ(calls[5].arguments, "\"Pump1\"");
}

TEST_F(EarlierTags, AnythingButAReadableDiscreteTagGivesFailure)
{
    struct Case {
        const char* name;
        const char* fault;
        Messages reports;
    };
    for (const Case& c : {
             Case{"Count", nullptr, {"GetDiscMessage failed: Count not discrete tag type"}},
             Case{"Valve.OnMsg",
                  nullptr,
                  {"GetDiscMessage failed: Valve.OnMsg not discrete tag type"}},
             Case{"NoSuchTag", nullptr, {"GetDiscMessage failed: NoSuchTag not discrete tag type"}},
             Case{"Pump1",
                  "TAGPORT_REFUSE_CONNECT",
                  {"TagExists: Unable to register tagport",
                   "GetDiscMessage failed: Pump1 not discrete tag type"}},
             Case{"Pump1",
                  "VSTSPT_FAIL_GETRDB",
                  {"REBGetRDB failed in GetDiscMessage: GetDiscOn/OffMsg"}},
             Case{"Pump1",
                  "VSTSPT_RDB_NOT_OK",
                  {"RDBOK failed in GetDiscMessage: GetDiscOn/OffMsg"}},
         }) {
        EXPECT_STREQ(GetDiscOnMsg("Pump1"), "Pump running");
        EXPECT_EQ(reports(), Messages{});
        if (c.fault != nullptr) {
            zt::test::set_environment(c.fault, "1");
        }
        EXPECT_STREQ(GetDiscOffMsg(c.name), "FAILURE") << c.name;
        EXPECT_EQ(reports(), c.reports) << c.name;
        if (c.fault != nullptr) {
            zt::test::unset_environment(c.fault);
        }
    }
    expect_everything_given_back(site.journal.take_new_calls());
}

TEST_F(EarlierTags, SetTagEUWritesTheFieldOverAConnectionAndHandleOfItsOwn)
{
    EXPECT_EQ(SetTagEU("Flow", "kg/h"), 0); // real tag, index 3
    EXPECT_EQ(read_bytes(site.tag_file()).substr(130 + 512 * 3, 32),
              std::string("kg/h") + std::string(28, '\0'));
    // The type is asked for an integer first, then for a real.
    EXPECT_EQ(function_names(site.journal.take_new_calls()),
              (Names{"TagportInit", "TagportGetHandle", "TagportType", "TagportType",
                     "TagportFreeHandle", "TagportShutdown"}));
    EXPECT_EQ(SetTagEU("Count", "pcs"), 0); // integer tag: asked once
    EXPECT_EQ(count(site.journal.take_new_calls(), "TagportType"), 1u);
    EXPECT_EQ(reports(), Messages{});
    EXPECT_FALSE(zt::test::file_is_open(site.tag_file()));
}

TEST_F(EarlierTags, SetTagEUFailureCodesArePositiveAndEverythingIsGivenBack)
{
    const std::string before = read_bytes(site.tag_file());
    struct Case {
        const char* name;
        const char* units;
        const char* fault;
        int result;
        const char* report;
    };
    for (const Case& c : {
             Case{"Flow", "x", "TAGPORT_REFUSE_CONNECT", 2, "SetTagEU: Unable to register tagport"},
             Case{"NoSuchTag", "x", nullptr, 3, "SetTagEU: Unable to retrieve tag handle"},
             Case{"Pump1", "x", nullptr, 4,
                  "SetTagEU: TagportType returned other than TP_INTEGER or TP_REAL for "
                  "SetDiscOnOffMsg"},
             Case{"Flow", nullptr, nullptr, 13, "SetTagEU: Unable to copy message to buffer"},
         }) {
        if (c.fault != nullptr) {
            zt::test::set_environment(c.fault, "1");
        }
        EXPECT_EQ(SetTagEU(c.name, c.units), c.result) << c.name;
        EXPECT_EQ(reports(), Messages{c.report});
        if (c.fault != nullptr) {
            zt::test::unset_environment(c.fault);
        }
    }
    EXPECT_EQ(read_bytes(site.tag_file()), before);
    std::filesystem::remove(site.tag_file());
    EXPECT_EQ(SetTagEU("Flow", "kg/h"), 7);
    EXPECT_EQ(reports(), Messages{"SetTagEU: Unable to open Tagname.x"});
    EXPECT_FALSE(std::filesystem::exists(site.tag_file()));

    expect_everything_given_back(site.journal.take_new_calls());
}

} // namespace
