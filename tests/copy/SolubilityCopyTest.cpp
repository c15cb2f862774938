// Copies of the five solubility-table kinds: every column and scalar of each kind, and the
// copy of a poorer kind leaving a richer target's own columns alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/StdInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSaltSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/StdTemperatureSolubilityTable.h"
#include "copy/LoggingTables.h"
#include "copy/SolubilityState.h"

using namespace Orv::Tess::Varnak;
using namespace solubilitystate;

namespace {

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
  EXPECT_EQ(contents(target), contents(source));
}

}  // namespace

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

TEST(SolubilityTableCopy, SizesFirstAndReadsTheSourceCountBeforeEveryRow) {
  recorders::CallLog log;
  recorders::LoggingInteractionSolubilityTable source(log, "S");
  source.setNumPressures(2);
  for (int i = 0; i < 2; ++i) {
    source.setPressure(i, 10.0 * (i + 1));
    source.setSolutionRatio(i, 0.5 * (i + 1));
    source.setFormationVolume(i, 1.0 + i);
    source.setViscosity(i, 0.25 * (i + 1));
    source.setCompressibility(i, 0.125 * (i + 1));
  }
  source.setInteractionComponentName("H2S");
  source.setInteractionComponentMoleFraction(0.75);
  recorders::LoggingInteractionSolubilityTable target(log, "T");
  target.setNumPressures(5);
  log.calls.clear();

  copy(source, target);
  EXPECT_EQ(
      log.calls,
      (std::vector<std::string>{
          "S.getNumPressures()", "T.setNumPressures(2)",
          // Pressures and solution ratios, the count read before every row and at the end.
          "S.getNumPressures()", "T.setPressure(0,10)", "T.setSolutionRatio(0,0.5)",
          "S.getNumPressures()", "T.setPressure(1,20)", "T.setSolutionRatio(1,1)",
          "S.getNumPressures()",
          // Then the water columns, in a second pass.
          "S.getNumPressures()", "T.setFormationVolume(0,1)", "T.setViscosity(0,0.25)",
          "T.setCompressibility(0,0.125)", "S.getNumPressures()", "T.setFormationVolume(1,2)",
          "T.setViscosity(1,0.5)", "T.setCompressibility(1,0.25)", "S.getNumPressures()",
          // Then the kind's own scalars.
          "T.setInteractionComponentName(H2S)", "T.setInteractionComponentMoleFraction(0.75)"}));
}
