// Builds a whole fluid description through one registry: two fluid models, a separator
// train in two versions, a tracer with depth tables for two regions and a tracking
// request, then prints what the registry holds.
#include <cstddef>
#include <cstdio>
#include <string>

#include "Orv/Tess/Varnak.h"
#include "Sections.h"

namespace ovt = Orv::Tess::Varnak;

namespace {

using TracerTable = ovt::ITracerModel::DepthTableType;

// A high-pressure stage feeding its liquid to a stock-tank stage.
void fillTwoStageTrain(ovt::ISeparatorModel& train, double firstStagePressure) {
  ovt::ISeparatorStage& hp = train.makeStage();
  hp.setPressure(firstStagePressure);
  hp.setTemperature(60.0);
  hp.setLiquidDestinationStageIndex(1);
  ovt::ISeparatorStage& tank = train.makeStage();
  tank.setPressure(1.01325);
  tank.setTemperature(15.0);
  tank.setIsLastStage(true);
}

void fillDepthTable(ovt::ITracerDepthTable& table, double top, double concentrationAtTop) {
  table.setNumDepths(3);
  for (int i = 0; i < 3; ++i) {
    table.setDepth(i, top + 100.0 * i);
    table.setConcentration(i, concentrationAtTop * (1.0 - 0.25 * i));
  }
}

// One line per fluid model: its kind and what identifies its content at a glance.
void printFluidModels(ovt::IFluidModels& registry) {
  std::printf("  %-10s %-14s %s\n", "fluid", "kind", "content");
  for (std::string const& name : registry.getFluidModelNames()) {
    ovt::IFluidModel& model = registry.getFluidModel(name);
    if (auto* blackOil = dynamic_cast<ovt::IBlackOilModel*>(&model)) {
      std::printf("  %-10s %-14s oil %.1f kg/m3, gas %.3f kg/m3 at surface\n", name.c_str(),
                  "black oil", blackOil->oilDensity(), blackOil->gasDensity());
    } else if (auto* eos = dynamic_cast<ovt::ICompositionalModel*>(&model)) {
      std::printf("  %-10s %-14s components", name.c_str(), "compositional");
      for (int i = 0; i < eos->getNumComponents(); ++i) {
        std::printf(" %s", eos->getComponent(i).getName().c_str());
      }
      std::printf("\n");
    }
  }
}

char const* onOff(bool on) { return on ? "on" : "off"; }

void printSeparators(ovt::IFluidModels& registry) {
  for (std::string const& name : registry.getSeparatorModelNames()) {
    std::size_t const versions = registry.getNumSeparatorModelVersions(name);
    std::printf("  Separator model %s, %zu versions\n", name.c_str(), versions);
    for (std::size_t v = 0; v < versions; ++v) {
      ovt::ISeparatorModel& train = registry.getSeparatorModel(name, v);
      std::printf("    version %zu (group %s)\n", v, train.getGroupName().c_str());
      std::printf("      %5s  %14s  %18s  %9s  %9s\n", "stage", "pressure [bar]",
                  "temperature [degC]", "liquid to", "vapour to");
      for (int k = 1; k <= train.getNumStages(); ++k) {
        ovt::ISeparatorStage const& stage = train.getStage(k);
        std::printf("      %5d  %14.5f  %18.1f  %9d  %9d\n", stage.getStageIndex(),
                    stage.getPressure(), stage.getTemperature(),
                    stage.getLiquidDestinationStageIndex(), stage.getVapourDestinationStageIndex());
      }
    }
  }
}

void printTracers(ovt::IFluidModels& registry) {
  for (std::string const& name : registry.getTracerModelNames()) {
    ovt::ITracerModel& tracer = registry.getTracerModel(name);
    TracerTable const type = TracerTable::FreePhaseConcentration;
    int const regions = tracer.getNumOfDepthTablesOfType(type);
    std::printf("  Tracer %s carried by %s, free-phase concentration in %d regions\n", name.c_str(),
                tracer.getComponentName().c_str(), regions);
    std::printf("    %6s  %9s  %13s\n", "region", "depth [m]", "concentration");
    for (int region = 0; region < regions; ++region) {
      ovt::ITracerDepthTable const& table = *tracer.getDepthTable(type, region);
      for (int i = 0; i < table.getNumDepths(); ++i) {
        std::printf("    %6d  %9.1f  %13.3f\n", region, table.getDepth(i),
                    table.getConcentration(i));
      }
    }
  }
}

void printTracking(ovt::ITrackingModel& tracking) {
  std::printf("  Tracking: gas-oil contact %s, depth %s at %.1f m, region %s, normalised %s\n",
              onOff(tracking.getHasGOCTracking()), onOff(tracking.getHasDEPTHTracking()),
              tracking.getTrackingDepth(), onOff(tracking.getHasREGIONTracking()),
              onOff(tracking.getNormalizeOutput()));
  std::printf("    tracked components:");
  if (tracking.getTrackAllComponents()) std::printf(" all");
  for (std::string const& name : tracking.getTrackedComponentNames()) {
    std::printf(" %s", name.c_str());
  }
  std::printf("\n");
}

}  // namespace

void showFluidDescription() {
  ovt::StdFluidModels registry;

  // Both fluid kinds share one name space: asking for a second "Field" with unique
  // naming gives "Field_1".
  ovt::IBlackOilModel& blackOil = registry.makeBlackOilModel("Field", false);
  blackOil.oilDensity(850.0);
  blackOil.gasDensity(0.95);
  ovt::ICompositionalModel& eos = registry.makeCompositionalModel("Field", true);
  for (char const* component : {"C1", "CO2", "C7+"}) {
    eos.makeComponent(component, ovt::IComponent::Type::Plain);
  }

  // Version 0 is the host's own train, copied in; version 1 starts as a copy of
  // version 0 with a lower first-stage pressure.
  ovt::StdSeparatorModel train("Plant");
  train.setGroupName("North");
  fillTwoStageTrain(train, 45.0);
  registry.makeSeparatorModel(train);
  ovt::ISeparatorModel& lowPressure =
      registry.makeSeparatorModel(registry.getSeparatorModel("Plant", 0));
  lowPressure.getStage(1).setPressure(30.0);

  ovt::ITracerModel& tracer = registry.makeTracerModel("TR1");
  tracer.setComponentName("C1");
  fillDepthTable(tracer.makeDepthTable(TracerTable::FreePhaseConcentration, 0), 2000.0, 0.8);
  fillDepthTable(tracer.makeDepthTable(TracerTable::FreePhaseConcentration, 1), 2150.0, 0.6);

  ovt::ITrackingModel& tracking = registry.makeTrackingModel();
  tracking.setHasDEPTHTracking(true);
  tracking.setTrackingDepth(2100.0);
  tracking.setTrackedComponentNames({"C1", "CO2"});

  std::printf("\nFluid description\n");
  printFluidModels(registry);
  printSeparators(registry);
  printTracers(registry);
  printTracking(*registry.getTrackingModel());
}
