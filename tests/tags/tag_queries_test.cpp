// Tag queries through the exports, against the tag-access stand-in.
#include "library/application.h"
#include "suite_environment.h"
#include "tag_site.h"
#include "tags/shared_tags.h"
#include "test_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using zt::test::function_names;
using zt::test::JournalCall;
using zt::test::tags_left_active;
using zt::test::TagSite;

constexpr const char* connect_report = "Failure: TagExists Func. - Unable to connect to Tagport.";
constexpr const char* activate_report =
    "Failure: TagExists Func. - Unable to activate specified tag.";
constexpr const char* activate_text = "Failure: Unable to activate specified tag.";

using Messages = std::vector<std::string>;

class TagQueries : public testing::Test {
  protected:
    void SetUp() override { zt::test::suite_log().take_new_messages(); }
    Messages reports() { return zt::test::suite_log().take_new_messages(); }

    TagSite site;
};

TEST_F(TagQueries, TagExistsAnswersTheTypeCodeAndGivesTheTagBack)
{
    EXPECT_EQ(TagExists("Pump1"), 1);
    EXPECT_EQ(TagExists("Count"), 2);
    EXPECT_EQ(TagExists("Flow"), 3);
    EXPECT_EQ(TagExists("Note"), 4);
    EXPECT_EQ(TagExists("Odd"), 9); // passed through unchanged
    EXPECT_EQ(TagExists("pump1.onmsg"), 4);
    EXPECT_EQ(reports(), Messages{});

    const std::vector<JournalCall> calls = site.journal.take_new_calls();
    EXPECT_EQ(tags_left_active(calls), std::vector<std::string>{});
    // One connection for all six, opened by the first and checked by the others.
    const auto names = function_names(calls);
    ASSERT_GE(names.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 5),
              (std::vector<std::string>{"TagportInit", "TagportActivate", "TagportType",
                                        "TagportIsActive", "TagportDeactivate"}));
    EXPECT_EQ(std::count(names.begin(), names.end(), "TagportInit"), 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), "TagportCheck"), 5);
    EXPECT_EQ(calls[1].arguments, calls[0].result + ", \"Pump1\"");
}

TEST_F(TagQueries, MissingTagsAreReportedWithTheActivationText)
{
    EXPECT_EQ(TagExists("NoSuchTag"), -3);
    EXPECT_EQ(reports(), Messages{activate_report});

    zt::test::set_environment("TAGPORT_FAIL_ACTIVATE", "Other;Flow");
    EXPECT_EQ(TagExists("Flow"), -3);
    EXPECT_EQ(reports(), Messages{activate_report});

    // A null name cannot be activated; the stand-in is not even asked.
    EXPECT_EQ(TagExists(nullptr), -3);
    const auto names = function_names(site.journal.take_new_calls());
    EXPECT_EQ(std::count(names.begin(), names.end(), "TagportActivate"), 2);
    EXPECT_EQ(std::count(names.begin(), names.end(), "TagportDeactivate"), 0);
}

TEST_F(TagQueries, NamesThatDoNotFitTheNameBufferAreRefusedUnasked)
{
    const std::string longest(130, 'L');
    const std::string too_long(131, 'L');
    TagSite long_site(longest + " integer 1\n" + std::string(124, 'D') + " discrete 2\n" +
                      std::string(124, 'D') + ".OnMsg message 3 on\n" + std::string(124, 'D') +
                      ".OffMsg message 4 off\n");
    EXPECT_EQ(TagExists(longest.c_str()), 2);
    EXPECT_EQ(TagExists(too_long.c_str()), -3);
    EXPECT_EQ(reports(), Messages{activate_report});

    // 124 characters and ".OnMsg" fill the buffer; ".OffMsg" is one too many.
    const std::string discrete(124, 'D');
    EXPECT_STREQ(GetDiscOnMsg(discrete.c_str()), "on");
    EXPECT_STREQ(GetDiscOffMsg(discrete.c_str()), activate_text);
    EXPECT_EQ(reports(), Messages{});

    for (const JournalCall& call : long_site.journal.take_new_calls()) {
        if (call.function == "TagportActivate") {
            const std::string quoted_name = call.arguments.substr(call.arguments.find('"'));
            EXPECT_LE(quoted_name.size(), 130u + 2) << quoted_name;
        }
    }
}

TEST_F(TagQueries, DiscreteMessagesAreReadFromTheirMessageFields)
{
    EXPECT_STREQ(GetDiscOnMsg("Pump1"), "Pump running");
    const char* off = GetDiscOffMsg("Pump1");
    EXPECT_STREQ(off, "Pump stopped");
    // Both return the one shared buffer.
    EXPECT_EQ(GetDiscOnMsg("Pump1"), off);

    EXPECT_STREQ(GetDiscOnMsg("NoSuchTag"), activate_text);
    EXPECT_STREQ(GetDiscOnMsg("Valve"), "Failure: Specified tag not of Message type");
    EXPECT_STREQ(GetDiscOffMsg(nullptr), activate_text);
    EXPECT_EQ(reports(), Messages{});

    const std::vector<JournalCall> calls = site.journal.take_new_calls();
    EXPECT_EQ(tags_left_active(calls), std::vector<std::string>{});
    bool asked_with_capacity = false;
    for (const JournalCall& call : calls) {
        if (call.function == "TagportActivate" &&
            call.arguments.find("Pump1") != std::string::npos) {
            EXPECT_TRUE(call.arguments.ends_with("\"Pump1.OnMsg\"") ||
                        call.arguments.ends_with("\"Pump1.OffMsg\""));
        }
        if (call.function == "TagportGetMessage") {
            asked_with_capacity = call.arguments.ends_with(", 131");
        }
    }
    EXPECT_TRUE(asked_with_capacity);
}

TEST_F(TagQueries, OnMessageTextIsCutToTheBufferCapacity)
{
    TagSite long_text("Tank discrete 1\nTank.OnMsg message 2 " + std::string(200, 'x') + "\n");
    EXPECT_EQ(std::string(GetDiscOnMsg("Tank")), std::string(130, 'x'));
}

TEST_F(TagQueries, RefusedConnectionGivesMinusTwoAndKeepsTheMessageBuffer)
{
    EXPECT_STREQ(GetDiscOnMsg("Pump1"), "Pump running");
    zt::test::close_library_connection();
    site.journal.take_new_calls();

    zt::test::set_environment("TAGPORT_REFUSE_CONNECT", "1");
    EXPECT_EQ(TagExists("Pump1"), -2);
    EXPECT_EQ(reports(), Messages{connect_report});
    EXPECT_STREQ(GetDiscOffMsg("Pump1"), "Pump running");
    EXPECT_EQ(reports(), Messages{connect_report});
    EXPECT_EQ(zt::tags::shared_tags().connection(), 0u);
    EXPECT_EQ(function_names(site.journal.take_new_calls()),
              (std::vector<std::string>{"TagportInit", "TagportInit"}));
}

TEST_F(TagQueries, FailedCheckKeepsTheStoredConnection)
{
    EXPECT_STREQ(GetDiscOnMsg("Pump1"), "Pump running");
    const auto connection = zt::tags::shared_tags().connection();
    ASSERT_NE(connection, 0u);

    zt::test::set_environment("TAGPORT_FAIL_CHECK", "1");
    EXPECT_EQ(TagExists("Flow"), -2);
    EXPECT_STREQ(GetDiscOffMsg("Pump1"), "Pump running");
    EXPECT_EQ(reports(), (Messages{connect_report, connect_report}));
    EXPECT_EQ(zt::tags::shared_tags().connection(), connection);
    zt::test::clear_tagport_faults();
    EXPECT_EQ(TagExists("Flow"), 3);
    EXPECT_EQ(zt::tags::shared_tags().connection(), connection);

    const auto names = function_names(site.journal.take_new_calls());
    EXPECT_EQ(std::count(names.begin(), names.end(), "TagportInit"), 1);
}

} // namespace
