// Text arguments handed to the exports: a pointer (null, or to a text that
// stays put for the rest of the input) and the text it points to.
#pragma once

#include "fuzz_input.h"

#include <cstddef>
#include <deque>
#include <string>

namespace zt::fuzz {

struct TextArgument {
    const char* pointer = nullptr;
    std::string value; // what pointer points to, when not null
};

// Keeps the texts handed to the exports for the life of an input, so that a
// pointer one call was given stays valid when a later call is checked.
class ArgumentTexts {
  public:
    TextArgument keep(std::string value)
    {
        owned_.push_back(std::move(value));
        return {owned_.back().c_str(), owned_.back()};
    }

  private:
    std::deque<std::string> owned_; // a deque never moves what it holds
};

// The result buffer an export returns and shares between its calls. A
// pointer into it, passed back to an export, makes the export read the
// buffer it is about to write.
class SharedBuffer {
  public:
    SharedBuffer(const char* start, std::size_t capacity) : start_(start), capacity_(capacity) {}

    const char* start() const { return start_; }
    bool holds(const char* pointer) const
    {
        return pointer >= start_ && pointer <= start_ + capacity_;
    }
    // A pointer at an offset the input chooses, up to the buffer's last byte.
    TextArgument pointer_into(FuzzInput& in) const
    {
        const char* pointer = start_ + in.byte() % (capacity_ + 1);
        return {pointer, pointer};
    }

  private:
    const char* start_;
    std::size_t capacity_;
};

} // namespace zt::fuzz
