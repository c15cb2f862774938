// The deck import fuzzer: two kinds of generated deck, chosen by the first byte, stored in
// a registry that already holds a model and a tracer of the names the decks use.
//
// Parsed tables: a FluidDeck with any number of regions, rows, entries, initial conditions
// and tracers, values drawn from the special ones (NaN, infinities, -0.0), stored with
// storeFluidDeck. Every value must read back bit for bit, under the name the report gives,
// and the replaced tracer must be the deck's.
//
// Deck text: fluid keywords with records of numbers, defaults, words and stray slashes,
// under one of the four unit systems, given to importDeckString, which must succeed or raise
// DeckError with the registry's snapshot unchanged. A crash inside OPM would show here too;
// docs/deck.md lists any found.
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "Checks.h"
#include "FluidDeck.h"
#include "FuzzInput.h"
#include "Orv/Tess/Varnak.h"
#include "Orv/Tess/Varnak/Deck/DeckImport.h"
#include "support/Observe.h"

namespace {

using namespace Orv::Tess::Varnak;
namespace detail = Orv::Tess::Varnak::Deck::detail;
using fuzz::fail;

std::vector<detail::SaturatedRow> rows(fuzz::Input& in) {
  std::vector<detail::SaturatedRow> result(static_cast<std::size_t>(in.pick(4)));
  for (auto& row : result) {
    row.value = in.value();
    row.entries.resize(static_cast<std::size_t>(in.pick(4)));
    for (auto& entry : row.entries) {
      entry = {in.value(), in.value(), in.value()};
    }
  }
  return result;
}

std::vector<double> values(fuzz::Input& in, std::size_t n) {
  std::vector<double> result(n);
  for (auto& v : result) v = in.value();
  return result;
}

detail::FluidDeck generatedDeck(fuzz::Input& in) {
  detail::FluidDeck deck;
  deck.unitSystem = "METRIC";
  deck.oilDensity = in.value();
  deck.gasDensity = in.value();
  // Braced initialisers take the input's values in the order written.
  for (int r = in.pick(4); r > 0; --r) {
    deck.oil.push_back({in.index(), static_cast<detail::OilKind>(in.pick(3)), in.value(), rows(in),
                        in.value(), in.value(), in.value(), in.value()});
  }
  if (in.flag()) {
    deck.gas = detail::GasRegion{in.flag(), in.value(), rows(in), in.value(), in.value()};
  }
  if (in.flag()) {
    deck.water = detail::Water{in.value(), in.value(), in.value(),  in.value(),
                               in.value(), in.value(), std::nullopt};
    if (in.flag()) {
      auto& brine = deck.water->brine.emplace(detail::Brine{in.value(), in.value(), {}});
      brine.rows.resize(static_cast<std::size_t>(in.pick(3)));
      for (auto& row : brine.rows) {
        row = {in.value(), in.value(), in.value(), in.value(), in.value(), in.value()};
      }
    }
  }
  for (int n = in.pick(3); n > 0; --n) {
    detail::InitialState state;
    state.name = "EQUIL_" + std::to_string(n);
    state.datumDepth = in.value();
    for (int t = in.pick(3); t > 0; --t) {
      auto const depths = static_cast<std::size_t>(in.pick(3));
      state.depthTables.push_back({in.pick(12), values(in, depths), values(in, depths)});
    }
    deck.initialStates.push_back(std::move(state));
  }
  for (int n = in.pick(3); n > 0; --n) {
    detail::Tracer tracer{n == 1 ? "SEA" : in.name(), "WATER", {}};
    if (in.flag()) {
      auto const depths = static_cast<std::size_t>(in.pick(3));
      tracer.depthTables.push_back({in.pick(2), 0, values(in, depths), values(in, depths)});
    }
    deck.tracers.push_back(std::move(tracer));
  }
  return deck;
}

void expectSame(double stored, double given, char const* what) {
  if (std::memcmp(&stored, &given, sizeof stored) != 0) fail(what, "a value did not read back");
}

void checkRows(IOilTable const& table, std::vector<detail::SaturatedRow> const& rows) {
  if (table.getSaturatedSize() != static_cast<int>(rows.size())) fail("oil", "row count");
  for (int i = 0; i < table.getSaturatedSize(); ++i) {
    auto const& row = rows[static_cast<std::size_t>(i)];
    expectSame(table.getGasOilRatio(i), row.value, "oil Rs");
    int const entries = static_cast<int>(row.entries.size());
    if (table.getUndersaturatedSize(i) != entries) fail("oil", "entry count");
    for (int j = 0; j < table.getUndersaturatedSize(i); ++j) {
      auto const& entry = row.entries[static_cast<std::size_t>(j)];
      expectSame(table.getPressure(i, j), entry.value, "oil pressure");
      expectSame(table.getFormationVolumeFactor(i, j), entry.formationVolumeFactor, "oil Bo");
      expectSame(table.getViscosity(i, j), entry.viscosity, "oil viscosity");
    }
  }
}

void storeGeneratedDeck(fuzz::Input& in, StdFluidModels& models) {
  auto const deck = generatedDeck(in);
  auto const report = detail::storeFluidDeck(models, deck, "CASE");
  if (report.modelName != "CASE_1") fail("storeFluidDeck", "unexpected model name");
  auto const& model =
      dynamic_cast<IBlackOilModel const&>(std::as_const(models).getFluidModel(report.modelName));
  expectSame(model.oilDensity(), deck.oilDensity, "oil density");
  std::set<int> seen;  // a later region of the same number replaces an earlier one
  for (auto oil = deck.oil.rbegin(); oil != deck.oil.rend(); ++oil) {
    if (seen.insert(oil->region).second) checkRows(*model.getOilTable(oil->region), oil->rows);
  }
  // The deck's tracers are all of water, and the first is named SEA.
  if (models.getTracerModel("SEA").getComponentName() != (deck.tracers.empty() ? "OIL" : "WATER")) {
    fail("tracer", "SEA not replaced by the deck's, or changed without one");
  }
  for (auto const& state : deck.initialStates) {
    auto const& condition = model.getInitialCondition(state.name);
    expectSame(condition.getDatumDepth(), state.datumDepth, "datum depth");
    for (auto const& column : state.depthTables) {
      if (!condition.hasDepthTable(static_cast<IInitialCondition::Property>(column.property))) {
        fail("initial condition", "a depth table is missing");
      }
    }
  }
}

char const* const kKeywords[] = {
    "PVTO",     "PVDO",     "PVCDO",    "PVTG",    "PVDG",     "DENSITY",  "GRAVITY", "PVTW",
    "PVTWSALT", "BDENSITY", "RSCONST",  "RVCONST", "PVDS",     "SDENSITY", "PMISC",   "TLMIXPAR",
    "TRACER",   "EQUIL",    "RSVD",     "RVVD",    "PBVD",     "PDVD",     "SALTVD",  "RTEMPVD",
    "TVDPFSEA", "ZMFVD",    "SOLUTION", "PROPS",   "OILVISCT", "TABDIMS"};
char const* const kItems[] = {"1", "2.5", "0",   "-1",  "100",  "1e3",  "1*",  "2*",
                              "x", "/",   "SEA", "WAT", "1e-6", "3000", "0.5", "\n"};
char const* const kUnits[] = {"METRIC", "FIELD", "LAB", "PVT-M"};

std::string generatedText(fuzz::Input& in) {
  std::string text = "RUNSPEC\n";
  text += std::string(kUnits[in.pick(4)]) + "\nTABDIMS\n 1 " + std::to_string(1 + in.pick(3)) +
          " /\nEQLDIMS\n " + std::to_string(1 + in.pick(2)) + " /\nTRACERS\n 0 1 0 /\nPROPS\n";
  for (int k = in.pick(12); k > 0; --k) {
    text += std::string(kKeywords[in.pick(sizeof kKeywords / sizeof kKeywords[0])]) + "\n";
    for (int item = in.pick(20); item > 0; --item) {
      text += std::string(" ") + kItems[in.pick(sizeof kItems / sizeof kItems[0])];
    }
    text += " /\n";
  }
  return text;
}

void importGeneratedText(fuzz::Input& in, StdFluidModels& models) {
  auto const text = generatedText(in);
  std::string const before = support::observe(models);
  try {
    Deck::importDeckString(models, text, "CASE");
  } catch (Deck::DeckError const& e) {
    if (e.what()[0] == '\0') fail("importDeckString", "DeckError without a message");
    if (support::observe(models) != before) {
      fail("importDeckString", "failed but changed the registry");
    }
  } catch (std::exception const& e) {
    fail("importDeckString", std::string("not a DeckError: ") + e.what() + "\n" + text);
  } catch (...) {
    fail("importDeckString", "an exception not derived from std::exception\n" + text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  fuzz::Input in(data, size);
  StdFluidModels models;
  models.makeBlackOilModel("CASE", false);
  models.makeTracerModel("SEA").setComponentName("OIL");
  in.flag() ? storeGeneratedDeck(in, models) : importGeneratedText(in, models);
  return 0;
}
