// SetTagEU through its export: the units field in tagname.x, and a fault at
// each step of the writer, against the tag-access stand-in.
#include "library/application.h"
#include "platform/raw_file.h"
#include "suite_environment.h"
#include "tag_site.h"
#include "test_environment.h"
#include "ztfunc32.h"

#if !defined(_WIN32)
#include "platform/posix/windows_path.h"
#endif

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using zt::platform::RawFileCalls;
using zt::platform::RawFileHandle;
using zt::test::read_bytes;
using zt::test::TagSite;
using zt::test::write_bytes;
using Messages = std::vector<std::string>;

constexpr std::size_t field_size = 32;

// The raw-file calls of the library, counted, with one of them made to fail.
class RawFileFaults {
  public:
    enum class Fail { nothing, open, seek, write, close };

    explicit RawFileFaults(Fail fail = Fail::nothing)
    {
        failing = fail;
        opened = closed = 0;
        zt::platform::raw_file_calls() = RawFileCalls{open, size, seek, write, close};
    }
    ~RawFileFaults() { zt::platform::raw_file_calls() = zt::platform::system_raw_file_calls(); }
    RawFileFaults(const RawFileFaults&) = delete;
    RawFileFaults& operator=(const RawFileFaults&) = delete;

    static inline Fail failing = Fail::nothing;
    static inline int opened = 0;
    static inline int closed = 0;

  private:
    static const RawFileCalls& system() noexcept { return zt::platform::system_raw_file_calls(); }
    static RawFileHandle open(const char* path) noexcept
    {
        if (failing == Fail::open) {
            return zt::platform::invalid_raw_file;
        }
        const RawFileHandle file = system().open_existing(path);
        opened += file != zt::platform::invalid_raw_file ? 1 : 0;
        return file;
    }
    static std::int32_t size(RawFileHandle file) noexcept { return system().size(file); }
    static std::int32_t seek(RawFileHandle file, std::int32_t offset) noexcept
    {
        return failing == Fail::seek ? -1 : system().seek(file, offset);
    }
    static std::int32_t write(RawFileHandle file, const void* bytes, std::uint32_t size) noexcept
    {
        // A short write: part of the field, nothing beyond it.
        return failing == Fail::write ? system().write(file, bytes, size / 2)
                                      : system().write(file, bytes, size);
    }
    static bool close(RawFileHandle file) noexcept
    {
        ++closed;
        const bool done = system().close(file);
        return failing == Fail::close ? false : done;
    }
};

class UnitsWriter : public testing::Test {
  protected:
    void SetUp() override { zt::test::suite_log().take_new_messages(); }
    Messages reports() { return zt::test::suite_log().take_new_messages(); }

    // tagname.x with every byte 'x', so written zeros show.
    std::string fill_tag_file(std::size_t records = 10)
    {
        const std::string bytes(records * 512, 'x');
        write_bytes(site.tag_file(), bytes);
        return bytes;
    }
    std::string field(std::size_t index)
    {
        return read_bytes(site.tag_file()).substr(130 + 512 * index, field_size);
    }

    TagSite site;
};

TEST_F(UnitsWriter, WritesTheUnitsFieldOfTheTagsRecordAndNothingElse)
{
    const std::string before = fill_tag_file();
    EXPECT_EQ(SetTagEU("Flow", "kg/h"), 0); // real tag, index 3
    EXPECT_EQ(reports(), Messages{});

    std::string expected = before;
    expected.replace(1666, field_size, std::string("kg/h") + std::string(28, '\0'));
    EXPECT_EQ(read_bytes(site.tag_file()), expected);

    EXPECT_EQ(SetTagEU("Count", "pcs"), 0); // integer tag, index 5
    EXPECT_EQ(field(5), std::string("pcs") + std::string(29, '\0'));
    EXPECT_EQ(zt::test::tags_left_active(site.journal.take_new_calls()),
              std::vector<std::string>{});
    EXPECT_FALSE(zt::test::file_is_open(site.tag_file()));
}

TEST_F(UnitsWriter, KeepsAtMost31CharactersAndAlwaysATerminator)
{
    fill_tag_file();
    EXPECT_EQ(SetTagEU("Flow", std::string(40, 'u').c_str()), 0);
    EXPECT_EQ(field(3), std::string(31, 'u') + '\0');
    EXPECT_EQ(SetTagEU("Flow", std::string(31, 'v').c_str()), 0);
    EXPECT_EQ(field(3), std::string(31, 'v') + '\0');
    EXPECT_EQ(SetTagEU("Flow", ""), 0);
    EXPECT_EQ(field(3), std::string(32, '\0'));
}

TEST_F(UnitsWriter, DiscreteAndMessageTagsAreRefusedWithoutOpeningTheFile)
{
    const std::string before = fill_tag_file();
    RawFileFaults counted;
    for (const char* tag : {"Pump1", "Note", "Odd"}) {
        EXPECT_EQ(SetTagEU(tag, "kg"), -4) << tag;
        EXPECT_EQ(reports(), Messages{"SetTagEU: TagportType returned other than TP_INTEGER or "
                                      "TP_REAL for SetDiscOnOffMsg"});
    }
    EXPECT_EQ(SetTagEU("NoSuchTag", "kg"), -3);
    EXPECT_EQ(reports(), Messages{"SetTagEU: Unable to retrieve tag handle"});
    EXPECT_EQ(SetTagEU(std::string(131, 'F').c_str(), "kg"), -3);
    EXPECT_EQ(reports(), Messages{"SetTagEU: Unable to retrieve tag handle"});

    EXPECT_EQ(RawFileFaults::opened, 0);
    EXPECT_EQ(read_bytes(site.tag_file()), before);
    EXPECT_EQ(zt::test::tags_left_active(site.journal.take_new_calls()),
              std::vector<std::string>{});
}

TEST_F(UnitsWriter, MissingTagFileGivesMinusSevenAndIsNotCreated)
{
    std::filesystem::remove(site.tag_file());
    EXPECT_EQ(SetTagEU("Flow", "kg/h"), -7);
    EXPECT_EQ(reports(), Messages{"SetTagEU: Unable to open Tagname.x"});
    EXPECT_FALSE(std::filesystem::exists(site.tag_file()));
}

TEST_F(UnitsWriter, RecordBeyondTheEndOfTheFileIsRefusedAndTheFileKeepsItsSize)
{
    // Flow has tag index 3: its field ends at byte 1698.
    for (const std::size_t size : {std::size_t{0}, std::size_t{1666}, std::size_t{1697}}) {
        const std::string short_file(size, 'x');
        write_bytes(site.tag_file(), short_file);
        EXPECT_EQ(SetTagEU("Flow", "kg/h"), -8) << size;
        EXPECT_EQ(reports(), Messages{"SetTagEU: Unable to find seek offset in Tagname.x"});
        EXPECT_EQ(read_bytes(site.tag_file()), short_file);
    }
    write_bytes(site.tag_file(), std::string(1698, 'x'));
    EXPECT_EQ(SetTagEU("Flow", "kg/h"), 0);
    EXPECT_EQ(read_bytes(site.tag_file()).size(), 1698u);
    EXPECT_FALSE(zt::test::file_is_open(site.tag_file()));
}

TEST_F(UnitsWriter, ApplicationDirectoryComesFromWinIni)
{
    // An empty value cannot name a directory.
    TagSite::set_application_directory("");
    zt::test::set_environment("TAGPORT_DATABASE", site.database().string());
    EXPECT_EQ(SetTagEU("Flow", "kg/h"), -5);
    EXPECT_EQ(reports(), Messages{"SetTagEU: Unable to read Win.ini file"});

    // Directory and "\tagname.x" must fit 255 characters.
    std::string long_directory = site.directory().string();
    long_directory += std::string(246 - long_directory.size(), 'd'); // 246 + 10 = 256
    TagSite::set_application_directory(long_directory.c_str());
    EXPECT_EQ(SetTagEU("Flow", "kg/h"), -6);
    EXPECT_EQ(reports(), Messages{"SetTagEU: Unable to concatnate file path"});
    long_directory.pop_back();
    TagSite::set_application_directory(long_directory.c_str());
    EXPECT_EQ(SetTagEU("Flow", "kg/h"), -7); // fits, but there is no such file
    reports();
    EXPECT_EQ(zt::test::tags_left_active(site.journal.take_new_calls()),
              std::vector<std::string>{});
}

TEST_F(UnitsWriter, MissingKeyMeansTheRootOfDriveC)
{
    TagSite::set_application_directory(nullptr);
    zt::test::set_environment("TAGPORT_DATABASE", site.database().string());
#if defined(_WIN32)
    const std::filesystem::path root_file = "c:\\tagname.x";
#else
    const std::filesystem::path root_file = zt::platform::posix::to_posix_path("c:\\tagname.x");
    std::filesystem::create_directories(root_file.parent_path());
#endif
    write_bytes(root_file, std::string(4 * 512, 'x'));
    EXPECT_EQ(SetTagEU("Flow", "m3"), 0);
    EXPECT_EQ(read_bytes(root_file).substr(1666, 3), std::string("m3\0", 3));
    std::filesystem::remove(root_file);
}

struct Fault {
    const char* name;
    std::int32_t code;
    const char* report;
};

void PrintTo(const Fault& fault, std::ostream* out)
{
    *out << fault.name;
}

class UnitsWriterFault : public UnitsWriter, public testing::WithParamInterface<Fault> {};

TEST_P(UnitsWriterFault, GivesItsCodeAndLeavesNoTagActiveNoFileOpenNoByteOutsideTheField)
{
    const Fault fault = GetParam();
    const std::string before = fill_tag_file();
    std::string name = "Flow";
    const char* units = "kg/h";
    RawFileFaults::Fail raw_fault = RawFileFaults::Fail::nothing;
    const std::string step = fault.name;
    if (step == "connect") {
        zt::test::set_environment("TAGPORT_REFUSE_CONNECT", "1");
    } else if (step == "check") {
        ASSERT_EQ(TagExists("Flow"), 3);
        zt::test::set_environment("TAGPORT_FAIL_CHECK", "1");
    } else if (step == "activate") {
        zt::test::set_environment("TAGPORT_FAIL_ACTIVATE", "Flow");
    } else if (step == "type") {
        name = "Valve";
    } else if (step == "directory") {
        TagSite::set_application_directory("");
        zt::test::set_environment("TAGPORT_DATABASE", site.database().string());
    } else if (step == "path") {
        TagSite::set_application_directory(std::string(300, 'p').c_str());
        zt::test::set_environment("TAGPORT_DATABASE", site.database().string());
    } else if (step == "open") {
        raw_fault = RawFileFaults::Fail::open;
    } else if (step == "seek") {
        raw_fault = RawFileFaults::Fail::seek;
    } else if (step == "write") {
        raw_fault = RawFileFaults::Fail::write;
    } else if (step == "close") {
        raw_fault = RawFileFaults::Fail::close;
    } else if (step == "copy") {
        units = nullptr;
    }
    reports();
    {
        RawFileFaults faults(raw_fault);
        EXPECT_EQ(SetTagEU(name.c_str(), units), fault.code);
        EXPECT_EQ(RawFileFaults::closed, RawFileFaults::opened);
    }
    EXPECT_EQ(reports(), Messages{fault.report});

    std::string after = read_bytes(site.tag_file());
    ASSERT_EQ(after.size(), before.size());
    after.replace(1666, field_size, before.substr(1666, field_size));
    EXPECT_EQ(after, before);
    EXPECT_FALSE(zt::test::file_is_open(site.tag_file()));
    EXPECT_EQ(zt::test::tags_left_active(site.journal.take_new_calls()),
              std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, UnitsWriterFault,
    testing::Values(Fault{"connect", -2, "SetTagEU: Unable to register tagport"},
                    Fault{"check", -2, "SetTagEU: Unable to register tagport"},
                    Fault{"activate", -3, "SetTagEU: Unable to retrieve tag handle"},
                    Fault{"type", -4,
                          "SetTagEU: TagportType returned other than TP_INTEGER or TP_REAL for "
                          "SetDiscOnOffMsg"},
                    Fault{"directory", -5, "SetTagEU: Unable to read Win.ini file"},
                    Fault{"path", -6, "SetTagEU: Unable to concatnate file path"},
                    Fault{"open", -7, "SetTagEU: Unable to open Tagname.x"},
                    Fault{"seek", -8, "SetTagEU: Unable to find seek offset in Tagname.x"},
                    Fault{"write", -9, "SetTagEU: Unable to write to Tagname.x"},
                    Fault{"close", -10, "SetTagEU: Unable to close Tagname.x"},
                    Fault{"copy", -13, "SetTagEU: Unable to copy message to buffer"}),
    [](const testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });

} // namespace
