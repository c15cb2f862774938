// Copying a whole black-oil model, beside memcpy of as many doubles as the copy transfers
// and beside the model's copy constructor.
//
// Between two StdBlackOilModels `copy` moves the tables' storage row by row. A source of a
// class derived from StdBlackOilModel (a host's own class, which may override anything) is
// read through the interfaces instead, a virtual get on the source and a virtual set on
// the target per value; that path is paired with the same number of checked virtual gets
// and sets. Into a model that already has the source's shape a copy only overwrites
// values; into a new model it also makes the oil and gas tables, the water properties and
// the depth tables, so it is paired with a memcpy into a new buffer.
//
// The copy constructor is not a deep copy: it shares the oil tables with the source (a
// black-oil model's copies see each other's oil tables) and duplicates only the gas
// table, the water properties and the initial conditions.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Shapes.h"
#include "VirtualFloor.h"

namespace orvbench {
namespace {

using Orv::Tess::Varnak::StdBlackOilModel;

void finish(benchmark::State& state) {
  state.SetItemsProcessed(static_cast<long long>(state.iterations()) *
                          static_cast<long long>(kModelValues));
}

// Water, initial conditions, their depth tables, the gas table and the oil tables.
constexpr int kWholeModel = 1 | 2 | 4 | 8 | 16;

void modelCopyIntoSameShape(benchmark::State& state) {
  std::unique_ptr<StdBlackOilModel> source = makeBlackOilModel();
  std::unique_ptr<StdBlackOilModel> target = makeCopyTarget();
  Orv::Tess::Varnak::copy(*source, *target, kWholeModel);
  for (auto _ : state) {
    Orv::Tess::Varnak::copy(*source, *target, kWholeModel);
    benchmark::ClobberMemory();
  }
  finish(state);
}

// A host's model class that adds nothing: the copy reads it through the interfaces.
struct HostModel : StdBlackOilModel {
  using StdBlackOilModel::StdBlackOilModel;
};

void modelCopyThroughInterfaces(benchmark::State& state) {
  HostModel source("Host");
  fillBlackOilModel(source);
  std::unique_ptr<StdBlackOilModel> target = makeCopyTarget();
  Orv::Tess::Varnak::copy(source, *target, kWholeModel);
  for (auto _ : state) {
    Orv::Tess::Varnak::copy(source, *target, kWholeModel);
    benchmark::ClobberMemory();
  }
  finish(state);
}

void modelCopyIntoNewModel(benchmark::State& state) {
  std::unique_ptr<StdBlackOilModel> source = makeBlackOilModel();
  for (auto _ : state) {
    std::unique_ptr<StdBlackOilModel> target = makeCopyTarget();
    Orv::Tess::Varnak::copy(*source, *target, kWholeModel);
    benchmark::DoNotOptimize(target.get());
  }
  finish(state);
}

void modelCopyConstruct(benchmark::State& state) {
  std::unique_ptr<StdBlackOilModel> source = makeBlackOilModel();
  for (auto _ : state) {
    StdBlackOilModel copy(*source);
    benchmark::DoNotOptimize(&copy);
  }
  finish(state);
}

// The floor of any copy through per-value interfaces: the same number of doubles moved by
// one virtual get and one virtual set each, with their index checks.
void modelVirtualCalls(benchmark::State& state) {
  int const n = static_cast<int>(kModelValues);
  std::unique_ptr<ValueSource> source = makeValueSource(1, n);
  std::unique_ptr<ValueSource> target = makeValueSource(1, n);
  ValueSource const* from = source.get();
  ValueSource* to = target.get();
  benchmark::DoNotOptimize(from);
  benchmark::DoNotOptimize(to);
  for (auto _ : state) {
    for (int k = 0; k < n; ++k) to->set(0, k, from->get(0, k));
    benchmark::ClobberMemory();
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

BENCHMARK(modelCopyIntoSameShape)->Name("model_copy/library");
BENCHMARK(modelCopyThroughInterfaces)->Name("model_copy/interface");
BENCHMARK(modelCopyIntoNewModel)->Name("model_copy/library_new_target");
BENCHMARK(modelMemcpy)->Name("model_copy/memcpy");
BENCHMARK(modelNewAndMemcpy)->Name("model_copy/new_and_memcpy");
BENCHMARK(modelVirtualCalls)->Name("model_copy/virtual_calls");
BENCHMARK(modelCopyConstruct)->Name("model_copy/copy_construct");

}  // namespace orvbench
