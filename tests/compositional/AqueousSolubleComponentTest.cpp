#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "compositional/ComponentKinds.h"
#include "support/Support.h"

using namespace Orv::Tess::Varnak;
using Names = std::set<std::string>;
using Aqueous = IAqueousSolubleComponent;

using support::observe;

TEST(AqueousSolubleComponent, MissingTablesNameTheKindTheTableAndTheComponent) {
  StdAqueousSolubleComponent co2("CO2 'dense'");
  EXPECT_EQ(co2.getType(), IComponent::Type::AqueousSoluble);
  EXPECT_TRUE(static_cast<Aqueous&>(co2).isSolubleInAqueousPhase());
  EXPECT_TRUE(static_cast<StdComponent const&>(co2).isSolubleInAqueousPhase());
  EXPECT_FALSE(co2.hasAnySolubilityTables());
  co2.makeSaltSolubilityTable("NaCl 1M");  // exists only as a salt table
  std::string const before = observe(co2);
  Aqueous const& view = co2;

  std::string const of = " for aqueous component 'CO2 'dense'' does not exist.";
  std::vector<std::pair<std::function<void()>, std::string>> const cases{
      {[&] { co2.getSolubilityTable(); }, "ISolubilityTable" + of},
      {[&] { view.getSolubilityTable(); }, "ISolubilityTable" + of},
      {[&] { co2.getSolubilityWaterPropertiesTable(); }, "ISolubilityWaterPropertiesTable" + of},
      {[&] { view.getSolubilityWaterPropertiesTable(); }, "ISolubilityWaterPropertiesTable" + of},
      {[&] { co2.getTemperatureSolubilityTable("NaCl 1M"); },
       "ITemperatureSolubilityTable named 'NaCl 1M'" + of},
      {[&] { view.getTemperatureSolubilityTable(""); },
       "ITemperatureSolubilityTable named ''" + of},
      {[&] { co2.getInteractionSolubilityTable("H2S"); },
       "IInteractionSolubilityTable named 'H2S'" + of},
      {[&] { view.getInteractionSolubilityTable("NaCl 1M"); },
       "IInteractionSolubilityTable named 'NaCl 1M'" + of},
      {[&] { co2.getSaltSolubilityTable("nacl 1M"); },  // names are case-sensitive
       "ISaltSolubilityTable named 'nacl 1M'" + of},
      {[&] { view.getSaltSolubilityTable("KCl"); }, "ISaltSolubilityTable named 'KCl'" + of},
  };
  for (auto const& [call, message] : cases) EXPECT_THROW_EXACT(call(), std::range_error, message);
  EXPECT_EQ(observe(co2), before);
}

TEST(AqueousSolubleComponent, MakeReturnsTheTableThereAndEachKindHasItsOwnNames) {
  StdAqueousSolubleComponent c("H2S");
  StdAqueousSolubleComponent const& view = c;
  ISolubilityTable& first = c.makeSolubilityTable();
  first.setNumPressures(1);
  EXPECT_EQ(&c.makeSolubilityTable(), &first);
  EXPECT_EQ(c.getSolubilityTable().getNumPressures(), 1);
  ISolubilityWaterPropertiesTable& water = c.makeSolubilityWaterPropertiesTable();
  EXPECT_EQ(&c.makeSolubilityWaterPropertiesTable(), &water);
  EXPECT_EQ(&view.getSolubilityWaterPropertiesTable(), &water);

  for (char const* name : {"b", "A", "a"}) {
    c.makeTemperatureSolubilityTable(name);
    c.makeInteractionSolubilityTable(name);
  }
  ISaltSolubilityTable& salt = c.makeSaltSolubilityTable("b");
  salt.setSaltConcentration(1.2);
  EXPECT_EQ(&c.makeSaltSolubilityTable("b"), &salt);
  EXPECT_EQ(&view.getSaltSolubilityTable("b"), &salt);
  EXPECT_NE(static_cast<void const*>(&view.getTemperatureSolubilityTable("b")),
            static_cast<void const*>(&salt));
  EXPECT_NE(static_cast<void const*>(&view.getInteractionSolubilityTable("b")),
            static_cast<void const*>(&salt));
  EXPECT_EQ(&c.makeInteractionSolubilityTable("A"), &view.getInteractionSolubilityTable("A"));
  EXPECT_EQ(&c.makeTemperatureSolubilityTable("A"), &view.getTemperatureSolubilityTable("A"));
  EXPECT_TRUE(c.hasTemperatureSolubilityTable("A"));
  EXPECT_FALSE(c.hasTemperatureSolubilityTable(""));
  EXPECT_FALSE(c.hasSaltSolubilityTable("A"));
  EXPECT_TRUE(c.hasSaltSolubilityTable("b"));
  EXPECT_EQ(c.getTemperatureSolubilityTableNames(), (Names{"A", "a", "b"}));
  EXPECT_EQ(c.getInteractionSolubilityTableNames(), (Names{"A", "a", "b"}));
  EXPECT_EQ(c.getSaltSolubilityTableNames(), Names{"b"});

  // Any one kind of table is a solubility table.
  std::vector<std::function<void(Aqueous&)>> const makers{
      [](Aqueous& a) { a.makeSolubilityTable(); },
      [](Aqueous& a) { a.makeSolubilityWaterPropertiesTable(); },
      [](Aqueous& a) { a.makeTemperatureSolubilityTable(""); },
      [](Aqueous& a) { a.makeInteractionSolubilityTable(""); },
      [](Aqueous& a) { a.makeSaltSolubilityTable(""); },
  };
  for (std::size_t k = 0; k < makers.size(); ++k) {
    StdAqueousSolubleComponent one("CO2");
    makers[k](one);
    EXPECT_TRUE(one.hasAnySolubilityTables()) << k;
  }
}

TEST(AqueousSolubleComponent, BothComponentBasesAnswerAlike) {
  StdAqueousSolubleComponent c("N2");
  IComponent& viaInterface = static_cast<Aqueous&>(c);
  IComponent& viaImplementation = static_cast<StdComponent&>(c);
  viaInterface.setProperty(IComponent::Property::CriticalPressure, 33.9);
  viaInterface.setProperty(IComponent::Property{60}, 6.0);
  viaInterface.setVolatilityType(IComponent::VolatilityType::NonCondensable);
  viaInterface.setCompressibilityType(IComponent::CompressibilityType::Incompressible);
  viaInterface.setOilViscosityCorrelation(IComponent::OilViscosityCorrelation::Vogel);
  viaInterface.setOilViscosityCorrelationUsage(IComponent::OilViscosityCorrelationUsage{5});
  viaInterface.setDensityType(IComponent::PhaseType::Water, IComponent::DensityType{4});
  viaInterface.setViscosityType(IComponent::PhaseType::Gas, IComponent::ViscosityType{2});
  viaInterface.deleteProperty(IComponent::Property::CriticalPressure);
  for (IComponent* view : {&viaInterface, &viaImplementation}) {
    EXPECT_EQ(view->getName(), "N2");
    EXPECT_TRUE(view->isSolubleInAqueousPhase());
    EXPECT_EQ(view->getProperty(IComponent::Property{60}), 6.0);
    EXPECT_FALSE(view->hasProperty(IComponent::Property::CriticalPressure));
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
  source.makeSaltSolubilityTable("NaCl");

  StdAqueousSolubleComponent copy(source);
  EXPECT_EQ(observe(copy), observe(source));
  EXPECT_EQ(&copy.getSolubilityTable(), &source.getSolubilityTable());  // the very same table
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
  EXPECT_EQ(observe(assigned), observe(source));
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

  std::string const held = observe(source);
  ISolubilityTable* const sourceTable = &source.getSolubilityTable();
  StdAqueousSolubleComponent moved(std::move(source));
  EXPECT_EQ(observe(moved), held);
  EXPECT_EQ(&moved.getSolubilityTable(), sourceTable);
  EXPECT_FALSE(source.hasAnySolubilityTables());  // NOLINT(bugprone-use-after-move)
  StdAqueousSolubleComponent target("H2O");
  target.makeSaltSolubilityTable("KCl");
  target = std::move(moved);
  EXPECT_EQ(observe(target), held);
  EXPECT_FALSE(moved.hasAnySolubilityTables());  // NOLINT(bugprone-use-after-move)
}

TEST(AqueousSolubleComponent, ModelMakesAndRecognisesBothKinds) {
  std::unique_ptr<IComponent> plain = detail::makeComponentOfType("C1", IComponent::Type::Plain);
  std::unique_ptr<IComponent> soluble =
      detail::makeComponentOfType("CO2", IComponent::Type::AqueousSoluble);
  EXPECT_EQ(detail::makeComponentOfType("X", IComponent::Type{2}), nullptr);
  EXPECT_EQ(detail::makeComponentOfType("X", IComponent::Type{-1}), nullptr);
  EXPECT_FALSE(plain->isSolubleInAqueousPhase());
  EXPECT_EQ(detail::asAqueousSolubleComponent(*plain), nullptr);
  Aqueous* aqueous = detail::asAqueousSolubleComponent(*soluble);
  ASSERT_NE(aqueous, nullptr);
  EXPECT_EQ(aqueous->getName(), "CO2");
  EXPECT_EQ(&detail::asComponent(dynamic_cast<StdAqueousSolubleComponent&>(*aqueous)),
            soluble.get());
  // The checked conversion succeeds from the StdComponent base as well.
  StdAqueousSolubleComponent h2s("H2S");
  EXPECT_EQ(detail::asAqueousSolubleComponent(static_cast<StdComponent const&>(h2s)), &h2s);
  EXPECT_STREQ(detail::kComponentPointerTypeText, "class Orv::Tess::Varnak::IComponent *");
}
