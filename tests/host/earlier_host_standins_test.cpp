// The stand-ins of the earlier release's host libraries as products: the
// host-support library's runtime records, served from the tag-access
// stand-in's database, and the heap-tracking library's registrations.
#include "scratch_folder.h"
#include "tag_site.h"
#include "test_environment.h"
#include "vstspt.h"
#include "ztheap.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace {

using zt::test::function_names;
using zt::test::TagSite;
using Record = std::array<char, REB_RECORD_SIZE>;

std::string field(const Record& record, int offset)
{
    return std::string(record.data() + offset, strnlen(record.data() + offset, REB_MESSAGE_SIZE));
}

TEST(HostSupportStandIn, ServesTheMessagesOfADiscreteTagFromTheTagDatabase)
{
    TagSite site("Pump1 discrete 1\nPump1.OnMsg message 2 \"Pump running\"\n"
                 "Pump1.OffMsg message 3 \"Pump stopped for maintenance\"\n"
                 "Flow real 4\nFlow.OnMsg integer 5\n");
    const REB_TAG pump = REBLookupTag("pump1");
    ASSERT_NE(pump, 0u);
    EXPECT_EQ(REBLookupTag("PUMP1"), pump);

    Record record;
    record.fill('\x7f');
    ASSERT_NE(REBGetRDB(pump, record.data()), 0);
    EXPECT_NE(RDBOK(), 0);
    EXPECT_EQ(field(record, REB_ON_MESSAGE_OFFSET), "Pump running");
    // 15 characters at most, always terminated.
    EXPECT_EQ(field(record, REB_OFF_MESSAGE_OFFSET), "Pump stopped fo");
    EXPECT_EQ(record[REB_OFF_MESSAGE_OFFSET + 15], '\0');

    // No message tags, or fields that are not messages: empty texts.
    ASSERT_NE(REBGetRDB(REBLookupTag("Flow"), record.data()), 0);
    EXPECT_EQ(field(record, REB_ON_MESSAGE_OFFSET), "");
    EXPECT_EQ(field(record, REB_OFF_MESSAGE_OFFSET), "");

    EXPECT_EQ(function_names(site.journal.take_new_calls()),
              (std::vector<std::string>{"REBLookupTag", "REBLookupTag", "REBGetRDB", "RDBOK",
                                        "REBLookupTag", "REBGetRDB"}));
}

TEST(HostSupportStandIn, UnknownTagsAndInjectedFaultsGiveNoValidRecord)
{
    TagSite site;
    Record record{};
    EXPECT_EQ(REBLookupTag("NoSuchTag"), 0u);
    EXPECT_EQ(REBLookupTag(nullptr), 0u);
    EXPECT_EQ(REBGetRDB(0, record.data()), 0);
    EXPECT_EQ(RDBOK(), 0);
    EXPECT_EQ(REBGetRDB(REBLookupTag("Pump1"), nullptr), 0);

    const REB_TAG pump = REBLookupTag("Pump1");
    zt::test::set_environment("VSTSPT_FAIL_GETRDB", "1");
    EXPECT_EQ(REBGetRDB(pump, record.data()), 0);
    EXPECT_EQ(RDBOK(), 0);
    zt::test::unset_environment("VSTSPT_FAIL_GETRDB");
    zt::test::set_environment("VSTSPT_RDB_NOT_OK", "1");
    EXPECT_NE(REBGetRDB(pump, record.data()), 0);
    EXPECT_EQ(RDBOK(), 0);
    zt::test::unset_environment("VSTSPT_RDB_NOT_OK");
    EXPECT_NE(RDBOK(), 0);
}

TEST(HeapTrackingStandIn, RecordsRegistrationsAndRefusesWhenTold)
{
    const zt::test::ScratchFolder folder("ztheap");
    const std::string journal = folder.file("ztheap.journal");
    zt::test::set_environment("ZTHEAP_JOURNAL", journal);

    std::uint32_t registration = 0;
    EXPECT_NE(ztHeap_Register(0, &registration, "module.cpp", 31), 0);
    EXPECT_NE(registration, 0u);
    ztHeap_Unregister("module.cpp", 44);
    ztHeap_Unregister("module.cpp", 44);

    zt::test::set_environment("ZTHEAP_REFUSE", "1");
    std::uint32_t refused = 0;
    EXPECT_EQ(ztHeap_Register(0, &refused, "module.cpp", 31), 0);
    EXPECT_EQ(refused, 0u);
    zt::test::unset_environment("ZTHEAP_REFUSE");
    EXPECT_EQ(ztHeap_Register(0, nullptr, "module.cpp", 31), 0);
    zt::test::unset_environment("ZTHEAP_JOURNAL");

    const std::string number = std::to_string(registration);
    EXPECT_EQ(zt::test::read_file(journal),
              "ztHeap_Register(0, \"module.cpp\", 31) -> 1 [registration " + number + "]\n" +
                  "ztHeap_Unregister(\"module.cpp\", 44) [registration " + number + " ended]\n" +
                  "ztHeap_Unregister(\"module.cpp\", 44) [nothing registered]\n" +
                  "ztHeap_Register(0, \"module.cpp\", 31) -> 0\n" +
                  "ztHeap_Register(0, \"module.cpp\", 31) -> 0\n");
}

} // namespace
