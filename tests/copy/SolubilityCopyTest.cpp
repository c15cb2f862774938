// Copies of the solubility tables of aqueous-soluble components: one table seen as its own
// kind or a poorer one, and all of one component's tables by kind and name.
#include <gtest/gtest.h>

#include <string>

#include "Orv/Tess/Varnak.h"
#include "copy/Recording.h"
#include "copy/State.h"
#include "support/Fill.h"
#include "support/Observe.h"

using namespace Orv::Tess::Varnak;
using namespace state;

TEST(SolubilityTableCopy, TransfersWhatTheChosenKindHoldsAndLeavesTheRestOfTheTarget) {
  StdTemperatureSolubilityTable source, target, expected;
  support::fill(source, 1000.0, 2);
  support::fill(target, 5000.0, 3);
  support::fill(expected, 5000.0, 3);
  // Seen as a plain table: the row count, pressures and solution ratios; the target keeps
  // the water columns of the rows left and its temperature.
  copy(static_cast<ISolubilityTable const&>(source), static_cast<ISolubilityTable&>(target));
  expected.setNumPressures(2);
  for (int i = 0; i < 2; ++i) {
    expected.setPressure(i, source.getPressure(i));
    expected.setSolutionRatio(i, source.getSolutionRatio(i));
  }
  EXPECT_EQ(support::observe(target), support::observe(expected));
  copy(static_cast<ISolubilityWaterPropertiesTable const&>(source),
       static_cast<ISolubilityWaterPropertiesTable&>(target));
  for (int i = 0; i < 2; ++i) {
    expected.setFormationVolume(i, source.getFormationVolume(i));
    expected.setViscosity(i, source.getViscosity(i));
    expected.setCompressibility(i, source.getCompressibility(i));
  }
  EXPECT_EQ(support::observe(target), support::observe(expected));
}

TEST(SolubilityTableCopy, LeavesTheTargetOfTheRichestKindWithTheSourceRowsAndScalars) {
  StdInteractionSolubilityTable source, target;
  support::fill(source, 10.0, 2);
  support::fill(target, 50.0, 5);
  copy(source, target);
  EXPECT_EQ(support::observe(target), support::observe(source));
}

TEST(AqueousSolubleComponentCopy, MakesEachTargetTableKindByKindBeforeReadingTheSourceOne) {
  recording::CallLog log;
  recording::RecordingAqueousComponent source(log, "S"), target(log, "T"), bare(log, "S");
  furnish(source, 100.0);
  support::fill(source.makeSaltSolubilityTable("Y"), 500.0, 2);
  source.setProperty(IComponent::Property::MolecularWeight, 44.0);
  support::fill(target.makeSaltSolubilityTable("Y"), 900.0, 10);
  support::fill(target.makeInteractionSolubilityTable("Z"), 900.0, 4);
  support::fill(target.makeTemperatureSolubilityTable("X"), 900.0,
                4);  // the name of a source salt table
  auto expected = tables(source);
  expected["interaction Z"] = tables(target).at("interaction Z");
  expected["temperature X"] = tables(target).at("temperature X");
  std::string const calls =
      "S.hasSolubilityTable() T.makeSolubilityTable() S.getSolubilityTable() "
      "S.hasSolubilityWaterPropertiesTable() T.makeSolubilityWaterPropertiesTable() "
      "S.getSolubilityWaterPropertiesTable() S.getTemperatureSolubilityTableNames() "
      "T.makeTemperatureSolubilityTable(T80) S.getTemperatureSolubilityTable(T80) "
      "S.getSaltSolubilityTableNames() T.makeSaltSolubilityTable(X) S.getSaltSolubilityTable(X) "
      "T.makeSaltSolubilityTable(Y) S.getSaltSolubilityTable(Y) "
      "S.getInteractionSolubilityTableNames() T.makeInteractionSolubilityTable(I) "
      "S.getInteractionSolubilityTable(I)";
  log.take();

  copy(static_cast<IAqueousSolubleComponent const&>(source),
       static_cast<IAqueousSolubleComponent&>(target), 0);
  EXPECT_EQ(log.take(), calls);
  EXPECT_EQ(tables(target), expected);
  // The component part is the component copy's business; it ends with the same calls.
  EXPECT_FALSE(target.hasProperty(IComponent::Property::MolecularWeight));
  log.take();
  copy(static_cast<IComponent const&>(static_cast<IAqueousSolubleComponent const&>(source)),
       static_cast<IComponent&>(static_cast<IAqueousSolubleComponent&>(target)), 0);
  EXPECT_EQ(log.take(), calls);

  // A source without tables is only asked, and the target keeps all of its own.
  copy(static_cast<IAqueousSolubleComponent const&>(bare),
       static_cast<IAqueousSolubleComponent&>(target), 0);
  EXPECT_EQ(log.take(),
            "S.hasSolubilityTable() S.hasSolubilityWaterPropertiesTable() "
            "S.getTemperatureSolubilityTableNames() S.getSaltSolubilityTableNames() "
            "S.getInteractionSolubilityTableNames()");
  EXPECT_EQ(tables(target), expected);
}
