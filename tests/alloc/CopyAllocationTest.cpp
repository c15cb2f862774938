// Allocation failures in the deep copies.
//
// A copy transfers value by value through the interfaces and rolls nothing back: when
// an allocation fails half way, what was transferred stays transferred. So a failed
// copy only has to leave both objects consistent and readable, leak nothing, and let
// std::bad_alloc through; the source must stay as it was.
#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/IInitialCondition.h"
#include "Orv/Tess/Varnak/IInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/IKValueTable.h"
#include "Orv/Tess/Varnak/IOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/ISaltSolubilityTable.h"
#include "Orv/Tess/Varnak/ISolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/ITemperatureSolubilityTable.h"
#include "Orv/Tess/Varnak/IWaterProperties.h"
#include "Orv/Tess/Varnak/StdAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Orv/Tess/Varnak/StdComponent.h"
#include "Orv/Tess/Varnak/StdCompositionalModel.h"
#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"
#include "Orv/Tess/Varnak/StdDryGasTable.h"
#include "Orv/Tess/Varnak/StdInitialCondition.h"
#include "Orv/Tess/Varnak/StdInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/StdMisciblityTable.h"
#include "Orv/Tess/Varnak/StdOilTable.h"
#include "Orv/Tess/Varnak/StdOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/StdSaltSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/StdSolventTable.h"
#include "Orv/Tess/Varnak/StdTemperatureKValueTable.h"
#include "Orv/Tess/Varnak/StdTemperatureSolubilityTable.h"
#include "Orv/Tess/Varnak/StdTemperatureTable.h"
#include "Orv/Tess/Varnak/StdWaterProperties.h"
#include "alloc/AllocationFailure.h"

namespace {

using namespace Orv::Tess::Varnak;
using alloc::OnFailure;
using alloc::Pair;
using Type = IComponent::Type;
using DepthProperty = IInitialCondition::Property;

int constexpr kEverything = 1 | 2 | 4 | 8 | 16 | 32;

// Runs copy(source, target) with each allocation failing: the pair holds the target
// first and the source second; the source must come out unchanged.
template <class Build, class Copy>
void checkCopy(std::string const& name, Build build, Copy copyOnce) {
  alloc::check(
      name, build, [copyOnce](auto& p) { copyOnce(*p.other, *p.object); }, OnFailure::Readable);
}

void fillRows(IDepthTable& t, int rows, int components) {
  t.setNumComponents(components);
  t.setNumDepths(rows);
  for (int d = 0; d < rows; ++d) {
    t.setDepth(d, 1000.0 + 10.0 * d);
    for (int c = 0; c < components; ++c) t.setProperty(d, c, 0.5 * c + d);
  }
}

void fillCondition(IInitialCondition& ic, int rows) {
  ic.setDatumDepth(1500.0 + rows);
  fillRows(ic.getDepthTable(DepthProperty::Temperature), rows, 1);
  fillRows(ic.getDepthTable(DepthProperty::OverallComposition), rows, 3);
}

void fillWater(IWaterProperties& w) {
  w.setSurfaceDensity(1030.0);
  w.setViscosity(0.4);
  w.makeBrineComponent(IBrineComponent::SaltMoleculeType::NACL);
}

// The common part: water and two initial conditions, one of them also in the target.
void fillFluid(IFluidModel& source, IFluidModel& target) {
  fillWater(source.makeWaterProperties());
  fillCondition(source.makeInitialCondition("Main equilibration region"), 4);
  fillCondition(source.makeInitialCondition("Flank"), 2);
  target.makeInitialCondition("Main equilibration region");
}

void fillOil(IOilTable& t, int rows) {
  t.setSurfaceDensity(850.0);
  t.setSaturatedSize(rows);
  for (int s = 0; s < rows; ++s) {
    t.setGasOilRatio(s, 10.0 * (s + 1));
    t.setUndersaturatedSize(s, 2);
    t.setPressure(s, 1, 100.0 + s);
  }
}

TEST(AllocationFailure, CopyBlackOil) {
  checkCopy(
      "copy black-oil model",
      [] {
        Pair<StdBlackOilModel> p{std::make_unique<StdBlackOilModel>("Target"),
                                 std::make_unique<StdBlackOilModel>("Source")};
        fillFluid(*p.other, *p.object);
        fillOil(p.other->makeOilTable(1), 3);
        fillOil(p.other->makeCompressibleOilTable(2), 2);
        p.other->makeGasTable().setSaturatedSize(3);
        p.object->makeDeadOilTable(1);
        p.object->makeOilTable(2);
        return p;
      },
      [](auto const& source, auto& target) { copy(source, target, kEverything); });
  checkCopy(
      "copy compressible oil table",
      [] {
        Pair<StdCompressibleOilTable> p{std::make_unique<StdCompressibleOilTable>(),
                                        std::make_unique<StdCompressibleOilTable>()};
        fillOil(*p.other, 4);
        p.other->setCompressibility(3, 1.0e-4);
        fillOil(*p.object, 1);
        return p;
      },
      [](auto const& source, auto& target) {
        copy(static_cast<ICompressibleOilTable const&>(source),
             static_cast<ICompressibleOilTable&>(target), 0);
      });
  checkCopy(
      "copy gas table",
      [] {
        Pair<StdDryGasTable> p{std::make_unique<StdDryGasTable>(),
                               std::make_unique<StdDryGasTable>()};
        p.other->setSaturatedSize(3);
        p.other->setUndersaturatedSize(2, 4);
        return p;
      },
      [](auto const& source, auto& target) {
        copy(static_cast<IGasTable const&>(source), static_cast<IGasTable&>(target), 0);
      });
}

TEST(AllocationFailure, CopyFluidModelParts) {
  checkCopy(
      "copy initial condition",
      [] {
        Pair<StdInitialCondition> p{std::make_unique<StdInitialCondition>("Target"),
                                    std::make_unique<StdInitialCondition>("Source")};
        fillCondition(*p.other, 5);
        fillRows(p.object->getDepthTable(DepthProperty::Pressure), 2, 1);
        return p;
      },
      [](auto const& source, auto& target) { copy(source, target, 4); });
  checkCopy(
      "copy water properties",
      [] {
        Pair<StdWaterProperties> p{std::make_unique<StdWaterProperties>(),
                                   std::make_unique<StdWaterProperties>()};
        fillWater(*p.other);
        return p;
      },
      [](auto const& source, auto& target) { copy(source, target, 1); });
}

// A compositional source of four components (one aqueous-soluble, with tables) and a
// target holding two.
Pair<StdCompositionalModel> compositionalModels() {
  Pair<StdCompositionalModel> p{std::make_unique<StdCompositionalModel>("Target"),
                                std::make_unique<StdCompositionalModel>("Source")};
  StdCompositionalModel& s = *p.other;
  fillFluid(s, *p.object);
  s.makeComponent("C1", Type::Plain).setProperty(IComponent::Property::MolecularWeight, 16.0);
  auto& co2 = static_cast<IAqueousSolubleComponent&>(s.makeComponent("CO2", Type::AqueousSoluble));
  co2.makeSolubilityTable().setNumPressures(3);
  co2.makeSaltSolubilityTable("Formation brine of the lower zone").setNumPressures(2);
  s.makeComponent("Intermediate pseudo-component C2-C6", Type::Plain);
  s.makeComponent("C7+", Type::Plain);
  s.getBICs().setBIC(0, 3, 0.12);
  p.object->makeComponent("C1", Type::Plain);
  p.object->makeComponent("N2", Type::Plain);
  return p;
}

TEST(AllocationFailure, CopyCompositional) {
  checkCopy("copy compositional model", compositionalModels,
            [](auto const& source, auto& target) { copy(source, target, kEverything); });
  checkCopy("copy compositional model, one property", compositionalModels,
            [](auto const& source, auto& target) {
              copy(source, target, IComponent::Property::MolecularWeight);
            });
  checkCopy(
      "copy aqueous-soluble component",
      [] {
        Pair<StdAqueousSolubleComponent> p{std::make_unique<StdAqueousSolubleComponent>("Target"),
                                           std::make_unique<StdAqueousSolubleComponent>("Source")};
        p.other->makeSolubilityWaterPropertiesTable().setNumPressures(3);
        p.other->makeTemperatureSolubilityTable("At 60 C").setNumPressures(2);
        p.other->makeInteractionSolubilityTable("With H2S")
            .setInteractionComponentName("Hydrogen sulphide in the sour zone");
        return p;
      },
      [](auto const& source, auto& target) {
        copy(static_cast<IAqueousSolubleComponent const&>(source),
             static_cast<IAqueousSolubleComponent&>(target), 0);
      });
  checkCopy(
      "copy temperature K-value table",
      [] {
        Pair<StdTemperatureKValueTable> p{std::make_unique<StdTemperatureKValueTable>(),
                                          std::make_unique<StdTemperatureKValueTable>()};
        p.other->setNumComponents(3);
        p.other->setNumPressures(4);
        return p;
      },
      [](auto const& source, auto& target) { copy(source, target, 0); });
  checkCopy(
      "copy oil viscosity index table",
      [] {
        Pair<StdOilViscosityIndexTable> p{std::make_unique<StdOilViscosityIndexTable>(),
                                          std::make_unique<StdOilViscosityIndexTable>()};
        p.other->setNumComponents(2);
        p.other->setNumMolefractions(3);
        return p;
      },
      [](auto const& source, auto& target) { copy(source, target, 0); });
  checkCopy(
      "copy interaction solubility table",
      [] {
        Pair<StdInteractionSolubilityTable> p{std::make_unique<StdInteractionSolubilityTable>(),
                                              std::make_unique<StdInteractionSolubilityTable>()};
        p.other->setNumPressures(3);
        p.other->setInteractionComponentName("Methane dissolved at the contact");
        return p;
      },
      [](auto const& source, auto& target) { copy(source, target); });
}

// The copies between single tables, each into a smaller target of the same kind.
TEST(AllocationFailure, CopyTables) {
  checkCopy(
      "copy oil table",
      [] {
        Pair<StdOilTable> p{std::make_unique<StdOilTable>(), std::make_unique<StdOilTable>()};
        fillOil(*p.other, 4);
        fillOil(*p.object, 1);
        return p;
      },
      [](auto const& source, auto& target) {
        copy(static_cast<IOilTable const&>(source), static_cast<IOilTable&>(target), 0);
      });
  checkCopy(
      "copy depth table",
      [] {
        Pair<StdDepthTable> p{std::make_unique<StdDepthTable>(), std::make_unique<StdDepthTable>()};
        fillRows(*p.other, 5, 3);
        return p;
      },
      [](auto const& source, auto& target) { copy(source, target, 0); });
  checkCopy(
      "copy temperature table",
      [] {
        Pair<StdTemperatureTable> p{std::make_unique<StdTemperatureTable>(),
                                    std::make_unique<StdTemperatureTable>()};
        p.other->setNumComponents(2);
        p.other->setNumTemperatures(4);
        return p;
      },
      [](auto const& source, auto& target) { copy(source, target, 0); });
  checkCopy(
      "copy solvent table",
      [] {
        Pair<StdSolventTable> p{std::make_unique<StdSolventTable>(),
                                std::make_unique<StdSolventTable>()};
        p.other->setSize(4);
        return p;
      },
      [](auto const& source, auto& target) { copy(source, target, 0); });
  checkCopy(
      "copy miscibility table",
      [] {
        Pair<StdMisciblityTable> p{std::make_unique<StdMisciblityTable>(),
                                   std::make_unique<StdMisciblityTable>()};
        p.other->setSize(3);
        return p;
      },
      [](auto const& source, auto& target) { copy(source, target, 0); });
  checkCopy(
      "copy component",
      [] {
        Pair<StdComponent> p{std::make_unique<StdComponent>("Target", Type::Plain),
                             std::make_unique<StdComponent>("Source", Type::Plain)};
        p.other->setProperty(IComponent::Property::MolecularWeight, 44.0);
        p.other->setProperty(IComponent::Property::AcentricFactor, 0.22);
        p.object->setProperty(IComponent::Property::Parachor, 78.0);
        return p;
      },
      [](auto const& source, auto& target) { copy(source, target, 0); });
  checkCopy(
      "copy salt solubility table",
      [] {
        Pair<StdSaltSolubilityTable> p{std::make_unique<StdSaltSolubilityTable>(),
                                       std::make_unique<StdSaltSolubilityTable>()};
        p.other->setNumPressures(4);
        p.other->setSaltConcentration(2.0);
        return p;
      },
      [](auto const& source, auto& target) { copy(source, target); });
  checkCopy(
      "copy temperature solubility table",
      [] {
        Pair<StdTemperatureSolubilityTable> p{std::make_unique<StdTemperatureSolubilityTable>(),
                                              std::make_unique<StdTemperatureSolubilityTable>()};
        p.other->setNumPressures(3);
        return p;
      },
      [](auto const& source, auto& target) { copy(source, target); });
  checkCopy(
      "copy solubility table",
      [] {
        Pair<StdSolubilityTable> p{std::make_unique<StdSolubilityTable>(),
                                   std::make_unique<StdSolubilityTable>()};
        p.other->setNumPressures(3);
        return p;
      },
      [](auto const& source, auto& target) { copy(source, target); });
}

}  // namespace
