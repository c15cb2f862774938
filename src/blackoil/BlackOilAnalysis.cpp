// Recognition of dead oil, dry gas and constant undersaturated compressibility.
//
// The comparisons and the fit are written to reproduce, bit for bit, the results hosts
// already rely on: the closeness test is strict, and the fit reads every value from the
// table again in its second pass and reports its residual in the expanded form.
#include "Orv/Tess/Varnak/BlackOilAnalysis.h"

#include <cmath>
#include <limits>

#include "Orv/Tess/Varnak/IGasTable.h"
#include "Orv/Tess/Varnak/IOilTable.h"

namespace Orv::Tess::Varnak {

namespace {

constexpr double kDeadOilTolerance = 1.0e-5;
constexpr double kDryGasTolerance = 1.0e-9;
constexpr double kFitResidualTolerance = 1.0e-20;

// True when b lies within tolerance t of the reference a: relative to a when |a| > t,
// absolute otherwise. A NaN on either side is never close.
bool isClose(double a, double b, double t) {
  if (std::fabs(a) > t) return std::fabs((a - b) / a) < t;
  return std::fabs(a - b) < t;
}

struct Fit {
  double slope;
  double residual;
};

// Least-squares line y = a + b·x through the entries of row `sat`, x and y read by the
// two callables. The residual is (Syy − b·Sxy − a·Sy)², the squared sum of squared
// errors in its expanded form.
template <class ReadX, class ReadY>
Fit fitRow(IOilTable const& table, int sat, ReadX readX, ReadY readY) {
  int const n = table.getUndersaturatedSize(sat);
  double sx = 0.0;
  double sy = 0.0;
  double syy = 0.0;
  double sxy = 0.0;
  for (int j = 0; j < n; ++j) {
    double const x = readX(j);
    double const y = readY(j);
    sx += x;
    sy += y;
    syy += y * y;
    sxy += x * y;
  }
  double const mx = sx / n;
  double const my = sy / n;
  double sxxc = 0.0;
  double sxyc = 0.0;
  for (int j = 0; j < n; ++j) {
    double const dx = readX(j) - mx;
    double const dy = readY(j) - my;
    sxxc += dx * dx;
    sxyc += dy * dx;
  }
  double const b = sxyc / sxxc;
  double const a = my - b * mx;
  double const sse = syy - b * sxy - a * sy;
  return Fit{b, sse * sse};
}

Fit fitFormationVolumeFactor(IOilTable const& table, int sat) {
  return fitRow(
      table, sat, [&](int j) { return table.getPressure(sat, j); },
      [&](int j) { return std::log(table.getFormationVolumeFactor(sat, j)); });
}

Fit fitViscosity(IOilTable const& table, int sat) {
  return fitRow(
      table, sat, [&](int j) { return table.getPressure(sat, j); },
      [&](int j) { return std::log(table.getViscosity(sat, j)); });
}

// The slope of `fit` for rows with at least two entries; otherwise 0.0 with the largest
// finite residual, which no tolerance accepts.
template <class FitRow>
double findCoefficient(IOilTable const& table, int sat, double* residualOut, double sign,
                       FitRow fit) {
  if (table.getUndersaturatedSize(sat) < 2) {
    if (residualOut) *residualOut = std::numeric_limits<double>::max();
    return 0.0;
  }
  Fit const f = fit(table, sat);
  if (residualOut) *residualOut = f.residual;
  return sign * f.slope;
}

}  // namespace

bool isDeadOil(IOilTable const& table, double* dissolvedGasOut, double* bubblePointOut) {
  if (bubblePointOut) *bubblePointOut = 0.0;
  int const n = table.getSaturatedSize();
  double reference = 0.0;
  for (int i = 0; i < n; ++i) {
    if (i == 0) {
      reference = table.getGasOilRatio(0);
      if (bubblePointOut) *bubblePointOut = table.getPressure(0, 0);
    } else if (!isClose(reference, table.getGasOilRatio(i), kDeadOilTolerance)) {
      return false;
    }
  }
  if (dissolvedGasOut) *dissolvedGasOut = reference;
  return true;
}

bool isDryGas(IGasTable const& table, double* vaporizedOilOut, double* dewPointOut) {
  if (dewPointOut) *dewPointOut = 0.0;
  int const n = table.getSaturatedSize();
  double reference = 0.0;
  for (int i = 0; i < n; ++i) {
    int const m = table.getUndersaturatedSize(i);
    for (int j = 0; j < m; ++j) {
      if (i == 0 && j == 0) {
        reference = table.getOilGasRatio(0, 0);
        if (dewPointOut) *dewPointOut = table.getPressure(0);
      } else if (!isClose(reference, table.getOilGasRatio(i, j), kDryGasTolerance)) {
        return false;
      }
    }
  }
  if (vaporizedOilOut) *vaporizedOilOut = reference;
  return true;
}

double findConstantUndersaturatedCompressibility(IOilTable const& table, int sat,
                                                 double* residualOut) {
  // B falls with pressure: the compressibility is the negated slope of ln B.
  return findCoefficient(table, sat, residualOut, -1.0, fitFormationVolumeFactor);
}

double findConstantUndersaturatedViscosibility(IOilTable const& table, int sat,
                                               double* residualOut) {
  return findCoefficient(table, sat, residualOut, 1.0, fitViscosity);
}

bool hasConstantUndersaturatedCompressibility(IOilTable const& table) {
  int const n = table.getSaturatedSize();
  for (int i = 0; i < n; ++i) {
    if (table.getUndersaturatedSize(i) < 3) return false;
    double residual = 0.0;
    findConstantUndersaturatedCompressibility(table, i, &residual);
    if (residual > kFitResidualTolerance) return false;
    findConstantUndersaturatedViscosibility(table, i, &residual);
    if (residual > kFitResidualTolerance) return false;
  }
  return true;
}

}  // namespace Orv::Tess::Varnak
