// Allocation failures in separator trains, tracer models with their depth tables, and
// the tracking request.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>

#include "Orv/Tess/Varnak/ISeparatorStage.h"
#include "Orv/Tess/Varnak/ITracerDepthTable.h"
#include "Orv/Tess/Varnak/StdSeparatorModel.h"
#include "Orv/Tess/Varnak/StdSeparatorStage.h"
#include "Orv/Tess/Varnak/StdTracerDepthTable.h"
#include "Orv/Tess/Varnak/StdTracerModel.h"
#include "Orv/Tess/Varnak/StdTrackingModel.h"
#include "alloc/AllocationFailure.h"

namespace {

using namespace Orv::Tess::Varnak;
using alloc::check;
using alloc::Pair;
using TableType = ITracerModel::DepthTableType;

// A train of `stages` stages at falling pressures, each sending its liquid on.
void fillTrain(ISeparatorModel& m, int stages) {
  m.setGroupName("Field gathering station north");
  for (int i = 0; i < stages; ++i) {
    ISeparatorStage& s = m.makeStage();
    s.setPressure(70.0 / (i + 1));
    s.setTemperature(40.0 - 5.0 * i);
    s.setLiquidDestinationStageIndex(i + 1);
  }
}

Pair<StdSeparatorModel> trains() {
  Pair<StdSeparatorModel> p{std::make_unique<StdSeparatorModel>("Three-stage export train"),
                            std::make_unique<StdSeparatorModel>("Test")};
  fillTrain(*p.object, 3);
  fillTrain(*p.other, 1);
  return p;
}

TEST(AllocationFailure, SeparatorModel) {
  check("makeStage", trains, [](auto& p) { p.object->makeStage(); });
  check("deleteStage", trains, [](auto& p) { p.object->deleteStage(0); });
  check("deleteStage missing", trains, [](auto& p) {
    try {
      p.object->deleteStage(3);
    } catch (std::runtime_error const&) {
    }
  });
  check("getStage missing", trains, [](auto& p) {
    try {
      p.object->getStage(0);
    } catch (std::runtime_error const&) {
    }
  });
  check("setGroupName", trains,
        [](auto& p) { p.object->setGroupName("Offshore platform gas compression"); });
  alloc::checkValueSemantics<StdSeparatorModel>("StdSeparatorModel", trains);
  auto stages = [] {
    Pair<StdSeparatorStage> p{std::make_unique<StdSeparatorStage>(0),
                              std::make_unique<StdSeparatorStage>(4)};
    p.object->setPressure(35.0);
    return p;
  };
  alloc::checkValueSemantics<StdSeparatorStage>("StdSeparatorStage", stages);
}

void fillTracerTable(ITracerDepthTable& t, int rows) {
  t.setNumDepths(rows);
  for (int i = 0; i < rows; ++i) {
    t.setDepth(i, 1200.0 + 50.0 * i);
    t.setConcentration(i, 0.01 * (rows - i));
  }
}

Pair<StdTracerDepthTable> tracerTables() {
  Pair<StdTracerDepthTable> p{std::make_unique<StdTracerDepthTable>(),
                              std::make_unique<StdTracerDepthTable>()};
  fillTracerTable(*p.object, 3);
  fillTracerTable(*p.other, 6);
  return p;
}

TEST(AllocationFailure, TracerDepthTable) {
  check("setNumDepths grow", tracerTables, [](auto& p) { p.object->setNumDepths(8); });
  check("setNumDepths shrink", tracerTables, [](auto& p) { p.object->setNumDepths(1); });
  check("setConcentration bad index", tracerTables, [](auto& p) {
    try {
      p.object->setConcentration(3, 1.0);
    } catch (std::range_error const&) {
    }
  });
  alloc::checkValueSemantics<StdTracerDepthTable>("StdTracerDepthTable", tracerTables);
}

Pair<StdTracerModel> tracers() {
  Pair<StdTracerModel> p{std::make_unique<StdTracerModel>("Injected water tracer, well I-4"),
                         std::make_unique<StdTracerModel>("Salt")};
  p.object->setComponentName("Water");
  fillTracerTable(p.object->makeDepthTable(TableType::FreePhaseConcentration, 0), 3);
  fillTracerTable(p.object->makeDepthTable(TableType::FreePhaseConcentration, 1), 2);
  fillTracerTable(p.object->makeDepthTable(TableType::SolutionPhaseConcentration, 0), 2);
  p.other->setComponentName("Brine from the eastern aquifer");
  fillTracerTable(p.other->makeDepthTable(static_cast<TableType>(7), 0), 4);
  return p;
}

TEST(AllocationFailure, TracerModel) {
  check("makeDepthTable next region", tracers,
        [](auto& p) { p.object->makeDepthTable(TableType::FreePhaseConcentration, 2); });
  check("makeDepthTable replacing", tracers,
        [](auto& p) { p.object->makeDepthTable(TableType::FreePhaseConcentration, 1); });
  check("makeDepthTable region gap", tracers, [](auto& p) {
    try {
      p.object->makeDepthTable(TableType::SolutionPhaseConcentration, 2);
    } catch (std::range_error const&) {
    }
  });
  check("makeDepthTable negative region", tracers, [](auto& p) {
    try {
      p.object->makeDepthTable(TableType::SolutionPhaseConcentration, -1);
    } catch (std::range_error const&) {
    }
  });
  check("deleteDepthTable", tracers,
        [](auto& p) { p.object->deleteDepthTable(TableType::FreePhaseConcentration, 1); });
  check("setComponentName", tracers,
        [](auto& p) { p.object->setComponentName("Produced water from the crest"); });
  alloc::checkValueSemantics<StdTracerModel>("StdTracerModel", tracers);
}

Pair<StdTrackingModel> trackings() {
  Pair<StdTrackingModel> p{std::make_unique<StdTrackingModel>(),
                           std::make_unique<StdTrackingModel>()};
  p.object->setHasDEPTHTracking(true);
  p.object->setTrackingDepth(1850.0);
  p.object->setTrackedComponentNames({"C1", "CO2"});
  p.other->setNormalizeOutput(true);
  p.other->setTrackedComponentNames(
      {"Heavy end pseudo-component C20+", "Intermediate C7-C12", "Nitrogen", "C1"});
  return p;
}

TEST(AllocationFailure, TrackingModel) {
  check("setTrackedComponentNames", trackings, [](auto& p) {
    p.object->setTrackedComponentNames(
        {"Heavy end pseudo-component C20+", "Light ends C2-C6", "Hydrogen sulphide"});
  });
  check("setTrackedComponentNames empty", trackings,
        [](auto& p) { p.object->setTrackedComponentNames({}); });
  alloc::checkValueSemantics<StdTrackingModel>("StdTrackingModel", trackings);
}

}  // namespace
