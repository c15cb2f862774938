#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <tuple>
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
// wider than the 53 named ones: name, type, properties, the four choices, and per phase
// the density and viscosity types, as numbers.
using Observed = std::tuple<std::string, int, std::map<int, double>, std::vector<int>>;

Observed observe(IComponent const& c) {
  Observed o{c.getName(),
             static_cast<int>(c.getType()),
             {},
             std::vector<int>{static_cast<int>(c.getVolatilityType()),
                              static_cast<int>(c.getCompressibilityType()),
                              static_cast<int>(c.getOilViscosityCorrelation()),
                              static_cast<int>(c.getOilViscosityCorrelationUsage())}};
  for (int key = -3; key <= 70; ++key) {
    if (c.hasProperty(Property{key})) std::get<2>(o)[key] = c.getProperty(Property{key});
  }
  for (int phase = -1; phase <= 5; ++phase) {
    std::get<3>(o).push_back(static_cast<int>(c.getDensityType(Phase{phase})));
    std::get<3>(o).push_back(static_cast<int>(c.getViscosityType(Phase{phase})));
  }
  return o;
}

// A methane component as an input reader would fill it.
StdComponent methane() {
  StdComponent c("C1", IComponent::Type::Plain);
  c.setProperty(Property::MolecularWeight, 16.043);
  c.setProperty(Property::CriticalPressure, 45.99);
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
  EXPECT_EQ(observe(c),
            (Observed{"CO2", 0, {}, {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}));
  EXPECT_FALSE(c.isSolubleInAqueousPhase());
  // Only type 1 is soluble; the component itself accepts any type.
  EXPECT_TRUE(StdComponent("H2S", IComponent::Type::AqueousSoluble).isSolubleInAqueousPhase());
  EXPECT_FALSE(StdComponent("X", IComponent::Type{2}).isSolubleInAqueousPhase());
  EXPECT_EQ(StdComponent("X", IComponent::Type{-4}).getType(), IComponent::Type{-4});
}

TEST(Component, KeepsAnyPropertyKeyAndValueAndNamesAMissingOne) {
  StdComponent c("N2", IComponent::Type::Plain);
  c.setProperty(Property::VolumeShift, 0.0);  // zero is a value, not a removal
  c.setProperty(Property::Parachor, std::numeric_limits<double>::quiet_NaN());
  EXPECT_TRUE(std::isnan(c.getProperty(Property::Parachor)));
  c.setProperty(Property::Parachor, 41.0);  // overwrite
  c.setProperty(Property{-1}, -1.5);        // keys outside the named range
  c.setProperty(Property{60}, 60.5);
  c.setDensityType(Phase::Gas, IComponent::DensityType{3});
  c.setViscosityType(Phase{5}, IComponent::ViscosityType{-2});  // any phase, any value
  c.setVolatilityType(IComponent::VolatilityType{17});          // stored unchecked
  Observed const set{"N2",
                     0,
                     {{-1, -1.5}, {6, 41.0}, {7, 0.0}, {60, 60.5}},
                     {17, 0, 1, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, -2}};
  EXPECT_EQ(observe(c), set);

  for (int key : {5, 52, -2, 61}) {
    EXPECT_THROW_EXACT(c.getProperty(Property{key}), std::range_error,
                       "Component 'N2' does not have property " + std::to_string(key));
  }
  EXPECT_EQ(observe(c), set);

  c.deleteProperty(Property::VolumeShift);
  c.deleteProperty(Property::VolumeShift);  // absent: nothing happens
  c.setDensityType(Phase::Gas, IComponent::DensityType::EquationOfState);  // overwrite with 0
  EXPECT_EQ(std::get<2>(observe(c)), (std::map<int, double>{{-1, -1.5}, {6, 41.0}, {60, 60.5}}));
  EXPECT_EQ(static_cast<int>(c.getDensityType(Phase::Gas)), 0);
}

TEST(Component, CopiesAndMovesCarryEveryFieldAndStayIndependent) {
  StdComponent const source = methane();
  Observed const expected = observe(source);
  StdComponent copy(source);
  EXPECT_EQ(observe(copy), expected);
  copy.setProperty(Property::MolecularWeight, 1.0);
  copy.setDensityType(Phase::Gas, IComponent::DensityType::IdealMixing);
  EXPECT_EQ(observe(source), expected);

  StdComponent target("H2O", IComponent::Type::AqueousSoluble);
  target.setProperty(Property{60}, 1.0);
  target = source;  // replaces the name and the type as well
  StdComponent moved(std::move(target));
  StdComponent other("other", IComponent::Type::AqueousSoluble);
  other = std::move(moved);
  EXPECT_EQ(observe(other), expected);
}
