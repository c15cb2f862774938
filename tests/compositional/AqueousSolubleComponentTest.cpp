#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/IInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/ISaltSolubilityTable.h"
#include "Orv/Tess/Varnak/ISolubilityTable.h"
#include "Orv/Tess/Varnak/ISolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/ITemperatureSolubilityTable.h"
#include "Orv/Tess/Varnak/StdAqueousSolubleComponent.h"
#include "compositional/ComponentKinds.h"
#include "support/Expect.h"

using namespace Orv::Tess::Varnak;
using Names = std::set<std::string>;

namespace {

// Which tables a component holds, as a host can see it.
struct Tables {
  bool single, water;
  Names temperature, interaction, salt;
  bool any;
  bool operator==(Tables const& o) const {
    return single == o.single && water == o.water && temperature == o.temperature &&
           interaction == o.interaction && salt == o.salt && any == o.any;
  }
};

Tables tablesOf(IAqueousSolubleComponent const& c) {
  return {c.hasSolubilityTable(),
          c.hasSolubilityWaterPropertiesTable(),
          c.getTemperatureSolubilityTableNames(),
          c.getInteractionSolubilityTableNames(),
          c.getSaltSolubilityTableNames(),
          c.hasAnySolubilityTables()};
}

Tables const kNoTables{false, false, {}, {}, {}, false};

}  // namespace

TEST(AqueousSolubleComponent, NewComponentIsSolubleAndHoldsNoTables) {
  StdAqueousSolubleComponent const co2("CO2");
  IAqueousSolubleComponent const& c = co2;
  EXPECT_EQ(c.getName(), "CO2");
  EXPECT_EQ(c.getType(), IComponent::Type::AqueousSoluble);
  EXPECT_TRUE(c.isSolubleInAqueousPhase());
  EXPECT_TRUE(static_cast<StdComponent const&>(co2).isSolubleInAqueousPhase());
  EXPECT_EQ(tablesOf(c), kNoTables);
  EXPECT_FALSE(c.hasTemperatureSolubilityTable(""));
}

TEST(AqueousSolubleComponent, MissingTablesNameTheKindTheTableAndTheComponent) {
  StdAqueousSolubleComponent co2("CO2 'dense'");
  co2.makeSaltSolubilityTable("NaCl 1M");  // exists only as a salt table
  Tables const before = tablesOf(co2);
  IAqueousSolubleComponent const& view = co2;

  struct Case {
    std::function<void()> call;
    char const* message;
  };
  std::vector<Case> const cases{
      {[&] { co2.getSolubilityTable(); },
       "ISolubilityTable for aqueous component 'CO2 'dense'' does not exist."},
      {[&] { view.getSolubilityTable(); },
       "ISolubilityTable for aqueous component 'CO2 'dense'' does not exist."},
      {[&] { co2.getSolubilityWaterPropertiesTable(); },
       "ISolubilityWaterPropertiesTable for aqueous component 'CO2 'dense'' does not exist."},
      {[&] { view.getSolubilityWaterPropertiesTable(); },
       "ISolubilityWaterPropertiesTable for aqueous component 'CO2 'dense'' does not exist."},
      {[&] { co2.getTemperatureSolubilityTable("NaCl 1M"); },
       "ITemperatureSolubilityTable named 'NaCl 1M' for aqueous component 'CO2 'dense'' does "
       "not exist."},
      {[&] { view.getTemperatureSolubilityTable(""); },
       "ITemperatureSolubilityTable named '' for aqueous component 'CO2 'dense'' does not "
       "exist."},
      {[&] { co2.getInteractionSolubilityTable("H2S"); },
       "IInteractionSolubilityTable named 'H2S' for aqueous component 'CO2 'dense'' does not "
       "exist."},
      {[&] { view.getInteractionSolubilityTable("NaCl 1M"); },
       "IInteractionSolubilityTable named 'NaCl 1M' for aqueous component 'CO2 'dense'' does "
       "not exist."},
      {[&] { co2.getSaltSolubilityTable("nacl 1M"); },  // names are case-sensitive
       "ISaltSolubilityTable named 'nacl 1M' for aqueous component 'CO2 'dense'' does not "
       "exist."},
      {[&] { view.getSaltSolubilityTable("KCl"); },
       "ISaltSolubilityTable named 'KCl' for aqueous component 'CO2 'dense'' does not exist."},
  };
  for (std::size_t k = 0; k < cases.size(); ++k) {
    SCOPED_TRACE(k);
    EXPECT_THROW_EXACT(cases[k].call(), std::range_error, cases[k].message);
  }
  EXPECT_EQ(tablesOf(co2), before);
}

TEST(AqueousSolubleComponent, MakeReturnsTheTableAlreadyThere) {
  StdAqueousSolubleComponent c("H2S");
  ISolubilityTable& first = c.makeSolubilityTable();
  first.setNumPressures(1);
  first.setSolutionRatio(0, 3.5);
  ISolubilityTable& second = c.makeSolubilityTable();
  EXPECT_EQ(&second, &first);
  EXPECT_EQ(second.getSolutionRatio(0), 3.5);
  EXPECT_EQ(&c.getSolubilityTable(), &first);

  ISolubilityWaterPropertiesTable& water = c.makeSolubilityWaterPropertiesTable();
  EXPECT_EQ(&c.makeSolubilityWaterPropertiesTable(), &water);
  EXPECT_EQ(&std::as_const(c).getSolubilityWaterPropertiesTable(), &water);

  ISaltSolubilityTable& salt = c.makeSaltSolubilityTable("brine");
  salt.setSaltConcentration(1.2);
  EXPECT_EQ(&c.makeSaltSolubilityTable("brine"), &salt);
  EXPECT_EQ(c.getSaltSolubilityTable("brine").getSaltConcentration(), 1.2);
  EXPECT_EQ(c.getSaltSolubilityTableNames(), Names{"brine"});

  // One name, three separate name spaces.
  EXPECT_FALSE(c.hasTemperatureSolubilityTable("brine"));
  ITemperatureSolubilityTable& hot = c.makeTemperatureSolubilityTable("brine");
  IInteractionSolubilityTable& mixed = c.makeInteractionSolubilityTable("brine");
  EXPECT_NE(static_cast<void*>(&hot), static_cast<void*>(&salt));
  EXPECT_NE(static_cast<void*>(&mixed), static_cast<void*>(&salt));
  EXPECT_EQ(&std::as_const(c).getInteractionSolubilityTable("brine"), &mixed);
  EXPECT_EQ(&std::as_const(c).getTemperatureSolubilityTable("brine"), &hot);
  EXPECT_EQ(&std::as_const(c).getSaltSolubilityTable("brine"), &salt);

  c.makeTemperatureSolubilityTable("");  // the empty name is a name like any other
  EXPECT_TRUE(c.hasTemperatureSolubilityTable(""));
  EXPECT_EQ(c.getTemperatureSolubilityTableNames(), (Names{"", "brine"}));
}

TEST(AqueousSolubleComponent, AnyOneTableKindMakesItHoldSolubilityTables) {
  std::vector<std::function<void(IAqueousSolubleComponent&)>> const makers{
      [](IAqueousSolubleComponent& c) { c.makeSolubilityTable(); },
      [](IAqueousSolubleComponent& c) { c.makeSolubilityWaterPropertiesTable(); },
      [](IAqueousSolubleComponent& c) { c.makeTemperatureSolubilityTable("T80"); },
      [](IAqueousSolubleComponent& c) { c.makeInteractionSolubilityTable("with H2S"); },
      [](IAqueousSolubleComponent& c) { c.makeSaltSolubilityTable("NaCl"); },
  };
  for (std::size_t k = 0; k < makers.size(); ++k) {
    StdAqueousSolubleComponent c("CO2");
    makers[k](c);
    EXPECT_TRUE(c.hasAnySolubilityTables()) << k;
  }
}

TEST(AqueousSolubleComponent, NamesAreListedInByteOrder) {
  StdAqueousSolubleComponent c("CO2");
  for (char const* name : {"b", "A", "a"}) {
    c.makeTemperatureSolubilityTable(name);
    c.makeInteractionSolubilityTable(name);
    c.makeSaltSolubilityTable(name);
  }
  Names const sorted{"A", "a", "b"};
  Names const salt = c.getSaltSolubilityTableNames();
  EXPECT_EQ(std::vector<std::string>(salt.begin(), salt.end()),
            (std::vector<std::string>{"A", "a", "b"}));
  EXPECT_EQ(c.getTemperatureSolubilityTableNames(), sorted);
  EXPECT_EQ(c.getInteractionSolubilityTableNames(), sorted);
}

TEST(AqueousSolubleComponent, BothComponentBasesAnswerAlike) {
  StdAqueousSolubleComponent c("N2");
  IComponent& viaInterface = static_cast<IAqueousSolubleComponent&>(c);
  IComponent& viaImplementation = static_cast<StdComponent&>(c);

  viaInterface.setProperty(IComponent::Property::CriticalPressure, 33.9);
  viaInterface.setProperty(IComponent::Property{60}, 6.0);
  viaInterface.setVolatilityType(IComponent::VolatilityType::NonCondensable);
  viaInterface.setCompressibilityType(IComponent::CompressibilityType::Incompressible);
  viaInterface.setOilViscosityCorrelation(IComponent::OilViscosityCorrelation::Vogel);
  viaInterface.setOilViscosityCorrelationUsage(IComponent::OilViscosityCorrelationUsage{5});
  viaInterface.setDensityType(IComponent::PhaseType::Water, IComponent::DensityType{4});
  viaImplementation.setViscosityType(IComponent::PhaseType::Gas, IComponent::ViscosityType{2});
  viaImplementation.deleteProperty(IComponent::Property{60});

  for (IComponent* view : {&viaInterface, &viaImplementation}) {
    EXPECT_EQ(view->getName(), "N2");
    EXPECT_TRUE(view->isSolubleInAqueousPhase());
    EXPECT_EQ(view->getProperty(IComponent::Property::CriticalPressure), 33.9);
    EXPECT_FALSE(view->hasProperty(IComponent::Property{60}));
    EXPECT_EQ(view->getVolatilityType(), IComponent::VolatilityType::NonCondensable);
    EXPECT_EQ(view->getCompressibilityType(), IComponent::CompressibilityType::Incompressible);
    EXPECT_EQ(view->getOilViscosityCorrelation(), IComponent::OilViscosityCorrelation::Vogel);
    EXPECT_EQ(static_cast<int>(view->getOilViscosityCorrelationUsage()), 5);
    EXPECT_EQ(static_cast<int>(view->getDensityType(IComponent::PhaseType::Water)), 4);
    EXPECT_EQ(static_cast<int>(view->getViscosityType(IComponent::PhaseType::Gas)), 2);
    EXPECT_THROW_EXACT(view->getProperty(IComponent::Property::Parachor), std::range_error,
                       "Component 'N2' does not have property 6");
  }
}

TEST(AqueousSolubleComponent, CopiesShareTheTablesAndMovesHandThemOver) {
  StdAqueousSolubleComponent source("CO2");
  source.setProperty(IComponent::Property::MolecularWeight, 44.01);
  source.makeSolubilityTable().setNumPressures(2);
  source.makeSaltSolubilityTable("NaCl").setNumPressures(1);

  StdAqueousSolubleComponent copy(source);
  EXPECT_EQ(tablesOf(copy), tablesOf(source));
  copy.getSolubilityTable().setPressure(1, 250.0);  // the very same table
  EXPECT_EQ(source.getSolubilityTable().getPressure(1), 250.0);
  EXPECT_EQ(&copy.getSaltSolubilityTable("NaCl"), &source.getSaltSolubilityTable("NaCl"));

  // The component data and the sets of tables are the copy's own.
  copy.setProperty(IComponent::Property::MolecularWeight, 1.0);
  copy.makeInteractionSolubilityTable("H2S");
  EXPECT_EQ(source.getProperty(IComponent::Property::MolecularWeight), 44.01);
  EXPECT_FALSE(source.hasInteractionSolubilityTable("H2S"));

  // Assignment replaces the target's name and tables by the source's, shared.
  StdAqueousSolubleComponent assigned("H2S");
  assigned.makeTemperatureSolubilityTable("T60");
  assigned = source;
  EXPECT_EQ(assigned.getName(), "CO2");
  EXPECT_EQ(tablesOf(assigned), tablesOf(source));
  EXPECT_EQ(&assigned.getSolubilityTable(), &source.getSolubilityTable());

  // A table outlives the component it was made by while a copy still holds it.
  ISolubilityTable* table = nullptr;
  {
    StdAqueousSolubleComponent temporary("C1");
    table = &temporary.makeSolubilityTable();
    copy = temporary;
  }
  table->setNumPressures(3);
  EXPECT_EQ(copy.getSolubilityTable().getNumPressures(), 3);

  Tables const held = tablesOf(source);
  ISolubilityTable* const sourceTable = &source.getSolubilityTable();
  StdAqueousSolubleComponent moved(std::move(source));
  EXPECT_EQ(tablesOf(moved), held);
  EXPECT_EQ(&moved.getSolubilityTable(), sourceTable);
  EXPECT_EQ(moved.getProperty(IComponent::Property::MolecularWeight), 44.01);
  EXPECT_EQ(tablesOf(source), kNoTables);

  StdAqueousSolubleComponent target("H2O");
  target.makeSaltSolubilityTable("KCl");
  target = std::move(moved);
  EXPECT_EQ(target.getName(), "CO2");
  EXPECT_EQ(tablesOf(target), held);
  EXPECT_EQ(tablesOf(moved), kNoTables);
}

TEST(AqueousSolubleComponent, ModelMakesOwnsAndRecognisesBothKinds) {
  std::unique_ptr<IComponent> plain = detail::makeComponentOfType("C1", IComponent::Type::Plain);
  std::unique_ptr<IComponent> soluble =
      detail::makeComponentOfType("CO2", IComponent::Type::AqueousSoluble);
  EXPECT_EQ(detail::makeComponentOfType("X", IComponent::Type{2}), nullptr);
  EXPECT_EQ(detail::makeComponentOfType("X", IComponent::Type{-1}), nullptr);

  EXPECT_FALSE(plain->isSolubleInAqueousPhase());
  EXPECT_EQ(detail::asAqueousSolubleComponent(*plain), nullptr);
  EXPECT_TRUE(soluble->isSolubleInAqueousPhase());
  IAqueousSolubleComponent* aqueous = detail::asAqueousSolubleComponent(*soluble);
  ASSERT_NE(aqueous, nullptr);
  EXPECT_EQ(aqueous->getName(), "CO2");
  EXPECT_EQ(&detail::asComponent(dynamic_cast<StdAqueousSolubleComponent&>(*aqueous)),
            soluble.get());

  // The checked conversion succeeds from the StdComponent base as well.
  StdAqueousSolubleComponent h2s("H2S");
  IComponent const& other = static_cast<StdComponent const&>(h2s);
  EXPECT_EQ(detail::asAqueousSolubleComponent(other), &h2s);

  EXPECT_STREQ(detail::kComponentPointerTypeText, "class Orv::Tess::Varnak::IComponent *");
}
