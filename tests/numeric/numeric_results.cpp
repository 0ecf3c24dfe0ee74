// Calls every numeric export of the built library over a fixed grid of inputs
// and writes each result's bits in hex, one call per line, so that the results
// of two builds, or of two floating-point settings of the caller, can be
// compared bit for bit with a plain diff.
//
// usage: numeric_results OUTPUT [SETTING]
//
// SETTING is what a host may have done to the floating-point unit before it
// calls: "x87-24", "x87-53" or "x87-64" set the x87 precision (32-bit x86
// only); "hostile" sets, where the processor has them, the x87 unit to single
// precision rounding toward zero and SSE to rounding toward zero with
// subnormals flushed, and unmasks the overflow, zero-divide and invalid
// exceptions of both. The library's results must not depend on any of it, and
// a call must give the caller its settings back.
#include "dynamic_library.h"
#include "test_environment.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#if defined(__i386__) || defined(__x86_64__)
#include <xmmintrin.h>
#endif

namespace {

#if defined(_WIN32)
#define RESULTS_CALLER __cdecl
#else
#define RESULTS_CALLER
#endif

using Conversion = double(RESULTS_CALLER*)(float, int32_t, int32_t);
using Area = double(RESULTS_CALLER*)(float, float, int32_t);
using EqualSideArea = double(RESULTS_CALLER*)(float, int32_t);
using Volume = double(RESULTS_CALLER*)(float, float, float, int32_t);

const char* const conversions[] = {"StdFromMetLinear", "MetFromStdLinear", "StdFromMetFluid",
                                   "MetFromStdFluid",  "StdFromMetWeight", "MetFromStdWeight",
                                   "ConvertTemp"};

// Ordinary values, values at the edges of single precision, and refused ones.
const float values[] = {0.001f,  0.1f,
                        0.5f,    1.0f,
                        1.5f,    2.0f,
                        2.54f,   3.3f,
                        10.0f,   37.7f,
                        100.0f,  212.0f,
                        273.16f, 1234.567f,
                        1e6f,    1e-30f,
                        1e-40f,  3.4e38f,
                        -1.0f,   -40.0f,
                        0.0f,    std::numeric_limits<float>::quiet_NaN()};
const float dimensions[] = {0.25f, 1.0f, 3.0f, 7.5f, 1e5f, 0.0f, -2.0f, 1e-20f};
const int32_t sides[] = {2,  3,  4,  5,   6,    7,     8,
                         10, 12, 16, 100, 1000, 65536, std::numeric_limits<int32_t>::max()};

// The processor's floating-point settings (not its flags), as far as it has them.
struct FloatingPointSettings {
    uint16_t x87_control = 0;
    uint32_t mxcsr = 0;
    bool operator==(const FloatingPointSettings&) const = default;
};

FloatingPointSettings current_settings()
{
    FloatingPointSettings settings;
#if defined(__i386__)
    asm volatile("fnstcw %0" : "=m"(settings.x87_control));
#endif
#if defined(__i386__) || defined(__x86_64__)
    settings.mxcsr = _mm_getcsr() & ~0x3Fu; // without the exception flags
#endif
    return settings;
}

void apply(const FloatingPointSettings& settings)
{
#if defined(__i386__)
    asm volatile("fldcw %0" : : "m"(settings.x87_control));
#endif
#if defined(__i386__) || defined(__x86_64__)
    _mm_setcsr(settings.mxcsr);
#endif
}

bool apply_setting(const std::string& setting)
{
    FloatingPointSettings settings = current_settings();
    if (setting == "hostile") {
        // x87: single precision, toward zero, overflow, zero-divide and invalid
        // unmasked. SSE: toward zero, flush to zero, denormals are zero, the
        // same three unmasked.
        settings.x87_control = 0x0C72;
        settings.mxcsr = 0xF940;
#if defined(__i386__)
    } else if (setting == "x87-24" || setting == "x87-53" || setting == "x87-64") {
        const uint16_t precision = setting == "x87-24"   ? 0x000
                                   : setting == "x87-53" ? 0x200
                                                         : 0x300;
        settings.x87_control = static_cast<uint16_t>((settings.x87_control & ~0x300) | precision);
#endif
    } else {
        return false;
    }
    apply(settings);
    return true;
}

class ResultFile {
  public:
    explicit ResultFile(const char* path) : file_(std::fopen(path, "wb")) {}
    ~ResultFile()
    {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
    }
    ResultFile(const ResultFile&) = delete;
    ResultFile& operator=(const ResultFile&) = delete;

    bool open() const { return file_ != nullptr; }

    // One line: the export, its arguments (reals as their bits) and the
    // result's bits.
    void write(const char* name, const std::string& arguments, double result)
    {
        uint64_t bits = 0;
        std::memcpy(&bits, &result, sizeof bits);
        std::fprintf(file_, "%s(%s) = %08lx%08lx\n", name, arguments.c_str(),
                     static_cast<unsigned long>(bits >> 32),
                     static_cast<unsigned long>(bits & 0xFFFFFFFFu));
    }

  private:
    std::FILE* file_;
};

std::string real(float value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    char text[16];
    std::snprintf(text, sizeof text, "%08lx", static_cast<unsigned long>(bits));
    return text;
}

std::string integer(int32_t value)
{
    return std::to_string(value);
}

template <typename... Parts> std::string join(const Parts&... parts)
{
    std::string text;
    ((text += (text.empty() ? "" : ", ") + parts), ...);
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: numeric_results OUTPUT [SETTING]\n");
        return 2;
    }
    const std::string library_path = zt::test::library_path();
    const zthost::DynamicLibrary library(library_path);
    if (!library.loaded()) {
        std::fprintf(stderr, "cannot load %s: %s\n", library_path.c_str(), library.error().c_str());
        return 2;
    }
    ResultFile output(argv[1]);
    if (!output.open()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 2;
    }
    if (argc == 3 && !apply_setting(argv[2])) {
        std::fprintf(stderr, "the setting %s does not exist on this target\n", argv[2]);
        return 2;
    }
    const FloatingPointSettings settings = current_settings();
    int failures = 0;
    const auto entry = [&](const char* name) {
        void* function = library.entry_point(name);
        if (function == nullptr) {
            std::fprintf(stderr, "%s is not exported\n", name);
            std::exit(2);
        }
        return function;
    };
    const auto write = [&](const char* name, const std::string& arguments, double result) {
        if (current_settings() != settings) {
            std::fprintf(stderr, "%s(%s) changed the caller's floating-point settings\n", name,
                         arguments.c_str());
            ++failures;
            apply(settings);
        }
        output.write(name, arguments, result);
    };

    for (const char* name : conversions) {
        const auto convert = reinterpret_cast<Conversion>(entry(name));
        for (const float value : values) {
            for (int32_t from = -1; from <= 4; ++from) {
                for (int32_t to = -1; to <= 4; ++to) {
                    write(name, join(real(value), integer(from), integer(to)),
                          convert(value, from, to));
                }
            }
        }
    }
    const auto area = reinterpret_cast<Area>(entry("GeoArea"));
    for (const float base : values) {
        for (const float height : dimensions) {
            for (int32_t shape = 0; shape <= 4; ++shape) {
                write("GeoArea", join(real(base), real(height), integer(shape)),
                      area(base, height, shape));
            }
        }
    }
    const auto polygon = reinterpret_cast<EqualSideArea>(entry("GeoEqualSideArea"));
    for (const float side : values) {
        for (const int32_t count : sides) {
            write("GeoEqualSideArea", join(real(side), integer(count)), polygon(side, count));
        }
    }
    const auto volume = reinterpret_cast<Volume>(entry("GeoVolume"));
    for (const float base : values) {
        for (const float height : dimensions) {
            for (const float width : {1.0f, 2.5f, 1e-3f, 0.0f}) {
                for (int32_t shape = 0; shape <= 7; ++shape) {
                    write("GeoVolume", join(real(base), real(height), real(width), integer(shape)),
                          volume(base, height, width, shape));
                }
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
