// What a soak found: its failures, kept from whichever thread found them, and
// whether the process's figures stayed flat.
#pragma once

#include "process_figures.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace soakhost {

// Growth allowed after the warm-up: heap in use, and handles.
inline constexpr std::int64_t flat_heap_bytes = 64 * 1024;
inline constexpr std::int64_t flat_handles = 2;

struct Sample {
    double seconds = 0;
    std::uint64_t calls = 0;
    std::uint64_t moves = 0;
    std::uint64_t writes = 0;
    ProcessFigures figures;
};

class Verdict {
  public:
    void fail(const std::string& what);
    // Fails when heap or handles grew beyond the limits between the start and
    // the end of what follows the warm-up (the first fifth of the run, at
    // least 20 s), each taken as the median of a third of those samples, so
    // that one sample caught amid a burst of allocations does not count.
    void check_flat(const std::vector<Sample>& samples, double seconds);
    // Prints the failures; 0 when there were none, else 1.
    int report();

  private:
    std::mutex mutex_;
    std::vector<std::string> failures_;
    std::uint64_t count_ = 0;
};

} // namespace soakhost
