// Calls a function of the 32-bit x86 Windows ABI with a row of 32-bit argument
// words and records what the call did to the machine state that the calling
// conventions govern: the stack pointer, the registers the callee must keep,
// and the x87 register stack.
#pragma once

#include <cstdint>

extern "C" {

struct CallRecord {
    std::uint32_t stack_before;       // ESP just before the call, arguments pushed
    std::uint32_t stack_after;        // ESP just after the return
    std::uint32_t ebx, esi, edi, ebp; // after the return
    std::uint32_t eax, edx;           // the integer result
    std::uint32_t mxcsr_before, mxcsr_after;
    std::uint16_t fpu_status_before, fpu_status_after;
    std::uint16_t fpu_control_before, fpu_control_after;
    double real_result; // ST(0), taken off the x87 stack when the call left one there
};

// Values the callee-saved registers hold during the call.
inline constexpr std::uint32_t sentinel_ebx = 0xB0B0B0B1u;
inline constexpr std::uint32_t sentinel_esi = 0x51515152u;
inline constexpr std::uint32_t sentinel_edi = 0xD1D1D1D3u;
inline constexpr std::uint32_t sentinel_ebp = 0xEBEBEBE4u;

// Pushes `count` words of `arguments` (the first one last, so it lies at the
// lowest address) onto a stack aligned to 16 bytes and then moved down by
// `misalignment` bytes, so that ESP at the call is `misalignment` plus 4 x
// `count` bytes below a multiple of 16 (a host owes no more alignment); calls
// `function` and fills `record`. Whatever the callee did to ESP and the saved
// registers, the caller's state is restored before this returns. Not
// reentrant: the thunk keeps the caller's state in static storage.
void checked_call(const void* function, const std::uint32_t* arguments, std::uint32_t count,
                  std::uint32_t misalignment, CallRecord* record);

} // extern "C"
