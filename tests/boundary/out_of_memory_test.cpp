// Out of memory at each allocation of one call of each export family: the
// export gives its normal result or one of its specified failure values, and
// the host's process goes on. Each attempt runs in a child process of its own,
// so that once-per-process state (the logger binding, the shared connection)
// starts afresh every time, and a process ended by terminate() or a crash shows
// as a child ended by a signal.
#include "failing_allocator.h"
#include "logger_log.h"
#include "scratch_folder.h"
#include "statx_test_support.h"
#include "tag_site.h"
#include "test_desktop.h"
#include "test_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

using zt::test::read_bytes;

// How the call of a child ended.
constexpr int accepted = 0;           // normal result or a specified failure value
constexpr int wrong_result = 1;       // anything else
constexpr int no_such_allocation = 2; // the call made fewer allocations than that
constexpr int thrown = 3;             // an exception came out of the export

struct ExportCall {
    const char* name;
    bool allocates;
    // Makes the call, stops the failing allocations, and judges the result.
    std::function<bool()> call;
    // Sets the child up before its allocations start failing.
    std::function<void()> prepare = {};
    zt::test::Failure failure = zt::test::Failure::standard;
};

int call_with_failing_allocation(const ExportCall& export_call, std::size_t n)
{
    // The child must not write out again what the parent has buffered.
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        // Nothing may leave the child but its exit code.
        int outcome = thrown;
        try {
            if (export_call.prepare) {
                export_call.prepare();
            }
            zt::test::fail_allocation(n, export_call.failure);
            const bool judged_right = export_call.call();
            zt::test::stop_failing_allocations();
            outcome = !zt::test::allocation_failed() ? no_such_allocation
                      : judged_right                 ? accepted
                                                     : wrong_result;
        } catch (...) {
        }
        _exit(outcome);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Lets the rest of a call's judgement allocate again.
template <class Result> Result returned(Result result)
{
    zt::test::stop_failing_allocations();
    return result;
}

// Allocates nothing, so that it may be evaluated while allocations fail.
bool one_of(std::int32_t result, std::initializer_list<std::int32_t> allowed)
{
    return std::find(allowed.begin(), allowed.end(), result) != allowed.end();
}

TEST(OutOfMemory, NoAllocationOfACallEndsTheProcessOrGivesAnUnspecifiedResult)
{
    // The parent makes no call of the library: each child binds, connects and
    // reports as the first user of a freshly loaded library would.
    zt::test::use_fresh_emulated_machine();
    zt::test::LoggerLog log;
    using Reports = std::vector<std::string>;
    // In the child: its reports from here on, not those of the children before.
    const auto new_reports = [&log] { return log.take_new_messages(); };
    zt::test::set_logger_directory_in_registry(zt::test::logger_directory());
    const zt::test::TagSite site;
    const zt::test::ExportToolOnSearchPath tool;
    const zt::test::ScratchFolder scratch;
    const std::string ini = scratch.file("plant.ini");
    zt::test::write_bytes(ini, "[Line]\r\nName=Filler\r\nPort=502\r\n");
    const std::string ini_before = read_bytes(ini);
    const std::string tags_before = read_bytes(site.tag_file());
    std::string tags_after = tags_before; // Flow has index 3
    tags_after.replace(130 + 512 * 3, 32, std::string("kg/h") + std::string(28, '\0'));
    const char* i = ini.c_str();
    // The host's main window, made in the child: windows belong to the thread
    // that made them, and the hook runs on that thread.
    std::unique_ptr<zt::test::TestDesktop> desktop;
    const auto open_main_window = [&] {
        desktop = std::make_unique<zt::test::TestDesktop>();
        desktop->main_window("Main", 100, 100);
    };

    const ExportCall calls[] = {
        {"GeoArea", false, [] { return returned(GeoArea(2, 3, 1)) == 3; }},
        // A refusal reports: the report binds the logger, which then formats it.
        {"GeoArea refused", true, [] { return returned(GeoArea(0, 3, 1)) == 0; }},
        {"CreateFilenameFromDate", false,
         [] {
             const char* name = returned(CreateFilenameFromDate("ymd", "A", ".x", 0));
             return std::strlen(name) == 11 && name[0] == 'A';
         }},
        {"PasteFunc", false,
         [] {
             char buffer[64];
             return returned(PasteFunc("GeoArea", buffer)) == 851977;
         }},
        {"ZtDllInit", true,
         [] {
             ZtDllInit();
             return returned(true);
         }},
        {"INIWriteString", true,
         [&] {
             const std::int32_t result = returned(INIWriteString(i, "Line", "Name", "Other"));
             const std::string bytes = read_bytes(ini);
             return (result == 0 && bytes == "[Line]\r\nName=Other\r\nPort=502\r\n") ||
                    (result == -1 && bytes == ini_before);
         }},
        {"INIReadString", true,
         [&] {
             const std::string value = returned(INIReadString(i, "Line", "Name"));
             return value == "Filler" || value == "FAILURE";
         }},
        {"INIReadInteger", true,
         [&] {
             return one_of(returned(INIReadInteger(i, "Line", "Port")), {502, -99});
         }},
        {"STATXSetStartDate", true,
         [] {
             return one_of(returned(STATXSetStartDate(2006, 3, 5)), {0, -1, 1, 10, 100});
         }},
        {"STATXSetProduct", true,
         [] {
             return one_of(returned(STATXSetProduct("Bread")), {0, -1, 1});
         }},
        {"TagExists", true,
         [] {
             return one_of(returned(TagExists("Flow")), {3, -2, -3, -20, -21});
         }},
        {"GetDiscOnMsg", true,
         [] {
             const std::string text = returned(GetDiscOnMsg("Pump1"));
             return text == "Pump running" || text.empty() ||
                    text == "Failure: Unable to activate specified tag.";
         }},
        {"SetTagEU", true,
         [&] {
             const std::int32_t result = returned(SetTagEU("Flow", "kg/h"));
             const std::string tags = read_bytes(site.tag_file());
             return one_of(result, {0, -2, -3, -4, -5, -6, -7, -8, -9, -10, -13, -20, -21}) &&
                    (result == 0 ? tags == tags_after : tags == tags_before || tags == tags_after);
         }},
        // Its one allocation is the version record; without it, it says so.
        {"SystemIsNT", true,
         [&] {
             const std::int32_t result = returned(SystemIsNT());
             return result == -1 &&
                    new_reports() == Reports{"SystemIsNT could not create OSVERSIONINFO structure"};
         },
         new_reports},
        {"ZtShutDownWinNT40", true,
         [] {
             return one_of(returned(ZtShutDownWinNT40(1)), {0, -1, -10, -11});
         }},
        // A standard exception gives -21 and reports its own text, any other
        // exception -20 and the export's text.
        {"ZtCntx32", true,
         [&] {
             const std::int32_t result = returned(ZtCntx32("Main", 0, 0, 10, 10, "Note", "here"));
             ZtCntx32Cleanup();
             return one_of(result, {1, -2}) ||
                    (result == -21 && new_reports() == Reports{std::bad_alloc().what()});
         },
         [&] {
             open_main_window();
             new_reports();
         }},
        {"ZtCntx32, other exceptions", true,
         [&] {
             const std::int32_t result = returned(ZtCntx32("Main", 0, 0, 10, 10, "Note", "here"));
             ZtCntx32Cleanup();
             return one_of(result, {1, -2}) ||
                    (result == -20 &&
                     new_reports() == Reports{"EXCEPTION: Caught in ZtCntx32() Function."});
         },
         [&] {
             open_main_window();
             new_reports();
         },
         zt::test::Failure::foreign},
        // The hook's tag writes as the pointer enters and leaves the hotspot.
        {"ZtCntx32 hook", true,
         [] {
             // The desktop itself may run out of memory too: a move it refuses
             // is no fault of the library.
             for (const zt::platform::Point point : {zt::platform::Point{105, 105}, {5, 5}}) {
                 zt::platform::driver::move_pointer(point);
                 zt::platform::driver::pump_messages();
             }
             zt::test::stop_failing_allocations();
             ZtCntx32Cleanup();
             return true;
         },
         [&] {
             open_main_window();
             zt::test::TestDesktop::point_at(5, 5);
             if (ZtCntx32("Main", 0, 0, 10, 10, "Note", "the pointer is here") != 1) {
                 _exit(wrong_result);
             }
         }},
        {"ZtBeep32", true,
         [] {
             ZtBeep32(440, 10);
             return returned(true);
         }},
    };
    for (const ExportCall& export_call : calls) {
        std::size_t n = 1;
        for (; n < 5000; ++n) {
            // Each child starts from the same files, whatever the last one left.
            zt::test::write_bytes(ini, ini_before);
            zt::test::write_bytes(site.tag_file(), tags_before);
            const int outcome = call_with_failing_allocation(export_call, n);
            if (outcome == no_such_allocation) {
                break;
            }
            ASSERT_EQ(outcome, accepted)
                << export_call.name << " with allocation " << n << " failing "
                << (outcome == wrong_result ? "gave a wrong result"
                    : outcome == thrown     ? "let an exception out"
                                            : "ended the process");
        }
        const std::size_t allocations = n - 1;
        EXPECT_EQ(allocations > 0, export_call.allocates)
            << export_call.name << " made " << allocations << " allocations";
        std::printf("%-24s %zu allocations, each made to fail once\n", export_call.name,
                    allocations);
    }
}

} // namespace
