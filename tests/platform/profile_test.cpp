// Private-profile behaviour through the platform seam; the same expectations
// hold for Windows (run under Wine) and for the emulated platform.
#include "platform/profile.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using zt::platform::get_private_profile_int;
using zt::platform::get_private_profile_string;
using zt::platform::write_private_profile_string;
using zt::test::read_bytes;
using zt::test::write_bytes;

class ProfileTest : public ::testing::Test {
  protected:
    std::string read(const std::string& file, const char* section, const char* key,
                     std::uint32_t size = 131, const char* fallback = "FAILURE")
    {
        std::vector<char> buffer(size + 1, '@');
        const std::uint32_t length =
            get_private_profile_string(section, key, fallback, buffer.data(), size, file.c_str());
        last_length = length;
        return std::string(buffer.data(), length);
    }
    int read_int(const std::string& file, const char* section, const char* key)
    {
        return static_cast<int>(get_private_profile_int(section, key, -99, file.c_str()));
    }
    bool write(const std::string& file, const char* section, const char* key, const char* value)
    {
        return write_private_profile_string(section, key, value, file.c_str());
    }

    int key_count(const std::string& file, const char* section)
    {
        const std::string list = read(file, section, nullptr, 1 << 16, "");
        int keys = 0;
        for (std::size_t at = 0; at < list.size(); at += std::strlen(list.c_str() + at) + 1) {
            ++keys;
        }
        return keys;
    }

    zt::test::ScratchFolder scratch;
    std::uint32_t last_length = 0;
};

// The bytes of a UTF-16LE file with its byte-order mark.
std::string utf16le_file(std::u16string_view text)
{
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST_F(ProfileTest, WrittenValuesReadBackAsTextAndInteger)
{
    const std::string file = scratch.file("settings.ini");
    ASSERT_TRUE(write(file, "Main", "Port", "502"));
    ASSERT_TRUE(write(file, "Main", "Offset", "-7"));
    EXPECT_EQ(read(file, "Main", "Port"), "502");
    EXPECT_EQ(read_int(file, "Main", "Port"), 502);
    EXPECT_EQ(read_int(file, "Main", "Offset"), -7);
    EXPECT_EQ(read_bytes(file), "[Main]\r\nPort=502\r\nOffset=-7\r\n");
}

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    const std::string missing = scratch.file("missing.ini");
    EXPECT_EQ(read(missing, "Main", "Port"), "FAILURE");
    EXPECT_EQ(read_int(missing, "Main", "Port"), -99);
    EXPECT_FALSE(std::filesystem::exists(missing)) << "a read must not create the file";

    const std::string file = scratch.file("present.ini");
    ASSERT_TRUE(write(file, "Main", "Port", "502"));
    EXPECT_EQ(read(file, "Other", "Port"), "FAILURE");
    EXPECT_EQ(read(file, "Main", "Other"), "FAILURE");
    EXPECT_EQ(read_int(file, "Main", "Other"), -99);
}

TEST_F(ProfileTest, NamesIgnoreLetterCaseAndSurroundingBlanks)
{
    const std::string file = scratch.file("case.ini");
    ASSERT_TRUE(write(file, "Main", "Port", "502"));
    EXPECT_EQ(read(file, "MAIN", "port"), "502");
    EXPECT_EQ(read(file, "  main ", " PORT  "), "502");
    ASSERT_TRUE(write(file, " mAiN ", "pOrT", "503"));
    EXPECT_EQ(read_bytes(file), "[Main]\r\nPort=503\r\n") << "names keep their first spelling";
}

TEST_F(ProfileTest, ValueIsCutToTheBuffer)
{
    const std::string file = scratch.file("long.ini");
    const std::string long_value(200, 'v');
    ASSERT_TRUE(write(file, "L", "Value", long_value.c_str()));
    EXPECT_EQ(read(file, "L", "Value"), std::string(130, 'v'));

    std::vector<char> buffer(12, '@');
    EXPECT_EQ(get_private_profile_string("L", "Value", "", buffer.data(), 10, file.c_str()), 9u);
    EXPECT_EQ(buffer[9], '\0');
    EXPECT_EQ(buffer[10], '@') << "nothing written past the buffer";

    const std::string very_long(5000, 'x');
    ASSERT_TRUE(write(file, "L", "Huge", very_long.c_str()));
    EXPECT_EQ(read(file, "L", "Huge", 6000), very_long);
}

TEST_F(ProfileTest, StoredValuesAreTrimmedAndUnquoted)
{
    const std::string file = scratch.file("raw.ini");
    write_bytes(file, "[S]\n  a  =   one two   \nq=\"quoted\"\ns='single'\nu=\"open\n"
                      "e=\nnovalue\n; note=x\n");
    EXPECT_EQ(read(file, "S", "a"), "one two");
    EXPECT_EQ(read(file, "S", "q"), "quoted");
    EXPECT_EQ(read(file, "S", "s"), "single");
    EXPECT_EQ(read(file, "S", "u"), "\"open");
    EXPECT_EQ(read(file, "S", "e"), "");
    EXPECT_EQ(read(file, "S", "novalue"), "FAILURE");
    EXPECT_EQ(read(file, "S", "q", 5), "quot");
}

TEST_F(ProfileTest, IntegersAreReadTheWindowsWay)
{
    const std::string file = scratch.file("ints.ini");
    write_bytes(file, "[I]\na=12abc\nb= -5\nc=0x10\nd=\ne=abc\nf=4294967295\n"
                      "g=99999999999\nh=\"42\"\n");
    EXPECT_EQ(read_int(file, "I", "a"), 12);
    EXPECT_EQ(read_int(file, "I", "b"), -5);
    EXPECT_EQ(read_int(file, "I", "c"), 16);
    EXPECT_EQ(read_int(file, "I", "d"), -99) << "an empty value gives the default";
    EXPECT_EQ(read_int(file, "I", "e"), 0);
    EXPECT_EQ(read_int(file, "I", "f"), -1) << "wraps, does not saturate";
    EXPECT_EQ(read_int(file, "I", "g"), 1215752191);
    EXPECT_EQ(read_int(file, "I", "h"), 42);
}

TEST_F(ProfileTest, WritingKeepsTheOtherContentOfTheFile)
{
    const std::string file = scratch.file("existing.ini");
    write_bytes(file, "; header\ntop=1\n\n[First]\nKey=old\nkey=duplicate\n[Second]\nb=2\n");
    ASSERT_TRUE(write(file, "first", "KEY", "new"));
    ASSERT_TRUE(write(file, "Third", "c", "3"));
    EXPECT_EQ(read(file, "First", "Key"), "new");
    EXPECT_EQ(read(file, "", "top"), "1");
    EXPECT_EQ(read_bytes(file), "; header\r\ntop=1\r\n[First]\r\nKey=new\r\nkey=duplicate\r\n"
                                "[Second]\r\nb=2\r\n[Third]\r\nc=3\r\n");
}

TEST_F(ProfileTest, WriteThatChangesNothingLeavesTheFileAlone)
{
    const std::string file = scratch.file("same.ini");
    const std::string content = "[S]\n a = 1 \n";
    write_bytes(file, content);
    EXPECT_TRUE(write(file, "S", "a", "1"));
    EXPECT_TRUE(write(file, "S", "missing", nullptr));
    EXPECT_TRUE(write(file, "Missing", nullptr, nullptr));
    EXPECT_EQ(read_bytes(file), content);
    EXPECT_TRUE(write(scratch.file("ghost.ini"), "S", "K", nullptr));
    EXPECT_FALSE(std::filesystem::exists(scratch.file("ghost.ini")));
}

TEST_F(ProfileTest, NullValueDeletesKeyAndNullKeyDeletesSection)
{
    const std::string file = scratch.file("delete.ini");
    write_bytes(file, "[S]\na=1\nb=2\n[T]\nc=3\n");
    ASSERT_TRUE(write(file, "S", "a", nullptr));
    EXPECT_EQ(read(file, "S", "a"), "FAILURE");
    ASSERT_TRUE(write(file, "T", nullptr, nullptr));
    EXPECT_EQ(read(file, "T", "c"), "FAILURE");
    EXPECT_EQ(read_bytes(file), "[S]\r\nb=2\r\n");
    EXPECT_FALSE(write(file, nullptr, "K", "V"));
}

TEST_F(ProfileTest, NullSectionListsSectionsAndNullKeyListsKeys)
{
    const std::string file = scratch.file("list.ini");
    write_bytes(file, "top=0\n[S]\na=1\n; c=x\nnovalue\nb=2\n[T]\n");
    EXPECT_EQ(read(file, nullptr, nullptr, 100), std::string("S\0T\0", 4));
    EXPECT_EQ(read(file, "S", nullptr, 100), std::string("a\0b\0", 4));
    EXPECT_EQ(read(file, "T", nullptr, 100), "FAILURE") << "no keys gives the default";
    EXPECT_EQ(read(file, nullptr, nullptr, 3), "S") << "a list cut to the buffer";
    EXPECT_EQ(last_length, 1u);
}

TEST_F(ProfileTest, WriteWhereNoFileCanBeFails)
{
    EXPECT_FALSE(write(scratch.file("no_such_folder/x.ini"), "S", "K", "V"));
    std::filesystem::create_directory(scratch.path() / "folder.ini");
    EXPECT_FALSE(write(scratch.file("folder.ini"), "S", "K", "V"));
    EXPECT_EQ(read(scratch.file("no_such_folder/x.ini"), "S", "K"), "FAILURE");
}

// Texts are ANSI (Windows-1252: 0xE9 is "é", 0x80 is "€"); a file with a
// byte-order mark holds them in its own encoding and is written back in it.
TEST_F(ProfileTest, FilesWithAByteOrderMarkKeepTheirEncoding)
{
    struct Case {
        const char* encoding;
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"UTF-16LE", utf16le_file(u"[S]\r\nk=\u00e9\r\n"),
         utf16le_file(u"[S]\r\nk=\u00e9\r\nn=\u20ac\r\n")},
        {"UTF-8", "\xEF\xBB\xBF[S]\r\nk=\xC3\xA9\r\n",
         "\xEF\xBB\xBF[S]\r\nk=\xC3\xA9\r\nn=\xE2\x82\xAC\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.encoding);
        const std::string file = scratch.file("marked.ini");
        write_bytes(file, c.before);
        EXPECT_EQ(read(file, "S", "k"), "\xE9");
        EXPECT_EQ(read(file, nullptr, nullptr), std::string("S\0", 2));
        ASSERT_TRUE(write(file, "S", "n", "\x80"));
        EXPECT_EQ(read(file, "S", "n"), "\x80");
        EXPECT_EQ(read_bytes(file), c.after);
    }
}

// Threads writing one file never lose each other's keys. (Processes: see
// the emulation's tests; Wine's profile service does not serialise them.)
TEST_F(ProfileTest, ConcurrentThreadsKeepEveryKey)
{
    const std::string file = scratch.file("shared.ini");
    std::vector<std::thread> writers;
    for (int thread = 0; thread < 8; ++thread) {
        writers.emplace_back([this, &file, thread] {
            for (int key = 0; key < 50; ++key) {
                const std::string name = "t" + std::to_string(thread) + "k" + std::to_string(key);
                write(file, "Threads", name.c_str(), "v");
            }
        });
    }
    for (std::thread& writer : writers) {
        writer.join();
    }
    EXPECT_EQ(key_count(file, "Threads"), 400);
}

TEST_F(ProfileTest, BareFileNameLivesInTheWindowsDirectory)
{
    zt::test::WindowsDirectory windows;
    const std::string name =
        "ztfunc32-profile-test-" + scratch.path().filename().string().substr(14) + ".ini";
    const std::filesystem::path expected = windows.path() / name;
    ASSERT_TRUE(write(name, "Defaults", "Product", "Widget"));
    EXPECT_TRUE(std::filesystem::exists(expected));
    EXPECT_EQ(read(name, "Defaults", "Product"), "Widget");
    EXPECT_EQ(read(expected.string(), "Defaults", "Product"), "Widget");
    std::filesystem::remove(expected);
}

} // namespace
