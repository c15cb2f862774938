// Builds varnak-deck's summary from an imported model and writes it as text or JSON.
#include "Summary.h"

#include <cmath>
#include <cstdio>
#include <iomanip>
#include <sstream>

#include "Orv/Tess/Varnak/BlackOilAnalysis.h"
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

namespace Orv::Tess::Varnak::Deck::tool {
namespace {

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

std::string perPressure(UnitLabels const& units) { return std::string("1/") + units.pressure; }

std::string column(char const* name, std::string const& unit) {
  return unit.empty() ? name : std::string(name) + " [" + unit + "]";
}

Section oilSection(IOilTable const& table, int region, UnitLabels const& units) {
  Section section{"Oil, PVT region " + std::to_string(region), {}, {}};
  auto const* deadConstant = dynamic_cast<IDeadOilConstantCompressTable const*>(&table);
  auto const* dead = dynamic_cast<IDeadOilTable const*>(&table);
  section.facts.emplace_back("kind", deadConstant ? "dead oil, constant compressibility"
                                     : dead       ? "dead oil"
                                                  : "live oil");
  section.facts.emplace_back("surface density",
                             number(table.getSurfaceDensity()) + " " + units.density);
  if (dead) {
    section.facts.emplace_back("dissolved gas",
                               number(dead->getDissolvedGas()) + " " + units.gasOilRatio);
    section.facts.emplace_back("bubble point pressure",
                               number(dead->getBubblePointPressure()) + " " + units.pressure);
  }
  if (deadConstant) {
    section.facts.emplace_back(
        "oil compressibility",
        number(deadConstant->getOilCompressibility()) + " " + perPressure(units));
    section.facts.emplace_back("oil viscosibility", number(deadConstant->getOilViscosibility()) +
                                                        " " + perPressure(units));
  }
  double dissolved = 0.0;
  bool hasEntry = table.getSaturatedSize() > 0 && table.getUndersaturatedSize(0) > 0;
  double bubble = 0.0;
  bool const isDead = isDeadOil(table, &dissolved, hasEntry ? &bubble : nullptr);
  section.facts.emplace_back("analysis: dead oil",
                             isDead ? "yes (dissolved gas " + number(dissolved) + ")" : "no");
  section.facts.emplace_back("analysis: constant undersaturated compressibility",
                             hasConstantUndersaturatedCompressibility(table) ? "yes" : "no");

  Table rows{"Rows",
             {column("Rs", units.gasOilRatio), column("P", units.pressure),
              column("Bo", units.oilVolumeFactor), column("viscosity", "cP")},
             {}};
  Table fits{"Undersaturated fit per saturated row",
             {column("Rs", units.gasOilRatio), column("compressibility", perPressure(units)),
              "residual", column("viscosibility", perPressure(units)), "residual"},
             {}};
  for (int i = 0; i < table.getSaturatedSize(); ++i) {
    for (int j = 0; j < table.getUndersaturatedSize(i); ++j) {
      rows.rows.push_back({table.getGasOilRatio(i), table.getPressure(i, j),
                           table.getFormationVolumeFactor(i, j), table.getViscosity(i, j)});
    }
    if (table.getUndersaturatedSize(i) >= 2) {
      double compressibilityResidual = 0.0;
      double viscosibilityResidual = 0.0;
      double const c =
          findConstantUndersaturatedCompressibility(table, i, &compressibilityResidual);
      double const v = findConstantUndersaturatedViscosibility(table, i, &viscosibilityResidual);
      fits.rows.push_back(
          {table.getGasOilRatio(i), c, compressibilityResidual, v, viscosibilityResidual});
    }
  }
  section.tables.push_back(std::move(rows));
  if (!fits.rows.empty()) {
    section.tables.push_back(std::move(fits));
  }
  return section;
}

Section gasSection(IGasTable const& table, UnitLabels const& units) {
  Section section{"Gas", {}, {}};
  auto const* dry = dynamic_cast<IDryGasTable const*>(&table);
  section.facts.emplace_back("kind", dry ? "dry gas" : "wet gas");
  section.facts.emplace_back("surface density",
                             number(table.getSurfaceDensity()) + " " + units.density);
  if (dry) {
    section.facts.emplace_back("vaporized oil",
                               number(dry->getVaporizedOil()) + " " + units.oilGasRatio);
    section.facts.emplace_back("dew point pressure",
                               number(dry->getDewPointPressure()) + " " + units.pressure);
  }
  double vaporized = 0.0;
  bool const isDry = isDryGas(table, &vaporized, nullptr);
  section.facts.emplace_back("analysis: dry gas",
                             isDry ? "yes (vaporized oil " + number(vaporized) + ")" : "no");
  Table rows{"Rows",
             {column("P", units.pressure), column("Rv", units.oilGasRatio),
              column("Bg", units.gasVolumeFactor), column("viscosity", "cP")},
             {}};
  for (int i = 0; i < table.getSaturatedSize(); ++i) {
    for (int j = 0; j < table.getUndersaturatedSize(i); ++j) {
      rows.rows.push_back({table.getPressure(i), table.getOilGasRatio(i, j),
                           table.getFormationVolumeFactor(i, j), table.getViscosity(i, j)});
    }
  }
  section.tables.push_back(std::move(rows));
  return section;
}

Section waterSection(IWaterProperties const& water, UnitLabels const& units) {
  Section section{"Water", {}, {}};
  section.facts = {
      {"surface density", number(water.getSurfaceDensity()) + " " + units.density},
      {"reference pressure", number(water.getPressure()) + " " + units.pressure},
      {"formation volume factor",
       number(water.getFormationVolumeFactor()) + " " + units.oilVolumeFactor},
      {"compressibility", number(water.getCompressibility()) + " " + perPressure(units)},
      {"viscosity", number(water.getViscosity()) + " cP"},
      {"viscosibility", number(water.getViscosibility()) + " " + perPressure(units)},
  };
  if (auto const* brine = water.getBrinePropertyTable()) {
    section.facts.emplace_back("brine reference pressure",
                               number(brine->getReferencePressure()) + " " + units.pressure);
    section.facts.emplace_back(
        "brine reference salt concentration",
        number(brine->getReferenceSaltConcentration()) + " " + units.salinity);
    Table rows{"Brine",
               {column("salt", units.salinity), column("density", units.density),
                column("Bw", units.oilVolumeFactor), column("compressibility", perPressure(units)),
                column("viscosity", "cP"), column("viscosibility", perPressure(units))},
               {}};
    for (int i = 0; i < brine->getTableSize(); ++i) {
      rows.rows.push_back({brine->getSaltConcentration(i), brine->getBrineSurfaceDensity(i),
                           brine->getFormationVolumeFactor(i), brine->getCompressibility(i),
                           brine->getViscosity(i), brine->getViscosibility(i)});
    }
    section.tables.push_back(std::move(rows));
  }
  return section;
}

char const* depthPropertyName(int property) {
  switch (static_cast<IInitialCondition::Property>(property)) {
    case IInitialCondition::Property::SolutionGasOilRatio:
      return "Rs";
    case IInitialCondition::Property::VaporizedOilGasRatio:
      return "Rv";
    case IInitialCondition::Property::BubblePointPressure:
      return "bubble point";
    case IInitialCondition::Property::DewPointPressure:
      return "dew point";
    case IInitialCondition::Property::Temperature:
      return "temperature";
    case IInitialCondition::Property::SaltConcentration:
      return "salt";
    default:
      return "value";
  }
}

std::string depthPropertyUnit(int property, UnitLabels const& units) {
  switch (static_cast<IInitialCondition::Property>(property)) {
    case IInitialCondition::Property::SolutionGasOilRatio:
      return units.gasOilRatio;
    case IInitialCondition::Property::VaporizedOilGasRatio:
      return units.oilGasRatio;
    case IInitialCondition::Property::BubblePointPressure:
    case IInitialCondition::Property::DewPointPressure:
      return units.pressure;
    case IInitialCondition::Property::Temperature:
      return units.temperature;
    case IInitialCondition::Property::SaltConcentration:
      return units.salinity;
    default:
      return "";
  }
}

Section initialSection(IInitialCondition& condition, UnitLabels const& units) {
  Section section{"Initial condition " + condition.getName(), {}, {}};
  std::string const length = std::string(" ") + units.length;
  std::string const pressure = std::string(" ") + units.pressure;
  section.facts = {
      {"datum depth", number(condition.getDatumDepth()) + length},
      {"datum pressure", number(condition.getDatumPressure()) + pressure},
      {"gas-oil contact depth", number(condition.getGasOilContactDepth()) + length},
      {"gas-oil contact capillary pressure",
       number(condition.getGasOilContactCapillaryPressure()) + pressure},
      {"water contact depth", number(condition.getWaterContactDepth()) + length},
      {"water contact capillary pressure",
       number(condition.getWaterContactCapillaryPressure()) + pressure},
  };
  for (int property = 0; property < 12; ++property) {
    auto const key = static_cast<IInitialCondition::Property>(property);
    if (!condition.hasDepthTable(key)) {
      continue;
    }
    auto const& table = static_cast<IInitialCondition const&>(condition).getDepthTable(key);
    Table rows{std::string(depthPropertyName(property)) + " against depth",
               {column("depth", units.length),
                column(depthPropertyName(property), depthPropertyUnit(property, units))},
               {}};
    for (int d = 0; d < table.getNumDepths(); ++d) {
      rows.rows.push_back({table.getDepth(d), table.getProperty(d, 0)});
    }
    section.tables.push_back(std::move(rows));
  }
  return section;
}

void addSolventSections(IBlackOilModel const& model, UnitLabels const& units,
                        std::vector<Section>& sections) {
  if (auto const* solvent = model.getSolventTable()) {
    Section section{"Solvent", {}, {}};
    section.facts.emplace_back("surface density",
                               number(solvent->getSurfaceDensity()) + " " + units.density);
    Table rows{"Rows",
               {column("P", units.pressure), column("Bs", units.gasVolumeFactor),
                column("viscosity", "cP")},
               {}};
    for (int i = 0; i < solvent->getSize(); ++i) {
      rows.rows.push_back({solvent->getPressure(i), solvent->getFormationVolumeFactor(i),
                           solvent->getViscosity(i)});
    }
    section.tables.push_back(std::move(rows));
    sections.push_back(std::move(section));
  }
  if (auto const* miscibility = model.getMiscibilityTable()) {
    Section section{"Miscibility", {}, {}};
    section.facts.emplace_back("viscosity mixing parameter",
                               number(miscibility->getViscosityMixingParameter()));
    section.facts.emplace_back("density mixing parameter",
                               number(miscibility->getDensityMixingParameter()));
    Table rows{"Rows", {column("oil P", units.pressure), "miscibility"}, {}};
    for (int i = 0; i < miscibility->getSize(); ++i) {
      rows.rows.push_back({miscibility->getOilPressure(i), miscibility->getMiscibility(i)});
    }
    section.tables.push_back(std::move(rows));
    sections.push_back(std::move(section));
  }
}

Section tracerSection(ITracerModel& tracer, UnitLabels const& units) {
  Section section{"Tracer " + tracer.getName(), {{"carried by", tracer.getComponentName()}}, {}};
  for (auto type : {ITracerModel::DepthTableType::FreePhaseConcentration,
                    ITracerModel::DepthTableType::SolutionPhaseConcentration}) {
    for (int region = 0; auto const* table = tracer.getDepthTable(type, region); ++region) {
      Table rows{
          std::string(type == ITracerModel::DepthTableType::FreePhaseConcentration ? "free"
                                                                                   : "solution") +
              " concentration against depth, region " + std::to_string(region + 1),
          {column("depth", units.length), "concentration"},
          {}};
      for (int d = 0; d < table->getNumDepths(); ++d) {
        rows.rows.push_back({table->getDepth(d), table->getConcentration(d)});
      }
      section.tables.push_back(std::move(rows));
    }
  }
  return section;
}

std::string joined(std::vector<std::string> const& names) {
  std::string text;
  for (auto const& name : names) {
    text += (text.empty() ? "" : ", ") + name;
  }
  return text.empty() ? "none" : text;
}

}  // namespace

UnitLabels unitLabels(std::string const& unitSystem) {
  if (unitSystem == "FIELD") {
    return {"psia", "Mscf/stb", "stb/Mscf", "rb/stb", "rb/Mscf", "lb/ft3", "ft", "F", "lb/stb"};
  }
  if (unitSystem == "LAB") {
    return {"atm", "scc/scc", "scc/scc", "rcc/scc", "rcc/scc", "g/cc", "cm", "C", "g/cc"};
  }
  if (unitSystem == "PVT-M") {
    return {"atm", "sm3/sm3", "sm3/sm3", "rm3/sm3", "rm3/sm3", "kg/m3", "m", "C", "kg/m3"};
  }
  return {"bar", "sm3/sm3", "sm3/sm3", "rm3/sm3", "rm3/sm3", "kg/m3", "m", "C", "kg/m3"};
}

std::vector<Section> summarize(IBlackOilModel& model, ImportReport const& report,
                               IFluidModels& models) {
  auto const units = unitLabels(report.unitSystem);
  std::vector<Section> sections;
  sections.push_back({"Deck",
                      {{"unit system", report.unitSystem},
                       {"model", report.modelName},
                       {"oil density", number(model.oilDensity()) + " " + units.density},
                       {"gas density", number(model.gasDensity()) + " " + units.density},
                       {"not imported", joined(report.notImported)}},
                      {}});
  for (int region = 1; region <= model.getNumOfOilTables(); ++region) {
    if (auto const* table = model.getOilTable(region)) {
      sections.push_back(oilSection(*table, region, units));
    }
  }
  if (auto const* gas = model.getGasTable()) {
    sections.push_back(gasSection(*gas, units));
  }
  if (auto const* water = model.getWaterProperties()) {
    sections.push_back(waterSection(*water, units));
  }
  addSolventSections(model, units, sections);
  for (auto const& name : report.initialConditions) {
    sections.push_back(initialSection(model.getInitialCondition(name), units));
  }
  for (auto const& name : report.tracers) {
    sections.push_back(tracerSection(models.getTracerModel(name), units));
  }
  return sections;
}

void writeText(std::ostream& out, std::vector<Section> const& sections) {
  for (auto const& section : sections) {
    out << section.title << "\n";
    for (auto const& [name, value] : section.facts) {
      out << "  " << name << ": " << value << "\n";
    }
    for (auto const& table : section.tables) {
      out << "  " << table.title << "\n";
      std::vector<std::size_t> widths;
      for (auto const& name : table.columns) {
        widths.push_back(std::max<std::size_t>(name.size(), 12));
      }
      out << "   ";
      for (std::size_t c = 0; c < table.columns.size(); ++c) {
        out << " " << std::setw(static_cast<int>(widths[c])) << table.columns[c];
      }
      out << "\n";
      for (auto const& row : table.rows) {
        out << "   ";
        for (std::size_t c = 0; c < row.size(); ++c) {
          out << " " << std::setw(static_cast<int>(widths[c])) << number(row[c]);
        }
        out << "\n";
      }
    }
    out << "\n";
  }
}

namespace {

std::string quoted(std::string const& text) {
  std::string result = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      result += '\\';
      result += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      result += escape;
    } else {
      result += c;
    }
  }
  return result + "\"";
}

// JSON has no infinities or NaN: a fit without an answer is written as null.
std::string jsonNumber(double value) { return std::isfinite(value) ? number(value) : "null"; }

template <typename Items, typename Write>
void jsonList(std::ostream& out, Items const& items, Write write) {
  out << "[";
  bool first = true;
  for (auto const& item : items) {
    out << (first ? "" : ",");
    first = false;
    write(item);
  }
  out << "]";
}

}  // namespace

void writeJson(std::ostream& out, std::vector<Section> const& sections,
               std::vector<std::string> const& failedChecks, bool checked) {
  out << "{\"sections\":";
  jsonList(out, sections, [&](Section const& section) {
    out << "{\"title\":" << quoted(section.title) << ",\"facts\":{";
    bool first = true;
    for (auto const& [name, value] : section.facts) {
      out << (first ? "" : ",") << quoted(name) << ":" << quoted(value);
      first = false;
    }
    out << "},\"tables\":";
    jsonList(out, section.tables, [&](Table const& table) {
      out << "{\"title\":" << quoted(table.title) << ",\"columns\":";
      jsonList(out, table.columns, [&](std::string const& name) { out << quoted(name); });
      out << ",\"rows\":";
      jsonList(out, table.rows, [&](std::vector<double> const& row) {
        jsonList(out, row, [&](double value) { out << jsonNumber(value); });
      });
      out << "}";
    });
    out << "}";
  });
  if (checked) {
    out << ",\"checks\":";
    jsonList(out, failedChecks, [&](std::string const& finding) { out << quoted(finding); });
  }
  out << "}\n";
}

}  // namespace Orv::Tess::Varnak::Deck::tool
