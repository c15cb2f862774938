#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/StdComponent.h"
#include "support/Expect.h"

using Orv::Tess::Varnak::IComponent;
using Orv::Tess::Varnak::StdComponent;
using Property = IComponent::Property;
using Phase = IComponent::PhaseType;

namespace {

// Everything a host can read from a component, with the property keys probed over a range
// wider than the 53 named ones.
struct Observed {
  std::string name;
  IComponent::Type type;
  std::map<int, double> properties;
  int volatility, compressibility, correlation, usage;
  std::map<int, std::pair<int, int>> phaseTypes;  // phase -> (density, viscosity)

  bool operator==(Observed const& o) const {
    return name == o.name && type == o.type && properties == o.properties &&
           volatility == o.volatility && compressibility == o.compressibility &&
           correlation == o.correlation && usage == o.usage && phaseTypes == o.phaseTypes;
  }
};

Observed observe(IComponent const& c) {
  Observed o{c.getName(),
             c.getType(),
             {},
             static_cast<int>(c.getVolatilityType()),
             static_cast<int>(c.getCompressibilityType()),
             static_cast<int>(c.getOilViscosityCorrelation()),
             static_cast<int>(c.getOilViscosityCorrelationUsage()),
             {}};
  for (int key = -3; key <= 70; ++key) {
    if (c.hasProperty(Property{key})) o.properties[key] = c.getProperty(Property{key});
  }
  for (int phase = -1; phase <= 5; ++phase) {
    o.phaseTypes[phase] = {static_cast<int>(c.getDensityType(Phase{phase})),
                           static_cast<int>(c.getViscosityType(Phase{phase}))};
  }
  return o;
}

// A methane component as an input reader would fill it.
StdComponent methane() {
  StdComponent c("C1", IComponent::Type::Plain);
  c.setProperty(Property::MolecularWeight, 16.043);
  c.setProperty(Property::CriticalPressure, 45.99);
  c.setProperty(Property::CriticalTemperature, 190.56);
  c.setProperty(Property::AcentricFactor, 0.011);
  c.setVolatilityType(IComponent::VolatilityType::NonCondensable);
  c.setCompressibilityType(IComponent::CompressibilityType::Constant);
  c.setOilViscosityCorrelation(IComponent::OilViscosityCorrelation::Astm);
  c.setOilViscosityCorrelationUsage(IComponent::OilViscosityCorrelationUsage::Mixture);
  c.setDensityType(Phase::Gas, IComponent::DensityType::Correlation);
  c.setViscosityType(Phase::Oil, IComponent::ViscosityType::Table);
  return c;
}

}  // namespace

TEST(Component, NewComponentHoldsNoPropertiesAndTheDefaultChoices) {
  StdComponent const c("CO2", IComponent::Type::Plain);
  EXPECT_EQ(c.getName(), "CO2");
  EXPECT_EQ(c.getType(), IComponent::Type::Plain);
  EXPECT_FALSE(c.isSolubleInAqueousPhase());
  for (int key = -3; key <= 70; ++key) EXPECT_FALSE(c.hasProperty(Property{key})) << key;
  EXPECT_EQ(static_cast<int>(c.getVolatilityType()), 0);
  EXPECT_EQ(static_cast<int>(c.getCompressibilityType()), 0);
  EXPECT_EQ(static_cast<int>(c.getOilViscosityCorrelation()), 1);
  EXPECT_EQ(static_cast<int>(c.getOilViscosityCorrelationUsage()), 0);
  EXPECT_EQ(static_cast<int>(c.getDensityType(Phase::Oil)), 0);
  EXPECT_EQ(static_cast<int>(c.getViscosityType(Phase::Water)), 0);

  // Only type 1 is soluble; the component itself accepts any type.
  EXPECT_TRUE(StdComponent("H2S", IComponent::Type::AqueousSoluble).isSolubleInAqueousPhase());
  EXPECT_FALSE(StdComponent("X", IComponent::Type{2}).isSolubleInAqueousPhase());
  EXPECT_EQ(StdComponent("X", IComponent::Type{-4}).getType(), IComponent::Type{-4});
}

TEST(Component, MissingPropertyNamesTheComponentAndTheKeyAndChangesNothing) {
  StdComponent c = methane();
  c.deleteProperty(Property::AcentricFactor);
  Observed const before = observe(c);
  struct Case {
    int key;
    char const* message;
  };
  for (Case const& k : std::vector<Case>{
           {7, "Component 'C1' does not have property 7"},
           {5, "Component 'C1' does not have property 5"},  // deleted above
           {52, "Component 'C1' does not have property 52"},
           {-1, "Component 'C1' does not have property -1"},
           {60, "Component 'C1' does not have property 60"},
       }) {
    EXPECT_THROW_EXACT(c.getProperty(Property{k.key}), std::range_error, k.message);
  }
  EXPECT_EQ(observe(c), before);

  StdComponent const empty("", IComponent::Type::Plain);
  EXPECT_THROW_EXACT(empty.getProperty(Property::MolecularWeight), std::range_error,
                     "Component '' does not have property 0");
}

TEST(Component, PropertiesAreSparseAndAnyKeyOrValueIsKept) {
  StdComponent c("N2", IComponent::Type::Plain);
  c.setProperty(Property::VolumeShift, 0.0);  // zero is a value, not a removal
  EXPECT_TRUE(c.hasProperty(Property::VolumeShift));
  EXPECT_EQ(c.getProperty(Property::VolumeShift), 0.0);

  c.setProperty(Property::Parachor, std::numeric_limits<double>::quiet_NaN());
  EXPECT_TRUE(std::isnan(c.getProperty(Property::Parachor)));
  c.setProperty(Property::Parachor, 41.0);  // overwrite
  EXPECT_EQ(c.getProperty(Property::Parachor), 41.0);

  // Keys outside the named range are kept like any other.
  c.setProperty(Property{-1}, -1.5);
  c.setProperty(Property{60}, 60.5);
  EXPECT_EQ(c.getProperty(Property{-1}), -1.5);
  EXPECT_EQ(c.getProperty(Property{60}), 60.5);
  EXPECT_EQ(observe(c).properties,
            (std::map<int, double>{{-1, -1.5}, {6, 41.0}, {7, 0.0}, {60, 60.5}}));

  c.deleteProperty(Property::VolumeShift);
  EXPECT_FALSE(c.hasProperty(Property::VolumeShift));
  c.deleteProperty(Property::VolumeShift);  // absent: nothing happens
  c.deleteProperty(Property{99});
  EXPECT_EQ(observe(c).properties, (std::map<int, double>{{-1, -1.5}, {6, 41.0}, {60, 60.5}}));
}

TEST(Component, PerPhaseTypesAreSetPerPhaseAndReadAsZeroWhenUnset) {
  StdComponent c("C7+", IComponent::Type::Plain);
  c.setDensityType(Phase::Gas, IComponent::DensityType{3});
  EXPECT_EQ(static_cast<int>(c.getDensityType(Phase::Gas)), 3);
  EXPECT_EQ(static_cast<int>(c.getDensityType(Phase::Oil)), 0);
  EXPECT_EQ(static_cast<int>(c.getViscosityType(Phase::Gas)), 0);  // separate map

  c.setViscosityType(Phase{9}, IComponent::ViscosityType{-2});  // any phase, any value
  EXPECT_EQ(static_cast<int>(c.getViscosityType(Phase{9})), -2);
  c.setDensityType(Phase::Gas, IComponent::DensityType::EquationOfState);  // overwrite with 0
  EXPECT_EQ(static_cast<int>(c.getDensityType(Phase::Gas)), 0);

  c.setVolatilityType(IComponent::VolatilityType{17});  // stored unchecked
  EXPECT_EQ(static_cast<int>(c.getVolatilityType()), 17);
}

TEST(Component, CopiesAndMovesCarryEveryFieldAndStayIndependent) {
  StdComponent const source = methane();
  Observed const expected = observe(source);

  StdComponent copy(source);
  EXPECT_EQ(observe(copy), expected);
  copy.setProperty(Property::MolecularWeight, 1.0);
  copy.setDensityType(Phase::Gas, IComponent::DensityType::IdealMixing);
  EXPECT_EQ(observe(source), expected);

  // Assignment replaces the name and the type as well.
  StdComponent target("H2O", IComponent::Type::AqueousSoluble);
  target.setProperty(Property{60}, 1.0);
  target = source;
  EXPECT_EQ(observe(target), expected);

  StdComponent moved(std::move(target));
  EXPECT_EQ(observe(moved), expected);
  StdComponent other("other", IComponent::Type::AqueousSoluble);
  other = std::move(moved);
  EXPECT_EQ(observe(other), expected);

  // The model owns its components through the interface.
  std::unique_ptr<IComponent> owned = std::make_unique<StdComponent>(source);
  EXPECT_EQ(observe(*owned), expected);
}
