// Copies of the solubility tables of aqueous-soluble components: one table seen as its own
// kind or a poorer one, and all of one component's tables by kind and name.
#include <gtest/gtest.h>

#include <string>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/StdInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/StdTemperatureSolubilityTable.h"
#include "copy/Recording.h"
#include "copy/State.h"
#include "support/Fill.h"
#include "support/Observe.h"

using namespace Orv::Tess::Varnak;
using namespace state;

TEST(SolubilityTableCopy, TransfersWhatTheChosenKindHoldsAndLeavesTheRestOfTheTarget) {
  // Each row: pressure, solution ratio, formation volume, viscosity, compressibility; then
  // the temperature.
  StdTemperatureSolubilityTable source, target;
  fill(source, 2, 1000.0);
  fill(target, 3, 5000.0);
  copy(static_cast<ISolubilityTable const&>(source), static_cast<ISolubilityTable&>(target));
  EXPECT_EQ(contents(target).first,
            (Values{2, 1000, 1001, 5002, 5003, 5004, 1100, 1101, 5102, 5103, 5104, 5007}));
  copy(static_cast<ISolubilityWaterPropertiesTable const&>(source),
       static_cast<ISolubilityWaterPropertiesTable&>(target));
  EXPECT_EQ(contents(target).first,
            (Values{2, 1000, 1001, 1002, 1003, 1004, 1100, 1101, 1102, 1103, 1104, 5007}));
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
  fill(source.makeSaltSolubilityTable("Y"), 2, 500.0);
  source.setProperty(IComponent::Property::MolecularWeight, 44.0);
  fill(target.makeSaltSolubilityTable("Y"), 10, 900.0);
  fill(target.makeInteractionSolubilityTable("Z"), 4, 900.0);
  fill(target.makeTemperatureSolubilityTable("X"), 4, 900.0);  // the name of a source salt table
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
