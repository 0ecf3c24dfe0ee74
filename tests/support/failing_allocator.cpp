#include "failing_allocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace zt::test {
namespace {

std::atomic<std::size_t> failing_number{0}; // 0: none
std::atomic<std::size_t> counted{0};
std::atomic<bool> failed{false};
std::atomic<Failure> failing_with{Failure::standard};

} // namespace

void fail_allocation(std::size_t n, Failure failure) noexcept
{
    counted = 0;
    failed = false;
    failing_with = failure;
    failing_number = n;
}

void stop_failing_allocations() noexcept
{
    failing_number = 0;
}

bool allocation_failed() noexcept
{
    return failed;
}

} // namespace zt::test

namespace {

void* counted_allocation(std::size_t size)
{
    using namespace zt::test;
    const std::size_t failing = failing_number.load();
    if (failing != 0 && ++counted == failing) {
        failed = true;
        if (failing_with == Failure::foreign) {
            throw ForeignFailure{20};
        }
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

} // namespace

// Every form that plain allocations use, so that all of them count and pair
// with free() (the sanitizer's own forms would not).
void* operator new(std::size_t size)
{
    return counted_allocation(size);
}
void* operator new[](std::size_t size)
{
    return counted_allocation(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return counted_allocation(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return counted_allocation(size);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* memory) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
