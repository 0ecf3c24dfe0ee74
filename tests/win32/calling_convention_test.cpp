// The calling conventions of the shipped 32-bit DLL, proven by calling it: every
// export of the export table, and every entry point of the stand-ins that the
// library calls, goes through a thunk that records the machine state around
// the call (checked_call.S).
#include "checked_call.h"
#include "export_signature.h"
#include "platform/drivers/desktop_driver.h"
#include "scratch_folder.h"
#include "tagport.h"
#include "test_environment.h"
#include "ztdebug.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace {

using zt::abi::Convention;
using zt::abi::ResultKind;
using zt::abi::Signature;
using zt::abi::Word;

// The signature a declaration gives, without taking the function's address.
#define ZT_SIGNATURE(function) zt::abi::signature_of(static_cast<decltype(&function)>(nullptr))

struct ExportRow {
    int ordinal;
    const char* name;
    Convention convention; // as the table says
    std::size_t argument_bytes;
    Signature declared; // as ztfunc32.h says, for the argument words and result
};

const ExportRow export_rows[] = {
#define ZT_EXPORT(function, name, ordinal, earlier_ordinal, cleanup, bytes, framed)                \
    {ordinal, name, Convention::cleanup, bytes, ZT_SIGNATURE(function)},
#include "exports.inc"
#undef ZT_EXPORT
};

// Bits 11 to 13 of the x87 status word: the top of the register stack.
int x87_stack_top(std::uint16_t status)
{
    return (status >> 11) & 7;
}

// How many values a call left on the x87 register stack.
int x87_values_left(const CallRecord& record)
{
    return (x87_stack_top(record.fpu_status_before) - x87_stack_top(record.fpu_status_after)) & 7;
}

class LoadedLibrary {
  public:
    explicit LoadedLibrary(const std::string& path) : module_(LoadLibraryA(path.c_str())) {}
    ~LoadedLibrary()
    {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    bool loaded() const { return module_ != nullptr; }
    const void* entry(const char* name) const
    {
        return reinterpret_cast<const void*>(GetProcAddress(module_, name));
    }

  private:
    HMODULE module_;
};

// Calls `function` once for each stack alignment a host may give and checks
// what the conventions promise; returns the last record.
CallRecord call_checked(const char* name, const void* function, const Signature& signature,
                        const std::vector<std::uint32_t>& words)
{
    const std::uint32_t removed =
        signature.convention == Convention::callee ? signature.argument_bytes : 0;
    const int results_on_x87 = signature.result == ResultKind::real ? 1 : 0;
    CallRecord record{};
    for (const std::uint32_t misalignment : {0u, 4u, 8u, 12u}) {
        SCOPED_TRACE(std::string(name) + ", stack " + std::to_string(misalignment) +
                     " bytes off its alignment");
        record = {};
        checked_call(function, words.data(), static_cast<std::uint32_t>(words.size()), misalignment,
                     &record);
        EXPECT_EQ(record.stack_after - record.stack_before, removed) << "bytes removed";
        EXPECT_EQ(record.ebx, sentinel_ebx) << "EBX";
        EXPECT_EQ(record.esi, sentinel_esi) << "ESI";
        EXPECT_EQ(record.edi, sentinel_edi) << "EDI";
        EXPECT_EQ(record.ebp, sentinel_ebp) << "EBP";
        EXPECT_EQ(x87_values_left(record), results_on_x87) << "values left on the x87 stack";
        EXPECT_EQ(record.fpu_control_after, record.fpu_control_before) << "x87 control word";
        EXPECT_EQ(record.mxcsr_after, record.mxcsr_before) << "MXCSR";
    }
    return record;
}

std::uint32_t word(const void* pointer)
{
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(pointer));
}

std::uint32_t word(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

class CallingConventions : public testing::Test {
  protected:
    CallingConventions()
    {
        // Texts name a file in the scratch folder, so that the INI writes land there;
        // the writable buffer is larger than any export writes.
        const std::string text = scratch.file("calls.ini");
        std::snprintf(text_.data(), text_.size(), "%s", text.c_str());
        std::snprintf(buffer_.data(), buffer_.size(), "%s", text.c_str());
    }

    // Harmless values by kind: an integer 0 is refused or neutral for every
    // export (shutdown code 0 does nothing, a day offset of 0 is today).
    std::vector<std::uint32_t> words_for(const Signature& signature)
    {
        std::vector<std::uint32_t> words;
        for (std::size_t i = 0; i < signature.word_count; ++i) {
            switch (signature.words[i]) {
            case Word::real:
                words.push_back(word(2.5f));
                break;
            case Word::integer:
                words.push_back(0);
                break;
            case Word::text:
                words.push_back(word(text_.data()));
                break;
            case Word::buffer:
                words.push_back(word(buffer_.data()));
                break;
            case Word::other:
                ADD_FAILURE() << "no harmless value for parameter " << i + 1;
                words.push_back(0);
                break;
            }
        }
        return words;
    }

    zt::test::ScratchFolder scratch;

  private:
    std::array<char, 1024> text_{};
    std::array<char, 1024> buffer_{};
};

// A taskbar window of this process for ZtShowWindowsTaskbar to raise: without
// one, it would wait for a click on its message box.
class Taskbar {
  public:
    Taskbar()
        : window_(
              zt::platform::driver::create_window({"Shell_TrayWnd", "", nullptr, 0, 990, 1280, 34}))
    {
    }
    ~Taskbar() { zt::platform::driver::destroy_window(window_); }
    Taskbar(const Taskbar&) = delete;
    Taskbar& operator=(const Taskbar&) = delete;

    bool made() const { return window_ != nullptr; }

  private:
    zt::platform::WindowHandle window_;
};

TEST_F(CallingConventions, EveryExportRemovesTheArgumentBytesOfTheTableAndKeepsTheSavedRegisters)
{
    const Taskbar taskbar;
    ASSERT_TRUE(taskbar.made());
    const LoadedLibrary library(zt::test::library_path());
    ASSERT_TRUE(library.loaded()) << zt::test::library_path();
    for (const ExportRow& row : export_rows) {
        const void* function = library.entry(row.name);
        ASSERT_NE(function, nullptr) << row.name;
        Signature signature = row.declared;
        signature.convention = row.convention;
        signature.argument_bytes = row.argument_bytes;
        call_checked(row.name, function, signature, words_for(signature));
    }
}

TEST_F(CallingConventions, TagAccessEntryPointsRemoveTheirArguments)
{
    zt::test::write_bytes(scratch.path() / "tagport.tags", "Lamp.OnMsg message 2 \"Lamp on\"\n");
    zt::test::set_environment("TAGPORT_DATABASE", scratch.file("tagport.tags"));
    const LoadedLibrary tagport(zt::test::bin_directory() + "TAGPORT.dll");
    ASSERT_TRUE(tagport.loaded());
    const auto call = [&](const char* name, const Signature& signature,
                          const std::vector<std::uint32_t>& words) {
        const void* function = tagport.entry(name);
        EXPECT_NE(function, nullptr) << name;
        return function != nullptr ? call_checked(name, function, signature, words).eax : 0;
    };
    const char* tag_name = "Lamp.OnMsg";
    std::array<char, 64> message{};

    const std::uint32_t connection = call("TagportInit", ZT_SIGNATURE(TagportInit), {0, 0});
    ASSERT_NE(connection, 0u);
    EXPECT_EQ(call("TagportCheck", ZT_SIGNATURE(TagportCheck), {connection}), 1u);
    const std::uint32_t tag =
        call("TagportActivate", ZT_SIGNATURE(TagportActivate), {connection, word(tag_name)});
    ASSERT_NE(tag, 0u);
    EXPECT_EQ(call("TagportType", ZT_SIGNATURE(TagportType), {connection, tag}),
              std::uint32_t{TP_MESSAGE});
    EXPECT_EQ(call("TagportIsActive", ZT_SIGNATURE(TagportIsActive), {connection, tag}), 1u);
    call("TagportGetMessage", ZT_SIGNATURE(TagportGetMessage),
         {connection, tag, word(message.data()), message.size()});
    EXPECT_STREQ(message.data(), "Lamp on");
    call("TagportSetMessage", ZT_SIGNATURE(TagportSetMessage), {connection, tag, word("Lamp lit")});
    call("TagportDeactivate", ZT_SIGNATURE(TagportDeactivate), {connection, tag});
    const std::uint32_t handle =
        call("TagportGetHandle", ZT_SIGNATURE(TagportGetHandle), {connection, word(tag_name)});
    EXPECT_NE(handle, 0u);
    call("TagportFreeHandle", ZT_SIGNATURE(TagportFreeHandle), {connection, handle});
    call("TagportShutdown", ZT_SIGNATURE(TagportShutdown), {connection});
    zt::test::unset_environment("TAGPORT_DATABASE");
}

TEST_F(CallingConventions, LoggerEntryPointsRemoveTheirArguments)
{
    zt::test::set_environment("ZTDEBUG_LOG", scratch.file("ztdebug.log"));
    const LoadedLibrary logger(zt::test::logger_directory() + "\\ZTDEBUG.DLL");
    ASSERT_TRUE(logger.loaded());
    const auto call = [&](const char* name, const Signature& signature,
                          const std::vector<std::uint32_t>& words) {
        const void* function = logger.entry(name);
        EXPECT_NE(function, nullptr) << name;
        return function != nullptr ? call_checked(name, function, signature, words).eax : 0;
    };
    // On 32-bit x86 a va_list is the address of the first argument.
    const std::array<const char*, 1> arguments{"logged through the thunk"};

    EXPECT_EQ(call("ztDebugStartLogger", ZT_SIGNATURE(ztDebugStartLogger), {word("host")}), 1u);
    EXPECT_EQ(call("ztDebugStartLoggerClient", ZT_SIGNATURE(ztDebugStartLoggerClient),
                   {word("ZtFunc32")}),
              1u);
    EXPECT_EQ(call("ztAppDebug", ZT_SIGNATURE(ztAppDebug),
                   {word("ZtCallingConvent/"), word("%s"), word(arguments.data())}),
              1u);
    zt::test::unset_environment("ZTDEBUG_LOG");
    EXPECT_NE(zt::test::read_file(scratch.file("ztdebug.log")).find("logged through the thunk"),
              std::string::npos);
}

} // namespace
