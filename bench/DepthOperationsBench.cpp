// Interpolating, truncating and normalising depth tables of 10 to 10 000 rows, with the
// growth of their cost in the row count fitted by Google Benchmark.
//
// interpolate bisects the depths of a StdDepthTable whose depths are monotone, so its cost
// grows with the logarithm of the row count. The reference does the same work on plain
// vectors with std::upper_bound and the same formula, inlined into the loop. The queries
// are spread pseudo-randomly over the table, the same for both, so that neither can
// learn their order.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "Orv/Tess/Varnak/DepthTableOperations.h"
#include "Orv/Tess/Varnak/IDepthTable.h"
#include "Shapes.h"

namespace orvbench {
namespace {

using Orv::Tess::Varnak::IDepthTable;

constexpr int kComponents = 8;
constexpr int kQueries = 1024;  // a power of two: the loops wrap with a mask
// The calls of one equilibration: one per grid cell.
constexpr int kCells = 1000000;
constexpr int kEquilibrationRows = 100;

// Depths spread pseudo-randomly between the table's ends.
std::vector<double> queryDepths(IDepthTable const& table) {
  double const first = table.getDepth(0);
  double const last = table.getDepth(table.getNumDepths() - 1);
  std::mt19937 random(7);
  std::uniform_real_distribution<double> spread(std::min(first, last), std::max(first, last));
  std::vector<double> depths(kQueries);
  for (double& depth : depths) depth = spread(random);
  return depths;
}

// The table's depths and values as plain vectors, for the reference.
struct Plain {
  std::vector<double> depths;
  std::vector<double> values;
  bool increasing;
};
Plain plain(IDepthTable const& table) {
  Plain p{{}, {}, table.getDepth(table.getNumDepths() - 1) > table.getDepth(0)};
  for (int d = 0; d < table.getNumDepths(); ++d) {
    p.depths.push_back(table.getDepth(d));
    for (int c = 0; c < kComponents; ++c) p.values.push_back(table.getProperty(d, c));
  }
  return p;
}

// The reference: end values held beyond the ends, else the segment std::upper_bound finds,
// with interpolate's formula.
double boundInterpolate(Plain const& p, double depth, int c) {
  std::size_t const n = p.depths.size();
  auto value = [&](std::size_t d) {
    return p.values[d * kComponents + static_cast<std::size_t>(c)];
  };
  std::size_t const top = p.increasing ? 0 : n - 1;
  std::size_t const bottom = p.increasing ? n - 1 : 0;
  if (p.depths[top] > depth) return value(top);
  if (depth > p.depths[bottom]) return value(bottom);
  auto const it = p.increasing
                      ? std::upper_bound(p.depths.begin(), p.depths.end(), depth)
                      : std::upper_bound(p.depths.begin(), p.depths.end(), depth, std::greater<>());
  std::ptrdiff_t const after = it - p.depths.begin();
  std::size_t const i = static_cast<std::size_t>(
      std::clamp<std::ptrdiff_t>(after - 1, 0, static_cast<std::ptrdiff_t>(n) - 2));
  double const d0 = p.depths[i];
  double const d1 = p.depths[i + 1];
  return ((value(i + 1) - value(i)) / (d1 - d0)) * (depth - d0) + value(i);
}

void interpolateLibrary(benchmark::State& state, bool increasing) {
  int const rows = static_cast<int>(state.range(0));
  std::unique_ptr<IDepthTable> owned = makeDepthTable(rows, kComponents, increasing);
  IDepthTable const* table = owned.get();
  benchmark::DoNotOptimize(table);
  std::vector<double> const depths = queryDepths(*table);
  int q = 0;
  for (auto _ : state) {
    double value = Orv::Tess::Varnak::interpolate(*table, depths[q], q % kComponents, false);
    benchmark::DoNotOptimize(value);
    q = (q + 1) & (kQueries - 1);
  }
  state.SetComplexityN(rows);
}

void interpolateUpperBound(benchmark::State& state, bool increasing) {
  int const rows = static_cast<int>(state.range(0));
  std::unique_ptr<IDepthTable> table = makeDepthTable(rows, kComponents, increasing);
  Plain const p = plain(*table);
  std::vector<double> const depths = queryDepths(*table);
  int q = 0;
  for (auto _ : state) {
    double value = boundInterpolate(p, depths[q], q % kComponents);
    benchmark::DoNotOptimize(value);
    q = (q + 1) & (kQueries - 1);
  }
  state.SetComplexityN(rows);
}

// An equilibration: one interpolate per cell of a million-cell grid on a 100-row table.
void equilibrateLibrary(benchmark::State& state) {
  std::unique_ptr<IDepthTable> owned = makeDepthTable(kEquilibrationRows, kComponents);
  IDepthTable const* table = owned.get();
  benchmark::DoNotOptimize(table);
  std::vector<double> const depths = queryDepths(*table);
  for (auto _ : state) {
    double sum = 0.0;
    for (int cell = 0; cell < kCells; ++cell) {
      sum += Orv::Tess::Varnak::interpolate(*table, depths[cell & (kQueries - 1)],
                                            cell % kComponents, false);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(static_cast<long long>(state.iterations()) * kCells);
}

void equilibrateUpperBound(benchmark::State& state) {
  std::unique_ptr<IDepthTable> table = makeDepthTable(kEquilibrationRows, kComponents);
  Plain const p = plain(*table);
  std::vector<double> const depths = queryDepths(*table);
  for (auto _ : state) {
    double sum = 0.0;
    for (int cell = 0; cell < kCells; ++cell) {
      sum += boundInterpolate(p, depths[cell & (kQueries - 1)], cell % kComponents);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(static_cast<long long>(state.iterations()) * kCells);
}

// Cuts the table inside its last segment, keeping the part above: the segment is found by
// bisection and the last row takes interpolated values, no row is dropped. The row is put
// back afterwards (its depth and its values, a small fixed cost) so every iteration does
// the same work.
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

BENCHMARK_CAPTURE(interpolateLibrary, increasing, true)
    ->Name("interpolate/library")
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Complexity();
BENCHMARK_CAPTURE(interpolateUpperBound, increasing, true)
    ->Name("interpolate/upper_bound")
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Complexity();
BENCHMARK_CAPTURE(interpolateLibrary, decreasing, false)
    ->Name("interpolate_decreasing/library")
    ->Arg(10)
    ->Arg(10000);
BENCHMARK_CAPTURE(interpolateUpperBound, decreasing, false)
    ->Name("interpolate_decreasing/upper_bound")
    ->Arg(10)
    ->Arg(10000);
BENCHMARK(equilibrateLibrary)->Name("equilibrate/library")->Unit(benchmark::kMillisecond);
BENCHMARK(equilibrateUpperBound)->Name("equilibrate/upper_bound")->Unit(benchmark::kMillisecond);
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
