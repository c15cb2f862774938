// Classification of black-oil tables.
//
// A host reading a deck often receives a full two-level table for a fluid that a simpler
// table kind describes exactly. These functions recognise the three cases:
//   - dead oil: every saturated row carries the same gas-oil ratio (within a relative
//     tolerance of 1.0e-5, absolute when the ratio itself is at most 1.0e-5), so the
//     region can be described by an IDeadOilTable;
//   - dry gas: every undersaturated oil-gas ratio equals the first one (tolerance 1.0e-9,
//     relative or absolute as above), so an IDryGasTable will do;
//   - constant undersaturated compressibility: in every row, ln B and ln μ are linear in
//     pressure, so B and μ follow ConstantCompressibilityFunction laws.
// They read tables through IOilTable and IGasTable only, so they work on every table
// kind, and change nothing. Every out-parameter may be null. Index errors of the tables'
// own operations (std::range_error) pass through unchanged.
#ifndef ORV_TESS_VARNAK_BLACKOILANALYSIS_H
#define ORV_TESS_VARNAK_BLACKOILANALYSIS_H

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class IGasTable;
class IOilTable;

// Returns true when every row's gas-oil ratio is close to that of row 0; a table without
// rows is dead oil. On true, *dissolvedGasOut receives row 0's ratio (0.0 without rows).
// *bubblePointOut is set to 0.0 first, then to the first pressure of row 0 (so it is
// written even when the result is false); row 0 must then have an entry, or the table's
// "Invalid usat_index in StdBaseTable" is raised.
ORV_TESS_VARNAK_API bool isDeadOil(IOilTable const& table, double* dissolvedGasOut,
                                   double* bubblePointOut);

// Returns true when every oil-gas ratio of every row is close to the first one of row 0
// (0.0 when row 0 has no entries). On true, *vaporizedOilOut receives that reference.
// *dewPointOut is set to 0.0 first, then to row 0's pressure when row 0 has an entry.
ORV_TESS_VARNAK_API bool isDryGas(IGasTable const& table, double* vaporizedOilOut,
                                  double* dewPointOut);

// Fits ln B against pressure over the entries of row `sat` by least squares and returns
// the compressibility c of B(p) = B(p0)·exp(−c·(p − p0)), the negated slope.
// *residualOut receives the square of the fit's sum of squared errors. With fewer than
// two entries returns 0.0 and sets *residualOut to the largest finite double. Throws
// std::range_error "Invalid sat_index in StdBaseTable" for a bad row.
ORV_TESS_VARNAK_API double findConstantUndersaturatedCompressibility(IOilTable const& table,
                                                                     int sat, double* residualOut);

// As findConstantUndersaturatedCompressibility with ln μ: returns the viscosibility c of
// μ(p) = μ(p0)·exp(c·(p − p0)), the slope itself.
ORV_TESS_VARNAK_API double findConstantUndersaturatedViscosibility(IOilTable const& table, int sat,
                                                                   double* residualOut);

// Returns true when every row has at least three entries and both its formation volume
// factor and its viscosity fit an exponential in pressure with a residual of at most
// 1.0e-20 (a NaN residual passes). A table without rows returns true. The rows'
// coefficients need not agree with each other.
ORV_TESS_VARNAK_API bool hasConstantUndersaturatedCompressibility(IOilTable const& table);

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_BLACKOILANALYSIS_H
