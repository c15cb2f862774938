// Setting and reading every value of a table through its interface, beside the same loop
// through the plainest per-value virtual interface with the same two index checks (the
// floor any such interface stands on), and cloning a table beside copying the vectors
// that hold its values.
//
// Both loops go through a pointer the optimiser cannot see through, so each value costs
// what it costs a host: one virtual call with its index checks.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "Orv/Tess/Varnak/IDepthTable.h"
#include "Orv/Tess/Varnak/IKValueTable.h"
#include "Orv/Tess/Varnak/IOilTable.h"
#include "Shapes.h"
#include "VirtualFloor.h"
#include "support/Heap.h"

namespace orvbench {
namespace {

using Orv::Tess::Varnak::IDepthTable;
using Orv::Tess::Varnak::IKValueTable;
using Orv::Tess::Varnak::IOilTable;

// Marks the work of one iteration as `values` items and, for reads, reports the
// allocations made per value read (a read path must make none).
void finish(benchmark::State& state, std::size_t values) {
  state.SetItemsProcessed(static_cast<long long>(state.iterations()) *
                          static_cast<long long>(values));
}

void reportReadAllocations(benchmark::State& state, support::heap::Count const& start,
                           std::size_t values) {
  state.counters["allocs_per_read"] =
      static_cast<double>((support::heap::count().allocations - start.allocations)) /
      static_cast<double>(state.iterations()) / static_cast<double>(values);
}

// --- live-oil table -------------------------------------------------------------------

void oilSetLibrary(benchmark::State& state) {
  std::unique_ptr<IOilTable> owned = makeOilTable();
  IOilTable* table = owned.get();
  benchmark::DoNotOptimize(table);
  std::vector<double> const in = sampleValues(kOilValues);
  for (auto _ : state) {
    fillOilTable(*table, in.data());
    benchmark::ClobberMemory();
  }
  finish(state, kOilValues);
}

void oilGetLibrary(benchmark::State& state) {
  std::unique_ptr<IOilTable> owned = makeOilTable();
  IOilTable const* table = owned.get();
  benchmark::DoNotOptimize(table);
  std::vector<double> out(kOilValues);
  support::heap::Count const start = support::heap::count();
  for (auto _ : state) {
    double* next = out.data();
    for (int i = 0; i < kOilRows; ++i) {
      *next++ = table->getGasOilRatio(i);
      for (int j = 0; j < kOilEntries; ++j) {
        *next++ = table->getPressure(i, j);
        *next++ = table->getFormationVolumeFactor(i, j);
        *next++ = table->getViscosity(i, j);
      }
    }
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  reportReadAllocations(state, start, kOilValues);
  finish(state, kOilValues);
}

// The same loops as the oil table's, one checked virtual call per value: the key of a row
// in column 0, then its entries' values.
void oilSetVirtualCall(benchmark::State& state) {
  std::unique_ptr<ValueSource> owned = makeValueSource(kOilRows, 1 + 3 * kOilEntries);
  ValueSource* source = owned.get();
  benchmark::DoNotOptimize(source);
  std::vector<double> const in = sampleValues(kOilValues);
  for (auto _ : state) {
    double const* next = in.data();
    for (int i = 0; i < kOilRows; ++i) {
      for (int k = 0; k < 1 + 3 * kOilEntries; ++k) source->set(i, k, *next++);
    }
    benchmark::ClobberMemory();
  }
  finish(state, kOilValues);
}

void oilGetVirtualCall(benchmark::State& state) {
  std::unique_ptr<ValueSource> owned = makeValueSource(kOilRows, 1 + 3 * kOilEntries);
  ValueSource const* source = owned.get();
  benchmark::DoNotOptimize(source);
  std::vector<double> out(kOilValues);
  for (auto _ : state) {
    double* next = out.data();
    for (int i = 0; i < kOilRows; ++i) {
      for (int k = 0; k < 1 + 3 * kOilEntries; ++k) *next++ = source->get(i, k);
    }
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  finish(state, kOilValues);
}

// --- flat tables (depth and K-value), one floor for both ------------------------------

// The flat tables' loops, one checked virtual call per value: the key of a row in column
// 0, then its components.
void flatSetVirtualCall(benchmark::State& state) {
  std::unique_ptr<ValueSource> owned = makeValueSource(kFlatRows, 1 + kFlatComponents);
  ValueSource* source = owned.get();
  benchmark::DoNotOptimize(source);
  std::vector<double> const in = sampleValues(kFlatValues);
  for (auto _ : state) {
    double const* next = in.data();
    for (int r = 0; r < kFlatRows; ++r) {
      source->set(r, 0, *next++);
      for (int c = 0; c < kFlatComponents; ++c) source->set(r, c + 1, *next++);
    }
    benchmark::ClobberMemory();
  }
  finish(state, kFlatValues);
}

void flatGetVirtualCall(benchmark::State& state) {
  std::unique_ptr<ValueSource> owned = makeValueSource(kFlatRows, 1 + kFlatComponents);
  ValueSource const* source = owned.get();
  benchmark::DoNotOptimize(source);
  std::vector<double> out(kFlatValues);
  for (auto _ : state) {
    double* next = out.data();
    for (int r = 0; r < kFlatRows; ++r) {
      *next++ = source->get(r, 0);
      for (int c = 0; c < kFlatComponents; ++c) *next++ = source->get(r, c + 1);
    }
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  finish(state, kFlatValues);
}

void depthSetLibrary(benchmark::State& state) {
  std::unique_ptr<IDepthTable> owned = makeDepthTable(kFlatRows, kFlatComponents);
  IDepthTable* table = owned.get();
  benchmark::DoNotOptimize(table);
  std::vector<double> const in = sampleValues(kFlatValues);
  for (auto _ : state) {
    double const* next = in.data();
    for (int d = 0; d < kFlatRows; ++d) {
      table->setDepth(d, *next++);
      for (int c = 0; c < kFlatComponents; ++c) table->setProperty(d, c, *next++);
    }
    benchmark::ClobberMemory();
  }
  finish(state, kFlatValues);
}

void depthGetLibrary(benchmark::State& state) {
  std::unique_ptr<IDepthTable> owned = makeDepthTable(kFlatRows, kFlatComponents);
  IDepthTable const* table = owned.get();
  benchmark::DoNotOptimize(table);
  std::vector<double> out(kFlatValues);
  support::heap::Count const start = support::heap::count();
  for (auto _ : state) {
    double* next = out.data();
    for (int d = 0; d < kFlatRows; ++d) {
      *next++ = table->getDepth(d);
      for (int c = 0; c < kFlatComponents; ++c) *next++ = table->getProperty(d, c);
    }
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  reportReadAllocations(state, start, kFlatValues);
  finish(state, kFlatValues);
}

void kValueSetLibrary(benchmark::State& state) {
  std::unique_ptr<IKValueTable> owned = makeKValueTable();
  IKValueTable* table = owned.get();
  benchmark::DoNotOptimize(table);
  std::vector<double> const in = sampleValues(kFlatValues);
  for (auto _ : state) {
    double const* next = in.data();
    for (int p = 0; p < kFlatRows; ++p) {
      table->setPressure(p, *next++);
      for (int c = 0; c < kFlatComponents; ++c) table->setKValue(p, c, *next++);
    }
    benchmark::ClobberMemory();
  }
  finish(state, kFlatValues);
}

void kValueGetLibrary(benchmark::State& state) {
  std::unique_ptr<IKValueTable> owned = makeKValueTable();
  IKValueTable const* table = owned.get();
  benchmark::DoNotOptimize(table);
  std::vector<double> out(kFlatValues);
  support::heap::Count const start = support::heap::count();
  for (auto _ : state) {
    double* next = out.data();
    for (int p = 0; p < kFlatRows; ++p) {
      *next++ = table->getPressure(p);
      for (int c = 0; c < kFlatComponents; ++c) *next++ = table->getKValue(p, c);
    }
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  reportReadAllocations(state, start, kFlatValues);
  finish(state, kFlatValues);
}

// --- clone ----------------------------------------------------------------------------

void oilCloneLibrary(benchmark::State& state) {
  std::unique_ptr<IOilTable> owned = makeOilTable();
  IOilTable const* table = owned.get();
  benchmark::DoNotOptimize(table);
  for (auto _ : state) {
    std::unique_ptr<IOilTable> copy = table->clone();
    benchmark::DoNotOptimize(copy.get());
  }
  finish(state, kOilValues);
}

// The storage of the live-oil table as plain vectors: one vector of rows, each row a key
// and its own vector of entry values, so the copy makes as many allocations as a clone.
struct RawRow {
  double key;
  std::vector<double> entries;
};

void oilCloneVectorCopy(benchmark::State& state) {
  std::vector<double> const in = sampleValues(kOilValues);
  std::vector<RawRow> rows(kOilRows);
  for (std::size_t i = 0; i < kOilRows; ++i) {
    rows[i].key = in[i];
    rows[i].entries.assign(in.begin(), in.begin() + 3 * kOilEntries);
  }
  for (auto _ : state) {
    std::vector<RawRow> copy(rows);
    benchmark::DoNotOptimize(copy.data());
  }
  finish(state, kOilValues);
}

}  // namespace

BENCHMARK(oilSetLibrary)->Name("oil_set/library");
BENCHMARK(oilSetVirtualCall)->Name("oil_set/virtual_call");
BENCHMARK(oilGetLibrary)->Name("oil_get/library");
BENCHMARK(oilGetVirtualCall)->Name("oil_get/virtual_call");
BENCHMARK(depthSetLibrary)->Name("depth_set/library");
BENCHMARK(flatSetVirtualCall)->Name("depth_set/virtual_call");
BENCHMARK(depthGetLibrary)->Name("depth_get/library");
BENCHMARK(flatGetVirtualCall)->Name("depth_get/virtual_call");
BENCHMARK(kValueSetLibrary)->Name("kvalue_set/library");
BENCHMARK(flatSetVirtualCall)->Name("kvalue_set/virtual_call");
BENCHMARK(kValueGetLibrary)->Name("kvalue_get/library");
BENCHMARK(flatGetVirtualCall)->Name("kvalue_get/virtual_call");
BENCHMARK(oilCloneLibrary)->Name("oil_clone/library");
BENCHMARK(oilCloneVectorCopy)->Name("oil_clone/vector_copy");

}  // namespace orvbench
