// Internals of the emulated platform's profile files that the seam cannot
// show: where files go, how they are replaced, and the buffer rules at
// sizes where Wine itself writes outside the buffer.
#include "platform/posix/profile_document.h"
#include "platform/posix/profile_file.h"
#include "platform/posix/profile_readout.h"
#include "platform/profile.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace posix = zt::platform::posix;
namespace fs = std::filesystem;

TEST(ProfileEmulation, NullFileNameMeansWinIniInWindowsDirectory)
{
    zt::test::WindowsDirectory windows;
    EXPECT_EQ(posix::profile_file_path(nullptr), (windows.path() / "win.ini").string());
    EXPECT_EQ(posix::profile_file_path("statx.ini"), (windows.path() / "statx.ini").string());
    EXPECT_EQ(posix::profile_file_path("C:\\Data\\a.ini"),
              (windows.path().parent_path() / "Data/a.ini").string());
}

TEST(ProfileEmulation, FailedReplaceLeavesTheOldFileAndNoTemporaryFile)
{
    zt::test::ScratchFolder scratch;
    fs::create_directories(scratch.path() / "busy.ini" / "inside");
    EXPECT_FALSE(posix::replace_profile_file(scratch.file("busy.ini"), "[S]\r\n"));
    EXPECT_TRUE(fs::is_directory(scratch.path() / "busy.ini" / "inside"));
    EXPECT_FALSE(posix::replace_profile_file(scratch.file("gone/x.ini"), "[S]\r\n"));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(scratch.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1) << "temporary file left behind";
}

TEST(ProfileEmulation, ReplaceKeepsPermissionsAndFollowsLinks)
{
    zt::test::ScratchFolder scratch;
    const std::string real = scratch.file("real.ini");
    zt::test::write_bytes(real, "[S]\na=1\n");
    ::chmod(real.c_str(), 0640);
    fs::create_symlink(real, scratch.path() / "link.ini");
    ASSERT_TRUE(zt::platform::write_private_profile_string("S", "a", "2",
                                                           scratch.file("link.ini").c_str()));
    EXPECT_TRUE(fs::is_symlink(scratch.path() / "link.ini"));
    EXPECT_EQ(zt::test::read_bytes(real), "[S]\r\na=2\r\n");
    struct stat status {};
    ASSERT_EQ(::stat(real.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

// A write puts back all it read: when reading the old content fails or gives
// fewer bytes than the file holds, the write fails and the file stays as it
// was; a read gives the default.
TEST(ProfileEmulation, ContentNotReadWholeIsNeverWrittenBack)
{
    using Read = ssize_t (*)(int, void*, size_t);
    struct Case {
        const char* fault;
        Read read;
    };
    const Case cases[] = {
        {"read fails",
         [](int, void*, size_t) -> ssize_t {
             errno = EIO;
             return -1;
         }},
        {"end of file at once", [](int, void*, size_t) -> ssize_t { return 0; }},
        {"bytes lost",
         [](int fd, void* bytes, size_t size) -> ssize_t {
             const ssize_t got = ::read(fd, bytes, size);
             return got > 4 ? 4 : got;
         }},
    };
    zt::test::ScratchFolder scratch;
    const std::string file = scratch.file("kept.ini");
    const std::string content = "[S]\r\na=1\r\nb=2\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        zt::test::write_bytes(file, content);
        posix::profile_file_calls().read = c.read;
        const bool written =
            zt::platform::write_private_profile_string("S", "c", "3", file.c_str());
        char value[16] = {};
        zt::platform::get_private_profile_string("S", "a", "def ", value, sizeof value,
                                                 file.c_str());
        posix::profile_file_calls() = posix::system_profile_file_calls();
        EXPECT_FALSE(written);
        EXPECT_EQ(zt::test::read_bytes(file), content);
        EXPECT_STREQ(value, "def ");
    }
}

// Two processes writing one file never lose each other's keys.
TEST(ProfileEmulation, TwoProcessesWritingOneFileKeepEveryKey)
{
    zt::test::ScratchFolder scratch;
    const std::string file = scratch.file("shared.ini");
    pid_t writers[2] = {};
    for (int process = 0; process < 2; ++process) {
        writers[process] = ::fork();
        ASSERT_GE(writers[process], 0);
        if (writers[process] == 0) {
            bool all_written = true;
            for (int key = 0; key < 100; ++key) {
                const std::string name = "p" + std::to_string(process) + "k" + std::to_string(key);
                all_written = zt::platform::write_private_profile_string("S", name.c_str(), "v",
                                                                         file.c_str()) &&
                              all_written;
            }
            ::_exit(all_written ? 0 : 1);
        }
    }
    for (const pid_t writer : writers) {
        int status = -1;
        ASSERT_EQ(::waitpid(writer, &status, 0), writer);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::string keys(1 << 16, '\0');
    const std::uint32_t length = zt::platform::get_private_profile_string(
        "S", nullptr, "", keys.data(), static_cast<std::uint32_t>(keys.size()), file.c_str());
    int kept = 0;
    for (std::size_t at = 0; at < length; at += std::strlen(keys.c_str() + at) + 1) {
        ++kept;
    }
    EXPECT_EQ(kept, 200);
}

TEST(ProfileEmulation, ParsingFollowsTheWindowsLineRules)
{
    const auto document = posix::ProfileDocument::parse(
        "k0=v0\r[ A ] tail\n[NoClose\n=empty\n\x1a b \x1a\r\n[]\nhidden=1\n");
    ASSERT_EQ(document.sections().size(), 3u);
    EXPECT_EQ(document.sections()[1].name, "A");
    EXPECT_EQ(document.sections()[2].name, "");
    ASSERT_NE(document.find_key("", "k0"), nullptr);
    EXPECT_EQ(*document.find_key("", "k0")->value, "v0");
    const posix::ProfileKey* no_close = document.find_key("a", "[NoClose");
    ASSERT_NE(no_close, nullptr);
    EXPECT_FALSE(no_close->value.has_value());
    EXPECT_EQ(*document.find_key("A", "")->value, "empty");
    EXPECT_NE(document.find_key("A", "b"), nullptr);
    EXPECT_EQ(document.find_key("", "hidden"), nullptr) << "\"[]\" cannot be reached";
}

TEST(ProfileEmulation, DeletingTheUnnamedSectionKeepsItFirst)
{
    auto document = posix::ProfileDocument::parse("k0=v0\n[A]\na=1\n");
    EXPECT_TRUE(document.delete_section(""));
    document.set_value("", "k1", "v1");
    EXPECT_EQ(document.serialize(), "k1=v1\r\n[A]\r\na=1\r\n");
}

TEST(ProfileEmulation, TinyBuffersStayInside)
{
    char buffer[4] = {'@', '@', '@', '@'};
    EXPECT_EQ(posix::copy_entry("\"q\"", buffer, 1), 0u);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], '@');

    const auto document = posix::ProfileDocument::parse("[Sections]\n[Second]\n");
    char names[6] = {'@', '@', '@', '@', '@', '@'};
    EXPECT_EQ(posix::copy_section_names(document, names, 5), 3u);
    EXPECT_EQ(std::string(names, 5), std::string("Sec\0\0", 5)) << "cut lists end in two '\\0'";
    EXPECT_EQ(names[5], '@');
    EXPECT_EQ(posix::copy_key_names(document.first_section_named("Sections"), "d", names, 1), 0u);
    EXPECT_EQ(names[0], '\0');
}

TEST(ProfileEmulation, IntegerPrefixesAndWrapping)
{
    EXPECT_EQ(posix::parse_profile_int("0b101"), 5);
    EXPECT_EQ(posix::parse_profile_int("0o17"), 15);
    EXPECT_EQ(posix::parse_profile_int("0X10"), 0) << "upper-case prefix is not one";
    EXPECT_EQ(posix::parse_profile_int("-2147483649"), 2147483647);
    EXPECT_EQ(posix::parse_profile_int("+-3"), 0);
}

} // namespace
