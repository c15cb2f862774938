// Copying a black-oil model into another one, choosing the parts with the flag word. The
// target keeps whatever the chosen parts do not cover: here a sector model receives the
// field's water, initial conditions and oil tables, but keeps its own dry-gas table.
#include <cstdio>
#include <string>

#include "Orv/Tess/Varnak.h"
#include "Sections.h"

namespace ovt = Orv::Tess::Varnak;

namespace {

// The flag bits of the copy functions.
constexpr int kWater = 1;
constexpr int kInitialConditions = 2;
constexpr int kDepthTables = 4;
constexpr int kGasTable = 8;
constexpr int kOilTables = 16;

using Property = ovt::IInitialCondition::Property;

// One line per observable part of a model, so that the source and the target before and
// after the copy can be printed side by side.
struct Summary {
  std::string gasDensity, waterViscosity, waterKValueA, brineSalts, datumDepth, rsRows, other;
  std::string gasTable, oil1, oil2, oil3, solvent;
};

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  return text;
}

std::string oilRegion(ovt::IBlackOilModel const& model, int region) {
  ovt::IOilTable const* table = model.getOilTable(region);
  if (table == nullptr) return "-";
  bool const compressible = dynamic_cast<ovt::ICompressibleOilTable const*>(table) != nullptr;
  return std::string(compressible ? "compressible" : "live") + ", " +
         std::to_string(table->getSaturatedSize()) + " rows";
}

Summary summarise(ovt::IBlackOilModel& model) {
  ovt::IBlackOilModel const& view = model;
  Summary s;
  s.gasDensity = number(view.gasDensity());
  ovt::IWaterProperties const* water = view.getWaterProperties();
  s.waterViscosity = water != nullptr ? number(water->getViscosity()) : "-";
  s.waterKValueA = water != nullptr ? number(water->getKValueCoefficientA()) : "-";
  s.brineSalts = water != nullptr ? std::to_string(water->getNumBrineComponents()) : "-";
  auto const names = model.getInitialConditionNames();
  if (names.count("EQUIL") != 0) {
    ovt::IInitialCondition const& equil = view.getInitialCondition("EQUIL");
    s.datumDepth = number(equil.getDatumDepth());
    s.rsRows =
        equil.hasDepthTable(Property::SolutionGasOilRatio)
            ? std::to_string(equil.getDepthTable(Property::SolutionGasOilRatio).getNumDepths())
            : "-";
  } else {
    s.datumDepth = s.rsRows = "-";
  }
  s.other = names.count("AQUIFER") != 0 ? "present" : "-";
  ovt::IGasTable const* gas = view.getGasTable();
  s.gasTable = gas == nullptr
                   ? "-"
                   : (dynamic_cast<ovt::IDryGasTable const*>(gas) != nullptr ? "dry, " : "wet, ") +
                         std::to_string(gas->getSaturatedSize()) + " rows";
  s.oil1 = oilRegion(view, 1);
  s.oil2 = oilRegion(view, 2);
  s.oil3 = oilRegion(view, 3);
  s.solvent = view.getSolventTable() != nullptr ? "present" : "-";
  return s;
}

void fillOil(ovt::IOilTable& table, int rows, double surfaceDensity) {
  table.setSaturatedSize(rows);
  for (int i = 0; i < rows; ++i) {
    table.setGasOilRatio(i, 20.0 * (i + 1));
    table.setUndersaturatedSize(i, 1);
    table.setPressure(i, 0, 50.0 + 40.0 * i);
    table.setFormationVolumeFactor(i, 0, 1.1 + 0.05 * i);
    table.setViscosity(i, 0, 1.2 - 0.1 * i);
  }
  table.setSurfaceDensity(surfaceDensity);
}

void fillGas(ovt::IGasTable& table, int rows) {
  table.setSaturatedSize(rows);
  for (int i = 0; i < rows; ++i) {
    table.setPressure(i, 50.0 + 50.0 * i);
    table.setUndersaturatedSize(i, 1);
    table.setFormationVolumeFactor(i, 0, 0.02 / (i + 1));
    table.setViscosity(i, 0, 0.015 + 0.002 * i);
  }
}

void fillRs(ovt::IInitialCondition& ic, int rows) {
  ovt::IDepthTable& rs = ic.getDepthTable(Property::SolutionGasOilRatio);
  rs.setNumComponents(1);
  rs.setNumDepths(rows);
  for (int d = 0; d < rows; ++d) {
    rs.setDepth(d, 2000.0 + 100.0 * d);
    rs.setProperty(d, 0, 90.0 + 5.0 * d);
  }
}

}  // namespace

void showCopies() {
  std::printf("\nCopying a black-oil model\n");

  // The field model: everything a full description holds.
  ovt::StdBlackOilModel field("FIELD");
  field.gasDensity(0.85);
  field.oilDensity(860.0);
  ovt::IWaterProperties& fieldWater = field.makeWaterProperties();
  fieldWater.setViscosity(0.48);
  fieldWater.setKValueCoefficientA(1.5);
  ovt::IInitialCondition& fieldEquil = field.makeInitialCondition("EQUIL");
  fieldEquil.setDatumDepth(2150.0);
  fillRs(fieldEquil, 4);
  fillGas(field.makeGasTable(), 5);
  fillOil(field.makeOilTable(1), 6, 860.0);
  ovt::ICompressibleOilTable& heavy = field.makeCompressibleOilTable(2);
  fillOil(heavy, 3, 905.0);
  field.makeSolventTable().setSize(2);

  // The sector model: its own water with brine, two initial conditions, a dry-gas table
  // and three oil regions.
  ovt::StdBlackOilModel sector("SECTOR");
  sector.gasDensity(0.80);
  ovt::IWaterProperties& sectorWater = sector.makeWaterProperties();
  sectorWater.setViscosity(0.55);
  sectorWater.setKValueCoefficientA(2.5);
  sectorWater.makeBrineComponent(ovt::IBrineComponent::SaltMoleculeType::NACL);
  sector.makeInitialCondition("EQUIL").setDatumDepth(1900.0);
  sector.makeInitialCondition("AQUIFER");
  fillGas(sector.makeDryGasTable(), 2);
  fillOil(sector.makeOilTable(1), 2, 850.0);
  fillOil(sector.makeOilTable(2), 2, 850.0);
  fillOil(sector.makeOilTable(3), 2, 850.0);

  Summary const source = summarise(field);
  Summary const before = summarise(sector);
  int const flags = kWater | kInitialConditions | kDepthTables | kOilTables;
  ovt::copy(field, sector, flags);
  Summary const after = summarise(sector);
  ovt::copy(field, sector, kGasTable);
  Summary const withGas = summarise(sector);

  std::printf("  flags %d (water, initial conditions, depth tables, oil tables), then %d (gas)\n",
              flags, kGasTable);
  std::printf("  %-24s %-22s %-22s %-22s %s\n", "part", "FIELD (source)", "SECTOR before",
              "after flags 23", "after flag 8");
  auto row = [&](char const* part, std::string const Summary::*member) {
    std::printf("  %-24s %-22s %-22s %-22s %s\n", part, (source.*member).c_str(),
                (before.*member).c_str(), (after.*member).c_str(), (withGas.*member).c_str());
  };
  row("gas density (kg/m3)", &Summary::gasDensity);
  row("water viscosity (cP)", &Summary::waterViscosity);
  row("water K-value coeff. A", &Summary::waterKValueA);
  row("brine salts", &Summary::brineSalts);
  row("EQUIL datum depth (m)", &Summary::datumDepth);
  row("EQUIL Rs depth rows", &Summary::rsRows);
  row("AQUIFER condition", &Summary::other);
  row("gas table", &Summary::gasTable);
  row("oil region 1", &Summary::oil1);
  row("oil region 2", &Summary::oil2);
  row("oil region 3", &Summary::oil3);
  row("solvent table", &Summary::solvent);
  std::printf(
      "  The densities always travel; of the water only its six basic numbers do (the K-value\n"
      "  coefficient and the brine stay the sector's). Initial conditions are matched by name,\n"
      "  oil regions 1 to %d are visited (region 3 is kept), a region's existing table keeps\n"
      "  its kind unless the source's is compressible, the dry-gas table keeps its kind, and\n"
      "  solvent tables are copied only on their own.\n",
      field.getNumOfOilTables());
}
