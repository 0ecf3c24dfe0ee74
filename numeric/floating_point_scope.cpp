#include "numeric/floating_point_scope.h"

#if defined(__i386__) || defined(__x86_64__)
#include <xmmintrin.h>
#endif

namespace zt::numeric {
namespace {

#if defined(__i386__) || defined(__x86_64__)
// SSE: all six exceptions masked, round to nearest, no flush to zero, no
// denormals-are-zero.
constexpr unsigned int library_mxcsr = 0x1F80;
#endif

#if defined(__i386__)
// x87: all six exceptions masked, 53-bit precision, round to nearest.
constexpr unsigned short library_x87_control = 0x027F;
constexpr unsigned short x87_exception_bits = 0x003F;

unsigned short x87_control_word() noexcept
{
    unsigned short word = 0;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

unsigned short x87_status_word() noexcept
{
    unsigned short word = 0;
    asm volatile("fnstsw %0" : "=m"(word));
    return word;
}

void set_x87_control_word(unsigned short word) noexcept
{
    asm volatile("fldcw %0" : : "m"(word));
}
#endif

} // namespace

FloatingPointScope::FloatingPointScope() noexcept
{
#if defined(__i386__) || defined(__x86_64__)
    host_mxcsr_ = _mm_getcsr();
    _mm_setcsr(library_mxcsr);
#endif
#if defined(__i386__)
    host_x87_control_ = x87_control_word();
    set_x87_control_word(library_x87_control);
#endif
}

FloatingPointScope::~FloatingPointScope()
{
#if defined(__i386__)
    // An x87 exception is raised at the next x87 instruction after the one
    // that flagged it; flags the host would trap are cleared first.
    const unsigned short unmasked = ~host_x87_control_ & x87_exception_bits;
    if ((x87_status_word() & unmasked) != 0) {
        asm volatile("fnclex");
    }
    set_x87_control_word(host_x87_control_);
#endif
#if defined(__i386__) || defined(__x86_64__)
    // SSE exceptions trap at the instruction itself, never later: the host's
    // register, flags included, is simply put back.
    _mm_setcsr(host_mxcsr_);
#endif
}

} // namespace zt::numeric
