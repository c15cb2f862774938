// Reads a deck with OPM's parser and maps its fluid keywords onto a FluidDeck.
//
// OPM's own tools read a deck in three steps, and so does this file: Opm::Parser turns the
// text into an Opm::Deck under an Opm::ParseContext (which errors throw, which are let
// pass); Opm::TableManager builds the PVT and depth tables from it, in SI units; the few
// keywords without a table class (EQUIL, TRACER, RSCONST, RVCONST) are read through their
// own OPM classes or the deck. Every value is then converted back from SI with the deck's
// Opm::UnitSystem, so that the model holds the numbers the engineer wrote.
//
// This is the only translation unit that includes OPM: its headers are heavy, and its
// types stay out of everything else.
#include "OpmDeckReader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <new>
#include <opm/input/eclipse/Deck/Deck.hpp>
#include <opm/input/eclipse/Deck/DeckKeyword.hpp>
#include <opm/input/eclipse/EclipseState/InitConfig/Equil.hpp>
#include <opm/input/eclipse/EclipseState/Runspec.hpp>
#include <opm/input/eclipse/EclipseState/Tables/BrineDensityTable.hpp>
#include <opm/input/eclipse/EclipseState/Tables/FlatTable.hpp>
#include <opm/input/eclipse/EclipseState/Tables/PvtgTable.hpp>
#include <opm/input/eclipse/EclipseState/Tables/PvtoTable.hpp>
#include <opm/input/eclipse/EclipseState/Tables/PvtwsaltTable.hpp>
#include <opm/input/eclipse/EclipseState/Tables/SimpleTable.hpp>
#include <opm/input/eclipse/EclipseState/Tables/SolventDensityTable.hpp>
#include <opm/input/eclipse/EclipseState/Tables/TLMixpar.hpp>
#include <opm/input/eclipse/EclipseState/Tables/TableContainer.hpp>
#include <opm/input/eclipse/EclipseState/Tables/TableManager.hpp>
#include <opm/input/eclipse/EclipseState/Tables/TracerVdTable.hpp>
#include <opm/input/eclipse/EclipseState/TracerConfig.hpp>
#include <opm/input/eclipse/Parser/ErrorGuard.hpp>
#include <opm/input/eclipse/Parser/InputErrorAction.hpp>
#include <opm/input/eclipse/Parser/ParseContext.hpp>
#include <opm/input/eclipse/Parser/Parser.hpp>
#include <opm/input/eclipse/Units/UnitSystem.hpp>
#include <set>
#include <sstream>

#include "Orv/Tess/Varnak/IInitialCondition.h"
#include "Orv/Tess/Varnak/ITracerModel.h"

namespace Orv::Tess::Varnak::Deck::detail {
namespace {

using Measure = Opm::UnitSystem::measure;
using Property = IInitialCondition::Property;

// Fluid keywords OPM reads that have no place in a black-oil model, and the compositional
// keywords some OPM versions know; each found in a deck is reported, never dropped.
char const* const kNotImported[] = {
    "PVTGW",    "PVTGWO",   "PVTSOL",   "RWGSALT",  "SALTPVD",  "SALTSOL",  "RVWVD",
    "WATDENT",  "VISCREF",  "OILVISCT", "GASVISCT", "WATVISCT", "SPECHEAT", "DIFFC",
    "STCOND",   "MISC",     "TLPMIXPA", "SSFN",     "MSFN",     "SORWMIS",  "SGCWMIS",
    "RSCONSTT", "RVCONSTT", "OILDENT",  "GASDENT",  "OILCOMPR", "OILMW",    "COMPS",
    "CNAMES",   "EOS",      "TCRIT",    "PCRIT",    "VCRIT",    "ZCRIT",    "MW",
    "ACF",      "BIC",      "SSHIFT",   "PARACHOR", "ZMFVD",    "XMFVD",    "YMFVD",
    "OMEGAA",   "OMEGAB",   "TREF",     "PREF",     "PREFS",    "DNGL",     "KVTABLE"};

// The keywords whose tables TableManager builds from this import's point of view; a
// table error is traced to the first of them that fails on its own.
char const* const kTableKeywords[] = {"PVTO",    "PVDO",    "PVCDO",    "PVTG",     "PVDG",
                                      "DENSITY", "GRAVITY", "PVTW",     "PVTWSALT", "BDENSITY",
                                      "RSVD",    "RVVD",    "PBVD",     "PDVD",     "SALTVD",
                                      "RTEMPVD", "PVDS",    "SDENSITY", "PMISC",    "TLMIXPAR"};

// Keywords that size the tables; a keyword tested alone needs them.
char const* const kDimensionKeywords[] = {"TABDIMS", "EQLDIMS", "REGDIMS", "MISCIBLE", "TRACERS",
                                          "METRIC",  "FIELD",   "LAB",     "PVT-M"};

std::string unitSystemName(Opm::UnitSystem const& units) {
  switch (units.getType()) {
    case Opm::UnitSystem::UnitType::UNIT_TYPE_FIELD:
      return "FIELD";
    case Opm::UnitSystem::UnitType::UNIT_TYPE_LAB:
      return "LAB";
    case Opm::UnitSystem::UnitType::UNIT_TYPE_PVT_M:
      return "PVT-M";
    default:
      return "METRIC";
  }
}

// Converts OPM's SI values back to the deck's units.
class Units {
 public:
  explicit Units(Opm::UnitSystem const& system) : system_(system) {}
  double operator()(Measure measure, double si) const { return system_.from_si(measure, si); }
  // Compressibility and viscosibility are per unit of pressure.
  double perPressure(double si) const { return si / system_.from_si(Measure::pressure, 1.0); }

 private:
  Opm::UnitSystem const& system_;
};

std::string trimmed(std::string const& text) {
  auto const end = text.find_last_not_of(" \t\r\n");
  return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

std::string located(Opm::KeywordLocation const& where, std::string const& reason) {
  return "Problem with keyword " + where.keyword + "\nIn " + where.filename + " line " +
         std::to_string(where.lineno) + ".\n" + reason;
}

// The words of `text` that stand alone on a line from its first column, as a keyword
// does, and that OPM does not know. The parser skips such keywords with their data, so
// this is how they are seen at all.
void collectUnknownKeywords(std::string const& text, Opm::Parser const& parser,
                            std::vector<std::string>& unknown) {
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    line = trimmed(line.substr(0, line.find("--")));
    if (line.empty() || line.size() > 8 || line[0] < 'A' || line[0] > 'Z') {
      continue;
    }
    bool const word = std::all_of(line.begin(), line.end(), [](char c) {
      return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '+';
    });
    if (word && !parser.isRecognizedKeyword(line) &&
        std::find(unknown.begin(), unknown.end(), line) == unknown.end()) {
      unknown.push_back(line);
    }
  }
}

std::string readText(std::string const& path) {
  std::ifstream in(path, std::ios::binary);
  std::error_code ignored;
  if (!in || !std::filesystem::is_regular_file(path, ignored)) {
    throw DeckError("Could not open deck file '" + path + "'");
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) {
    throw DeckError("Could not read deck file '" + path + "'");
  }
  return text.str();
}

// "PVTG (region 2)", "PVTG (regions 2-4)": the regions of a keyword beyond the first.
std::string regionsNote(std::string const& keyword, std::size_t regions) {
  return keyword + (regions == 2 ? " (region 2)" : " (regions 2-" + std::to_string(regions) + ")");
}

// Both kinds of two-level table: the saturated key from column 0 of the saturated table,
// and for each saturated row its undersaturated table (saturated point first), whose
// columns are the undersaturated key, the formation volume factor and the viscosity.
template <typename PvtxTable>
std::vector<SaturatedRow> twoLevelRows(PvtxTable const& table, Measure key, Measure entryKey,
                                       Measure volumeFactor, Units const& units) {
  std::vector<SaturatedRow> rows;
  auto const& saturated = table.getSaturatedTable();
  for (std::size_t i = 0; i < saturated.numRows(); ++i) {
    SaturatedRow row;
    row.value = units(key, saturated.get(0, i));
    auto const& entries = table.getUnderSaturatedTable(i);
    for (std::size_t j = 0; j < entries.numRows(); ++j) {
      row.entries.push_back({units(entryKey, entries.get(0, j)),
                             units(volumeFactor, entries.get(1, j)),
                             units(Measure::viscosity, entries.get(2, j))});
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

// A table of pressure, formation volume factor and viscosity (PVDO, PVDG, PVDS).
std::vector<UndersaturatedEntry> pressureRows(Opm::SimpleTable const& table, Measure volumeFactor,
                                              Units const& units) {
  std::vector<UndersaturatedEntry> rows;
  for (std::size_t i = 0; i < table.numRows(); ++i) {
    rows.push_back({units(Measure::pressure, table.get(0, i)), units(volumeFactor, table.get(1, i)),
                    units(Measure::viscosity, table.get(2, i))});
  }
  return rows;
}

class Reader {
 public:
  Reader(Opm::Deck const& deck, Opm::TableManager const& tables)
      : deck_(deck), tables_(tables), units_(deck.getActiveUnitSystem()) {}

  FluidDeck read() {
    FluidDeck fluid;
    fluid.unitSystem = unitSystemName(deck_.getActiveUnitSystem());
    readDensities(fluid);
    readOil(fluid);
    readGas(fluid);
    readWater(fluid);
    readSolvent(fluid);
    readInitialStates(fluid);
    readTracers(fluid);
    for (auto const& keyword : deck_) {
      auto const& name = keyword.name();
      if (std::find(std::begin(kNotImported), std::end(kNotImported), name) !=
              std::end(kNotImported) &&
          std::find(notes_.begin(), notes_.end(), name) == notes_.end()) {
        notes_.push_back(name);
      }
    }
    fluid.notImported = notes_;
    return fluid;
  }

 private:
  std::size_t pvtRegions() const { return tables_.getTabdims().getNumPVTTables(); }

  // The tables of a one-level table keyword, or null when the deck has none: TableManager
  // throws for a collection that was never filled.
  Opm::TableContainer const* simpleTables(char const* keyword) const {
    return tables_.hasTables(keyword) ? &tables_.getTables(keyword) : nullptr;
  }

  void note(std::string text) { notes_.push_back(std::move(text)); }

  void readDensities(FluidDeck& fluid) {
    auto const& densities = tables_.getDensityTable();
    for (auto const& record : densities) {
      oilDensities_.push_back(units_(Measure::density, record.oil));
    }
    if (densities.size() == 0) {
      return;
    }
    fluid.oilDensity = oilDensities_.front();
    fluid.gasDensity = units_(Measure::density, densities[0].gas);
    waterDensity_ = units_(Measure::density, densities[0].water);
    if (densities.size() > 1) {
      note(regionsNote(deck_.hasKeyword("GRAVITY") ? "GRAVITY" : "DENSITY", densities.size()) +
           ": gas and water");
    }
  }

  double oilDensity(std::size_t region) const {
    return region < oilDensities_.size() ? oilDensities_[region] : 0.0;
  }

  // RSCONST: the constant dissolved gas and bubble point of dead oil.
  void deadOilConstants(OilRegion& oil, double firstPressure) const {
    oil.bubblePointPressure = firstPressure;
    if (deck_.hasKeyword("RSCONST")) {
      auto const& record = deck_["RSCONST"].back().getRecord(0);
      oil.dissolvedGas = units_(Measure::gas_oil_ratio, record.getItem(0).getSIDouble(0));
      oil.bubblePointPressure = units_(Measure::pressure, record.getItem(1).getSIDouble(0));
    }
  }

  void readOil(FluidDeck& fluid) {
    auto const& pvto = tables_.getPvtoTables();
    auto const* pvdo = simpleTables("PVDO");
    auto const& pvcdo = tables_.getPvcdoTable();
    if (!pvto.empty()) {
      for (std::size_t r = 0; r < pvto.size(); ++r) {
        OilRegion oil;
        oil.region = static_cast<int>(r + 1);
        oil.surfaceDensity = oilDensity(r);
        oil.rows = twoLevelRows(pvto[r], Measure::gas_oil_ratio, Measure::pressure,
                                Measure::oil_formation_volume_factor, units_);
        fluid.oil.push_back(std::move(oil));
      }
      noteUnused({"PVDO", "PVCDO"});
    } else if (pvdo != nullptr) {
      for (std::size_t r = 0; r < pvtRegions(); ++r) {
        OilRegion oil;
        oil.region = static_cast<int>(r + 1);
        oil.kind = OilKind::Dead;
        oil.surfaceDensity = oilDensity(r);
        oil.rows.push_back(
            {0.0, pressureRows(pvdo->getTable(r), Measure::oil_formation_volume_factor, units_)});
        deadOilConstants(oil, oil.rows[0].entries.empty() ? 0.0 : oil.rows[0].entries[0].value);
        oil.rows[0].value = oil.dissolvedGas;
        fluid.oil.push_back(std::move(oil));
      }
      noteUnused({"PVCDO"});
    } else {
      for (std::size_t r = 0; r < pvcdo.size(); ++r) {
        auto const& record = pvcdo[r];
        OilRegion oil;
        oil.region = static_cast<int>(r + 1);
        oil.kind = OilKind::DeadConstantCompressibility;
        oil.surfaceDensity = oilDensity(r);
        double const pressure = units_(Measure::pressure, record.reference_pressure);
        oil.rows.push_back(
            {0.0,
             {{pressure, units_(Measure::oil_formation_volume_factor, record.volume_factor),
               units_(Measure::viscosity, record.viscosity)}}});
        deadOilConstants(oil, pressure);
        oil.rows[0].value = oil.dissolvedGas;
        oil.compressibility = units_.perPressure(record.compressibility);
        oil.viscosibility = units_.perPressure(record.viscosibility);
        fluid.oil.push_back(std::move(oil));
      }
    }
  }

  void noteUnused(std::initializer_list<char const*> keywords) {
    for (auto const* keyword : keywords) {
      if (deck_.hasKeyword(keyword)) {
        note(keyword);
      }
    }
  }

  void readGas(FluidDeck& fluid) {
    auto const& pvtg = tables_.getPvtgTables();
    auto const* pvdg = simpleTables("PVDG");
    GasRegion gas;
    gas.surfaceDensity = fluid.gasDensity;
    if (!pvtg.empty()) {
      gas.rows = twoLevelRows(pvtg[0], Measure::pressure, Measure::oil_gas_ratio,
                              Measure::gas_formation_volume_factor, units_);
      if (pvtg.size() > 1) {
        note(regionsNote("PVTG", pvtg.size()));
      }
      noteUnused({"PVDG"});
    } else if (pvdg != nullptr) {
      // Dry gas: one saturated row per pressure, each with its one entry at the constant
      // vaporised oil (RVCONST, or none); the dew point is the table's first pressure.
      gas.dry = true;
      auto const rows =
          pressureRows(pvdg->getTable(0), Measure::gas_formation_volume_factor, units_);
      if (deck_.hasKeyword("RVCONST")) {
        auto const& record = deck_["RVCONST"].back().getRecord(0);
        gas.vaporizedOil = units_(Measure::oil_gas_ratio, record.getItem(0).getSIDouble(0));
        gas.dewPointPressure = units_(Measure::pressure, record.getItem(1).getSIDouble(0));
      } else if (!rows.empty()) {
        gas.dewPointPressure = rows[0].value;
      }
      for (auto const& row : rows) {
        gas.rows.push_back(
            {row.value, {{gas.vaporizedOil, row.formationVolumeFactor, row.viscosity}}});
      }
      if (pvtRegions() > 1) {
        note(regionsNote("PVDG", pvtRegions()));
      }
    } else {
      return;
    }
    fluid.gas = std::move(gas);
  }

  void readWater(FluidDeck& fluid) {
    auto const& pvtw = tables_.getPvtwTable();
    if (pvtw.size() == 0) {
      noteUnused({"PVTWSALT", "BDENSITY"});
      return;
    }
    Water water;
    water.surfaceDensity = waterDensity_;
    water.pressure = units_(Measure::pressure, pvtw[0].reference_pressure);
    water.formationVolumeFactor =
        units_(Measure::water_formation_volume_factor, pvtw[0].volume_factor);
    water.compressibility = units_.perPressure(pvtw[0].compressibility);
    water.viscosity = units_(Measure::viscosity, pvtw[0].viscosity);
    water.viscosibility = units_.perPressure(pvtw[0].viscosibility);
    if (pvtw.size() > 1) {
      note(regionsNote("PVTW", pvtw.size()));
    }
    auto const& salt = tables_.getPvtwSaltTables();
    if (!salt.empty()) {
      water.brine = readBrine(salt, water.surfaceDensity);
    }
    fluid.water = std::move(water);
  }

  // PVTWSALT: water properties against salt concentration, with the brine density of
  // each row from BDENSITY where given (the water's surface density otherwise).
  Brine readBrine(std::vector<Opm::PvtwsaltTable> const& salt, double waterDensity) {
    auto const& table = salt[0];
    auto const& densities = tables_.getBrineDensityTables();
    Brine brine;
    brine.referencePressure = units_(Measure::pressure, table.getReferencePressureValue());
    brine.referenceSaltConcentration =
        units_(Measure::salinity, table.getReferenceSaltConcentrationValue());
    auto const concentration = table.getSaltConcentrationColumn();
    auto const volumeFactor = table.getFormationVolumeFactorColumn();
    auto const compressibility = table.getCompressibilityColumn();
    auto const viscosity = table.getViscosityColumn();
    auto const viscosibility = table.getViscosibilityColumn();
    for (std::size_t i = 0; i < concentration.size(); ++i) {
      BrineRow row;
      row.saltConcentration = units_(Measure::salinity, concentration[i]);
      row.surfaceDensity = waterDensity;
      if (!densities.empty() && i < densities[0].getBrineDensityColumn().size()) {
        row.surfaceDensity = units_(Measure::density, densities[0].getBrineDensityColumn()[i]);
      }
      row.formationVolumeFactor = units_(Measure::water_formation_volume_factor, volumeFactor[i]);
      row.compressibility = units_.perPressure(compressibility[i]);
      row.viscosity = units_(Measure::viscosity, viscosity[i]);
      row.viscosibility = units_.perPressure(viscosibility[i]);
      brine.rows.push_back(row);
    }
    if (salt.size() > 1) {
      note(regionsNote("PVTWSALT", salt.size()));
    }
    if (densities.size() > 1) {
      note(regionsNote("BDENSITY", densities.size()));
    }
    return brine;
  }

  void readSolvent(FluidDeck& fluid) {
    auto const* pvds = simpleTables("PVDS");
    if (pvds != nullptr) {
      Solvent solvent;
      solvent.rows = pressureRows(pvds->getTable(0), Measure::gas_formation_volume_factor, units_);
      auto const& densities = tables_.getSolventDensityTables();
      if (!densities.empty() && !densities[0].getSolventDensityColumn().empty()) {
        solvent.surfaceDensity =
            units_(Measure::density, densities[0].getSolventDensityColumn()[0]);
      }
      if (densities.size() > 1) {
        note(regionsNote("SDENSITY", densities.size()));
      }
      if (pvtRegions() > 1) {
        note(regionsNote("PVDS", pvtRegions()));
      }
      fluid.solvent = std::move(solvent);
    } else {
      noteUnused({"SDENSITY"});
    }
    auto const* pmisc = simpleTables("PMISC");
    auto const& mixing = tables_.getTLMixpar();
    if (pmisc == nullptr && mixing.empty()) {
      return;
    }
    Miscibility miscibility;
    if (pmisc != nullptr) {
      auto const& table = pmisc->getTable(0);
      for (std::size_t i = 0; i < table.numRows(); ++i) {
        miscibility.oilPressures.push_back(units_(Measure::pressure, table.get(0, i)));
        miscibility.miscibilities.push_back(table.get(1, i));
      }
      if (pmisc->size() > 1) {
        note(regionsNote("PMISC", pmisc->size()));
      }
    }
    if (!mixing.empty()) {
      miscibility.viscosityMixingParameter = mixing[0].viscosity_parameter;
      miscibility.densityMixingParameter = mixing[0].density_parameter;
      if (mixing.size() > 1) {
        note(regionsNote("TLMIXPAR", mixing.size()));
      }
    }
    fluid.miscibility = std::move(miscibility);
  }

  void readInitialStates(FluidDeck& fluid) {
    struct DepthKeyword {
      char const* name;
      Property property;
      Measure measure;
    };
    static DepthKeyword const depthKeywords[] = {
        {"RSVD", Property::SolutionGasOilRatio, Measure::gas_oil_ratio},
        {"RVVD", Property::VaporizedOilGasRatio, Measure::oil_gas_ratio},
        {"PBVD", Property::BubblePointPressure, Measure::pressure},
        {"PDVD", Property::DewPointPressure, Measure::pressure},
        {"SALTVD", Property::SaltConcentration, Measure::salinity},
        {"RTEMPVD", Property::Temperature, Measure::temperature},
    };
    if (!deck_.hasKeyword("EQUIL")) {
      for (auto const& keyword : depthKeywords) {
        noteUnused({keyword.name});
      }
      return;
    }
    Opm::Equil const equil(deck_["EQUIL"].back());
    for (std::size_t r = 0; r < equil.size(); ++r) {
      auto const& record = equil.getRecord(r);
      InitialState state;
      state.name = "EQUIL_" + std::to_string(r + 1);
      state.datumDepth = units_(Measure::length, record.datumDepth());
      state.datumPressure = units_(Measure::pressure, record.datumDepthPressure());
      state.gasOilContactDepth = units_(Measure::length, record.gasOilContactDepth());
      state.gasOilContactCapillaryPressure =
          units_(Measure::pressure, record.gasOilContactCapillaryPressure());
      state.waterContactDepth = units_(Measure::length, record.waterOilContactDepth());
      state.waterContactCapillaryPressure =
          units_(Measure::pressure, record.waterOilContactCapillaryPressure());
      for (auto const& keyword : depthKeywords) {
        auto const* tables = simpleTables(keyword.name);
        if (tables == nullptr) {
          continue;
        }
        auto const& table = tables->getTable(r);
        DepthColumn column;
        column.property = static_cast<int>(keyword.property);
        for (std::size_t i = 0; i < table.numRows(); ++i) {
          column.depths.push_back(units_(Measure::length, table.get(0, i)));
          column.values.push_back(units_(keyword.measure, table.get(1, i)));
        }
        state.depthTables.push_back(std::move(column));
      }
      fluid.initialStates.push_back(std::move(state));
    }
  }

  void readTracers(FluidDeck& fluid) {
    Opm::TracerConfig const config(deck_.getActiveUnitSystem(), deck_);
    for (auto const& entry : config) {
      Tracer tracer;
      tracer.name = entry.name;
      tracer.componentName = entry.phase == Opm::Phase::WATER ? "WATER"
                             : entry.phase == Opm::Phase::GAS ? "GAS"
                                                              : "OIL";
      auto const add = [&](std::optional<Opm::TracerVdTable> const& table,
                           ITracerModel::DepthTableType type) {
        if (!table) {
          return;
        }
        TracerColumn column;
        column.type = static_cast<int>(type);
        auto const& depths = table->getDepthColumn();
        auto const& concentrations = table->getTracerConcentration();
        for (std::size_t i = 0; i < depths.size(); ++i) {
          column.depths.push_back(units_(Measure::length, depths[i]));
          column.concentrations.push_back(concentrations[i]);
        }
        tracer.depthTables.push_back(std::move(column));
      };
      add(entry.free_tvdp, ITracerModel::DepthTableType::FreePhaseConcentration);
      add(entry.solution_tvdp, ITracerModel::DepthTableType::SolutionPhaseConcentration);
      fluid.tracers.push_back(std::move(tracer));
    }
  }

  Opm::Deck const& deck_;
  Opm::TableManager const& tables_;
  Units units_;
  std::vector<double> oilDensities_;
  double waterDensity_ = 0.0;
  std::vector<std::string> notes_;
};

// OPM's ErrorGuard prints and throws from its destructor when errors are left in it;
// this one is always emptied first, the errors having been thrown already.
struct Guard {
  Opm::ErrorGuard errors;
  ~Guard() { errors.clear(); }
};

// TableManager reports a rejected value without saying where; this finds the first table
// keyword that fails on its own, beside the keywords that size it, and names it.
std::string locateTableError(Opm::Deck const& deck, std::string const& reason) {
  for (auto const* name : kTableKeywords) {
    if (!deck.hasKeyword(name)) {
      continue;
    }
    for (auto const& keyword : deck[name]) {
      Opm::Deck single;
      for (auto const* dimension : kDimensionKeywords) {
        if (deck.hasKeyword(dimension)) {
          single.addKeyword(deck[dimension].back());
        }
      }
      single.addKeyword(keyword);
      try {
        Opm::TableManager const tables(single);
      } catch (std::bad_alloc const&) {
        throw;
      } catch (std::exception const&) {
        return located(keyword.location(), reason);
      }
    }
  }
  return reason;
}

std::string messageOf(std::exception const& e) { return trimmed(e.what()); }

FluidDeck readDeck(std::function<Opm::Deck(Opm::Parser const&, Opm::ParseContext const&,
                                           Opm::ErrorGuard&)> const& parse,
                   std::vector<std::string> const& texts) {
  Opm::Parser const parser;
  // OPM's own defaults, except that a keyword it does not know is skipped rather than
  // fatal: such keywords are found by the scan below and reported as not imported.
  Opm::ParseContext context;
  context.update(Opm::ParseContext::PARSE_UNKNOWN_KEYWORD, Opm::InputError::IGNORE);
  Guard guard;
  Opm::Deck deck;
  try {
    deck = parse(parser, context, guard.errors);
  } catch (std::bad_alloc const&) {
    throw;
  } catch (DeckError const&) {
    throw;
  } catch (std::exception const& e) {
    throw DeckError(messageOf(e));
  }
  if (guard.errors) {
    throw DeckError("The deck has input errors that OPM did not describe");
  }

  std::optional<Opm::TableManager> tables;
  try {
    tables.emplace(deck);
  } catch (std::bad_alloc const&) {
    throw;
  } catch (std::exception const& e) {
    throw DeckError(locateTableError(deck, messageOf(e)));
  }
  FluidDeck fluid;
  try {
    fluid = Reader(deck, *tables).read();
  } catch (std::bad_alloc const&) {
    throw;
  } catch (std::exception const& e) {
    throw DeckError(messageOf(e));
  }

  std::vector<std::string> unknown;
  for (auto const& text : texts) {
    collectUnknownKeywords(text, parser, unknown);
  }
  std::set<std::string> files;
  for (auto const& keyword : deck) {
    auto const& file = keyword.location().filename;
    if (file != "<memory string>" && files.insert(file).second) {
      collectUnknownKeywords(readText(file), parser, unknown);
    }
  }
  fluid.notImported.insert(fluid.notImported.end(), unknown.begin(), unknown.end());
  return fluid;
}

}  // namespace

FluidDeck readDeckFile(std::string const& path) {
  readText(path);  // a clear message for a file that is missing or unreadable
  return readDeck([&](Opm::Parser const& parser, Opm::ParseContext const& context,
                      Opm::ErrorGuard& errors) { return parser.parseFile(path, context, errors); },
                  {});
}

FluidDeck readDeckString(std::string const& text) {
  return readDeck(
      [&](Opm::Parser const& parser, Opm::ParseContext const& context, Opm::ErrorGuard& errors) {
        return parser.parseString(text, context, errors);
      },
      {text});
}

}  // namespace Orv::Tess::Varnak::Deck::detail
