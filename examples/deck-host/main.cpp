// The second example host: loads a simulation input deck into a fluid description and
// prints what it found, as a pre-processor would before handing the fluid on.
//
// Usage: orv_tess_varnak_deck_example [CASE.DATA]   (default: the METRIC test deck)
#include <cstdio>
#include <string>

#include "Orv/Tess/Varnak.h"
#include "Orv/Tess/Varnak/Deck/DeckImport.h"

namespace ovt = Orv::Tess::Varnak;
namespace deck = Orv::Tess::Varnak::Deck;

namespace {

char const* kindOf(ovt::IOilTable const& table) {
  if (dynamic_cast<ovt::IDeadOilConstantCompressTable const*>(&table) != nullptr) {
    return "dead oil, constant compressibility";
  }
  return dynamic_cast<ovt::IDeadOilTable const*>(&table) != nullptr ? "dead oil" : "live oil";
}

void printOil(ovt::IBlackOilModel const& model) {
  for (int region = 1; region <= model.getNumOfOilTables(); ++region) {
    auto const* table = model.getOilTable(region);
    if (table == nullptr) {
      continue;
    }
    std::printf("  oil, region %d: %s, %d saturated rows\n", region, kindOf(*table),
                table->getSaturatedSize());
    // The library's own view: a live-oil table whose Rs never changes is dead oil in
    // disguise, and could be stored as the simpler kind.
    double dissolvedGas = 0.0;
    if (ovt::isDeadOil(*table, &dissolvedGas, nullptr)) {
      std::printf("    behaves as dead oil with dissolved gas %g\n", dissolvedGas);
    }
    for (int row = 0; row < table->getSaturatedSize(); ++row) {
      double residual = 0.0;
      double const c = ovt::findConstantUndersaturatedCompressibility(*table, row, &residual);
      if (table->getUndersaturatedSize(row) >= 2) {
        std::printf("    row %d: Rs %g, undersaturated compressibility %.3e (residual %.1e)\n", row,
                    table->getGasOilRatio(row), c, residual);
      }
    }
  }
}

void printInitialConditions(ovt::IBlackOilModel const& model, deck::ImportReport const& report) {
  for (auto const& name : report.initialConditions) {
    auto const& condition = model.getInitialCondition(name);
    std::printf("  %s: datum %g at %g, contacts %g (gas-oil) and %g (water)\n", name.c_str(),
                condition.getDatumPressure(), condition.getDatumDepth(),
                condition.getGasOilContactDepth(), condition.getWaterContactDepth());
    auto const rs = ovt::IInitialCondition::Property::SolutionGasOilRatio;
    if (condition.hasDepthTable(rs)) {
      // Read the dissolved gas where the equilibration starts: at the datum.
      std::printf(
          "    Rs at the datum: %g\n",
          ovt::interpolate(condition.getDepthTable(rs), condition.getDatumDepth(), 0, false));
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string const path = argc > 1 ? argv[1] : ORV_EXAMPLE_DECK;
  ovt::StdFluidModels models;
  try {
    auto const report = deck::importDeckFile(models, path, "CASE");
    auto const& model = dynamic_cast<ovt::IBlackOilModel const&>(
        static_cast<ovt::IFluidModels const&>(models).getFluidModel(report.modelName));
    std::printf("%s: model '%s', %s units\n", path.c_str(), report.modelName.c_str(),
                report.unitSystem.c_str());
    printOil(model);
    if (auto const* gas = model.getGasTable()) {
      std::printf("  gas: %s, %d pressures\n",
                  ovt::isDryGas(*gas, nullptr, nullptr) ? "dry" : "wet", gas->getSaturatedSize());
    }
    if (auto const* water = model.getWaterProperties()) {
      std::printf("  water: Bw %g at %g, viscosity %g\n", water->getFormationVolumeFactor(),
                  water->getPressure(), water->getViscosity());
    }
    printInitialConditions(model, report);
    for (auto const& tracer : report.tracers) {
      std::printf("  tracer %s in %s\n", tracer.c_str(),
                  models.getTracerModel(tracer).getComponentName().c_str());
    }
    for (auto const& keyword : report.notImported) {
      std::printf("  not imported: %s\n", keyword.c_str());
    }
  } catch (deck::DeckError const& e) {
    // The registry is as it was: a host may report the error and carry on.
    std::printf("%s could not be imported:\n%s\n", path.c_str(), e.what());
    std::printf("fluid models left in the registry: %zu\n", models.getFluidModelNames().size());
    return 1;
  }
  return 0;
}
