// Allocation failures in the compositional model and its aqueous-soluble components.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <utility>

#include "Orv/Tess/Varnak/IBinaryInteractionCoefficients.h"
#include "Orv/Tess/Varnak/ICompositionKValueTable.h"
#include "Orv/Tess/Varnak/IInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/IKValueTable.h"
#include "Orv/Tess/Varnak/IOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/IReaction.h"
#include "Orv/Tess/Varnak/ISaltSolubilityTable.h"
#include "Orv/Tess/Varnak/ISolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/ITemperatureKValueTable.h"
#include "Orv/Tess/Varnak/ITemperatureSolubilityTable.h"
#include "Orv/Tess/Varnak/StdAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/StdCompositionalModel.h"
#include "alloc/AllocationFailure.h"

namespace {

using namespace Orv::Tess::Varnak;
using alloc::check;
using alloc::Pair;
using Type = IComponent::Type;

void fillTables(IAqueousSolubleComponent& c) {
  c.makeSolubilityTable().setNumPressures(3);
  c.makeSolubilityWaterPropertiesTable().setNumPressures(2);
  c.makeTemperatureSolubilityTable("Reservoir temperature 95 C").setTemperature(95.0);
  c.makeInteractionSolubilityTable("With hydrogen sulphide").setNumPressures(2);
  c.makeSaltSolubilityTable("Formation brine").setSaltConcentration(1.5);
}

Pair<StdAqueousSolubleComponent> aqueousComponents() {
  Pair<StdAqueousSolubleComponent> p{
      std::make_unique<StdAqueousSolubleComponent>("Carbon dioxide, injected"),
      std::make_unique<StdAqueousSolubleComponent>("H2S")};
  p.object->setProperty(IComponent::Property::MolecularWeight, 44.01);
  fillTables(*p.object);
  p.other->makeSaltSolubilityTable("Sea water").setNumPressures(4);
  return p;
}

TEST(AllocationFailure, AqueousSolubleComponent) {
  check("StdAqueousSolubleComponent makeSolubilityTable", aqueousComponents,
        [](auto& p) { p.other->makeSolubilityTable(); });
  check("StdAqueousSolubleComponent makeSolubilityWaterPropertiesTable", aqueousComponents,
        [](auto& p) { p.other->makeSolubilityWaterPropertiesTable(); });
  check("StdAqueousSolubleComponent makeTemperatureSolubilityTable new", aqueousComponents,
        [](auto& p) { p.object->makeTemperatureSolubilityTable("Surface temperature 15 C"); });
  check("StdAqueousSolubleComponent makeTemperatureSolubilityTable existing", aqueousComponents,
        [](auto& p) { p.object->makeTemperatureSolubilityTable("Reservoir temperature 95 C"); });
  check("StdAqueousSolubleComponent makeInteractionSolubilityTable", aqueousComponents,
        [](auto& p) { p.object->makeInteractionSolubilityTable("With methane at depth"); });
  check("StdAqueousSolubleComponent makeSaltSolubilityTable", aqueousComponents,
        [](auto& p) { p.object->makeSaltSolubilityTable("Injected low-salinity water"); });
  check("StdAqueousSolubleComponent getSaltSolubilityTable missing", aqueousComponents,
        [](auto& p) {
          try {
            p.object->getSaltSolubilityTable("Aquifer brine");
          } catch (std::range_error const&) {
          }
        });
  check("StdAqueousSolubleComponent setProperty", aqueousComponents,
        [](auto& p) { p.object->setProperty(IComponent::Property::HenryConstant, 1.6e5); });
  alloc::checkValueSemantics<StdAqueousSolubleComponent>("StdAqueousSolubleComponent",
                                                         aqueousComponents);
}

// Three hydrocarbon components and CO2, with their coefficients, K-values and a reaction.
void fillModel(ICompositionalModel& m) {
  m.makeComponent("C1", Type::Plain);
  m.makeComponent("Intermediate pseudo-component C2-C6", Type::Plain);
  fillTables(static_cast<IAqueousSolubleComponent&>(m.makeComponent("CO2", Type::AqueousSoluble)));
  m.makeComponent("Heavy end pseudo-component C7+", Type::Plain);
  m.getBICs().setBIC(0, 2, 0.1);
  m.getBICs().setBIC(1, 3, 0.03);
  m.getAqueousBICs(2).setBIC(0, 1, 0.4);
  m.makeSimpleKValueTable().setNumPressures(2);
  m.makeTemperatureKValueTable("K-values at 80 C").setNumComponents(4);
  m.makeCompositionKValueTable("K-values at 10 % CO2").setComposition(0.1);
  m.makeOilViscosityIndexTable().setNumMolefractions(2);
  m.makeReaction("CO2 dissolution into brine").setNumComponents(4);
  m.makeWaterProperties();
  m.makeInitialCondition("Gas cap equilibration").setDatumDepth(1900.0);
}

std::unique_ptr<StdCompositionalModel> model() {
  auto m = std::make_unique<StdCompositionalModel>("Gas condensate");
  fillModel(*m);
  return m;
}

Pair<StdCompositionalModel> models() { return {model(), nullptr}; }

TEST(AllocationFailure, CompositionalModel) {
  std::string const m = "StdCompositionalModel ";
  check(m + "makeComponent plain", models,
        [](auto& p) { p.object->makeComponent("Nitrogen", Type::Plain); });
  check(m + "makeComponent aqueous-soluble", models, [](auto& p) {
    p.object->makeComponent("Hydrogen sulphide, sour gas", Type::AqueousSoluble);
  });
  check(m + "makeComponent duplicate", models, [](auto& p) {
    try {
      p.object->makeComponent("C1", Type::Plain);
    } catch (std::invalid_argument const&) {
    }
  });
  check(m + "makeComponent unknown type", models, [](auto& p) {
    try {
      p.object->makeComponent("Water", static_cast<Type>(2));
    } catch (std::invalid_argument const&) {
    }
  });
  check(m + "deleteComponent", models, [](auto& p) { p.object->deleteComponent(1); });
  check(m + "deleteComponent bad index", models, [](auto& p) {
    try {
      p.object->deleteComponent(4);
    } catch (std::range_error const&) {
    }
  });
  check(m + "getComponentAsAqueousSolubleComponent plain", models, [](auto& p) {
    try {
      p.object->getComponentAsAqueousSolubleComponent(0);
    } catch (std::runtime_error const&) {
    }
  });
  check(m + "getAqueousBICs bad number", models, [](auto& p) {
    try {
      p.object->getAqueousBICs(4);
    } catch (std::range_error const&) {
    }
  });
  check(m + "makeSimpleKValueTable existing", models,
        [](auto& p) { p.object->makeSimpleKValueTable(); });
  check(m + "makeTemperatureKValueTable new", models,
        [](auto& p) { p.object->makeTemperatureKValueTable("K-values at 120 C"); });
  check(m + "makeCompositionKValueTable new", models,
        [](auto& p) { p.object->makeCompositionKValueTable("K-values at 40 % CO2"); });
  check(m + "getTemperatureKValueTable missing", models, [](auto& p) {
    try {
      p.object->getTemperatureKValueTable("K-values at 20 C");
    } catch (std::range_error const&) {
    }
  });
  check(m + "makeOilViscosityIndexTable replacing", models,
        [](auto& p) { p.object->makeOilViscosityIndexTable(); });
  check(m + "deleteOilViscosityIndexTable", models,
        [](auto& p) { p.object->deleteOilViscosityIndexTable(); });
  check(m + "makeReaction", models,
        [](auto& p) { p.object->makeReaction("Calcite dissolution by carbonic acid"); });
  check(m + "makeReaction duplicate", models, [](auto& p) {
    try {
      p.object->makeReaction("CO2 dissolution into brine");
    } catch (std::invalid_argument const&) {
    }
  });
  check(m + "getReaction bad index", models, [](auto& p) {
    try {
      p.object->getReaction(1);
    } catch (std::range_error const&) {
    }
  });
  check(m + "makeInitialCondition", models,
        [](auto& p) { p.object->makeInitialCondition("Gas cap equilibration"); });
}

}  // namespace
