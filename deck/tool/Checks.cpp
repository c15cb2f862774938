// Physical consistency checks that the deck format does not enforce and that otherwise
// surface only when a simulator fails on the deck.
#include <sstream>

#include "Orv/Tess/Varnak/IBlackOilModel.h"
#include "Orv/Tess/Varnak/IDepthTable.h"
#include "Orv/Tess/Varnak/IGasTable.h"
#include "Orv/Tess/Varnak/IInitialCondition.h"
#include "Orv/Tess/Varnak/IOilTable.h"
#include "Orv/Tess/Varnak/IWaterProperties.h"
#include "Summary.h"

namespace Orv::Tess::Varnak::Deck::tool {
namespace {

class Findings {
 public:
  void expect(bool holds, std::string const& where, std::string const& what) {
    if (!holds) {
      lines_.push_back(where + ": " + what);
    }
  }
  std::vector<std::string> take() { return std::move(lines_); }

 private:
  std::vector<std::string> lines_;
};

std::string at(std::string const& table, int row) {
  return table + ", row " + std::to_string(row + 1);
}

// Along one undersaturated branch the fluid is compressed: pressure rises, so the
// formation volume factor falls and the viscosity does not fall.
void checkOilBranch(IOilTable const& table, int i, std::string const& name, Findings& out) {
  for (int j = 0; j < table.getUndersaturatedSize(i); ++j) {
    out.expect(table.getViscosity(i, j) > 0.0, at(name, i), "viscosity not positive");
    if (j == 0) {
      continue;
    }
    out.expect(table.getPressure(i, j) > table.getPressure(i, j - 1), at(name, i),
               "pressure not increasing along the undersaturated branch");
    out.expect(table.getFormationVolumeFactor(i, j) < table.getFormationVolumeFactor(i, j - 1),
               at(name, i), "formation volume factor not decreasing with pressure");
    out.expect(table.getViscosity(i, j) >= table.getViscosity(i, j - 1), at(name, i),
               "viscosity decreasing with pressure");
  }
}

void checkOil(IOilTable const& table, int region, Findings& out) {
  std::string const name = "oil, PVT region " + std::to_string(region);
  out.expect(table.getSurfaceDensity() > 0.0, name, "surface density not positive");
  for (int i = 0; i < table.getSaturatedSize(); ++i) {
    checkOilBranch(table, i, name, out);
    if (i == 0 || table.getUndersaturatedSize(i) == 0 || table.getUndersaturatedSize(i - 1) == 0) {
      continue;
    }
    out.expect(table.getGasOilRatio(i) > table.getGasOilRatio(i - 1), at(name, i),
               "gas-oil ratio not increasing");
    out.expect(table.getPressure(i, 0) > table.getPressure(i - 1, 0), at(name, i),
               "bubble point pressure not increasing");
  }
}

void checkGas(IGasTable const& table, Findings& out) {
  std::string const name = "gas";
  out.expect(table.getSurfaceDensity() > 0.0, name, "surface density not positive");
  for (int i = 0; i < table.getSaturatedSize(); ++i) {
    if (i > 0) {
      out.expect(table.getPressure(i) > table.getPressure(i - 1), at(name, i),
                 "pressure not increasing");
    }
    for (int j = 0; j < table.getUndersaturatedSize(i); ++j) {
      out.expect(table.getViscosity(i, j) > 0.0, at(name, i), "viscosity not positive");
      out.expect(table.getFormationVolumeFactor(i, j) > 0.0, at(name, i),
                 "formation volume factor not positive");
    }
  }
}

void checkInitialCondition(IInitialCondition const& condition, std::string const& name,
                           Findings& out) {
  double const gasOil = condition.getGasOilContactDepth();
  double const water = condition.getWaterContactDepth();
  double const datum = condition.getDatumDepth();
  out.expect(gasOil <= water, name, "gas-oil contact below the water contact");
  out.expect(gasOil <= datum && datum <= water, name,
             "datum depth outside the gas-oil and water contacts");
  for (int property = 0; property < 12; ++property) {
    auto const key = static_cast<IInitialCondition::Property>(property);
    if (!condition.hasDepthTable(key)) {
      continue;
    }
    auto const& table = condition.getDepthTable(key);
    for (int d = 1; d < table.getNumDepths(); ++d) {
      out.expect(
          table.getDepth(d) > table.getDepth(d - 1),
          name + ", depth table " + std::to_string(property) + ", row " + std::to_string(d + 1),
          "depths not increasing");
    }
  }
}

}  // namespace

std::vector<std::string> check(IBlackOilModel const& model) {
  Findings out;
  out.expect(model.oilDensity() > 0.0, "densities", "oil density not positive");
  out.expect(model.gasDensity() > 0.0, "densities", "gas density not positive");
  for (int region = 1; region <= model.getNumOfOilTables(); ++region) {
    if (auto const* table = model.getOilTable(region)) {
      checkOil(*table, region, out);
    }
  }
  if (auto const* gas = model.getGasTable()) {
    checkGas(*gas, out);
  }
  if (auto const* water = model.getWaterProperties()) {
    out.expect(water->getSurfaceDensity() > 0.0, "water", "surface density not positive");
    out.expect(water->getViscosity() > 0.0, "water", "viscosity not positive");
  }
  auto& names = const_cast<IBlackOilModel&>(model);  // getInitialConditionNames is non-const
  for (auto const& name : names.getInitialConditionNames()) {
    checkInitialCondition(model.getInitialCondition(name), "initial condition " + name, out);
  }
  return out.take();
}

}  // namespace Orv::Tess::Varnak::Deck::tool
