// The heap bytes a filled table holds per value stored, against the 8 bytes of a double.
//
// Each case builds the table as a host would (sizes first, then every value) and counts
// the bytes still allocated once it is built: the table object, its rows and its value
// arrays, without the allocator's own rounding. The time of these cases means nothing.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>

#include "Shapes.h"
#include "support/Heap.h"

namespace orvbench {
namespace {

// Runs `build` once per iteration and reports the bytes the built object holds (those
// that destroying it gives back) per stored value.
template <class Build>
void measureMemory(benchmark::State& state, std::size_t storedValues, Build build) {
  long long bytes = 0;
  for (auto _ : state) {
    auto built = build();
    support::heap::Count const start = support::heap::count();
    built.reset();
    bytes = start.liveBytes - support::heap::count().liveBytes;
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes_per_value"] =
      static_cast<double>(bytes) / static_cast<double>(storedValues);
  state.counters["stored_values"] = static_cast<double>(storedValues);
}

void memoryOilTable(benchmark::State& state) {
  // the gas-oil ratios, the entries' triples and the surface density
  measureMemory(state, kOilValues + 1, [] { return makeOilTable(); });
}

void memoryDepthTable(benchmark::State& state) {
  measureMemory(state, kFlatValues, [] { return makeDepthTable(kFlatRows, kFlatComponents); });
}

void memoryKValueTable(benchmark::State& state) {
  measureMemory(state, kFlatValues, [] { return makeKValueTable(); });
}

void memoryBlackOilModel(benchmark::State& state) {
  measureMemory(state, kModelValues, [] { return makeBlackOilModel(); });
}

}  // namespace

BENCHMARK(memoryBlackOilModel)->Name("memory/black_oil_model")->Iterations(1);
BENCHMARK(memoryOilTable)->Name("memory/oil_table")->Iterations(1);
BENCHMARK(memoryDepthTable)->Name("memory/depth_table")->Iterations(1);
BENCHMARK(memoryKValueTable)->Name("memory/kvalue_table")->Iterations(1);

}  // namespace orvbench
