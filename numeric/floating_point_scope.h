// The floating-point environment the numeric functions compute in, whatever
// the host has set: round to nearest, no exception trapped, subnormal numbers
// kept, and on 32-bit x86 the x87 unit (which the runtime's power and tangent
// functions still use there) at double precision, as Windows sets it by
// default. The 64-bit and native builds compute in the same environment, so
// every build gives the same bits for the same call.
//
// Hosts do change these settings: graphics runtimes set the x87 unit to single
// precision, and some languages' runtimes unmask the overflow, zero-divide and
// invalid exceptions, which would otherwise trap inside the library and end
// the host's process.
#pragma once

namespace zt::numeric {

// Sets the library's environment for its lifetime, then gives the host its
// own settings back. No exception flag raised inside is left pending where the
// host's x87 control word would trap it at the host's next x87 instruction.
class FloatingPointScope {
  public:
    FloatingPointScope() noexcept;
    ~FloatingPointScope();
    FloatingPointScope(const FloatingPointScope&) = delete;
    FloatingPointScope& operator=(const FloatingPointScope&) = delete;

  private:
    // Each used only where the processor has the unit.
    [[maybe_unused]] unsigned int host_mxcsr_ = 0;
    [[maybe_unused]] unsigned short host_x87_control_ = 0;
};

} // namespace zt::numeric
