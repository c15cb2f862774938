// Interpolating, truncating and normalising depth tables of 10 to 10 000 rows, with the
// growth of their cost in the row count fitted by Google Benchmark.
//
// interpolate looks for the first pair of neighbouring rows that encloses the depth, in
// row order, so its cost grows linearly with the rows above the depth asked for. The
// queries are spread evenly over the table, so the average walk is half the table. The
// baseline runs the same search and the same arithmetic on plain vectors, which shows
// what the interface calls cost per row visited.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

#include "Orv/Tess/Varnak/DepthTableOperations.h"
#include "Orv/Tess/Varnak/IDepthTable.h"
#include "Shapes.h"

namespace orvbench {
namespace {

using Orv::Tess::Varnak::IDepthTable;

constexpr int kComponents = 8;
constexpr int kQueries = 16;

// Depths spread evenly over the table, each between two rows.
std::array<double, kQueries> queryDepths(IDepthTable const& table) {
  int const n = table.getNumDepths();
  double const top = table.getDepth(0);
  double const span = table.getDepth(n - 1) - top;
  std::array<double, kQueries> depths{};
  for (int q = 0; q < kQueries; ++q) depths[q] = top + span * (q + 0.5) / kQueries;
  return depths;
}

void interpolateLibrary(benchmark::State& state) {
  int const rows = static_cast<int>(state.range(0));
  std::unique_ptr<IDepthTable> owned = makeDepthTable(rows, kComponents);
  IDepthTable const* table = owned.get();
  benchmark::DoNotOptimize(table);
  std::array<double, kQueries> const depths = queryDepths(*table);
  int q = 0;
  for (auto _ : state) {
    double value = Orv::Tess::Varnak::interpolate(*table, depths[q], q % kComponents, false);
    benchmark::DoNotOptimize(value);
    q = (q + 1) % kQueries;
  }
  state.SetComplexityN(rows);
}

// The same algorithm on the raw twin: the first enclosing segment in row order, else the
// last one; the end values held beyond the ends.
double rawInterpolate(std::vector<double> const& depths, std::vector<double> const& values,
                      int components, double depth, int c) {
  int const n = static_cast<int>(depths.size());
  bool const increasing = depths[n - 1] > depths[0];
  int const top = increasing ? 0 : n - 1;
  int const bottom = increasing ? n - 1 : 0;
  auto value = [&](int d) { return values[static_cast<std::size_t>(d * components + c)]; };
  if (n == 1) return value(0);
  if (depths[top] > depth) return value(top);
  if (depth > depths[bottom]) return value(bottom);
  int i = 0;
  for (; i + 2 < n; ++i) {
    double const upper = depths[i];
    double const lower = depths[i + 1];
    if ((upper <= depth && depth <= lower) || (lower <= depth && depth <= upper)) break;
  }
  double const d0 = depths[i];
  double const d1 = depths[i + 1];
  return ((value(i + 1) - value(i)) / (d1 - d0)) * (depth - d0) + value(i);
}

void interpolateRawScan(benchmark::State& state) {
  int const rows = static_cast<int>(state.range(0));
  std::unique_ptr<IDepthTable> table = makeDepthTable(rows, kComponents);
  std::vector<double> depths(static_cast<std::size_t>(rows));
  std::vector<double> values(static_cast<std::size_t>(rows) * kComponents);
  for (int d = 0; d < rows; ++d) {
    depths[static_cast<std::size_t>(d)] = table->getDepth(d);
    for (int c = 0; c < kComponents; ++c) {
      values[static_cast<std::size_t>(d * kComponents + c)] = table->getProperty(d, c);
    }
  }
  std::array<double, kQueries> const queries = queryDepths(*table);
  int q = 0;
  for (auto _ : state) {
    double value = rawInterpolate(depths, values, kComponents, queries[q], q % kComponents);
    benchmark::DoNotOptimize(value);
    q = (q + 1) % kQueries;
  }
  state.SetComplexityN(rows);
}

// Cuts the table inside its last segment, keeping the part above: the search walks the
// whole table and the last row takes interpolated values. The row is put back afterwards
// (its depth and its values, a small fixed cost) so every iteration does the same work.
void truncateLibrary(benchmark::State& state) {
  int const rows = static_cast<int>(state.range(0));
  std::unique_ptr<IDepthTable> owned = makeDepthTable(rows, kComponents);
  IDepthTable* table = owned.get();
  benchmark::DoNotOptimize(table);
  int const last = rows - 1;
  double const lastDepth = table->getDepth(last);
  double const cut = 0.5 * (table->getDepth(last - 1) + lastDepth);
  std::array<double, kComponents> lastValues{};
  for (int c = 0; c < kComponents; ++c) lastValues[c] = table->getProperty(last, c);
  for (auto _ : state) {
    Orv::Tess::Varnak::truncate(*table, cut, true, false);
    table->setDepth(last, lastDepth);
    for (int c = 0; c < kComponents; ++c) table->setProperty(last, c, lastValues[c]);
    benchmark::ClobberMemory();
  }
  state.SetComplexityN(rows);
}

// Scales the middle row to sum to one; after the first call the row already sums to one
// and keeps its values, so every iteration does the same work.
void normalizeLibrary(benchmark::State& state) {
  int const rows = static_cast<int>(state.range(0));
  std::unique_ptr<IDepthTable> owned = makeDepthTable(rows, kComponents);
  IDepthTable* table = owned.get();
  benchmark::DoNotOptimize(table);
  for (auto _ : state) {
    Orv::Tess::Varnak::normalizeComposition(*table, rows / 2);
    benchmark::ClobberMemory();
  }
  state.SetComplexityN(rows);
}

}  // namespace

BENCHMARK(interpolateLibrary)
    ->Name("interpolate/library")
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Complexity();
BENCHMARK(interpolateRawScan)
    ->Name("interpolate/raw_scan")
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Complexity();
BENCHMARK(truncateLibrary)
    ->Name("truncate/library")
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Complexity();
BENCHMARK(normalizeLibrary)
    ->Name("normalize/library")
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Complexity();

}  // namespace orvbench
