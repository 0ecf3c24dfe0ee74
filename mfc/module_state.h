// Module states of the application framework, reduced to what the library uses:
// each library (and the host) has one, and each thread has a current one that
// framework services resolve against.
#pragma once

namespace zt::mfc {

struct ModuleState {
    const char* name;
};

// The state current on the calling thread; the host's until a library switches it.
ModuleState& current_module_state() noexcept;

// Makes `state` current on the calling thread; returns the state that was current.
ModuleState& exchange_module_state(ModuleState& state) noexcept;

// The state the calling thread last switched away from: after a call that ran
// in a library's frame, that library's. Lets a test see which state a call ran
// under without reaching into it.
const ModuleState* last_state_switched_from() noexcept;

// Makes a module state current for the length of a scope and restores the
// previous one on every way out, exceptions included.
class ModuleStateScope {
  public:
    explicit ModuleStateScope(ModuleState& state) noexcept : previous_(exchange_module_state(state))
    {
    }
    ~ModuleStateScope() { exchange_module_state(previous_); }
    ModuleStateScope(const ModuleStateScope&) = delete;
    ModuleStateScope& operator=(const ModuleStateScope&) = delete;

  private:
    ModuleState& previous_;
};

} // namespace zt::mfc
