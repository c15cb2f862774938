// Allocation failures in components, K-value tables, interaction coefficients, reactions,
// the oil viscosity index table and the solubility tables.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "Orv/Tess/Varnak/StdBinaryInteractionCoefficients.h"
#include "Orv/Tess/Varnak/StdComponent.h"
#include "Orv/Tess/Varnak/StdCompositionKValueTable.h"
#include "Orv/Tess/Varnak/StdInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/StdKValueTable.h"
#include "Orv/Tess/Varnak/StdOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/StdReaction.h"
#include "Orv/Tess/Varnak/StdSaltSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/StdTemperatureKValueTable.h"
#include "Orv/Tess/Varnak/StdTemperatureSolubilityTable.h"
#include "alloc/AllocationFailure.h"

namespace {

using namespace Orv::Tess::Varnak;
using alloc::check;
using alloc::OnFailure;
using alloc::Pair;
using Property = IComponent::Property;
using Phase = IComponent::PhaseType;

Pair<StdComponent> components() {
  Pair<StdComponent> p{
      std::make_unique<StdComponent>("Methane and nitrogen lump", IComponent::Type::Plain),
      std::make_unique<StdComponent>("CO2", IComponent::Type::AqueousSoluble)};
  p.object->setProperty(Property::MolecularWeight, 16.4);
  p.object->setProperty(Property::CriticalPressure, 45.6);
  p.object->setProperty(Property::AcentricFactor, 0.012);
  p.object->setDensityType(Phase::Oil, IComponent::DensityType::Correlation);
  p.object->setViscosityType(Phase::Gas, IComponent::ViscosityType::Table);
  p.other->setProperty(Property::HenryConstant, 1.6e5);
  p.other->setDensityType(Phase::Water, IComponent::DensityType::IdealMixing);
  return p;
}

TEST(AllocationFailure, Component) {
  check("setProperty new key", components,
        [](auto& p) { p.object->setProperty(Property::Parachor, 77.0); });
  check("setProperty new key beyond the named ones", components,
        [](auto& p) { p.object->setProperty(static_cast<Property>(53), 1.0); });
  check("setProperty overwriting", components,
        [](auto& p) { p.object->setProperty(Property::MolecularWeight, 16.0); });
  check("deleteProperty", components,
        [](auto& p) { p.object->deleteProperty(Property::CriticalPressure); });
  check("getProperty missing", components, [](auto& p) {
    try {
      std::as_const(*p.object).getProperty(Property::VolumeShift);
    } catch (std::range_error const&) {
    }
  });
  check("setDensityType new phase", components, [](auto& p) {
    p.object->setDensityType(Phase::Water, IComponent::DensityType::Correlation);
  });
  check("setViscosityType new phase", components, [](auto& p) {
    p.object->setViscosityType(Phase::Oil, IComponent::ViscosityType::Correlation);
  });
  alloc::checkValueSemantics<StdComponent>("StdComponent", components);
}

// K-values of four components at `rows` pressures.
void fillKValues(IKValueTable& t, int rows) {
  t.setNumComponents(4);
  t.setNumPressures(rows);
  for (int r = 0; r < rows; ++r) {
    t.setPressure(r, 20.0 + 40.0 * r);
    for (int c = 0; c < 4; ++c) t.setKValue(r, c, 8.0 / (c + 1) / (r + 1));
  }
}

template <class Table>
void checkKValueTable(std::string const& kind) {
  auto tables = [] {
    Pair<Table> p{std::make_unique<Table>(), std::make_unique<Table>()};
    fillKValues(*p.object, 3);
    fillKValues(*p.other, 5);
    return p;
  };
  check(kind + " setNumPressures grow", tables, [](auto& p) { p.object->setNumPressures(6); });
  check(kind + " setNumComponents grow", tables, [](auto& p) { p.object->setNumComponents(7); });
  check(kind + " setNumComponents negative", tables, [](auto& p) {
    try {
      p.object->setNumComponents(-1);
    } catch (std::length_error const&) {
    }
  });
  check(kind + " setKValue bad component", tables, [](auto& p) {
    try {
      p.object->setKValue(0, 4, 1.0);
    } catch (std::range_error const&) {
    }
  });
  alloc::checkValueSemantics<Table>(kind, tables);
}

TEST(AllocationFailure, KValueTables) {
  checkKValueTable<StdKValueTable<IKValueTable>>("StdKValueTable");
  checkKValueTable<StdTemperatureKValueTable>("StdTemperatureKValueTable");
  checkKValueTable<StdCompositionKValueTable>("StdCompositionKValueTable");
}

Pair<StdBinaryInteractionCoefficients> coefficients() {
  Pair<StdBinaryInteractionCoefficients> p{std::make_unique<StdBinaryInteractionCoefficients>(),
                                           std::make_unique<StdBinaryInteractionCoefficients>()};
  p.object->setBIC(0, 1, 0.02);
  p.object->setBIC(2, 0, 0.1);
  p.other->setBIC(3, 4, 0.05);
  return p;
}

TEST(AllocationFailure, BinaryInteractionCoefficients) {
  check("setBIC new pair", coefficients, [](auto& p) { p.object->setBIC(5, 1, 0.13); });
  check("setBIC removing a pair", coefficients, [](auto& p) { p.object->setBIC(1, 0, 0.0); });
  alloc::checkValueSemantics<StdBinaryInteractionCoefficients>("StdBinaryInteractionCoefficients",
                                                               coefficients);
}

Pair<StdReaction> reactions() {
  Pair<StdReaction> p{std::make_unique<StdReaction>("Calcite dissolution in acid"),
                      std::make_unique<StdReaction>("Burning")};
  p.object->setNumComponents(3);
  p.object->setRateConstant(2.5e-3);
  p.object->setReactantStoichiometricCoefficient(0, 1.0);
  p.object->setReactingComponentPhase(1, IReaction::ReactingComponentPhase::Water);
  p.other->setNumComponents(2);
  p.other->setProductStoichiometricCoefficient(1, 2.0);
  return p;
}

TEST(AllocationFailure, Reaction) {
  check("setNumComponents grow", reactions, [](auto& p) { p.object->setNumComponents(6); });
  check("setNumComponents shrink", reactions, [](auto& p) { p.object->setNumComponents(1); });
  // A negative count is stored before the arrays refuse it (documented).
  check(
      "setNumComponents negative", reactions,
      [](auto& p) {
        try {
          p.object->setNumComponents(-2);
        } catch (std::length_error const&) {
        }
      },
      OnFailure::BeforeOrAfter);
  check("setRateComponentOrder bad index", reactions, [](auto& p) {
    try {
      p.object->setRateComponentOrder(3, 1.0);
    } catch (std::range_error const&) {
    }
  });
  alloc::checkValueSemantics<StdReaction>("StdReaction", reactions);
}

void fillIndices(IOilViscosityIndexTable& t, int rows) {
  t.setNumComponents(3);
  t.setNumMolefractions(rows);
  for (int r = 0; r < rows; ++r) {
    t.setMoleFraction(r, 0.25 * r);
    for (int c = 0; c < 3; ++c) t.setOilViscosityIndex(r, c, 1.0 + r + 0.1 * c);
  }
}

Pair<StdOilViscosityIndexTable> indexTables() {
  Pair<StdOilViscosityIndexTable> p{std::make_unique<StdOilViscosityIndexTable>(),
                                    std::make_unique<StdOilViscosityIndexTable>()};
  fillIndices(*p.object, 3);
  fillIndices(*p.other, 4);
  return p;
}

TEST(AllocationFailure, OilViscosityIndexTable) {
  check("setNumMolefractions grow", indexTables, [](auto& p) { p.object->setNumMolefractions(5); });
  check("setNumComponents grow", indexTables, [](auto& p) { p.object->setNumComponents(5); });
  check("setMoleFraction bad index", indexTables, [](auto& p) {
    try {
      p.object->setMoleFraction(-1, 1.0);
    } catch (std::range_error const&) {
    }
  });
  alloc::checkValueSemantics<StdOilViscosityIndexTable>("StdOilViscosityIndexTable", indexTables);
}

// Solubility of a gas in water at `rows` pressures, with the water's properties where the
// table kind carries them.
void fillSolubility(ISolubilityTable& t, int rows) {
  t.setNumPressures(rows);
  for (int i = 0; i < rows; ++i) {
    t.setPressure(i, 10.0 + 50.0 * i);
    t.setSolutionRatio(i, 2.0 + 3.0 * i);
  }
  if (auto* water = dynamic_cast<ISolubilityWaterPropertiesTable*>(&t)) {
    for (int i = 0; i < rows; ++i) {
      water->setFormationVolume(i, 1.01 + 0.001 * i);
      water->setViscosity(i, 0.5);
      water->setCompressibility(i, 4.0e-5);
    }
  }
}

template <class Table>
void checkSolubilityTable(std::string const& kind) {
  auto tables = [] {
    Pair<Table> p{std::make_unique<Table>(), std::make_unique<Table>()};
    fillSolubility(*p.object, 3);
    fillSolubility(*p.other, 4);
    return p;
  };
  check(kind + " setNumPressures grow", tables, [](auto& p) { p.object->setNumPressures(7); });
  check(kind + " setNumPressures shrink", tables, [](auto& p) { p.object->setNumPressures(1); });
  check(kind + " setNumPressures negative", tables, [](auto& p) {
    try {
      p.object->setNumPressures(-4);
    } catch (std::length_error const&) {
    }
  });
  check(kind + " setSolutionRatio bad index", tables, [](auto& p) {
    try {
      p.object->setSolutionRatio(3, 1.0);
    } catch (std::range_error const&) {
    }
  });
  alloc::checkValueSemantics<Table>(kind, tables);
}

TEST(AllocationFailure, SolubilityTables) {
  checkSolubilityTable<StdSolubilityTable>("StdSolubilityTable");
  checkSolubilityTable<StdSolubilityWaterPropertiesTable>("StdSolubilityWaterPropertiesTable");
  checkSolubilityTable<StdTemperatureSolubilityTable>("StdTemperatureSolubilityTable");
  checkSolubilityTable<StdSaltSolubilityTable>("StdSaltSolubilityTable");
  checkSolubilityTable<StdInteractionSolubilityTable>("StdInteractionSolubilityTable");
  auto interaction = [] {
    Pair<StdInteractionSolubilityTable> p{std::make_unique<StdInteractionSolubilityTable>(),
                                          nullptr};
    p.object->setInteractionComponentName("Hydrogen sulphide, sour gas");
    return p;
  };
  check("setInteractionComponentName", interaction, [](auto& p) {
    p.object->setInteractionComponentName("Carbon dioxide from the injection well");
  });
}

}  // namespace
