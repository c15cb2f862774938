#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "support/Support.h"

namespace {

using namespace Orv::Tess::Varnak;
using Type = IComponent::Type;
using Names = std::set<std::string>;
using Model = ICompositionalModel;

constexpr Type kPlain = static_cast<Type>(0);
constexpr Type kAqueous = static_cast<Type>(1);

// The non-zero coefficients among the indices -1 to 9.
std::map<std::pair<int, int>, double> entries(IBinaryInteractionCoefficients const& k) {
  std::map<std::pair<int, int>, double> out;
  for (int i = -1; i < 10; ++i)
    for (int j = i + 1; j < 10; ++j)
      if (k.getBIC(i, j) != 0.0) out[{i, j}] = k.getBIC(i, j);
  return out;
}

TEST(CompositionalModel, StartsEmptyWithTheDocumentedSettingsAndStoresEachAsGiven) {
  StdCompositionalModel m("GULF");
  Model const& c = m;
  EXPECT_EQ(c.getNumComponents(), 0);
  EXPECT_EQ(c.getNumReactions(), 0u);
  EXPECT_FALSE(c.hasAnyKValueTables());
  EXPECT_EQ(c.getOilViscosityIndexTable(), nullptr);
  EXPECT_TRUE(c.getUsesLiCorrelationLimits());
  EXPECT_EQ(static_cast<int>(c.getEquationOfState()), 0);
  EXPECT_EQ(static_cast<int>(c.getViscosityModel()), 0);
  EXPECT_EQ(StdCompositionalModel().getName(), "");
  static_cast<IFluidModel&>(m).makeInitialCondition("IC");  // the common fluid-model part
  EXPECT_EQ(m.getInitialConditionNames(), Names{"IC"});

  struct Setting {
    void (Model::*set)(double);
    double (Model::*get)() const;
    double initial;
  };
  Setting const settings[] = {
      {&Model::setSalinity, &Model::getSalinity, 0.0},
      {&Model::setOilViscosityCorrelationT1, &Model::getOilViscosityCorrelationT1, 0.0},
      {&Model::setOilViscosityCorrelationT2, &Model::getOilViscosityCorrelationT2, 0.0},
      {&Model::setPedersenViscosityTuningParameter1, &Model::getPedersenViscosityTuningParameter1,
       1.0},
      {&Model::setPedersenViscosityTuningParameter2, &Model::getPedersenViscosityTuningParameter2,
       1.0},
      {&Model::setPedersenViscosityTuningParameter3, &Model::getPedersenViscosityTuningParameter3,
       1.847},
      {&Model::setPedersenViscosityTuningParameter4, &Model::getPedersenViscosityTuningParameter4,
       0.5173},
      {&Model::setPedersenViscosityTuningParameter5, &Model::getPedersenViscosityTuningParameter5,
       0.007378},
      {&Model::setPedersenViscosityTuningParameter6, &Model::getPedersenViscosityTuningParameter6,
       0.031},
      {&Model::setLiCorrelationUpperLimit, &Model::getLiCorrelationUpperLimit, 1.25},
      {&Model::setLiCorrelationLowerLimit, &Model::getLiCorrelationLowerLimit, 0.75},
  };
  for (Setting const& s : settings) EXPECT_EQ((c.*s.get)(), s.initial);
  // Distinct values, all set before any is read, expose a setter wired to the wrong field.
  // (rows + k)->: GCC 12's bounds sanitizer misreads a subscript inside a member-pointer call.
  for (std::size_t k = 0; k < std::size(settings); ++k) (m.*(settings + k)->set)(100.0 + k);
  for (std::size_t k = 0; k < std::size(settings); ++k)
    EXPECT_EQ((c.*(settings + k)->get)(), 100.0 + k);
  m.setEquationOfState(Model::EquationOfState::SoaveRedlichKwong);
  m.setViscosityModel(static_cast<Model::ViscosityModel>(42));  // no name: kept
  m.setUsesLiCorrelationLimits(false);
  EXPECT_EQ(m.getEquationOfState(), Model::EquationOfState::SoaveRedlichKwong);
  EXPECT_EQ(static_cast<int>(m.getViscosityModel()), 42);
  EXPECT_FALSE(m.getUsesLiCorrelationLimits());
}

TEST(CompositionalModel, RefusesDuplicateNamesUnknownTypesAndMissingComponents) {
  StdCompositionalModel m("NORTH SEA");
  Model const& c = m;
  IComponent& c1 = m.makeComponent("C1", kPlain);
  m.makeComponent("CO2", kAqueous);
  EXPECT_EQ(&m.getComponent(0), &c1);
  EXPECT_EQ(&c.getComponent("CO2"), &m.getComponent(1));
  EXPECT_EQ(m.getComponentIndex("CO2"), 1);
  EXPECT_EQ(m.getComponentIndex("c1"), -1);  // names compare byte for byte
  EXPECT_FALSE(m.hasComponent("c1"));
  EXPECT_TRUE(m.hasComponent("C1"));
  std::string const before = support::observe(m);

  struct Case {
    std::string name;
    int type;
    char const* message;
  };
  for (Case const& k : {Case{"C1", 1, "cannot make a duplicate component named 'C1'"},
                        Case{"CO2", 7, "cannot make a duplicate component named 'CO2'"},
                        Case{"X", 2, "cannot make component 'X' of type 2"},
                        Case{"X", -1, "cannot make component 'X' of type -1"}}) {
    EXPECT_THROW_EXACT(m.makeComponent(k.name, static_cast<Type>(k.type)), std::invalid_argument,
                       std::string("ICompositionalModel ") + k.message);
  }
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
  EXPECT_EQ(support::observe(m), before);
}

TEST(CompositionalModel, AqueousIndicesCountOnlyTheAqueousSolubleComponents) {
  StdCompositionalModel m("M");
  // K2 and K4 are aqueous-soluble, K1 and K3 plain.
  for (char const* name : {"K1", "K2", "K3", "K4"}) {
    m.makeComponent(name, name[1] % 2 == 0 ? kAqueous : kPlain);
  }
  Model const& c = m;
  EXPECT_EQ(m.getNumAqueousSolubleComponents(), 2);
  EXPECT_EQ(m.getAqueousSolubleComponent(0).getName(), "K2");
  EXPECT_EQ(&c.getAqueousSolubleComponent(1), &m.getComponentAsAqueousSolubleComponent(3));
  // The aqueous view and the component view are one object.
  IAqueousSolubleComponent& k4 = m.getComponentAsAqueousSolubleComponent("K4");
  EXPECT_EQ(&static_cast<IComponent&>(k4), &m.getComponent("K4"));
  EXPECT_EQ(&c.getComponentAsAqueousSolubleComponent("K4"), &k4);
  EXPECT_TRUE(m.hasAqueousSolubleComponent("K2"));
  EXPECT_FALSE(m.hasAqueousSolubleComponent("K1"));
  EXPECT_FALSE(m.hasAqueousSolubleComponent("K9"));

  std::string const before = support::observe(m);
  for (int bad : {-1, 2}) {
    std::string const message = "Invalid IAqueousSolubleComponent index (" + std::to_string(bad) +
                                ") passed to ICompositionalModel.";
    EXPECT_THROW_EXACT(m.getAqueousSolubleComponent(bad), std::range_error, message);
    EXPECT_THROW_EXACT(c.getAqueousSolubleComponent(bad), std::range_error, message);
  }
  for (int plain : {0, 2}) {
    std::string const message = "Component at index " + std::to_string(plain) +
                                " is not of type IAqueousSolubleComponent (type is class "
                                "Orv::Tess::Varnak::IComponent *)";
    EXPECT_THROW_EXACT(m.getComponentAsAqueousSolubleComponent(plain), std::runtime_error, message);
    EXPECT_THROW_EXACT(c.getComponentAsAqueousSolubleComponent(plain), std::runtime_error, message);
  }
  for (std::string name : {"K1", "K9"}) {
    std::string const message =
        "No IAqueousSolubleComponent  '" + name + "' found in ICompositionalModel.";
    EXPECT_THROW_EXACT(m.getComponentAsAqueousSolubleComponent(name), std::runtime_error, message);
    EXPECT_THROW_EXACT(c.getComponentAsAqueousSolubleComponent(name), std::runtime_error, message);
  }
  EXPECT_EQ(support::observe(m), before);

  // Deleting a component renumbers the aqueous indices with the component indices.
  m.deleteComponent(1);
  EXPECT_EQ(m.getNumAqueousSolubleComponents(), 1);
  EXPECT_EQ(&m.getAqueousSolubleComponent(0), &m.getComponentAsAqueousSolubleComponent(2));
  EXPECT_FALSE(m.hasAqueousSolubleComponent("K2"));
}

TEST(CompositionalModel, DeletingAComponentClosesTheGapInTheGeneralCoefficientsOnly) {
  // Five components with every pair below the diagonal set to a value that names it;
  // each remaining pair must keep the coefficient of its two components.
  for (int d = 0; d < 5; ++d) {
    SCOPED_TRACE(::testing::Message() << "deleting component " << d);
    StdCompositionalModel m("M");
    for (char const* name : {"N2", "CO2", "C1", "C2", "C7+"}) m.makeComponent(name, kPlain);
    for (int i = 0; i < 5; ++i)
      for (int j = 0; j < i; ++j) m.getBICs().setBIC(i, j, 0.1 * i + 0.01 * j + 0.001);
    m.getBICs().setBIC(1, 9, 0.9);  // outside the components: the rewrite leaves it alone
    m.getAqueousBICs(2).setBIC(3, 4, 0.5);
    std::map<std::pair<int, int>, double> expected{{{1, 9}, 0.9}};
    auto const old = [d](int k) { return k < d ? k : k + 1; };
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < i; ++j) expected[{j, i}] = 0.1 * old(i) + 0.01 * old(j) + 0.001;
    m.deleteComponent(d);
    EXPECT_EQ(entries(m.getBICs()), expected);
    EXPECT_EQ(m.getAqueousBICs(2).getBIC(3, 4), 0.5);  // not renumbered
    EXPECT_EQ(m.getNumComponents(), 4);
  }
}

TEST(CompositionalModel, HasOneGeneralAndThreeAqueousCoefficientMatrices) {
  StdCompositionalModel m("M");
  Model const& c = m;
  for (int n = 1; n <= 3; ++n) m.getAqueousBICs(n).setBIC(0, 1, n);
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(c.getAqueousBICs(n).getBIC(0, 1), n);
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

TEST(CompositionalModel, MakesEachTableOnceReplacesTheViscosityIndexTableAndNamesReactions) {
  StdCompositionalModel m("M");
  Model const& c = m;
  char const* const noSimple = "K-Value table for PVT region 'M' does not exist.";
  EXPECT_THROW_EXACT(m.getSimpleKValueTable(), std::range_error, noSimple);
  EXPECT_THROW_EXACT(c.getSimpleKValueTable(), std::range_error, noSimple);
  IKValueTable& simple = m.makeSimpleKValueTable();
  simple.setNumPressures(1);
  EXPECT_EQ(&m.makeSimpleKValueTable(), &simple);  // returned unchanged
  EXPECT_EQ(&c.getSimpleKValueTable(), &simple);
  EXPECT_TRUE(m.hasAnyKValueTables());

  StdCompositionalModel n("N");
  Model const& nc = n;
  ITemperatureKValueTable& t = n.makeTemperatureKValueTable("T");
  EXPECT_TRUE(n.hasAnyKValueTables());
  EXPECT_FALSE(n.hasSimpleKValueTable());
  EXPECT_EQ(&n.makeTemperatureKValueTable("T"), &t);
  EXPECT_EQ(&nc.getTemperatureKValueTable("T"), &t);
  EXPECT_THROW_EXACT(n.getCompositionKValueTable("T"), std::range_error,
                     "Composition K-Value table 'T' does not exist.");
  ICompositionKValueTable& k = n.makeCompositionKValueTable("T");  // its own name space
  EXPECT_EQ(&nc.getCompositionKValueTable("T"), &k);
  EXPECT_THROW_EXACT(nc.getTemperatureKValueTable("t"), std::range_error,
                     "Temperature K-Value table 't' does not exist.");
  for (char const* name : {"B", "a"}) n.makeTemperatureKValueTable(name);
  EXPECT_EQ(n.getTemperatureKValueTableNames(), (Names{"B", "T", "a"}));
  EXPECT_EQ(n.getCompositionKValueTableNames(), Names{"T"});
  StdCompositionalModel o("O");
  o.makeCompositionKValueTable("");
  EXPECT_TRUE(o.hasAnyKValueTables());

  m.deleteOilViscosityIndexTable();  // none: nothing happens
  m.makeOilViscosityIndexTable().setNumMolefractions(3);
  IOilViscosityIndexTable& second = m.makeOilViscosityIndexTable();
  EXPECT_EQ(second.getNumMolefractions(), 0);
  EXPECT_EQ(c.getOilViscosityIndexTable(), &second);
  m.deleteOilViscosityIndexTable();
  EXPECT_EQ(m.getOilViscosityIndexTable(), nullptr);

  EXPECT_THROW_EXACT(m.getReaction(0), std::range_error,
                     "Invalid IReaction index (0) passed to ICompositionalModel.");
  IReaction& burn = m.makeReaction("BURN");
  m.makeReaction("CRACK");
  m.makeComponent("BURN", kPlain);  // components and reactions have separate names
  EXPECT_EQ(&c.getReaction(0), &burn);
  EXPECT_EQ(c.getReaction(1).getName(), "CRACK");
  EXPECT_TRUE(c.hasReaction("CRACK"));
  EXPECT_FALSE(c.hasReaction("crack"));
  std::string const before = support::observe(m);
  EXPECT_THROW_EXACT(m.makeReaction("BURN"), std::invalid_argument,
                     "ICompositionalModel cannot make a duplicate reaction named 'BURN'");
  EXPECT_THROW_EXACT(c.getReaction(2), std::range_error,
                     "Invalid IReaction index (2) passed to ICompositionalModel.");
  EXPECT_THROW_EXACT(m.getReaction(18446744073709551615ull), std::range_error,
                     "Invalid IReaction index (18446744073709551615) passed to "
                     "ICompositionalModel.");
  EXPECT_EQ(support::observe(m), before);
}

TEST(BinaryInteractionCoefficients, AreSymmetricWithAZeroDiagonalAndNoSize) {
  StdBinaryInteractionCoefficients bics;
  IBinaryInteractionCoefficients& k = bics;
  EXPECT_EQ(k.getBIC(-1, 1000), 0.0);  // any pair is an index

  k.setBIC(2, 5, 0.25);
  EXPECT_EQ(k.getBIC(2, 5), 0.25);
  EXPECT_EQ(k.getBIC(5, 2), 0.25);
  k.setBIC(5, 2, 0.13);  // the same pair, written the other way round
  EXPECT_EQ(k.getBIC(2, 5), 0.13);

  k.setBIC(3, 3, 1.0);
  EXPECT_EQ(k.getBIC(3, 3), 0.0);

  k.setBIC(-4, 7, 0.5);
  EXPECT_EQ(k.getBIC(7, -4), 0.5);

  k.setBIC(5, 2, 0.0);
  EXPECT_EQ(k.getBIC(2, 5), 0.0);
  k.setBIC(7, -4, -0.0);  // negative zero removes too
  EXPECT_EQ(k.getBIC(-4, 7), 0.0);
  EXPECT_FALSE(std::signbit(k.getBIC(-4, 7)));
  k.setBIC(1, 9, 0.0);  // removing an absent pair does nothing
  EXPECT_EQ(k.getBIC(1, 9), 0.0);

  k.setBIC(0, 1, std::numeric_limits<double>::quiet_NaN());
  EXPECT_TRUE(std::isnan(k.getBIC(1, 0)));
}

TEST(BinaryInteractionCoefficients, CopiesAreIndependent) {
  StdBinaryInteractionCoefficients source;
  source.setBIC(0, 1, 0.02);
  source.setBIC(0, 2, 0.035);
  std::string const before = support::observe(source);
  StdBinaryInteractionCoefficients copy(source);
  StdBinaryInteractionCoefficients assigned;
  assigned.setBIC(4, 5, 0.9);
  assigned = source;  // replaced, not merged
  for (StdBinaryInteractionCoefficients* k : {&copy, &assigned}) {
    EXPECT_EQ(support::observe(*k), before);
    k->setBIC(0, 1, 0.0);
  }
  EXPECT_EQ(support::observe(source), before);
  StdBinaryInteractionCoefficients moved(std::move(source));
  EXPECT_EQ(support::observe(moved), before);
}

}  // namespace
