// Time of one classifyItem call at the best and worst places of the scan, and of one
// suggestItems call at its worst, with the number of heap allocations per call beside each.
#include "allocation_counter.h"

#include <vekkiro/classification.h>
#include <vekkiro/suggestions.h>

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

// The list under the search box asks for 8; a one-character text that many names contain
// makes the most insertions, the longest text the box takes the longest scan of each name.
void suggest(benchmark::State& state, const std::u16string& text) {
    const long before = allocationCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(vekkiro::suggestItems(text, 8));
    state.counters["allocs_per_call"] = benchmark::Counter(
        static_cast<double>(allocationCount() - before) / static_cast<double>(state.iterations()));
}

BENCHMARK_CAPTURE(suggest, the_commonest_unit_in_114_names, std::u16string(u"纸"));
BENCHMARK_CAPTURE(suggest, ascii_letter_folded, std::u16string(u"b"));
BENCHMARK_CAPTURE(suggest, longest_text_32767_units, std::u16string(32767, u'池'));

} // namespace

BENCHMARK_MAIN();
