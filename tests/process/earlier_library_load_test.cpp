// The earlier release's DLL loaded by path, as a host loads it: its heap
// registration at load (whose refusal fails the load), its logger bound as
// "ZTFUNC32", its export table, and what its unloading gives back.
#include "dynamic_library.h"
#include "logger_log.h"
#include "scratch_folder.h"
#include "tag_events.h"
#include "tag_site.h"
#include "test_desktop.h"
#include "test_environment.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

using GeoAreaFn = double (*)(float, float, std::int32_t);
using ZtCntx32Fn = std::int32_t (*)(const char*, std::int32_t, std::int32_t, std::int32_t,
                                    std::int32_t, const char*, const char*);
using Texts = std::vector<std::string>;

class EarlierLibraryLoad : public testing::Test {
  protected:
    void SetUp() override
    {
        zt::test::use_fresh_emulated_machine();
        zt::test::set_logger_directory_in_registry(zt::test::logger_directory());
        zt::test::set_environment("ZTHEAP_JOURNAL", heap_journal);
    }
    void TearDown() override
    {
        zt::test::remove_logger_key_from_registry();
        zt::test::unset_environment("ZTHEAP_JOURNAL");
        zt::test::unset_environment("ZTHEAP_REFUSE");
    }
    std::string heap_calls() const { return zt::test::read_file(heap_journal); }

    zt::test::LoggerLog log;
    const zt::test::ScratchFolder scratch{"ztheap"};
    const std::string heap_journal = scratch.file("ztheap.journal");
};

TEST_F(EarlierLibraryLoad, RegistersAtLoadBindsTheLoggerAndUnregistersAtUnload)
{
    std::optional<zthost::DynamicLibrary> library(std::in_place, zt::test::earlier_library_path());
    ASSERT_TRUE(library->loaded()) << library->error();
    const std::string registered =
        "ztHeap_Register(0, \"library/earlier_load.cpp\", 31) -> 1 [registration 1]\n";
    EXPECT_EQ(heap_calls(), registered);

    // The first report after the load carries the name the load bound.
    const auto geo_area = reinterpret_cast<GeoAreaFn>(library->entry_point("GeoArea"));
    ASSERT_NE(geo_area, nullptr);
    EXPECT_EQ(geo_area(-1, 1, 1), 0.0);
    const auto entries = log.take_new_entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].module_tag, "ZTFUNC32        /");

    library.reset();
    EXPECT_FALSE(zt::test::library_is_loaded(zt::test::earlier_library_path()));
    EXPECT_EQ(heap_calls(), registered + "ztHeap_Unregister(\"library/earlier_load.cpp\", 44) "
                                         "[registration 1 ended]\n");
}

TEST_F(EarlierLibraryLoad, ExportsOnlyTheFunctionsOfTheEarlierRelease)
{
    const zthost::DynamicLibrary library(zt::test::earlier_library_path());
    ASSERT_TRUE(library.loaded()) << library.error();
    for (const char* name :
         {"PasteFunc", "GeoArea", "INIReadString", "STATXSetOutputFile", "TagExists",
          "GetDiscOnMsg", "GetDiscOffMsg", "SetTagEU", "CreateFilenameFromDate",
          "ZtShutDownWinNT40", "ZtShutDownWin95", "ZtBeep32", "SystemIsNT"}) {
        EXPECT_NE(library.entry_point(name), nullptr) << name;
    }
    for (const char* name : {"ZtCntx32Cleanup", "ZtShowWindowsTaskbar", "ZtDllInit", "ZtDllFree",
                             "_ZtDllInit@0", "_ZtDllFree@0", "GetDiscOnMsg@4"}) {
        EXPECT_EQ(library.entry_point(name), nullptr) << name;
    }
}

TEST_F(EarlierLibraryLoad, ARefusedHeapRegistrationFailsTheLoad)
{
    zt::test::set_environment("ZTHEAP_REFUSE", "1");
    std::optional<zthost::DynamicLibrary> library(std::in_place, zt::test::earlier_library_path());
#if defined(_WIN32)
    EXPECT_FALSE(library->loaded());
#else
    // A shared object cannot refuse its loading: natively it stays loaded.
    EXPECT_TRUE(library->loaded());
#endif
    // The report is the first binding, so it names the library "UNKNOWN".
    const auto entries = log.take_new_entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].module_tag, "UNKNOWN         /");
    EXPECT_EQ(entries[0].message, "ztHeap_Register failed!!");
    library.reset();
    // The unload tells the heap-tracking library all the same.
    EXPECT_EQ(heap_calls(), "ztHeap_Register(0, \"library/earlier_load.cpp\", 31) -> 0\n"
                            "ztHeap_Unregister(\"library/earlier_load.cpp\", 44) "
                            "[nothing registered]\n");
}

TEST_F(EarlierLibraryLoad, UnloadingReleasesTheHotspotsAndTheirHookAndSaysSo)
{
    zt::test::TagSite site("Msg1 message 1 \"\"\n");
    zt::test::TagEvents events(site.journal);
    zt::test::TestDesktop desktop;
    desktop.main_window("Main", 100, 100, 400, 300);
    zt::test::TestDesktop::point_at(5, 5);
    std::optional<zthost::DynamicLibrary> library(std::in_place, zt::test::earlier_library_path());
    ASSERT_TRUE(library->loaded()) << library->error();
    const auto register_hotspot = reinterpret_cast<ZtCntx32Fn>(library->entry_point("ZtCntx32"));
    ASSERT_NE(register_hotspot, nullptr);
    ASSERT_EQ(register_hotspot("Main", 10, 10, 50, 50, "Msg1", "A"), 1);
    zt::test::TestDesktop::point_at(120, 120);
    EXPECT_EQ(events.take(),
              (Texts{"init", "activate Msg1", "Msg1 = A", "give back Msg1", "shutdown"}));
    log.take_new_messages();

    // The heap-tracking library's journal goes into the log, so that the order shows.
    zt::test::set_environment("ZTHEAP_JOURNAL", log.path());
    library.reset();
    EXPECT_FALSE(zt::test::library_is_loaded(zt::test::earlier_library_path()));
    const auto entries = log.take_new_entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].message, "CZtFunc32App::Ztcntx32 -- Completed release of heap memory.");
    EXPECT_NE((entries[1].module_tag + entries[1].message).find("registration 1 ended"),
              std::string::npos); // the hotspots go first, then the registration
    // A hook left behind would run code that is gone (natively a crash).
    zt::test::TestDesktop::point_at(300, 300);
    EXPECT_EQ(events.take(), Texts{});
}

} // namespace
