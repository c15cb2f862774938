// The two single-level tables of a black-oil model: index checks on getters and
// setters alike, and the standard length error for a negative size.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/StdMisciblityTable.h"
#include "Orv/Tess/Varnak/StdSolventTable.h"
#include "support/Expect.h"

namespace {

namespace ovt = Orv::Tess::Varnak;

constexpr char kBadSolventIndex[] = "Invalid index in StdSolventTable";
constexpr char kBadMiscibilityIndex[] = "Invalid index in StdMiscibilityTable";

std::vector<double> snapshot(ovt::ISolventTable const& t) {
  std::vector<double> s{t.getSurfaceDensity()};
  for (int i = 0; i < t.getSize(); ++i) {
    s.insert(s.end(), {t.getPressure(i), t.getFormationVolumeFactor(i), t.getViscosity(i)});
  }
  return s;
}

std::vector<double> snapshot(ovt::IMiscibilityTable const& t) {
  std::vector<double> s{t.getViscosityMixingParameter(), t.getDensityMixingParameter()};
  for (int i = 0; i < t.getSize(); ++i)
    s.insert(s.end(), {t.getOilPressure(i), t.getMiscibility(i)});
  return s;
}

ovt::StdSolventTable solvent() {
  ovt::StdSolventTable t;
  t.setSurfaceDensity(1.05);
  t.setSize(2);
  for (int i = 0; i < 2; ++i) {
    t.setPressure(i, 100.0 + 100.0 * i);
    t.setFormationVolumeFactor(i, 0.010 - 0.004 * i);
    t.setViscosity(i, 0.015 + 0.005 * i);
  }
  return t;
}

ovt::StdMisciblityTable miscibility() {
  ovt::StdMisciblityTable t;
  t.setViscosityMixingParameter(0.7);
  t.setDensityMixingParameter(0.6);
  t.setSize(2);
  for (int i = 0; i < 2; ++i) {
    t.setOilPressure(i, 150.0 + 100.0 * i);
    t.setMiscibility(i, 0.5 * (i + 1));
  }
  return t;
}

TEST(SolventTable, EveryFailedCallRaisesItsErrorAndChangesNothing) {
  using T = ovt::StdSolventTable;
  struct Case {
    char const* call;
    std::function<void(T&)> run;
  };
  Case const badIndex[] = {
      {"getPressure(-1)", [](T& t) { t.getPressure(-1); }},
      {"getFormationVolumeFactor(2)", [](T& t) { t.getFormationVolumeFactor(2); }},
      {"getViscosity(2)", [](T& t) { t.getViscosity(2); }},
      {"setPressure(2)", [](T& t) { t.setPressure(2, 9.0); }},
      {"setFormationVolumeFactor(-1)", [](T& t) { t.setFormationVolumeFactor(-1, 9.0); }},
      {"setViscosity(5)", [](T& t) { t.setViscosity(5, 9.0); }},
  };
  T t = solvent();
  std::vector<double> const before = snapshot(t);
  for (Case const& c : badIndex) {
    SCOPED_TRACE(c.call);
    EXPECT_THROW_EXACT(c.run(t), std::range_error, kBadSolventIndex);
    EXPECT_EQ(snapshot(t), before);
  }
  EXPECT_THROW_EXACT(t.setSize(-1), std::length_error, "vector<T> too long");
  EXPECT_EQ(snapshot(t), before);
}

TEST(MiscibilityTable, EveryFailedCallRaisesItsErrorAndChangesNothing) {
  using T = ovt::StdMisciblityTable;
  struct Case {
    char const* call;
    std::function<void(T&)> run;
  };
  Case const badIndex[] = {
      {"getOilPressure(2)", [](T& t) { t.getOilPressure(2); }},
      {"getMiscibility(-1)", [](T& t) { t.getMiscibility(-1); }},
      {"setOilPressure(-1)", [](T& t) { t.setOilPressure(-1, 9.0); }},
      {"setMiscibility(2)", [](T& t) { t.setMiscibility(2, 9.0); }},
  };
  T t = miscibility();
  std::vector<double> const before = snapshot(t);
  for (Case const& c : badIndex) {
    SCOPED_TRACE(c.call);
    EXPECT_THROW_EXACT(c.run(t), std::range_error, kBadMiscibilityIndex);
    EXPECT_EQ(snapshot(t), before);
  }
  EXPECT_THROW_EXACT(t.setSize(-1), std::length_error, "vector<T> too long");
  EXPECT_EQ(snapshot(t), before);
}

TEST(SolventAndMiscibilityTables, StartEmptyAndResizeKeepingTheRowsInFront) {
  ovt::StdMisciblityTable m;
  EXPECT_EQ(m.getSize(), 0);
  EXPECT_EQ(m.getViscosityMixingParameter(), 0.0);
  EXPECT_EQ(m.getDensityMixingParameter(), 0.0);
  EXPECT_THROW_EXACT(m.setMiscibility(0, 1.0), std::range_error, kBadMiscibilityIndex);
  m.setSize(2);
  m.setMiscibility(0, 1.0);
  EXPECT_EQ(m.getOilPressure(0), 0.0);
  EXPECT_EQ(m.getMiscibility(0), 1.0);

  ovt::StdSolventTable s;
  EXPECT_EQ(s.getSize(), 0);
  EXPECT_EQ(s.getSurfaceDensity(), 0.0);
  s = solvent();
  s.setSize(1);
  s.setSize(3);
  EXPECT_EQ(s.getPressure(0), 100.0);
  for (int i = 1; i < 3; ++i) {
    EXPECT_EQ(s.getPressure(i), 0.0);
    EXPECT_EQ(s.getFormationVolumeFactor(i), 0.0);
    EXPECT_EQ(s.getViscosity(i), 0.0);
  }
}

TEST(SolventAndMiscibilityTables, CopiesAreIndependent) {
  ovt::StdSolventTable const s = solvent();
  ovt::StdSolventTable sc(s);
  sc.setViscosity(1, 9.0);
  sc.setSize(4);
  EXPECT_EQ(snapshot(s), snapshot(solvent()));

  ovt::StdMisciblityTable const m = miscibility();
  ovt::StdMisciblityTable mc;
  mc = m;
  mc.setOilPressure(0, 9.0);
  mc.setDensityMixingParameter(9.0);
  EXPECT_EQ(snapshot(m), snapshot(miscibility()));
}

}  // namespace
