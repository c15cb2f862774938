#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/IAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/IBinaryInteractionCoefficients.h"
#include "Orv/Tess/Varnak/ICompositionKValueTable.h"
#include "Orv/Tess/Varnak/IKValueTable.h"
#include "Orv/Tess/Varnak/IOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/IReaction.h"
#include "Orv/Tess/Varnak/ITemperatureKValueTable.h"
#include "Orv/Tess/Varnak/StdCompositionalModel.h"
#include "support/Expect.h"

namespace {

using namespace Orv::Tess::Varnak;
using Type = IComponent::Type;

constexpr Type kPlain = static_cast<Type>(0);
constexpr Type kAqueous = static_cast<Type>(1);

// What a host can observe of the components, coefficient matrices, tables and reactions.
struct Snapshot {
  std::vector<std::pair<std::string, int>> components;  // name and type, by index
  std::map<std::pair<int, int>, double> bics;           // non-zero entries among -1..9
  std::vector<std::map<std::pair<int, int>, double>> aqueousBics;
  std::vector<std::string> reactions;
  bool hasSimpleKValueTable = false;
  std::set<std::string> temperatureTables, compositionTables;
  bool operator==(Snapshot const& o) const {
    return components == o.components && bics == o.bics && aqueousBics == o.aqueousBics &&
           reactions == o.reactions && hasSimpleKValueTable == o.hasSimpleKValueTable &&
           temperatureTables == o.temperatureTables && compositionTables == o.compositionTables;
  }
};

std::map<std::pair<int, int>, double> entries(IBinaryInteractionCoefficients const& k) {
  std::map<std::pair<int, int>, double> out;
  for (int i = -1; i < 10; ++i)
    for (int j = i + 1; j < 10; ++j)
      if (k.getBIC(i, j) != 0.0) out[{i, j}] = k.getBIC(i, j);
  return out;
}

Snapshot snapshot(ICompositionalModel const& m) {
  Snapshot s;
  for (int i = 0; i < m.getNumComponents(); ++i) {
    s.components.emplace_back(m.getComponent(i).getName(),
                              static_cast<int>(m.getComponent(i).getType()));
  }
  s.bics = entries(m.getBICs());
  for (int n = 1; n <= 3; ++n) s.aqueousBics.push_back(entries(m.getAqueousBICs(n)));
  for (unsigned long long r = 0; r < m.getNumReactions(); ++r) {
    s.reactions.push_back(m.getReaction(r).getName());
  }
  s.hasSimpleKValueTable = m.hasSimpleKValueTable();
  s.temperatureTables = m.getTemperatureKValueTableNames();
  s.compositionTables = m.getCompositionKValueTableNames();
  return s;
}

TEST(CompositionalModel, StartsEmptyWithTheDocumentedSettings) {
  StdCompositionalModel m("GULF");
  ICompositionalModel const& c = m;
  EXPECT_EQ(m.getName(), "GULF");
  EXPECT_EQ(c.getNumComponents(), 0);
  EXPECT_EQ(c.getNumAqueousSolubleComponents(), 0);
  EXPECT_EQ(c.getNumReactions(), 0u);
  EXPECT_FALSE(c.hasAnyKValueTables());
  EXPECT_FALSE(c.hasSimpleKValueTable());
  EXPECT_EQ(c.getOilViscosityIndexTable(), nullptr);
  EXPECT_EQ(static_cast<int>(c.getEquationOfState()), 0);
  EXPECT_EQ(static_cast<int>(c.getViscosityModel()), 0);
  EXPECT_EQ(c.getSalinity(), 0.0);
  EXPECT_EQ(c.getOilViscosityCorrelationT1(), 0.0);
  EXPECT_EQ(c.getOilViscosityCorrelationT2(), 0.0);
  std::vector<double> const pedersen = {
      c.getPedersenViscosityTuningParameter1(), c.getPedersenViscosityTuningParameter2(),
      c.getPedersenViscosityTuningParameter3(), c.getPedersenViscosityTuningParameter4(),
      c.getPedersenViscosityTuningParameter5(), c.getPedersenViscosityTuningParameter6()};
  EXPECT_EQ(pedersen, (std::vector<double>{1.0, 1.0, 1.847, 0.5173, 0.007378, 0.031}));
  EXPECT_EQ(c.getLiCorrelationUpperLimit(), 1.25);
  EXPECT_EQ(c.getLiCorrelationLowerLimit(), 0.75);
  EXPECT_TRUE(c.getUsesLiCorrelationLimits());
  EXPECT_EQ(StdCompositionalModel().getName(), "");
}

TEST(CompositionalModel, StoresEverySettingAsGiven) {
  StdCompositionalModel m("M");
  m.setEquationOfState(ICompositionalModel::EquationOfState::SoaveRedlichKwong);
  m.setViscosityModel(static_cast<ICompositionalModel::ViscosityModel>(42));  // no name: kept
  m.setSalinity(0.035);
  m.setOilViscosityCorrelationT1(288.7);
  m.setOilViscosityCorrelationT2(373.1);
  m.setPedersenViscosityTuningParameter1(1.1);
  m.setPedersenViscosityTuningParameter2(1.2);
  m.setPedersenViscosityTuningParameter3(1.3);
  m.setPedersenViscosityTuningParameter4(1.4);
  m.setPedersenViscosityTuningParameter5(1.5);
  m.setPedersenViscosityTuningParameter6(1.6);
  m.setUsesLiCorrelationLimits(false);
  m.setLiCorrelationUpperLimit(1.4);
  m.setLiCorrelationLowerLimit(0.6);
  EXPECT_EQ(m.getEquationOfState(), ICompositionalModel::EquationOfState::SoaveRedlichKwong);
  EXPECT_EQ(static_cast<int>(m.getViscosityModel()), 42);
  EXPECT_EQ(m.getSalinity(), 0.035);
  EXPECT_EQ(m.getOilViscosityCorrelationT1(), 288.7);
  EXPECT_EQ(m.getOilViscosityCorrelationT2(), 373.1);
  EXPECT_EQ(m.getPedersenViscosityTuningParameter1(), 1.1);
  EXPECT_EQ(m.getPedersenViscosityTuningParameter2(), 1.2);
  EXPECT_EQ(m.getPedersenViscosityTuningParameter3(), 1.3);
  EXPECT_EQ(m.getPedersenViscosityTuningParameter4(), 1.4);
  EXPECT_EQ(m.getPedersenViscosityTuningParameter5(), 1.5);
  EXPECT_EQ(m.getPedersenViscosityTuningParameter6(), 1.6);
  EXPECT_FALSE(m.getUsesLiCorrelationLimits());
  EXPECT_EQ(m.getLiCorrelationUpperLimit(), 1.4);
  EXPECT_EQ(m.getLiCorrelationLowerLimit(), 0.6);
}

TEST(CompositionalModel, ComponentNamesAreUniqueAndUnknownTypesRefused) {
  StdCompositionalModel m("M");
  IComponent& c1 = m.makeComponent("C1", kPlain);
  m.makeComponent("CO2", kAqueous);
  EXPECT_EQ(&m.getComponent(0), &c1);
  EXPECT_EQ(m.getComponentIndex("CO2"), 1);
  Snapshot const before = snapshot(m);

  struct Case {
    std::string name;
    int type;
    char const* message;
  };
  Case const cases[] = {
      {"C1", 0, "ICompositionalModel cannot make a duplicate component named 'C1'"},
      {"C1", 1, "ICompositionalModel cannot make a duplicate component named 'C1'"},
      {"CO2", 7, "ICompositionalModel cannot make a duplicate component named 'CO2'"},
      {"X", 2, "ICompositionalModel cannot make component 'X' of type 2"},
      {"X", -1, "ICompositionalModel cannot make component 'X' of type -1"},
  };
  for (Case const& k : cases) {
    EXPECT_THROW_EXACT(m.makeComponent(k.name, static_cast<Type>(k.type)), std::invalid_argument,
                       k.message);
  }
  EXPECT_EQ(snapshot(m), before);
  EXPECT_FALSE(m.hasComponent("X"));
  EXPECT_TRUE(m.hasComponent("C1"));
  EXPECT_FALSE(m.hasComponent("c1"));  // names compare byte for byte
  EXPECT_EQ(m.getComponentIndex("c1"), -1);
}

TEST(CompositionalModel, LookupsOfMissingComponentsThrowAndChangeNothing) {
  StdCompositionalModel m("NORTH SEA");
  m.makeComponent("C1", kPlain);
  m.makeComponent("C7+", kPlain);
  ICompositionalModel const& c = m;
  Snapshot const before = snapshot(m);

  char const* const noZ = "Compositional Fluid Model NORTH SEA does not contain component 'Z'.";
  EXPECT_THROW_EXACT(m.getComponent("Z"), std::invalid_argument, noZ);
  EXPECT_THROW_EXACT(c.getComponent("Z"), std::invalid_argument, noZ);
  for (int bad : {-1, 2, 1000}) {
    std::string const message =
        "Invalid IComponent index (" + std::to_string(bad) + ") passed to ICompositionalModel.";
    EXPECT_THROW_EXACT(m.getComponent(bad), std::range_error, message);
    EXPECT_THROW_EXACT(c.getComponent(bad), std::range_error, message);
    EXPECT_THROW_EXACT(m.getComponentAsAqueousSolubleComponent(bad), std::range_error, message);
    EXPECT_THROW_EXACT(m.deleteComponent(bad), std::range_error, message);
  }
  EXPECT_EQ(&c.getComponent("C7+"), &m.getComponent(1));
  EXPECT_EQ(snapshot(m), before);
}

TEST(CompositionalModel, AqueousIndicesCountOnlyTheAqueousSolubleComponents) {
  StdCompositionalModel m("M");
  m.makeComponent("K1", kPlain);
  m.makeComponent("K2", kAqueous);
  m.makeComponent("K3", kPlain);
  m.makeComponent("K4", kAqueous);
  ICompositionalModel const& c = m;

  EXPECT_EQ(m.getNumAqueousSolubleComponents(), 2);
  EXPECT_EQ(m.getAqueousSolubleComponent(0).getName(), "K2");
  EXPECT_EQ(m.getAqueousSolubleComponent(1).getName(), "K4");
  EXPECT_EQ(&c.getAqueousSolubleComponent(1), &m.getComponentAsAqueousSolubleComponent(3));
  // The aqueous view and the component view are one object.
  IAqueousSolubleComponent& k4 = m.getComponentAsAqueousSolubleComponent("K4");
  EXPECT_EQ(&static_cast<IComponent&>(k4), &m.getComponent("K4"));
  EXPECT_EQ(&c.getComponentAsAqueousSolubleComponent("K4"), &k4);
  EXPECT_TRUE(m.hasAqueousSolubleComponent("K2"));
  EXPECT_FALSE(m.hasAqueousSolubleComponent("K1"));
  EXPECT_FALSE(m.hasAqueousSolubleComponent("K9"));

  Snapshot const before = snapshot(m);
  for (int bad : {-1, 2}) {
    EXPECT_THROW_EXACT(m.getAqueousSolubleComponent(bad), std::range_error,
                       "Invalid IAqueousSolubleComponent index (" + std::to_string(bad) +
                           ") passed to ICompositionalModel.");
  }
  EXPECT_THROW_EXACT(m.getComponentAsAqueousSolubleComponent(2), std::runtime_error,
                     "Component at index 2 is not of type IAqueousSolubleComponent (type is "
                     "class Orv::Tess::Varnak::IComponent *)");
  EXPECT_THROW_EXACT(c.getComponentAsAqueousSolubleComponent(0), std::runtime_error,
                     "Component at index 0 is not of type IAqueousSolubleComponent (type is "
                     "class Orv::Tess::Varnak::IComponent *)");
  for (char const* name : {"K1", "K9"}) {
    std::string const message =
        std::string("No IAqueousSolubleComponent  '") + name + "' found in ICompositionalModel.";
    EXPECT_THROW_EXACT(m.getComponentAsAqueousSolubleComponent(name), std::runtime_error, message);
    EXPECT_THROW_EXACT(c.getComponentAsAqueousSolubleComponent(name), std::runtime_error, message);
  }
  EXPECT_THROW_EXACT(c.getAqueousSolubleComponent(2), std::range_error,
                     "Invalid IAqueousSolubleComponent index (2) passed to ICompositionalModel.");
  EXPECT_EQ(snapshot(m), before);

  // Deleting a component renumbers the aqueous indices with the component indices.
  m.deleteComponent(1);
  EXPECT_EQ(m.getNumAqueousSolubleComponents(), 1);
  EXPECT_EQ(m.getAqueousSolubleComponent(0).getName(), "K4");
  EXPECT_EQ(&m.getAqueousSolubleComponent(0), &m.getComponentAsAqueousSolubleComponent(2));
  EXPECT_THROW_EXACT(m.getAqueousSolubleComponent(1), std::range_error,
                     "Invalid IAqueousSolubleComponent index (1) passed to ICompositionalModel.");
  EXPECT_FALSE(m.hasAqueousSolubleComponent("K2"));
}

// Five components with every pair below the diagonal set to a value that names it.
StdCompositionalModel& fiveComponents(StdCompositionalModel& m) {
  for (char const* name : {"N2", "CO2", "C1", "C2", "C7+"}) m.makeComponent(name, kPlain);
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < i; ++j) m.getBICs().setBIC(i, j, 0.1 * i + 0.01 * j + 0.001);
  return m;
}

TEST(CompositionalModel, DeletingAComponentClosesTheGapInTheInteractionCoefficients) {
  {
    StdCompositionalModel m("M");
    for (char const* name : {"A", "B", "C"}) m.makeComponent(name, kPlain);
    m.getBICs().setBIC(1, 0, 0.1);
    m.getBICs().setBIC(2, 0, 0.2);
    m.getBICs().setBIC(2, 1, 0.3);
    m.getBICs().setBIC(1, 9, 0.9);  // outside the components: the rewrite leaves it alone
    m.deleteComponent(1);
    EXPECT_EQ(m.getBICs().getBIC(1, 0), 0.2);
    EXPECT_EQ(m.getBICs().getBIC(2, 0), 0.0);
    EXPECT_EQ(m.getBICs().getBIC(2, 1), 0.0);
    EXPECT_EQ(m.getBICs().getBIC(1, 9), 0.9);
    EXPECT_EQ(m.getComponent(1).getName(), "C");
  }
  {
    StdCompositionalModel m("M");
    for (char const* name : {"A", "B", "C"}) m.makeComponent(name, kPlain);
    m.getBICs().setBIC(1, 0, 0.1);
    m.getBICs().setBIC(2, 0, 0.2);
    m.getBICs().setBIC(2, 1, 0.3);
    m.deleteComponent(0);
    EXPECT_EQ(m.getBICs().getBIC(1, 0), 0.3);
    EXPECT_EQ(m.getBICs().getBIC(0, 1), 0.3);
    EXPECT_EQ(entries(m.getBICs()).size(), 1u);
  }
  // Every position: each remaining pair keeps the coefficient of its two components.
  for (int d = 0; d < 5; ++d) {
    SCOPED_TRACE(::testing::Message() << "deleting component " << d);
    StdCompositionalModel m("M");
    fiveComponents(m);
    std::map<std::pair<int, int>, double> expected;
    auto const old = [d](int k) { return k < d ? k : k + 1; };
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < i; ++j) expected[{j, i}] = 0.1 * old(i) + 0.01 * old(j) + 0.001;
    m.deleteComponent(d);
    EXPECT_EQ(entries(m.getBICs()), expected);
    EXPECT_EQ(m.getNumComponents(), 4);
  }
}

TEST(CompositionalModel, DeletingAComponentLeavesEverythingElseByIndexAsItWas) {
  StdCompositionalModel m("M");
  fiveComponents(m);
  m.getAqueousBICs(2).setBIC(3, 4, 0.5);
  IKValueTable& k = m.makeSimpleKValueTable();
  k.setNumComponents(5);
  k.setNumPressures(1);
  k.setKValue(0, 4, 0.02);
  IOilViscosityIndexTable& v = m.makeOilViscosityIndexTable();
  v.setNumComponents(5);
  IReaction& r = m.makeReaction("R");
  r.setNumComponents(5);
  r.setEquilibriumLiquidComponentIndex(4);

  m.deleteComponent(2);
  EXPECT_EQ(m.getAqueousBICs(2).getBIC(3, 4), 0.5);
  EXPECT_EQ(k.getNumComponents(), 5);
  EXPECT_EQ(k.getKValue(0, 4), 0.02);
  EXPECT_EQ(v.getNumComponents(), 5);
  EXPECT_EQ(r.getNumComponents(), 5);
  EXPECT_EQ(r.getEquilibriumLiquidComponentIndex(), 4);
  EXPECT_EQ(m.getComponentIndex("C1"), -1);
  EXPECT_EQ(m.getComponentIndex("C7+"), 3);
}

TEST(CompositionalModel, HasOneGeneralAndThreeAqueousCoefficientMatrices) {
  StdCompositionalModel m("M");
  ICompositionalModel const& c = m;
  for (int n = 1; n <= 3; ++n) m.getAqueousBICs(n).setBIC(0, 1, n * 0.1);
  EXPECT_EQ(c.getAqueousBICs(1).getBIC(0, 1), 0.1);
  EXPECT_EQ(c.getAqueousBICs(2).getBIC(0, 1), 0.2);
  EXPECT_EQ(c.getAqueousBICs(3).getBIC(0, 1), 0.30000000000000004);
  EXPECT_EQ(c.getBICs().getBIC(0, 1), 0.0);
  EXPECT_EQ(&c.getBICs(), &m.getBICs());
  for (int bad : {0, 4, -1}) {
    std::string const message =
        "Invalid aqueous IBinaryInteractionCoefficients coefficient number (" +
        std::to_string(bad) + ") : must be 1, 2 or 3.";
    EXPECT_THROW_EXACT(m.getAqueousBICs(bad), std::range_error, message);
    EXPECT_THROW_EXACT(c.getAqueousBICs(bad), std::range_error, message);
  }
}

TEST(CompositionalModel, KValueTablesAreMadeOnceAndNamedPerKind) {
  StdCompositionalModel m("M");
  ICompositionalModel const& c = m;
  EXPECT_THROW_EXACT(m.getSimpleKValueTable(), std::range_error,
                     "K-Value table for PVT region 'M' does not exist.");
  EXPECT_THROW_EXACT(c.getSimpleKValueTable(), std::range_error,
                     "K-Value table for PVT region 'M' does not exist.");
  EXPECT_FALSE(m.hasAnyKValueTables());

  IKValueTable& simple = m.makeSimpleKValueTable();
  simple.setNumPressures(1);
  EXPECT_EQ(&m.makeSimpleKValueTable(), &simple);  // returned unchanged
  EXPECT_EQ(m.getSimpleKValueTable().getNumPressures(), 1);
  EXPECT_TRUE(m.hasAnyKValueTables());

  StdCompositionalModel n("N");
  ITemperatureKValueTable& t = n.makeTemperatureKValueTable("T");
  t.setTemperature(350.0);
  EXPECT_TRUE(n.hasAnyKValueTables());
  EXPECT_FALSE(n.hasSimpleKValueTable());
  EXPECT_EQ(&n.makeTemperatureKValueTable("T"), &t);
  EXPECT_EQ(n.getTemperatureKValueTable("T").getTemperature(), 350.0);
  EXPECT_THROW_EXACT(n.getCompositionKValueTable("T"), std::range_error,
                     "Composition K-Value table 'T' does not exist.");
  ICompositionKValueTable& k = n.makeCompositionKValueTable("T");  // its own name space
  EXPECT_EQ(&static_cast<ICompositionalModel const&>(n).getCompositionKValueTable("T"), &k);
  EXPECT_THROW_EXACT(static_cast<ICompositionalModel const&>(n).getTemperatureKValueTable("t"),
                     std::range_error, "Temperature K-Value table 't' does not exist.");
  n.makeTemperatureKValueTable("B");
  n.makeTemperatureKValueTable("a");
  EXPECT_EQ(n.getTemperatureKValueTableNames(), (std::set<std::string>{"B", "T", "a"}));
  EXPECT_EQ(n.getCompositionKValueTableNames(), (std::set<std::string>{"T"}));

  StdCompositionalModel o("O");
  o.makeCompositionKValueTable("");
  EXPECT_TRUE(o.hasAnyKValueTables());
}

TEST(CompositionalModel, MakingTheOilViscosityIndexTableReplacesThePresentOne) {
  StdCompositionalModel m("M");
  m.deleteOilViscosityIndexTable();  // none: nothing happens
  IOilViscosityIndexTable& first = m.makeOilViscosityIndexTable();
  first.setNumMolefractions(3);
  EXPECT_EQ(m.getOilViscosityIndexTable(), &first);
  IOilViscosityIndexTable& second = m.makeOilViscosityIndexTable();
  EXPECT_EQ(second.getNumMolefractions(), 0);
  EXPECT_EQ(static_cast<ICompositionalModel const&>(m).getOilViscosityIndexTable(), &second);
  m.deleteOilViscosityIndexTable();
  EXPECT_EQ(m.getOilViscosityIndexTable(), nullptr);
}

TEST(CompositionalModel, ReactionNamesAreUniqueAndIndicesChecked) {
  StdCompositionalModel m("M");
  ICompositionalModel const& c = m;
  EXPECT_THROW_EXACT(m.getReaction(0), std::range_error,
                     "Invalid IReaction index (0) passed to ICompositionalModel.");
  IReaction& burn = m.makeReaction("BURN");
  m.makeReaction("CRACK");
  m.makeComponent("BURN", kPlain);  // components and reactions have separate names
  EXPECT_EQ(&c.getReaction(0), &burn);
  EXPECT_EQ(c.getReaction(1).getName(), "CRACK");
  EXPECT_TRUE(c.hasReaction("CRACK"));
  EXPECT_FALSE(c.hasReaction("crack"));

  Snapshot const before = snapshot(m);
  EXPECT_THROW_EXACT(m.makeReaction("BURN"), std::invalid_argument,
                     "ICompositionalModel cannot make a duplicate reaction named 'BURN'");
  EXPECT_THROW_EXACT(c.getReaction(2), std::range_error,
                     "Invalid IReaction index (2) passed to ICompositionalModel.");
  EXPECT_THROW_EXACT(m.getReaction(18446744073709551615ull), std::range_error,
                     "Invalid IReaction index (18446744073709551615) passed to "
                     "ICompositionalModel.");
  EXPECT_EQ(snapshot(m), before);
}

TEST(CompositionalModel, CarriesTheCommonFluidModelPart) {
  StdCompositionalModel m("M");
  IFluidModel& fluid = m;
  EXPECT_EQ(fluid.getName(), "M");
  fluid.makeInitialCondition("IC");
  EXPECT_EQ(fluid.getInitialConditionNames(), (std::set<std::string>{"IC"}));
  EXPECT_EQ(dynamic_cast<ICompositionalModel*>(&fluid), &m);
}

}  // namespace
