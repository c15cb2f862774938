// A compositional fluid: four components with their critical properties, the
// interaction coefficients of the Peng-Robinson equation of state, a K-value table from
// Wilson's correlation and the solubility of CO2 in the formation water.
#include <cmath>
#include <cstdio>
#include <string>

#include "Orv/Tess/Varnak.h"
#include "Sections.h"

namespace ovt = Orv::Tess::Varnak;

namespace {

using Property = ovt::IComponent::Property;

struct ComponentData {
  char const* name;
  ovt::IComponent::Type type;
  double molecularWeight;      // g/mol
  double criticalPressure;     // bar
  double criticalTemperature;  // K
  double acentricFactor;
};

// Wilson's estimate of the K-value of a component at pressure p (bar) and temperature
// t (K): a first guess of vapour-liquid equilibrium from the critical properties alone.
double wilsonKValue(ovt::IComponent const& c, double p, double t) {
  double const pc = c.getProperty(Property::CriticalPressure);
  double const tc = c.getProperty(Property::CriticalTemperature);
  double const omega = c.getProperty(Property::AcentricFactor);
  return pc / p * std::exp(5.373 * (1.0 + omega) * (1.0 - tc / t));
}

void printComponents(ovt::ICompositionalModel const& model) {
  std::printf("  %-6s %-15s %10s %9s %8s %7s\n", "Name", "Type", "MW g/mol", "Pc bar", "Tc K",
              "omega");
  for (int i = 0; i < model.getNumComponents(); ++i) {
    ovt::IComponent const& c = model.getComponent(i);
    std::printf("  %-6s %-15s %10.2f %9.2f %8.1f %7.3f\n", c.getName().c_str(),
                c.isSolubleInAqueousPhase() ? "aqueous-soluble" : "plain",
                c.getProperty(Property::MolecularWeight), c.getProperty(Property::CriticalPressure),
                c.getProperty(Property::CriticalTemperature),
                c.getProperty(Property::AcentricFactor));
  }
}

void printInteractionCoefficients(ovt::ICompositionalModel const& model) {
  int const n = model.getNumComponents();
  std::printf("  Binary interaction coefficients (lower triangle)\n  %-6s", "");
  for (int j = 0; j < n - 1; ++j) std::printf(" %7s", model.getComponent(j).getName().c_str());
  std::printf("\n");
  for (int i = 1; i < n; ++i) {
    std::printf("  %-6s", model.getComponent(i).getName().c_str());
    for (int j = 0; j < i; ++j) std::printf(" %7.3f", model.getBICs().getBIC(i, j));
    std::printf("\n");
  }
}

void printKValues(ovt::ICompositionalModel const& model) {
  ovt::IKValueTable const& k = model.getSimpleKValueTable();
  std::printf("  K-values (Wilson, 360 K)\n  %9s", "P bar");
  for (int c = 0; c < k.getNumComponents(); ++c) {
    std::printf(" %9s", model.getComponent(c).getName().c_str());
  }
  std::printf("\n");
  for (int p = 0; p < k.getNumPressures(); ++p) {
    std::printf("  %9.1f", k.getPressure(p));
    for (int c = 0; c < k.getNumComponents(); ++c) std::printf(" %9.4f", k.getKValue(p, c));
    std::printf("\n");
  }
}

void printSolubility(ovt::IAqueousSolubleComponent const& component) {
  ovt::ISolubilityTable const& s = component.getSolubilityTable();
  std::printf("  Solubility of %s in water\n  %9s %14s\n", component.getName().c_str(), "P bar",
              "Rs sm3/sm3");
  for (int p = 0; p < s.getNumPressures(); ++p) {
    std::printf("  %9.1f %14.2f\n", s.getPressure(p), s.getSolutionRatio(p));
  }
}

}  // namespace

void showCompositionalFluid() {
  ovt::StdCompositionalModel model("GAS-CONDENSATE");
  model.setEquationOfState(ovt::ICompositionalModel::EquationOfState::PengRobinson);
  model.setViscosityModel(ovt::ICompositionalModel::ViscosityModel::LohrenzBrayClark);

  using Type = ovt::IComponent::Type;
  ComponentData const components[] = {
      {"C1", Type::Plain, 16.043, 45.99, 190.6, 0.011},
      {"C3", Type::Plain, 44.097, 42.48, 369.8, 0.152},
      {"NC10", Type::Plain, 142.285, 21.10, 617.7, 0.490},
      {"CO2", Type::AqueousSoluble, 44.010, 73.77, 304.1, 0.225},
  };
  for (ComponentData const& d : components) {
    ovt::IComponent& c = model.makeComponent(d.name, d.type);
    c.setProperty(Property::MolecularWeight, d.molecularWeight);
    c.setProperty(Property::CriticalPressure, d.criticalPressure);
    c.setProperty(Property::CriticalTemperature, d.criticalTemperature);
    c.setProperty(Property::AcentricFactor, d.acentricFactor);
  }

  // CO2 interacts strongly with the hydrocarbons; methane with the heavy end a little.
  ovt::IBinaryInteractionCoefficients& bics = model.getBICs();
  int const co2 = model.getComponentIndex("CO2");
  bics.setBIC(co2, model.getComponentIndex("C1"), 0.105);
  bics.setBIC(co2, model.getComponentIndex("C3"), 0.125);
  bics.setBIC(co2, model.getComponentIndex("NC10"), 0.114);
  bics.setBIC(model.getComponentIndex("C1"), model.getComponentIndex("NC10"), 0.042);

  ovt::IKValueTable& k = model.makeSimpleKValueTable();
  double const pressures[] = {50.0, 100.0, 150.0, 200.0};
  k.setNumComponents(model.getNumComponents());
  k.setNumPressures(4);
  for (int p = 0; p < 4; ++p) {
    k.setPressure(p, pressures[p]);
    for (int c = 0; c < model.getNumComponents(); ++c) {
      k.setKValue(p, c, wilsonKValue(model.getComponent(c), pressures[p], 360.0));
    }
  }

  // CO2 dissolving in formation water at reservoir temperature.
  ovt::IAqueousSolubleComponent& dissolved = model.getComponentAsAqueousSolubleComponent("CO2");
  ovt::ISolubilityTable& solubility = dissolved.makeSolubilityTable();
  double const solutionRatios[] = {11.2, 19.0, 23.4, 25.6};
  solubility.setNumPressures(4);
  for (int p = 0; p < 4; ++p) {
    solubility.setPressure(p, pressures[p]);
    solubility.setSolutionRatio(p, solutionRatios[p]);
  }

  std::printf("\nCompositional fluid '%s' (Peng-Robinson, %d components, %d aqueous-soluble)\n",
              model.getName().c_str(), model.getNumComponents(),
              model.getNumAqueousSolubleComponents());
  printComponents(model);
  printInteractionCoefficients(model);
  printKValues(model);
  printSolubility(model.getAqueousSolubleComponent(0));
}
