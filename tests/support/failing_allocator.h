// The test program's global operator new, counting and able to fail: once
// armed with a number n, the n-th allocation after arming throws
// std::bad_alloc, or an exception of no standard type. Only test programs that link
// failing_allocator.cpp get it; it replaces operator new for the whole process, the libraries it
// loads included.
#pragma once

#include <cstddef>

namespace zt::test {

// How the failing allocation fails: with std::bad_alloc, or with an exception
// that no standard class describes, as a library built with another
// runtime's might raise.
enum class Failure { standard, foreign };
struct ForeignFailure {
    int code;
};

// Counts allocations from now on and makes allocation number `n` (from 1) fail.
void fail_allocation(std::size_t n, Failure failure = Failure::standard) noexcept;
// Stops counting; nothing fails afterwards.
void stop_failing_allocations() noexcept;
// Whether the allocation that was to fail happened since fail_allocation().
bool allocation_failed() noexcept;

} // namespace zt::test
