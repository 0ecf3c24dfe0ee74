// The numeric functions' floating-point environment against a host that traps
// overflow and rounds toward zero: inside, an overflow gives infinity without a
// trap; afterwards the host has its settings back, flags included, and its
// next x87 instruction does not trap on what the library flagged.
#include "numeric/floating_point_scope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#if defined(__i386__) || defined(__x86_64__)
#include <xmmintrin.h>

namespace {

// Overflow, zero-divide and invalid unmasked, rounding toward zero.
constexpr unsigned int trapping_mxcsr = 0x6000 | 0x1000 | 0x0800 | 0x0100;
constexpr std::uint16_t trapping_x87_control = 0x0C72; // also single precision

std::uint16_t x87_control()
{
    std::uint16_t word = 0;
#if defined(__i386__)
    asm volatile("fnstcw %0" : "=m"(word));
#endif
    return word;
}

void set_x87_control(std::uint16_t word)
{
#if defined(__i386__)
    asm volatile("fldcw %0" : : "m"(word));
#else
    (void)word;
#endif
}

TEST(FloatingPointScope, NothingTrapsInsideAndTheHostGetsItsSettingsBack)
{
    const unsigned int test_mxcsr = _mm_getcsr();
    const std::uint16_t test_x87_control = x87_control();
    volatile double huge = 1e308;
    volatile double ten = 10.0;
    double sse_inside = 0;
    double x87_inside = 0;

    _mm_setcsr(trapping_mxcsr);
    set_x87_control(trapping_x87_control);
    {
        const zt::numeric::FloatingPointScope scope;
        sse_inside = huge * ten;
#if defined(__i386__)
        asm volatile("fldl %1\n\tfmull %2\n\tfstpl %0" : "=m"(x87_inside) : "m"(huge), "m"(ten));
#else
        x87_inside = sse_inside;
#endif
    }
    const unsigned int host_mxcsr_after = _mm_getcsr();
    const std::uint16_t host_x87_control_after = x87_control();
#if defined(__i386__)
    asm volatile("fwait"); // traps here if an overflow flag were left pending
#endif
    _mm_setcsr(test_mxcsr);
    set_x87_control(test_x87_control);

    EXPECT_TRUE(std::isinf(sse_inside));
    EXPECT_TRUE(std::isinf(x87_inside));
    EXPECT_EQ(host_mxcsr_after, trapping_mxcsr);
#if defined(__i386__)
    EXPECT_EQ(host_x87_control_after, trapping_x87_control);
#else
    EXPECT_EQ(host_x87_control_after, 0);
#endif
}

} // namespace
#endif
