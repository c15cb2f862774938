// Allocation failures in the part every fluid model shares and in temperature tables.
//
// The fluid-model base is compiled into the library once per model kind; here it is also
// instantiated for the bare fluid-model interface, which it implements completely, so
// that the shared part is checked on its own.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <utility>

#include "Orv/Tess/Varnak/IBrinePropertyTable.h"
#include "Orv/Tess/Varnak/IDepthTable.h"
#include "Orv/Tess/Varnak/IWaterProperties.h"
#include "Orv/Tess/Varnak/StdTemperatureTable.h"
#include "alloc/AllocationFailure.h"
#include "fluidmodel/StdFluidModelImpl.h"

namespace Orv::Tess::Varnak {
template class StdFluidModel<IFluidModel>;
}  // namespace Orv::Tess::Varnak

namespace {

using namespace Orv::Tess::Varnak;
using alloc::check;
using alloc::Pair;
using Model = StdFluidModel<IFluidModel>;
using TemperatureProperty = IFluidModel::TemperatureTableProperty;

// Viscosities of three components at 40, 60 and 80 °C.
void fillViscosities(ITemperatureTable& t, double shift) {
  t.setNumComponents(3);
  t.setNumTemperatures(3);
  for (int r = 0; r < 3; ++r) {
    t.setTemperature(r, 40.0 + 20.0 * r + shift);
    for (int c = 0; c < 3; ++c) t.setProperty(r, c, 1.5 - 0.2 * r + 0.1 * c);
  }
}

Pair<StdTemperatureTable> temperatureTables() {
  Pair<StdTemperatureTable> p{std::make_unique<StdTemperatureTable>(),
                              std::make_unique<StdTemperatureTable>()};
  fillViscosities(*p.object, 0.0);
  fillViscosities(*p.other, 5.0);
  p.other->setNumComponents(2);
  return p;
}

TEST(AllocationFailure, TemperatureTable) {
  check("setNumTemperatures grow", temperatureTables,
        [](auto& p) { p.object->setNumTemperatures(8); });
  check("setNumTemperatures shrink", temperatureTables,
        [](auto& p) { p.object->setNumTemperatures(2); });
  check("setNumComponents grow", temperatureTables, [](auto& p) { p.object->setNumComponents(4); });
  check("setTemperature bad index", temperatureTables, [](auto& p) {
    try {
      p.object->setTemperature(3, 1.0);
    } catch (std::range_error const&) {
    }
  });
  alloc::checkValueSemantics<StdTemperatureTable>("StdTemperatureTable", temperatureTables);
}

Pair<Model> models() {
  Pair<Model> p{std::make_unique<Model>("Reservoir"),
                std::make_unique<Model>("Aquifer of the northern flank")};
  Model& m = *p.object;
  m.makeWaterProperties().setSurfaceDensity(1015.0);
  m.getWaterProperties()->makeBrineComponent(IBrineComponent::SaltMoleculeType::NACL);
  IDepthTable& t =
      m.makeInitialCondition("Equil").getDepthTable(IInitialCondition::Property::Pressure);
  t.setNumComponents(1);
  t.setNumDepths(2);
  t.setDepth(1, 2000.0);
  t.setProperty(1, 0, 210.0);
  m.makeInitialCondition("Equil");  // Equil_1
  fillViscosities(m.getTemperatureTable(TemperatureProperty::OilViscosity), 0.0);
  // Names beyond the short-string buffer, so that copying them allocates too.
  IInitialCondition& deep = p.other->makeInitialCondition("Deep eastern fault block");
  deep.setDatumDepth(2450.0);
  deep.getDepthTable(IInitialCondition::Property::SolutionGasOilRatio).setNumDepths(3);
  p.other->makeWaterProperties().makeBrinePropertyTable().setTableSize(2);
  fillViscosities(p.other->getTemperatureTable(TemperatureProperty::GasViscosity), 1.0);
  return p;
}

TEST(AllocationFailure, FluidModelBase) {
  check("makeWaterProperties replacing", models, [](auto& p) { p.object->makeWaterProperties(); });
  check("makeWaterProperties first", models, [](auto& p) { p.other->makeWaterProperties(); });
  check("deleteWaterProperties", models, [](auto& p) { p.object->deleteWaterProperties(); });
  check("makeInitialCondition new name", models,
        [](auto& p) { p.object->makeInitialCondition("Crest"); });
  check("makeInitialCondition taken name", models,
        [](auto& p) { p.object->makeInitialCondition("Equil"); });
  check("deleteInitialCondition", models,
        [](auto& p) { p.object->deleteInitialCondition("Equil"); });
  check("deleteInitialCondition missing", models, [](auto& p) {
    try {
      p.object->deleteInitialCondition("Flank");
    } catch (std::runtime_error const&) {
    }
  });
  check("getTemperatureTable making a table", models,
        [](auto& p) { p.object->getTemperatureTable(TemperatureProperty::VaporPressure); });
  check("const getTemperatureTable missing", models, [](auto& p) {
    try {
      std::as_const(*p.object).getTemperatureTable(TemperatureProperty::WaterViscosity);
    } catch (std::range_error const&) {
    }
  });
  check("deleteTemperatureTable", models,
        [](auto& p) { p.object->deleteTemperatureTable(TemperatureProperty::OilViscosity); });
  check("StdFluidModel copy construction", models,
        [](auto& p) { p.other = std::make_unique<Model>(std::as_const(*p.object)); });
  check("StdFluidModel copy assignment", models,
        [](auto& p) { *p.object = std::as_const(*p.other); });
  check("StdFluidModel self-assignment", models, [](auto& p) {
    Model& self = *p.object;
    *p.object = std::as_const(self);
  });
}

}  // namespace
