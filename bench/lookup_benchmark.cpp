// Time of one classifyItem call at the best and worst places of the scan, with the number of
// heap allocations per call reported beside it.
#include "allocation_counter.h"

#include <vekkiro/classification.h>

#include <benchmark/benchmark.h>
#include <string>

namespace {

using vekkiro::testing::allocationCount;
void classify(benchmark::State& state, const std::u16string& text) {
    const long before = allocationCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(vekkiro::classifyItem(text));
    state.counters["allocs_per_lookup"] = benchmark::Counter(
        static_cast<double>(allocationCount() - before) / static_cast<double>(state.iterations()));
}

BENCHMARK_CAPTURE(classify, best_position_1, std::u16string(u"鲜花"));
BENCHMARK_CAPTURE(classify, worst_sentinel_1548, std::u16string(u"更多"));
BENCHMARK_CAPTURE(classify, not_found_empty, std::u16string());
BENCHMARK_CAPTURE(classify, not_found_short, std::u16string(u"手机"));
BENCHMARK_CAPTURE(classify, not_found_14_units, std::u16string(u"带有婴儿便便的尿不湿和纸尿布"));
BENCHMARK_CAPTURE(classify, not_found_100000_units, std::u16string(100000, u'池'));

} // namespace

BENCHMARK_MAIN();
