// The numeric exports and CreateFilenameFromDate through their C signatures.
//
// Input: a sequence of calls, each an operation byte and its arguments.
//   op % 12 in 0..9: a conversion or geometry export (order of `real_exports`):
//       three reals (float bits), two codes (int32) and one more code for
//       GeoVolume's shape, then two words of the host's floating-point settings
//       (MXCSR, x87 control word). The call is made under the host's settings
//       and again under the settings a host starts with: the results must be
//       the same bits, and the host's settings must come back unchanged.
//   op % 12 in 10..11: CreateFilenameFromDate. "Now" (int64 seconds), a time
//       zone byte, then format, prefix and postfix, each a source byte (0 null,
//       1 a text of the input, 2 a pointer into the shared result buffer at
//       the offset of the next byte) and its text, then the day offset. The
//       result must be prefix, date part and postfix as they were before the
//       call, cut at 131 characters, where the date part is the local date of
//       now + offset days written the plain way.
#include "fuzz_input.h"
#include "fuzz_machine.h"
#include "platform/local_time.h"
#include "text_argument.h"
#include "ztfunc32.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>
#include <optional>
#include <string>

#include <xmmintrin.h>

namespace {

// What the library takes as "now" while an input runs.
std::int64_t fixed_now = 0;

using zt::fuzz::FuzzInput;
using zt::fuzz::TextArgument;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "numeric: %s\n", what);
    std::abort();
}

// ---- conversions and geometry under the host's floating-point settings ----

struct RealExport {
    const char* name;
    int reals; // how many real arguments
    int codes; // how many integer arguments
};

constexpr RealExport real_exports[] = {
    {"StdFromMetLinear", 1, 2}, {"MetFromStdLinear", 1, 2}, {"StdFromMetFluid", 1, 2},
    {"MetFromStdFluid", 1, 2},  {"StdFromMetWeight", 1, 2}, {"MetFromStdWeight", 1, 2},
    {"ConvertTemp", 1, 2},      {"GeoArea", 2, 1},          {"GeoEqualSideArea", 1, 1},
    {"GeoVolume", 3, 1},
};

struct RealCall {
    int which;
    float reals[3];
    std::int32_t codes[2];
};

double call(const RealCall& c)
{
    switch (c.which) {
    case 0:
        return StdFromMetLinear(c.reals[0], c.codes[0], c.codes[1]);
    case 1:
        return MetFromStdLinear(c.reals[0], c.codes[0], c.codes[1]);
    case 2:
        return StdFromMetFluid(c.reals[0], c.codes[0], c.codes[1]);
    case 3:
        return MetFromStdFluid(c.reals[0], c.codes[0], c.codes[1]);
    case 4:
        return StdFromMetWeight(c.reals[0], c.codes[0], c.codes[1]);
    case 5:
        return MetFromStdWeight(c.reals[0], c.codes[0], c.codes[1]);
    case 6:
        return ConvertTemp(c.reals[0], c.codes[0], c.codes[1]);
    case 7:
        return GeoArea(c.reals[0], c.reals[1], c.codes[0]);
    case 8:
        return GeoEqualSideArea(c.reals[0], c.codes[0]);
    default:
        return GeoVolume(c.reals[0], c.reals[1], c.reals[2], c.codes[0]);
    }
}

constexpr unsigned int default_mxcsr = 0x1F80;
constexpr unsigned int mxcsr_flags = 0x3F;
constexpr unsigned short default_x87_control = 0x037F;

unsigned short x87_control()
{
    unsigned short word = 0;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

void set_x87_control(unsigned short word)
{
    asm volatile("fldcw %0" : : "m"(word));
}

// The call under the host's settings; the settings found afterwards go to
// `after`. Nothing but the call runs while the host's settings are in force.
double call_under(const RealCall& c, unsigned int mxcsr, unsigned short x87,
                  unsigned int& mxcsr_after, unsigned short& x87_after)
{
    asm volatile("fnclex");
    set_x87_control(x87);
    _mm_setcsr(mxcsr);
    const double result = call(c);
    mxcsr_after = _mm_getcsr();
    x87_after = x87_control();
    _mm_setcsr(default_mxcsr);
    asm volatile("fnclex");
    set_x87_control(default_x87_control);
    return result;
}

void real_call(FuzzInput& in, int which)
{
    RealCall c{which, {}, {}};
    for (float& real : c.reals) {
        real = in.real32();
    }
    for (std::int32_t& code : c.codes) {
        code = in.int32();
    }
    // Flags raised before the call are the host's business; the bits that
    // choose rounding, flushing and trapping are what a host sets.
    const unsigned int mxcsr = in.number<std::uint32_t>() & 0xFFC0u;
    // Bit 6 of the x87 control word always reads as set.
    const unsigned short x87 = (in.number<std::uint16_t>() & 0x1F3Fu) | 0x0040u;

    unsigned int mxcsr_after = 0;
    unsigned short x87_after = 0;
    const double expected =
        call_under(c, default_mxcsr, default_x87_control, mxcsr_after, x87_after);
    const double got = call_under(c, mxcsr, x87, mxcsr_after, x87_after);
    if ((mxcsr_after & ~mxcsr_flags) != mxcsr || x87_after != x87) {
        std::fprintf(stderr, "MXCSR %#x before, %#x after; x87 control %#x before, %#x after\n",
                     mxcsr, mxcsr_after, x87, x87_after);
        fail("the call did not give the host its floating-point settings back");
    }
    if (std::memcmp(&expected, &got, sizeof got) != 0) {
        std::fprintf(stderr, "%s: %a under the host's settings, %a otherwise\n",
                     real_exports[which].name, got, expected);
        fail("the result depends on the host's floating-point settings");
    }
}

// ---- date-based file names ----

constexpr std::size_t result_capacity = 131;

const char* const time_zones[] = {"UTC0",
                                  "Europe/Berlin",
                                  "America/New_York",
                                  "Pacific/Kiritimati",
                                  "Etc/GMT+12",
                                  "CET-1CEST,M3.5.0,M10.5.0/3"};

// The shared result buffer, as the first call returned it.
const zt::fuzz::SharedBuffer& shared_buffer()
{
    static const zt::fuzz::SharedBuffer buffer(CreateFilenameFromDate(nullptr, nullptr, nullptr, 0),
                                               result_capacity);
    return buffer;
}

TextArgument text_argument(FuzzInput& in, zt::fuzz::ArgumentTexts& texts)
{
    switch (in.byte() % 3) {
    case 0:
        return {};
    case 1:
        return texts.keep(in.text());
    default:
        return shared_buffer().pointer_into(in);
    }
}

// The date part written the plain way: formats of 1 to 3 letters, each d, m
// or y (any case) giving the two-digit day or month or the year, other
// letters nothing; no date at all when the instant has no local date with a
// four-digit year.
std::string expected_date_part(const std::string& format, std::int64_t now, std::int32_t days)
{
    if (format.empty() || format.size() > 3) {
        return "";
    }
    std::optional<std::tm> local;
    const __int128 instant = static_cast<__int128>(now) + static_cast<__int128>(days) * 86400;
    if (instant >= std::numeric_limits<std::time_t>::min() &&
        instant <= std::numeric_limits<std::time_t>::max()) {
        const auto t = static_cast<std::time_t>(instant);
        std::tm fields{};
        tzset();
        if (localtime_r(&t, &fields) != nullptr && fields.tm_year >= 1000 - 1900 &&
            fields.tm_year <= 9999 - 1900) {
            local = fields;
        }
    }
    std::string part;
    for (const char letter : format) {
        const char lower = letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter + 32) : letter;
        if (!local || (lower != 'd' && lower != 'm' && lower != 'y')) {
            continue;
        }
        char digits[16];
        const int number = lower == 'd'   ? local->tm_mday
                           : lower == 'm' ? local->tm_mon + 1
                                          : local->tm_year + 1900;
        std::snprintf(digits, sizeof digits, "%02d", number);
        part += digits;
    }
    return part;
}

void date_call(FuzzInput& in)
{
    const std::int64_t now = in.number<std::int64_t>();
    const std::uint8_t zone = in.byte();
    if (zone < std::size(time_zones)) {
        setenv("TZ", time_zones[zone], 1);
    } else {
        unsetenv("TZ");
    }
    zt::fuzz::ArgumentTexts texts;
    const TextArgument format = text_argument(in, texts);
    const TextArgument prefix = text_argument(in, texts);
    const TextArgument postfix = text_argument(in, texts);
    const std::int32_t days = in.int32();

    const std::string expected =
        (prefix.value + expected_date_part(format.value, now, days) + postfix.value)
            .substr(0, result_capacity);
    fixed_now = now;
    zt::platform::local_time_calls().current_time_seconds = []() noexcept { return fixed_now; };
    const char* result =
        CreateFilenameFromDate(format.pointer, prefix.pointer, postfix.pointer, days);
    if (result != shared_buffer().start()) {
        fail("the result is not the shared result buffer");
    }
    if (std::memchr(result, '\0', result_capacity + 1) == nullptr || expected != result) {
        std::fprintf(stderr, "expected \"%s\"\n     got \"%.131s\"\n", expected.c_str(), result);
        fail("the file name is not prefix, date part and postfix");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    zt::fuzz::set_up_machine();
    shared_buffer();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    while (!in.empty()) {
        const int op = in.byte() % 12;
        if (op < 10) {
            real_call(in, op);
        } else {
            date_call(in);
        }
    }
    return 0;
}
