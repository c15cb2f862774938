// The tables the benchmarks work on, built as a host builds them, and their raw twins.
//
// Every library case is measured beside a reference that does the same work in the same
// run (a plain virtual interface, std::upper_bound on vectors, memcpy), so that the
// figures compare as ratios even on a busy machine. The shapes are those of a typical case: a
// live-oil table of 50 saturated rows with 20 undersaturated entries each, and flat
// row-by-component tables of 100 rows by 30 components.
#ifndef ORV_TESS_VARNAK_BENCH_SHAPES_H
#define ORV_TESS_VARNAK_BENCH_SHAPES_H

#include <cstddef>
#include <memory>
#include <vector>

#include "Orv/Tess/Varnak/IDepthTable.h"
#include "Orv/Tess/Varnak/IKValueTable.h"
#include "Orv/Tess/Varnak/IOilTable.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"

namespace orvbench {

// The live-oil table: saturated rows × undersaturated entries × (pressure, formation
// volume factor, viscosity), plus one gas-oil ratio per row.
constexpr int kOilRows = 50;
constexpr int kOilEntries = 20;
constexpr std::size_t kOilValues =
    static_cast<std::size_t>(kOilRows) * (1 + 3 * static_cast<std::size_t>(kOilEntries));

// The flat tables: rows × components, plus one key (depth or pressure) per row.
constexpr int kFlatRows = 100;
constexpr int kFlatComponents = 30;
constexpr std::size_t kFlatValues =
    static_cast<std::size_t>(kFlatRows) * (1 + static_cast<std::size_t>(kFlatComponents));

// The black-oil model: kRegions live-oil tables as above (regions 1 to kRegions), one
// gas table of kGasRows × kGasEntries, water properties, and two initial conditions,
// each with kConditionTables single-column depth tables of kConditionDepths rows.
constexpr int kRegions = 10;
constexpr int kGasRows = 30;
constexpr int kGasEntries = 10;
constexpr int kConditionTables = 3;
constexpr int kConditionDepths = 100;
// The doubles a whole-model copy transfers: both densities, the oil tables, the gas
// table, six water numbers and, per initial condition, six numbers and its depth tables
// (depths and values).
constexpr std::size_t kModelValues =
    2 + kRegions * (kOilValues + 1) +
    (static_cast<std::size_t>(kGasRows) * (1 + 3 * static_cast<std::size_t>(kGasEntries)) + 1) + 6 +
    2 * (6 + static_cast<std::size_t>(kConditionTables) * 2 * kConditionDepths);
// The names of the two initial conditions.
extern char const* const kConditionNames[2];

// Returns n distinct, plausible numbers for the tables to store.
std::vector<double> sampleValues(std::size_t n);

// A live-oil table sized kOilRows × kOilEntries and filled from sampleValues.
std::unique_ptr<Orv::Tess::Varnak::IOilTable> makeOilTable();
// A depth table of `rows` increasing (or decreasing) depths by `components` columns, filled.
std::unique_ptr<Orv::Tess::Varnak::IDepthTable> makeDepthTable(int rows, int components,
                                                               bool increasing = true);
// A K-value table of kFlatRows pressures by kFlatComponents, filled.
std::unique_ptr<Orv::Tess::Varnak::IKValueTable> makeKValueTable();

// Fills `model` as the black-oil model described above.
void fillBlackOilModel(Orv::Tess::Varnak::IBlackOilModel& model);
// The black-oil model described above, filled.
std::unique_ptr<Orv::Tess::Varnak::StdBlackOilModel> makeBlackOilModel();
// An empty black-oil model holding initial conditions of the same names, as a target
// for a whole-model copy (a copy only fills initial conditions the target has).
std::unique_ptr<Orv::Tess::Varnak::StdBlackOilModel> makeCopyTarget();

// Fills every value of an oil table sized kOilRows × kOilEntries from `in`, row by row:
// the gas-oil ratio, then each entry's pressure, formation volume factor and viscosity.
void fillOilTable(Orv::Tess::Varnak::IOilTable& table, double const* in);

}  // namespace orvbench

#endif  // ORV_TESS_VARNAK_BENCH_SHAPES_H
