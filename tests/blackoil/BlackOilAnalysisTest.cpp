// Dead-oil, dry-gas and constant-compressibility recognition, with its tolerances
// probed on both sides of their strict boundaries and the fit checked against an
// independent least-squares computation.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "support/Expect.h"

namespace {

namespace ovt = Orv::Tess::Varnak;

double const kNaN = std::numeric_limits<double>::quiet_NaN();
double const kLargest = 1.7976931348623157e308;

double below(double x) { return std::nextafter(x, 0.0); }
double above(double x) { return std::nextafter(x, 1.0e300); }

// An oil table with one row per gas-oil ratio, each with one entry at pressure 1000·(i+1).
ovt::StdOilTable oilWithRatios(std::vector<double> const& ratios) {
  ovt::StdOilTable t;
  t.setSaturatedSize(static_cast<int>(ratios.size()));
  for (int i = 0; i < t.getSaturatedSize(); ++i) {
    t.setGasOilRatio(i, ratios[i]);
    t.setUndersaturatedSize(i, 1);
    t.setPressure(i, 0, 1000.0 * (i + 1));
  }
  return t;
}

struct CloseCase {
  double reference;
  double other;
  bool close;
};

TEST(IsDeadOil, ComparesEveryRatioWithRowZeroWithinOneHundredThousandth) {
  // 3125 · 1.0e-5 = 2^-5 exactly, so 3125 ± 0.03125 sits exactly on the relative
  // boundary; at or below 1.0e-5 the reference is compared absolutely.
  ASSERT_EQ(std::fabs((3125.0 - 3125.03125) / 3125.0), 1.0e-5);
  ASSERT_EQ(std::fabs((3125.0 - 3124.96875) / 3125.0), 1.0e-5);
  CloseCase const cases[] = {
      {100.0, 100.0005, true},
      {100.0, 100.0009, true},
      {100.0, 100.002, false},
      {3125.0, 3125.03125, false},  // relative difference equal to the tolerance
      {3125.0, below(3125.03125), true},
      {3125.0, 3124.96875, false},
      {3125.0, above(3124.96875), true},
      {0.0, 0.000009, true},
      {0.0, 0.00002, false},
      {0.0, 1.0e-5, false},  // absolute difference equal to the tolerance
      {0.0, below(1.0e-5), true},
      {0.0, -1.0e-5, false},
      {1.0e-5, 1.9e-5, true},  // a reference at the tolerance is compared absolutely
      {above(1.0e-5), 1.9e-5, false},
      {100.0, kNaN, false},
      {kNaN, kNaN, false},
  };
  for (CloseCase const& c : cases) {
    SCOPED_TRACE(testing::Message() << c.reference << " vs " << c.other);
    ovt::StdOilTable t = oilWithRatios({c.reference, c.reference, c.other});
    double dissolvedGas = 7.0;
    double bubblePoint = 7.0;
    EXPECT_EQ(ovt::isDeadOil(t, &dissolvedGas, &bubblePoint), c.close);
    EXPECT_EQ(bubblePoint, 1000.0);  // the first pressure of row 0, whatever the result
    if (c.close) {
      EXPECT_EQ(dissolvedGas, c.reference);
    } else {
      EXPECT_EQ(dissolvedGas, 7.0);  // untouched on a false result
    }
  }
  EXPECT_TRUE(ovt::isDeadOil(oilWithRatios({100.0, 100.0005, 100.0009}), nullptr, nullptr));
}

TEST(IsDeadOil, WritesItsOutParametersAsDocumented) {
  ovt::StdOilTable empty;
  double dissolvedGas = 7.0;
  double bubblePoint = 7.0;
  EXPECT_TRUE(ovt::isDeadOil(empty, &dissolvedGas, &bubblePoint));
  EXPECT_EQ(dissolvedGas, 0.0);
  EXPECT_EQ(bubblePoint, 0.0);

  // A new dead-oil table has one row without entries: asking for the bubble point reads
  // a pressure that is not there, after the out-parameter was reset.
  ovt::StdDeadOilTable dead;
  bubblePoint = 7.0;
  EXPECT_THROW_EXACT(ovt::isDeadOil(dead, &dissolvedGas, &bubblePoint), std::range_error,
                     "Invalid usat_index in StdBaseTable");
  EXPECT_EQ(bubblePoint, 0.0);
  dissolvedGas = 7.0;
  EXPECT_TRUE(ovt::isDeadOil(dead, &dissolvedGas, nullptr));
  EXPECT_EQ(dissolvedGas, 0.0);
}

// A gas table whose every entry holds `reference`, except entry 2 of row 1: `other`.
ovt::StdGasTable gasWithRatios(double reference, double other) {
  ovt::StdGasTable t;
  t.setSaturatedSize(2);
  t.setPressure(0, 150.0);
  t.setPressure(1, 250.0);
  t.setUndersaturatedSize(0, 2);
  t.setUndersaturatedSize(1, 3);
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < t.getUndersaturatedSize(i); ++j) t.setOilGasRatio(i, j, reference);
  t.setOilGasRatio(1, 2, other);
  return t;
}

TEST(IsDryGas, ComparesEveryEntryOfEveryRowWithinOneBillionth) {
  // a · 1.0e-9 = 2^-39 exactly for a = 1953125 · 2^-30.
  double const a = std::ldexp(1953125.0, -30);
  double const b = a + std::ldexp(1.0, -39);
  ASSERT_EQ(std::fabs((a - b) / a), 1.0e-9);
  CloseCase const cases[] = {
      {a, a, true},
      {a, b, false},  // relative difference equal to the tolerance
      {a, below(b), true},
      {0.0, 1.0e-9, false},  // absolute difference equal to the tolerance
      {0.0, below(1.0e-9), true},
      {1.0e-9, 1.9e-9, true},  // a reference at the tolerance is compared absolutely
      {above(1.0e-9), 1.9e-9, false},
      {a, kNaN, false},
  };
  for (CloseCase const& c : cases) {
    SCOPED_TRACE(testing::Message() << c.reference << " vs " << c.other);
    ovt::StdGasTable t = gasWithRatios(c.reference, c.other);
    double vaporizedOil = 7.0;
    double dewPoint = 7.0;
    EXPECT_EQ(ovt::isDryGas(t, &vaporizedOil, &dewPoint), c.close);
    EXPECT_EQ(dewPoint, 150.0);
    EXPECT_EQ(vaporizedOil, c.close ? c.reference : 7.0);
  }
}

TEST(IsDryGas, WithoutAnEntryInRowZeroComparesWithZero) {
  ovt::StdGasTable empty;
  double vaporizedOil = 7.0;
  double dewPoint = 7.0;
  EXPECT_TRUE(ovt::isDryGas(empty, &vaporizedOil, &dewPoint));
  EXPECT_EQ(vaporizedOil, 0.0);
  EXPECT_EQ(dewPoint, 0.0);

  ovt::StdGasTable t;
  t.setSaturatedSize(2);
  t.setPressure(0, 150.0);
  t.setUndersaturatedSize(1, 2);
  t.setOilGasRatio(1, 0, 5.0e-10);
  dewPoint = 7.0;
  EXPECT_TRUE(ovt::isDryGas(t, &vaporizedOil, &dewPoint));
  EXPECT_EQ(vaporizedOil, 0.0);
  EXPECT_EQ(dewPoint, 0.0);  // row 0 has no entry: its pressure is not read
  t.setOilGasRatio(1, 1, 1.0e-9);
  EXPECT_FALSE(ovt::isDryGas(t, nullptr, nullptr));
}

// One undersaturated row: B = b0·exp(−c·(p − p0)) and μ = mu0·exp(v·(p − p0)).
void addRow(ovt::StdOilTable& t, std::vector<double> const& pressures, double c, double v) {
  int const i = t.getSaturatedSize();
  t.setSaturatedSize(i + 1);
  t.setGasOilRatio(i, 50.0 * (i + 1));
  t.setUndersaturatedSize(i, static_cast<int>(pressures.size()));
  for (int j = 0; j < t.getUndersaturatedSize(i); ++j) {
    double const dp = pressures[j] - pressures[0];
    t.setPressure(i, j, pressures[j]);
    t.setFormationVolumeFactor(i, j, 1.3 * std::exp(-c * dp));
    t.setViscosity(i, j, 0.9 * std::exp(v * dp));
  }
}

struct ReferenceFit {
  double slope;
  double residual;
};

// Least squares of ln(y) on x in long double, the residual from the errors themselves.
ReferenceFit referenceFit(std::vector<double> const& x, std::vector<double> const& y) {
  long double const n = static_cast<long double>(x.size());
  long double mx = 0.0L;
  long double my = 0.0L;
  for (std::size_t k = 0; k < x.size(); ++k) {
    mx += x[k] / n;
    my += std::log(static_cast<long double>(y[k])) / n;
  }
  long double sxx = 0.0L;
  long double sxy = 0.0L;
  for (std::size_t k = 0; k < x.size(); ++k) {
    sxx += (x[k] - mx) * (x[k] - mx);
    sxy += (x[k] - mx) * (std::log(static_cast<long double>(y[k])) - my);
  }
  long double const slope = sxy / sxx;
  long double sse = 0.0L;
  for (std::size_t k = 0; k < x.size(); ++k) {
    long double const e = std::log(static_cast<long double>(y[k])) - my - slope * (x[k] - mx);
    sse += e * e;
  }
  return {static_cast<double>(slope), static_cast<double>(sse * sse)};
}

TEST(ConstantCompressibilityFit, MatchesAnIndependentLeastSquaresOnAPerturbedRow) {
  std::vector<double> const p{2000.0, 2600.0, 3500.0, 4100.0, 5000.0};
  ovt::StdOilTable t;
  addRow(t, p, 1.2e-5, 4.0e-5);
  t.setFormationVolumeFactor(0, 2, t.getFormationVolumeFactor(0, 2) * 1.01);
  t.setViscosity(0, 1, t.getViscosity(0, 1) * 0.98);
  std::vector<double> b;
  std::vector<double> mu;
  for (int j = 0; j < 5; ++j) {
    b.push_back(t.getFormationVolumeFactor(0, j));
    mu.push_back(t.getViscosity(0, j));
  }

  ReferenceFit const fb = referenceFit(p, b);
  double residual = 0.0;
  double const c = ovt::findConstantUndersaturatedCompressibility(t, 0, &residual);
  EXPECT_NEAR(c, -fb.slope, 1.0e-9 * std::fabs(fb.slope));  // the negated slope of ln B
  EXPECT_NEAR(residual, fb.residual, 1.0e-6 * fb.residual);
  EXPECT_GT(residual, 1.0e-20);

  ReferenceFit const fm = referenceFit(p, mu);
  double const v = ovt::findConstantUndersaturatedViscosibility(t, 0, &residual);
  EXPECT_NEAR(v, fm.slope, 1.0e-9 * std::fabs(fm.slope));  // the slope of ln μ itself
  EXPECT_NEAR(residual, fm.residual, 1.0e-6 * fm.residual);
  EXPECT_EQ(ovt::findConstantUndersaturatedViscosibility(t, 0, nullptr), v);
}

TEST(ConstantCompressibilityFit, NeedsTwoEntriesAndAValidRow) {
  ovt::StdOilTable t;
  addRow(t, {3000.0}, 1.0e-5, 1.0e-5);
  addRow(t, {}, 1.0e-5, 1.0e-5);
  for (int row : {0, 1}) {
    double residual = 0.0;
    EXPECT_EQ(ovt::findConstantUndersaturatedCompressibility(t, row, &residual), 0.0);
    EXPECT_EQ(residual, kLargest);
    residual = 0.0;
    EXPECT_EQ(ovt::findConstantUndersaturatedViscosibility(t, row, &residual), 0.0);
    EXPECT_EQ(residual, kLargest);
  }
  double residual = 7.0;
  EXPECT_THROW_EXACT(ovt::findConstantUndersaturatedCompressibility(t, 2, &residual),
                     std::range_error, "Invalid sat_index in StdBaseTable");
  EXPECT_THROW_EXACT(ovt::findConstantUndersaturatedViscosibility(t, -1, &residual),
                     std::range_error, "Invalid sat_index in StdBaseTable");
  EXPECT_EQ(residual, 7.0);
}

TEST(HasConstantUndersaturatedCompressibility, DemandsThreeEntriesAndTwoExactFitsPerRow) {
  std::vector<double> const p{2000.0, 3000.0, 4500.0};
  struct Case {
    char const* table;
    std::function<void(ovt::StdOilTable&)> build;
    bool expected;
  };
  Case const cases[] = {
      {"no rows", [](ovt::StdOilTable&) {}, true},
      {"rows with their own exact coefficients",
       [&](ovt::StdOilTable& t) {
         addRow(t, p, 1.2e-5, 4.0e-5);
         addRow(t, {2500.0, 3000.0, 3500.0, 5000.0}, 0.8e-5, 2.0e-5);
       },
       true},
      {"an exact row of two entries",
       [&](ovt::StdOilTable& t) {
         addRow(t, p, 1.2e-5, 4.0e-5);
         addRow(t, {3000.0, 4000.0}, 1.2e-5, 4.0e-5);
       },
       false},
      {"a row without entries",
       [&](ovt::StdOilTable& t) {
         addRow(t, p, 1.2e-5, 4.0e-5);
         addRow(t, {}, 0.0, 0.0);
       },
       false},
      {"one formation volume factor off by 1 %",
       [&](ovt::StdOilTable& t) {
         addRow(t, p, 1.2e-5, 4.0e-5);
         addRow(t, p, 1.2e-5, 4.0e-5);
         t.setFormationVolumeFactor(1, 1, t.getFormationVolumeFactor(1, 1) * 1.01);
       },
       false},
      {"one viscosity off by 1 %",
       [&](ovt::StdOilTable& t) {
         addRow(t, p, 1.2e-5, 4.0e-5);
         t.setViscosity(0, 2, t.getViscosity(0, 2) * 1.01);
       },
       false},
      // All pressures equal: the fit divides 0 by 0, and a NaN residual is not rejected.
      {"equal pressures",
       [](ovt::StdOilTable& t) {
         addRow(t, {3000.0, 3000.0, 3000.0}, 0, 0);
       },
       true},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.table);
    ovt::StdOilTable t;
    c.build(t);
    EXPECT_EQ(ovt::hasConstantUndersaturatedCompressibility(t), c.expected);
  }

  ovt::StdOilTable twoEntries;
  addRow(twoEntries, {3000.0, 4000.0}, 1.2e-5, 4.0e-5);
  double residual = 1.0;
  EXPECT_NEAR(ovt::findConstantUndersaturatedCompressibility(twoEntries, 0, &residual), 1.2e-5,
              1.0e-15);
  EXPECT_LT(residual, 1.0e-20);
}

}  // namespace
