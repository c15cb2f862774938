#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/StdComponent.h"
#include "support/Support.h"

using Orv::Tess::Varnak::IComponent;
using Orv::Tess::Varnak::StdComponent;
using support::observe;
using Property = IComponent::Property;
using Phase = IComponent::PhaseType;

namespace {

// The four modelling choices and the density and viscosity types of phases -1 to 3.
std::vector<int> choices(IComponent const& c) {
  std::vector<int> v{static_cast<int>(c.getVolatilityType()),
                     static_cast<int>(c.getCompressibilityType()),
                     static_cast<int>(c.getOilViscosityCorrelation()),
                     static_cast<int>(c.getOilViscosityCorrelationUsage())};
  for (int phase = -1; phase <= 3; ++phase) {
    v.push_back(static_cast<int>(c.getDensityType(Phase{phase})));
    v.push_back(static_cast<int>(c.getViscosityType(Phase{phase})));
  }
  return v;
}

}  // namespace

TEST(Component, NewComponentHoldsNoPropertiesAndTheDefaultChoices) {
  StdComponent const c("CO2", IComponent::Type::Plain);
  EXPECT_EQ(c.getName(), "CO2");
  EXPECT_EQ(c.getType(), IComponent::Type::Plain);
  for (int key : support::propertyKeys()) EXPECT_FALSE(c.hasProperty(Property{key})) << key;
  EXPECT_EQ(choices(c), (std::vector<int>{0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
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
  for (auto [key, value] : {std::pair{-1, -1.5}, {6, 41.0}, {7, 0.0}, {60, 60.5}}) {
    EXPECT_EQ(c.getProperty(Property{key}), value);
  }
  c.setVolatilityType(IComponent::VolatilityType{17});  // stored unchecked
  c.setCompressibilityType(IComponent::CompressibilityType{2});
  c.setOilViscosityCorrelation(IComponent::OilViscosityCorrelation{3});
  c.setOilViscosityCorrelationUsage(IComponent::OilViscosityCorrelationUsage{4});
  c.setDensityType(Phase::Gas, IComponent::DensityType{5});
  c.setViscosityType(Phase{-1}, IComponent::ViscosityType{-2});  // any phase, any value
  EXPECT_EQ(choices(c), (std::vector<int>{17, 2, 3, 4, 0, -2, 0, 0, 5, 0, 0, 0, 0, 0}));

  std::string const before = observe(c);
  for (int key : {5, 52, -2, 61}) {
    EXPECT_THROW_EXACT(c.getProperty(Property{key}), std::range_error,
                       "Component 'N2' does not have property " + std::to_string(key));
  }
  EXPECT_EQ(observe(c), before);
  c.deleteProperty(Property::VolumeShift);
  c.deleteProperty(Property::VolumeShift);  // absent: nothing happens
  c.setDensityType(Phase::Gas, IComponent::DensityType::EquationOfState);  // overwrite with 0
  EXPECT_FALSE(c.hasProperty(Property::VolumeShift));
  EXPECT_TRUE(c.hasProperty(Property{60}));
  EXPECT_EQ(static_cast<int>(c.getDensityType(Phase::Gas)), 0);
}

TEST(Component, CopiesAndMovesCarryEveryFieldAndStayIndependent) {
  StdComponent source("C1", IComponent::Type::Plain);
  support::fill(source, 1.0);
  std::string const expected = observe(source);
  StdComponent copy(source);
  EXPECT_EQ(observe(copy), expected);
  support::fill(copy, 2.0);
  EXPECT_EQ(observe(source), expected);

  StdComponent target("H2O", IComponent::Type::AqueousSoluble);
  target.setProperty(Property{60}, 1.0);
  target = source;  // replaces the name and the type as well
  StdComponent moved(std::move(target));
  StdComponent other("other", IComponent::Type::AqueousSoluble);
  other = std::move(moved);
  EXPECT_EQ(observe(other), expected);
}
