// The tag-access stand-in as a product: its database file, its answers,
// fault injection, the journal and the substitute tagname.x.
#include "connections.h"
#include "tag_database.h"
#include "tag_file.h"
#include "tag_site.h"
#include "tagport.h"
#include "test_environment.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using tagport::parse_tag_line;
using tagport::TagEntry;
using zt::test::TagSite;

TEST(TagDatabaseFile, LinesAreReadAsAPersonWritesThem)
{
    std::string error;
    auto entry = parse_tag_line("  Pump1.OnMsg   message  2   \"say \\\"hi\\\" \\\\ \"  ", error);
    ASSERT_TRUE(entry) << error;
    EXPECT_EQ(entry->name, "Pump1.OnMsg");
    EXPECT_EQ(entry->type, TP_MESSAGE);
    EXPECT_EQ(entry->index, 2);
    EXPECT_EQ(entry->text, "say \"hi\" \\ ");

    entry = parse_tag_line("Msg MESSAGE 65535 Pump  stopped  ", error);
    ASSERT_TRUE(entry) << error;
    EXPECT_EQ(entry->index, 65535);
    EXPECT_EQ(entry->text, "Pump  stopped");

    entry = parse_tag_line("Odd 12 0", error);
    ASSERT_TRUE(entry) << error;
    EXPECT_EQ(entry->type, 12);

    EXPECT_FALSE(parse_tag_line("   # a comment", error));
    EXPECT_TRUE(error.empty());
    EXPECT_FALSE(parse_tag_line("", error));
    EXPECT_TRUE(error.empty());

    for (const char* bad : {"Tag bogus 1", "Tag real 65536", "Tag real", "Tag real -1",
                            "Tag message 1 \"open", "Tag message 1 \"a\" b"}) {
        EXPECT_FALSE(parse_tag_line(bad, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST(TagDatabaseFile, SavedLinesReadBackTheSame)
{
    tagport::TagDatabase saved;
    for (const TagEntry& entry :
         {TagEntry{"Flow", TP_REAL, 3, ""}, TagEntry{"M", TP_MESSAGE, 7, ""},
          TagEntry{"M2", TP_MESSAGE, 8, "  blanks \"quoted\" \\ "}, TagEntry{"X", 42, 0, ""},
          TagEntry{"M3", TP_MESSAGE, 9, "two\nlines\r\n\\n"}}) {
        saved.set(entry);
    }
    zt::test::ScratchFolder folder;
    ASSERT_TRUE(saved.save(folder.file("tags")));
    tagport::TagDatabase read;
    std::string error;
    ASSERT_TRUE(read.load(folder.file("tags"), error)) << error;
    ASSERT_EQ(read.entries().size(), saved.entries().size());
    for (std::size_t i = 0; i < saved.entries().size(); ++i) {
        const TagEntry& entry = saved.entries()[i];
        EXPECT_EQ(read.entries()[i].name, entry.name);
        EXPECT_EQ(read.entries()[i].type, entry.type);
        EXPECT_EQ(read.entries()[i].index, entry.index);
        EXPECT_EQ(read.entries()[i].text, entry.text);
    }
}

TEST(TagDatabaseFile, AMalformedLineIsNamedAndTheDatabaseKept)
{
    zt::test::ScratchFolder folder;
    std::ofstream(folder.file("tags")) << "A real 1\nB nonsense 2\n";
    tagport::TagDatabase database;
    database.set({"Kept", TP_INTEGER, 1, ""});
    std::string error;
    EXPECT_FALSE(database.load(folder.file("tags"), error));
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    ASSERT_EQ(database.entries().size(), 1u);
    EXPECT_EQ(database.entries()[0].name, "Kept");
}

TEST(TagDatabaseFile, EveryLineCountsWhateverItsEnding)
{
    struct Case {
        const char* text;
        std::vector<std::string> names; // empty with `bad_line` set: an error
        int bad_line = 0;
    };
    const Case cases[] = {
        {"A real 1\nB real 2", {"A", "B"}},
        {"\n\nA real 1\r\n\r\nB real 2\r\n\n", {"A", "B"}},
        {"", {}},
        {"\n", {}},
        {"A real 1\n\nB nonsense 2", {}, 3},
    };
    for (const Case& c : cases) {
        tagport::TagDatabase database;
        std::string error;
        const bool loaded = database.load_text(c.text, "tags", error);
        EXPECT_EQ(loaded, c.bad_line == 0) << c.text;
        if (c.bad_line != 0) {
            EXPECT_NE(error.find("tags line " + std::to_string(c.bad_line)), std::string::npos)
                << error;
            continue;
        }
        std::vector<std::string> names;
        for (const TagEntry& entry : database.entries()) {
            names.push_back(entry.name);
        }
        EXPECT_EQ(names, c.names) << c.text;
    }
    // The file is read the same way: its last line needs no line break.
    zt::test::ScratchFolder folder;
    std::ofstream(folder.file("tags"), std::ios::binary) << "A real 1\nB real 2";
    tagport::TagDatabase database;
    std::string error;
    ASSERT_TRUE(database.load(folder.file("tags"), error)) << error;
    EXPECT_EQ(database.entries().size(), 2u);
}

TEST(TagFileSubstitute, HasOneRecordPerIndexUpToTheHighest)
{
    zt::test::ScratchFolder folder;
    tagport::TagDatabase database;
    database.set({"Flow", TP_REAL, 3, ""});
    database.set({"Pump1", TP_DISCRETE, 1, ""});
    ASSERT_TRUE(tagport::write_tag_file(database, folder.file("tagname.x")));
    const std::string bytes = zt::test::read_bytes(folder.file("tagname.x"));
    ASSERT_EQ(bytes.size(), 4u * 512);
    EXPECT_EQ(bytes.substr(3 * 512, 5), std::string("Flow\0", 5));
    EXPECT_EQ(bytes[3 * 512 + 128], TP_REAL);
    EXPECT_EQ(bytes.substr(0, 512), std::string(512, '\0'));
    EXPECT_EQ(tagport::read_units_field(folder.file("tagname.x"), 3), "");
    EXPECT_EQ(tagport::read_units_field(folder.file("tagname.x"), 4), std::nullopt);

    // Written again for more tags, the file keeps the units its records hold.
    std::string patched = bytes;
    patched.replace(3 * 512 + 130, 4, "kg/h");
    zt::test::write_bytes(folder.file("tagname.x"), patched);
    database.set({"Level", TP_INTEGER, 5, ""});
    ASSERT_TRUE(tagport::write_tag_file(database, folder.file("tagname.x")));
    EXPECT_EQ(zt::test::read_bytes(folder.file("tagname.x")).size(), 6u * 512);
    EXPECT_EQ(tagport::read_units_field(folder.file("tagname.x"), 3), "kg/h");
}

class TagportStandIn : public testing::Test {
  protected:
    TagSite site;
};

TEST_F(TagportStandIn, AnswersForItsTagsAndGivesThemBack)
{
    const TP_CONNECTION connection = TagportInit(0, 0);
    ASSERT_NE(connection, 0u);
    EXPECT_NE(TagportCheck(connection), 0);

    const TP_TAG flow = TagportActivate(connection, "FLOW");
    ASSERT_NE(flow, 0u);
    std::uint16_t index = 0;
    std::memcpy(&index, reinterpret_cast<const char*>(flow) + TP_TAG_INDEX_OFFSET, sizeof index);
    EXPECT_EQ(index, 3);
    EXPECT_EQ(TagportType(connection, flow), TP_REAL);
    EXPECT_EQ(TagportIsActive(connection, flow), 1);
    EXPECT_EQ(TagportActivate(connection, "Nothing"), 0u);
    EXPECT_EQ(TagportActivate(connection, nullptr), 0u);

    TagportDeactivate(connection, flow);
    // A handle given back is unknown: answered with 0, never read.
    EXPECT_EQ(TagportIsActive(connection, flow), 0);
    EXPECT_EQ(TagportType(connection, flow), 0);
    TagportDeactivate(connection, flow);

    // Handles of the earlier release's calls are not activations.
    const TP_TAG handle = TagportGetHandle(connection, "Pump1");
    ASSERT_NE(handle, 0u);
    EXPECT_EQ(TagportType(connection, handle), TP_DISCRETE);
    EXPECT_EQ(TagportIsActive(connection, handle), 0);
    TagportDeactivate(connection, handle);
    EXPECT_EQ(TagportType(connection, handle), TP_DISCRETE);
    TagportFreeHandle(connection, handle);
    EXPECT_EQ(TagportType(connection, handle), 0);

    TagportShutdown(connection);
    EXPECT_EQ(TagportCheck(connection), 0);
    EXPECT_EQ(TagportCheck(0), 0);
}

TEST_F(TagportStandIn, MessagesAreKeptAndSavedForOtherConnections)
{
    const TP_CONNECTION first = TagportInit(0, 0);
    const TP_TAG note = TagportActivate(first, "Note");
    char text[8] = "unset";
    TagportGetMessage(first, note, text, sizeof text);
    EXPECT_STREQ(text, "note");

    TagportSetMessage(first, note, "Pump running hot");
    TagportGetMessage(first, note, text, sizeof text);
    EXPECT_STREQ(text, "Pump ru"); // cut to the capacity
    // Only message tags take a text.
    const TP_TAG flow = TagportActivate(first, "Flow");
    TagportSetMessage(first, flow, "ignored");

    const TP_CONNECTION second = TagportInit(0, 0);
    const TP_TAG again = TagportActivate(second, "note");
    char full[64] = {};
    TagportGetMessage(second, again, full, sizeof full);
    EXPECT_STREQ(full, "Pump running hot");
    const std::string saved = zt::test::read_bytes(site.database());
    EXPECT_NE(saved.find("\"Pump running hot\""), std::string::npos) << saved;
    EXPECT_EQ(saved.find("ignored"), std::string::npos);
    TagportShutdown(first);
    TagportShutdown(second);
}

TEST_F(TagportStandIn, SeesTheDatabaseEditedWhileConnected)
{
    const TP_CONNECTION connection = TagportInit(0, 0);
    EXPECT_EQ(TagportActivate(connection, "Late"), 0u);
    std::ofstream(site.database(), std::ios::app) << "Late integer 12\n";
    const TP_TAG late = TagportActivate(connection, "Late");
    ASSERT_NE(late, 0u);
    EXPECT_EQ(TagportType(connection, late), TP_INTEGER);
    TagportShutdown(connection);
}

TEST_F(TagportStandIn, FaultsAreInjectedByEnvironmentSettings)
{
    zt::test::set_environment("TAGPORT_DATABASE", site.directory().string() + "/missing.tags");
    EXPECT_EQ(TagportInit(0, 0), 0u); // no database, no connection
    zt::test::unset_environment("TAGPORT_DATABASE");

    zt::test::set_environment("TAGPORT_REFUSE_CONNECT", "1");
    EXPECT_EQ(TagportInit(0, 0), 0u);
    zt::test::set_environment("TAGPORT_REFUSE_CONNECT", "0");
    const TP_CONNECTION connection = TagportInit(0, 0);
    ASSERT_NE(connection, 0u);

    zt::test::set_environment("TAGPORT_FAIL_CHECK", "1");
    EXPECT_EQ(TagportCheck(connection), 0);
    zt::test::set_environment("TAGPORT_FAIL_ACTIVATE", "Count;flow");
    EXPECT_EQ(TagportActivate(connection, "Flow"), 0u);
    EXPECT_EQ(TagportGetHandle(connection, "Count"), 0u);
    const TP_TAG note = TagportActivate(connection, "Note");
    EXPECT_NE(note, 0u);
    zt::test::set_environment("TAGPORT_FAIL_ACTIVATE", "*");
    EXPECT_EQ(TagportActivate(connection, "Note"), 0u);
    zt::test::set_environment("TAGPORT_NOT_ACTIVE", "1");
    EXPECT_EQ(TagportIsActive(connection, note), 0);
    zt::test::clear_tagport_faults();
    EXPECT_EQ(TagportIsActive(connection, note), 1);
    TagportDeactivate(connection, note);
    TagportShutdown(connection);
}

TEST_F(TagportStandIn, JournalsEveryCallWithItsArguments)
{
    const TP_CONNECTION c = TagportInit(0, 0);
    const TP_TAG note = TagportActivate(c, "Note");
    char text[131];
    TagportGetMessage(c, note, text, sizeof text);
    TagportSetMessage(c, note, "a \"b\"");
    TagportDeactivate(c, note);
    TagportShutdown(c);

    const std::string n = std::to_string(c);
    const std::string tag = zt::test::tag_text(note);
    std::vector<std::string> lines;
    for (const zt::test::JournalCall& call : site.journal.take_new_calls()) {
        lines.push_back(call.function + "(" + call.arguments + ")" +
                        (call.result.empty() ? "" : " -> " + call.result));
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "TagportInit(0, 0) -> " + n,
                         "TagportActivate(" + n + ", \"Note\") -> " + tag,
                         "TagportGetMessage(" + n + ", " + tag + ", 131) -> \"note\"",
                         "TagportSetMessage(" + n + ", " + tag + ", \"a \\\"b\\\"\")",
                         "TagportDeactivate(" + n + ", " + tag + ")",
                         "TagportShutdown(" + n + ")",
                     }));
}

} // namespace
