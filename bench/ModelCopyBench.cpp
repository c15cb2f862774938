// Copying a whole black-oil model, beside memcpy of as many doubles as the copy transfers
// and beside the model's copy constructor.
//
// The copy constructor is not a deep copy: it shares the oil tables with the source (a
// black-oil model's copies see each other's oil tables) and duplicates only the gas
// table, the water properties and the initial conditions.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Shapes.h"

namespace orvbench {
namespace {

using Orv::Tess::Varnak::StdBlackOilModel;

void finish(benchmark::State& state) {
  state.SetItemsProcessed(static_cast<long long>(state.iterations()) *
                          static_cast<long long>(kModelValues));
}

void modelCopyConstruct(benchmark::State& state) {
  std::unique_ptr<StdBlackOilModel> source = makeBlackOilModel();
  for (auto _ : state) {
    StdBlackOilModel copy(*source);
    benchmark::DoNotOptimize(&copy);
  }
  finish(state);
}

// The same number of doubles copied between two buffers that already exist.
void modelMemcpy(benchmark::State& state) {
  std::vector<double> const source = sampleValues(kModelValues);
  std::vector<double> target(kModelValues);
  for (auto _ : state) {
    std::memcpy(target.data(), source.data(), kModelValues * sizeof(double));
    benchmark::ClobberMemory();
  }
  finish(state);
}

// The same number of doubles copied into a buffer allocated for the copy.
void modelNewAndMemcpy(benchmark::State& state) {
  std::vector<double> const source = sampleValues(kModelValues);
  for (auto _ : state) {
    std::unique_ptr<double[]> target(new double[kModelValues]);
    std::memcpy(target.get(), source.data(), kModelValues * sizeof(double));
    benchmark::DoNotOptimize(target.get());
    benchmark::ClobberMemory();
  }
  finish(state);
}

}  // namespace

BENCHMARK(modelMemcpy)->Name("model_copy/memcpy");
BENCHMARK(modelNewAndMemcpy)->Name("model_copy/new_and_memcpy");
BENCHMARK(modelCopyConstruct)->Name("model_copy/copy_construct");

}  // namespace orvbench
