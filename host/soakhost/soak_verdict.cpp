#include "soak_verdict.h"

#include <algorithm>
#include <iostream>

namespace soakhost {
namespace {

// Under Wine the process settles within some 20 s: the window system's
// handles and buffers come in its first seconds.
constexpr double warm_up_seconds = 20;

// Failures printed in full; the rest are counted.
constexpr std::size_t failures_kept = 40;

template <class Figure> std::int64_t median(std::vector<Sample> samples, Figure figure)
{
    std::sort(samples.begin(), samples.end(),
              [&](const Sample& a, const Sample& b) { return figure(a) < figure(b); });
    return static_cast<std::int64_t>(figure(samples[samples.size() / 2]));
}

} // namespace

void Verdict::fail(const std::string& what)
{
    const std::lock_guard lock(mutex_);
    if (++count_ <= failures_kept) {
        failures_.push_back(what);
    }
}

void Verdict::check_flat(const std::vector<Sample>& samples, double seconds)
{
    const double warm_up = std::max(warm_up_seconds, seconds / 5);
    std::vector<Sample> settled;
    std::copy_if(samples.begin(), samples.end(), std::back_inserter(settled),
                 [&](const Sample& sample) { return sample.seconds >= warm_up; });
    if (settled.size() < 3) {
        fail("too few samples after the warm-up to tell whether heap and handles stay flat");
        return;
    }
    const std::size_t third = settled.size() / 3;
    const std::vector<Sample> first(settled.begin(), settled.begin() + third);
    const std::vector<Sample> last(settled.end() - third, settled.end());
    const auto heap = [](const Sample& sample) { return sample.figures.heap_bytes; };
    const auto handles = [](const Sample& sample) { return sample.figures.handles; };
    const std::int64_t heap_growth = median(last, heap) - median(first, heap);
    const std::int64_t handle_growth = median(last, handles) - median(first, handles);
    std::cout << "after the warm-up: heap in use grew by " << heap_growth << " bytes, handles by "
              << handle_growth << "\n";
    if (heap_growth > flat_heap_bytes) {
        fail("heap in use grew by " + std::to_string(heap_growth) + " bytes after the warm-up");
    }
    if (handle_growth > flat_handles) {
        fail("handles grew by " + std::to_string(handle_growth) + " after the warm-up");
    }
}

int Verdict::report()
{
    const std::lock_guard lock(mutex_);
    for (const std::string& failure : failures_) {
        std::cerr << "FAIL: " << failure << "\n";
    }
    if (count_ > failures_.size()) {
        std::cerr << "FAIL: and " << count_ - failures_.size() << " more\n";
    }
    std::cout << (count_ == 0 ? "PASS" : "FAILED") << "\n";
    return count_ == 0 ? 0 : 1;
}

} // namespace soakhost
