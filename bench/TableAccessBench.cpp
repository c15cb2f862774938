// Setting and reading every value of a table through its interface, beside the same loop
// on plain std::vector<double> storage with at(), and cloning a table beside copying the
// vectors that hold its values.
//
// The library loops go through a pointer to the interface that the optimiser cannot see
// through, so each value costs what it costs a host: one virtual call with its index
// checks. The baselines pay a bounds check per value too (at()), but inline.
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

void oilSetVectorAt(benchmark::State& state) {
  RawOilTable raw;
  std::vector<double> const in = sampleValues(kOilValues);
  for (auto _ : state) {
    double const* next = in.data();
    for (std::size_t i = 0; i < kOilRows; ++i) {
      raw.keys.at(i) = *next++;
      for (std::size_t j = 0; j < kOilEntries; ++j) {
        std::size_t const e = 3 * (i * kOilEntries + j);
        raw.entries.at(e) = *next++;
        raw.entries.at(e + 1) = *next++;
        raw.entries.at(e + 2) = *next++;
      }
    }
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

void oilGetVectorAt(benchmark::State& state) {
  RawOilTable raw;
  std::vector<double> out(kOilValues);
  for (auto _ : state) {
    double* next = out.data();
    for (std::size_t i = 0; i < kOilRows; ++i) {
      *next++ = raw.keys.at(i);
      for (std::size_t j = 0; j < kOilEntries; ++j) {
        std::size_t const e = 3 * (i * kOilEntries + j);
        *next++ = raw.entries.at(e);
        *next++ = raw.entries.at(e + 1);
        *next++ = raw.entries.at(e + 2);
      }
    }
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  finish(state, kOilValues);
}

// The same loops as the oil table's, one bare virtual call per value.
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

// --- flat tables (depth and K-value), one loop for both -------------------------------

void flatSetVectorAt(benchmark::State& state) {
  RawFlatTable raw;
  std::vector<double> const in = sampleValues(kFlatValues);
  for (auto _ : state) {
    double const* next = in.data();
    for (std::size_t r = 0; r < kFlatRows; ++r) {
      raw.keys.at(r) = *next++;
      for (std::size_t c = 0; c < kFlatComponents; ++c) {
        raw.values.at(r * static_cast<std::size_t>(raw.components) + c) = *next++;
      }
    }
    benchmark::ClobberMemory();
  }
  finish(state, kFlatValues);
}

void flatGetVectorAt(benchmark::State& state) {
  RawFlatTable raw;
  std::vector<double> out(kFlatValues);
  for (auto _ : state) {
    double* next = out.data();
    for (std::size_t r = 0; r < kFlatRows; ++r) {
      *next++ = raw.keys.at(r);
      for (std::size_t c = 0; c < kFlatComponents; ++c) {
        *next++ = raw.values.at(r * static_cast<std::size_t>(raw.components) + c);
      }
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
BENCHMARK(oilSetVectorAt)->Name("oil_set/vector_at");
BENCHMARK(oilGetLibrary)->Name("oil_get/library");
BENCHMARK(oilGetVectorAt)->Name("oil_get/vector_at");
BENCHMARK(oilSetVirtualCall)->Name("oil_set/virtual_call");
BENCHMARK(oilGetVirtualCall)->Name("oil_get/virtual_call");
BENCHMARK(depthSetLibrary)->Name("depth_set/library");
BENCHMARK(flatSetVectorAt)->Name("depth_set/vector_at");
BENCHMARK(depthGetLibrary)->Name("depth_get/library");
BENCHMARK(flatGetVectorAt)->Name("depth_get/vector_at");
BENCHMARK(kValueSetLibrary)->Name("kvalue_set/library");
BENCHMARK(flatSetVectorAt)->Name("kvalue_set/vector_at");
BENCHMARK(kValueGetLibrary)->Name("kvalue_get/library");
BENCHMARK(flatGetVectorAt)->Name("kvalue_get/vector_at");
BENCHMARK(oilCloneLibrary)->Name("oil_clone/library");
BENCHMARK(oilCloneVectorCopy)->Name("oil_clone/vector_copy");

}  // namespace orvbench
