// Copies of the five solubility-table kinds: order of the transfer, every column and
// scalar of each kind, and the plain copy leaving a richer target's own columns alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/StdInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSaltSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/StdTemperatureSolubilityTable.h"
#include "copy/Recorders.h"

using namespace Orv::Tess::Varnak;

namespace {

void fillRows(ISolubilityTable& t, int rows, double seed) {
  t.setNumPressures(rows);
  for (int i = 0; i < rows; ++i) {
    t.setPressure(i, seed + 100 * i);
    t.setSolutionRatio(i, seed + 100 * i + 1);
  }
}

void fillRows(ISolubilityWaterPropertiesTable& t, int rows, double seed) {
  fillRows(static_cast<ISolubilityTable&>(t), rows, seed);
  for (int i = 0; i < rows; ++i) {
    t.setFormationVolume(i, seed + 100 * i + 2);
    t.setViscosity(i, seed + 100 * i + 3);
    t.setCompressibility(i, seed + 100 * i + 4);
  }
}

std::vector<double> plainColumns(ISolubilityTable const& t) {
  std::vector<double> s{static_cast<double>(t.getNumPressures())};
  for (int i = 0; i < t.getNumPressures(); ++i) {
    s.insert(s.end(), {t.getPressure(i), t.getSolutionRatio(i)});
  }
  return s;
}

std::vector<double> waterColumns(ISolubilityWaterPropertiesTable const& t) {
  std::vector<double> s;
  for (int i = 0; i < t.getNumPressures(); ++i) {
    s.insert(s.end(), {t.getFormationVolume(i), t.getViscosity(i), t.getCompressibility(i)});
  }
  return s;
}

std::vector<double> everything(ISolubilityTable const& t) { return plainColumns(t); }
std::vector<double> everything(ISolubilityWaterPropertiesTable const& t) {
  auto s = plainColumns(t);
  auto const water = waterColumns(t);
  s.insert(s.end(), water.begin(), water.end());
  return s;
}
std::vector<double> everything(ITemperatureSolubilityTable const& t) {
  auto s = everything(static_cast<ISolubilityWaterPropertiesTable const&>(t));
  s.push_back(t.getTemperature());
  return s;
}
std::vector<double> everything(ISaltSolubilityTable const& t) {
  auto s = everything(static_cast<ISolubilityWaterPropertiesTable const&>(t));
  s.insert(s.end(),
           {t.getSaltConcentration(), t.getBrineSurfaceDensity(), t.getRefSaltConcentration()});
  return s;
}
std::pair<std::vector<double>, std::string> everything(IInteractionSolubilityTable const& t) {
  auto s = everything(static_cast<ISolubilityWaterPropertiesTable const&>(t));
  s.push_back(t.getInteractionComponentMoleFraction());
  return {s, t.getInteractionComponentName()};
}

void fillScalars(ISolubilityTable&, double) {}
void fillScalars(ITemperatureSolubilityTable& t, double seed) { t.setTemperature(seed + 7); }
void fillScalars(ISaltSolubilityTable& t, double seed) {
  t.setSaltConcentration(seed + 7);
  t.setBrineSurfaceDensity(seed + 8);
  t.setRefSaltConcentration(seed + 9);
}
void fillScalars(IInteractionSolubilityTable& t, double seed) {
  t.setInteractionComponentName("C" + std::to_string(static_cast<int>(seed)));
  t.setInteractionComponentMoleFraction(seed + 7);
}

// Copies a source of 3 rows into a target of 10 rows of the same kind, each side with its
// own scalars, and expects the target to show exactly the source's content afterwards.
template <class Table>
void expectCopiedWhole() {
  Table source;
  fillRows(source, 3, 1000.0);
  fillScalars(source, 1000.0);
  Table target;
  fillRows(target, 10, 5000.0);
  fillScalars(target, 5000.0);
  copy(source, target);
  EXPECT_EQ(everything(target), everything(source));
}

}  // namespace

TEST(SolubilityTableCopy, WritesRowsThenWaterColumnsThenTheScalarsInOrder) {
  recorders::CallLog log;
  recorders::RecordingSaltTable source(log, "S");
  recorders::RecordingSaltTable target(log, "T");
  fillRows(source, 1, 10.0);
  fillScalars(source, 10.0);
  fillRows(target, 3, 50.0);
  log.calls.clear();

  copy(source, target);

  std::vector<std::string> const expected{
      "S.getNumPressures()",         "T.setNumPressures(1)",
      "S.getNumPressures()",         "S.getPressure(0)",
      "T.setPressure(0,10)",         "S.getSolutionRatio(0)",
      "T.setSolutionRatio(0,11)",    "S.getNumPressures()",
      "S.getNumPressures()",         "S.getFormationVolume(0)",
      "T.setFormationVolume(0,12)",  "S.getViscosity(0)",
      "T.setViscosity(0,13)",        "S.getCompressibility(0)",
      "T.setCompressibility(0,14)",  "S.getNumPressures()",
      "S.getSaltConcentration()",    "T.setSaltConcentration(17)",
      "S.getBrineSurfaceDensity()",  "T.setBrineSurfaceDensity(18)",
      "S.getRefSaltConcentration()", "T.setRefSaltConcentration(19)",
  };
  EXPECT_EQ(log.calls, expected);
}

TEST(SolubilityTableCopy, LeavesEachKindWithExactlyTheSourceRowsAndScalars) {
  expectCopiedWhole<StdSolubilityTable>();
  expectCopiedWhole<StdSolubilityWaterPropertiesTable>();
  expectCopiedWhole<StdTemperatureSolubilityTable>();
  expectCopiedWhole<StdSaltSolubilityTable>();
  expectCopiedWhole<StdInteractionSolubilityTable>();

  StdSaltSolubilityTable empty;
  StdSaltSolubilityTable target;
  fillRows(target, 4, 1.0);
  copy(empty, target);
  EXPECT_EQ(target.getNumPressures(), 0);
}

TEST(SolubilityTableCopy, CopiesOnlyWhatTheChosenKindHolds) {
  StdTemperatureSolubilityTable source;
  fillRows(source, 2, 1000.0);
  fillScalars(source, 1000.0);
  StdTemperatureSolubilityTable target;
  fillRows(target, 3, 5000.0);
  fillScalars(target, 5000.0);
  auto const water = waterColumns(target);

  // Seen as plain solubility tables, only pressures and solution ratios travel; the
  // target's water columns of the rows that remain and its temperature stay its own.
  copy(static_cast<ISolubilityTable const&>(source), static_cast<ISolubilityTable&>(target));
  EXPECT_EQ(plainColumns(target), plainColumns(source));
  EXPECT_EQ(waterColumns(target), std::vector<double>(water.begin(), water.begin() + 6));
  EXPECT_EQ(target.getTemperature(), 5007.0);

  // Seen as water-properties tables, every column travels but not the temperature.
  copy(static_cast<ISolubilityWaterPropertiesTable const&>(source),
       static_cast<ISolubilityWaterPropertiesTable&>(target));
  EXPECT_EQ(waterColumns(target), waterColumns(source));
  EXPECT_EQ(target.getTemperature(), 5007.0);
}
