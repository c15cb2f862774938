// Writes a FluidDeck into a registry, all or nothing.
//
// Everything is written through the library's interfaces. The one registry-level effect
// that cannot simply be deleted again is the replacement of a tracer model of the same
// name, so each such model is read back into plain values before anything changes and
// rebuilt from them if a later step fails.
#include "FluidDeck.h"

#include <algorithm>
#include <cstddef>
#include <exception>
#include <utility>

#include "Orv/Tess/Varnak/IBlackOilModel.h"
#include "Orv/Tess/Varnak/IBrinePropertyTable.h"
#include "Orv/Tess/Varnak/IDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/IDeadOilTable.h"
#include "Orv/Tess/Varnak/IDepthTable.h"
#include "Orv/Tess/Varnak/IDryGasTable.h"
#include "Orv/Tess/Varnak/IFluidModels.h"
#include "Orv/Tess/Varnak/IGasTable.h"
#include "Orv/Tess/Varnak/IInitialCondition.h"
#include "Orv/Tess/Varnak/IMiscibilityTable.h"
#include "Orv/Tess/Varnak/IOilTable.h"
#include "Orv/Tess/Varnak/ISolventTable.h"
#include "Orv/Tess/Varnak/ITracerDepthTable.h"
#include "Orv/Tess/Varnak/ITracerModel.h"
#include "Orv/Tess/Varnak/IWaterProperties.h"

namespace Orv::Tess::Varnak::Deck::detail {
namespace {

int count(std::size_t n) { return static_cast<int>(n); }

// The two-level layout is the same for oil and gas; only the names of the two keys differ,
// so one writer serves both through the interface-specific key setters.
template <typename Table, typename SetSaturated, typename SetUndersaturated>
void fillRows(Table& table, std::vector<SaturatedRow> const& rows, SetSaturated setSaturated,
              SetUndersaturated setUndersaturated) {
  table.setSaturatedSize(count(rows.size()));
  for (int i = 0; i < count(rows.size()); ++i) {
    auto const& row = rows[static_cast<std::size_t>(i)];
    setSaturated(table, i, row.value);
    table.setUndersaturatedSize(i, count(row.entries.size()));
    for (int j = 0; j < count(row.entries.size()); ++j) {
      auto const& entry = row.entries[static_cast<std::size_t>(j)];
      setUndersaturated(table, i, j, entry.value);
      table.setFormationVolumeFactor(i, j, entry.formationVolumeFactor);
      table.setViscosity(i, j, entry.viscosity);
    }
  }
}

void fillOil(IOilTable& table, OilRegion const& oil) {
  table.setSurfaceDensity(oil.surfaceDensity);
  fillRows(
      table, oil.rows, [](IOilTable& t, int i, double v) { t.setGasOilRatio(i, v); },
      [](IOilTable& t, int i, int j, double v) { t.setPressure(i, j, v); });
}

void fillGas(IGasTable& table, GasRegion const& gas) {
  table.setSurfaceDensity(gas.surfaceDensity);
  fillRows(
      table, gas.rows, [](IGasTable& t, int i, double v) { t.setPressure(i, v); },
      [](IGasTable& t, int i, int j, double v) { t.setOilGasRatio(i, j, v); });
}

void fillWater(IWaterProperties& water, Water const& deck) {
  water.setSurfaceDensity(deck.surfaceDensity);
  water.setPressure(deck.pressure);
  water.setFormationVolumeFactor(deck.formationVolumeFactor);
  water.setCompressibility(deck.compressibility);
  water.setViscosity(deck.viscosity);
  water.setViscosibility(deck.viscosibility);
  if (!deck.brine) {
    return;
  }
  // The brine of these keywords is sodium chloride: its salt concentration is one number.
  water.makeBrineComponent(IBrineComponent::SaltMoleculeType::NACL);
  auto& table = water.makeBrinePropertyTable();
  table.setReferencePressure(deck.brine->referencePressure);
  table.setReferenceSaltConcentration(deck.brine->referenceSaltConcentration);
  table.setTableSize(count(deck.brine->rows.size()));
  for (int i = 0; i < count(deck.brine->rows.size()); ++i) {
    auto const& row = deck.brine->rows[static_cast<std::size_t>(i)];
    table.setSaltConcentration(i, row.saltConcentration);
    table.setBrineSurfaceDensity(i, row.surfaceDensity);
    table.setFormationVolumeFactor(i, row.formationVolumeFactor);
    table.setCompressibility(i, row.compressibility);
    table.setViscosity(i, row.viscosity);
    table.setViscosibility(i, row.viscosibility);
  }
}

void fillInitialState(IInitialCondition& condition, InitialState const& state) {
  condition.setDatumDepth(state.datumDepth);
  condition.setDatumPressure(state.datumPressure);
  condition.setGasOilContactDepth(state.gasOilContactDepth);
  condition.setGasOilContactCapillaryPressure(state.gasOilContactCapillaryPressure);
  condition.setWaterContactDepth(state.waterContactDepth);
  condition.setWaterContactCapillaryPressure(state.waterContactCapillaryPressure);
  for (auto const& column : state.depthTables) {
    auto& table =
        condition.getDepthTable(static_cast<IInitialCondition::Property>(column.property));
    table.setNumComponents(1);
    table.setNumDepths(count(column.depths.size()));
    for (int d = 0; d < count(column.depths.size()); ++d) {
      table.setDepth(d, column.depths[static_cast<std::size_t>(d)]);
      table.setProperty(d, 0, column.values[static_cast<std::size_t>(d)]);
    }
  }
}

void fillSolvent(ISolventTable& table, Solvent const& solvent) {
  table.setSurfaceDensity(solvent.surfaceDensity);
  table.setSize(count(solvent.rows.size()));
  for (int i = 0; i < count(solvent.rows.size()); ++i) {
    auto const& row = solvent.rows[static_cast<std::size_t>(i)];
    table.setPressure(i, row.value);
    table.setFormationVolumeFactor(i, row.formationVolumeFactor);
    table.setViscosity(i, row.viscosity);
  }
}

void fillMiscibility(IMiscibilityTable& table, Miscibility const& miscibility) {
  table.setViscosityMixingParameter(miscibility.viscosityMixingParameter);
  table.setDensityMixingParameter(miscibility.densityMixingParameter);
  table.setSize(count(miscibility.oilPressures.size()));
  for (int i = 0; i < count(miscibility.oilPressures.size()); ++i) {
    table.setOilPressure(i, miscibility.oilPressures[static_cast<std::size_t>(i)]);
    table.setMiscibility(i, miscibility.miscibilities[static_cast<std::size_t>(i)]);
  }
}

void storeTracer(IFluidModels& models, Tracer const& tracer) {
  auto& model = models.makeTracerModel(tracer.name);
  model.setComponentName(tracer.componentName);
  for (auto const& column : tracer.depthTables) {
    auto& table =
        model.makeDepthTable(static_cast<ITracerModel::DepthTableType>(column.type), column.region);
    table.setNumDepths(count(column.depths.size()));
    for (int d = 0; d < count(column.depths.size()); ++d) {
      table.setDepth(d, column.depths[static_cast<std::size_t>(d)]);
      table.setConcentration(d, column.concentrations[static_cast<std::size_t>(d)]);
    }
  }
}

// Reads a tracer model back into plain values: its component and, for each known table
// type, the unbroken run of regions from 0.
Tracer readTracer(ITracerModel& model) {
  Tracer tracer;
  tracer.name = model.getName();
  tracer.componentName = model.getComponentName();
  for (auto type : {ITracerModel::DepthTableType::FreePhaseConcentration,
                    ITracerModel::DepthTableType::SolutionPhaseConcentration}) {
    for (int region = 0;; ++region) {
      auto const* table = model.getDepthTable(type, region);
      if (table == nullptr) {
        break;
      }
      TracerColumn column;
      column.type = static_cast<int>(type);
      column.region = region;
      for (int d = 0; d < table->getNumDepths(); ++d) {
        column.depths.push_back(table->getDepth(d));
        column.concentrations.push_back(table->getConcentration(d));
      }
      tracer.depthTables.push_back(std::move(column));
    }
  }
  return tracer;
}

}  // namespace

void fillBlackOilModel(IBlackOilModel& model, FluidDeck const& deck) {
  model.oilDensity(deck.oilDensity);
  model.gasDensity(deck.gasDensity);
  for (auto const& oil : deck.oil) {
    switch (oil.kind) {
      case OilKind::Live:
        fillOil(model.makeOilTable(oil.region), oil);
        break;
      case OilKind::Dead: {
        auto& table = model.makeDeadOilTable(oil.region);
        fillOil(table, oil);
        table.setDissolvedGas(oil.dissolvedGas);
        table.setBubblePointPressure(oil.bubblePointPressure);
        break;
      }
      case OilKind::DeadConstantCompressibility: {
        auto& table = model.makeDeadOilConstantCompressTable(oil.region);
        fillOil(table, oil);
        table.setDissolvedGas(oil.dissolvedGas);
        table.setBubblePointPressure(oil.bubblePointPressure);
        table.setOilCompressibility(oil.compressibility);
        table.setOilViscosibility(oil.viscosibility);
        break;
      }
    }
  }
  if (deck.gas && deck.gas->dry) {
    auto& table = model.makeDryGasTable();
    fillGas(table, *deck.gas);
    table.setVaporizedOil(deck.gas->vaporizedOil);
    table.setDewPointPressure(deck.gas->dewPointPressure);
  } else if (deck.gas) {
    fillGas(model.makeGasTable(), *deck.gas);
  }
  if (deck.water) {
    fillWater(model.makeWaterProperties(), *deck.water);
  }
  if (deck.solvent) {
    fillSolvent(model.makeSolventTable(), *deck.solvent);
  }
  if (deck.miscibility) {
    fillMiscibility(model.makeMiscibilityTable(), *deck.miscibility);
  }
  for (auto const& state : deck.initialStates) {
    fillInitialState(model.makeInitialCondition(state.name), state);
  }
}

ImportReport storeFluidDeck(IFluidModels& models, FluidDeck const& deck,
                            std::string const& modelName) {
  // Everything that may fail before the registry changes: the report, the model's free
  // name (as makeBlackOilModel would choose it: the name, else name_1, name_2, …) and the
  // copies of the tracer models about to be replaced.
  ImportReport report;
  report.unitSystem = deck.unitSystem;
  report.notImported = deck.notImported;
  auto const taken = models.getFluidModelNames();
  report.modelName = modelName;
  for (int k = 1; taken.count(report.modelName) != 0; ++k) {
    report.modelName = modelName + "_" + std::to_string(k);
  }
  for (auto const& state : deck.initialStates) {
    report.initialConditions.push_back(state.name);
  }
  auto const tracerNames = models.getTracerModelNames();
  std::vector<std::optional<Tracer>> replaced;
  for (auto const& tracer : deck.tracers) {
    report.tracers.push_back(tracer.name);
    replaced.emplace_back();
    if (tracerNames.count(tracer.name) != 0) {
      replaced.back() = readTracer(models.getTracerModel(tracer.name));
    }
  }

  std::size_t stored = 0;
  try {
    fillBlackOilModel(models.makeBlackOilModel(report.modelName, false), deck);
    for (; stored < deck.tracers.size(); ++stored) {
      storeTracer(models, deck.tracers[stored]);
    }
  } catch (...) {
    // Undo: the model, then each tracer stored or half stored, newest first. Rebuilding a
    // replaced tracer allocates; should that fail too, the second failure is the one
    // that passes on.
    if (models.getFluidModelNames().count(report.modelName) != 0) {
      models.deleteFluidModel(report.modelName);
    }
    for (std::size_t i = std::min(stored + 1, deck.tracers.size()); i-- > 0;) {
      if (replaced[i]) {
        storeTracer(models, *replaced[i]);
      } else if (models.getTracerModelNames().count(deck.tracers[i].name) != 0) {
        models.deleteTracerModel(deck.tracers[i].name);
      }
    }
    throw;
  }
  return report;
}

}  // namespace Orv::Tess::Varnak::Deck::detail
