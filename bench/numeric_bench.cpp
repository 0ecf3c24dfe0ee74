// Cost of one call of each numeric family through its export. The date file
// name is bound by the local-time conversion, measured bare beside it.
#include "ztfunc32.h"

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

void UnitConversion(benchmark::State& state)
{
    float value = 2.54f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(StdFromMetLinear(value, 1, 0));
    }
}
BENCHMARK(UnitConversion);

void Temperature(benchmark::State& state)
{
    float value = 212.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(ConvertTemp(value, 1, 3));
    }
}
BENCHMARK(Temperature);

void Geometry(benchmark::State& state)
{
    float base = 2.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(base);
        benchmark::DoNotOptimize(GeoVolume(base, 3.0f, 4.0f, 3));
    }
}
BENCHMARK(Geometry);

void RegularPolygon(benchmark::State& state)
{
    float side = 2.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(side);
        benchmark::DoNotOptimize(GeoEqualSideArea(side, 6));
    }
}
BENCHMARK(RegularPolygon);

void DateFileName(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(CreateFilenameFromDate("ymd", "LOG", ".txt", -1));
    }
}
BENCHMARK(DateFileName);

// What the date file name cannot do without: the C library's local-time
// conversion of "now", with TZ looked at again as the library does.
void BareLocalTime(benchmark::State& state)
{
    for (auto _ : state) {
        const std::time_t now = std::time(nullptr);
        std::tm fields{};
        tzset();
        benchmark::DoNotOptimize(localtime_r(&now, &fields));
    }
}
BENCHMARK(BareLocalTime);

// The same without looking at TZ again: what re-reading TZ costs per call.
void BareLocalTimeOnceInitialised(benchmark::State& state)
{
    tzset();
    for (auto _ : state) {
        const std::time_t now = std::time(nullptr);
        std::tm fields{};
        benchmark::DoNotOptimize(localtime_r(&now, &fields));
    }
}
BENCHMARK(BareLocalTimeOnceInitialised);

} // namespace
