// FluidDeck: the fluid content of one input deck as plain values, between the parser and
// the registry.
//
// The OPM reader (OpmDeckReader.cpp) fills it, converted back to the deck's own units;
// storeFluidDeck writes it into a registry through the library's interfaces alone. Keeping
// the two apart lets the part that must leave a registry unchanged on failure be driven,
// tested and fuzzed without a parser.
#ifndef ORV_TESS_VARNAK_DECK_FLUIDDECK_H
#define ORV_TESS_VARNAK_DECK_FLUIDDECK_H

#include <optional>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak/Deck/DeckImport.h"

namespace Orv::Tess::Varnak {
class IBlackOilModel;
}

namespace Orv::Tess::Varnak::Deck::detail {

// One undersaturated entry: the oil's pressure (oil tables) or the gas's vaporised
// oil-gas ratio (gas tables), with the formation volume factor and viscosity there.
struct UndersaturatedEntry {
  double value = 0.0;
  double formationVolumeFactor = 0.0;
  double viscosity = 0.0;
};

// One saturated row: its key (gas-oil ratio for oil, pressure for gas) and the entries of
// the same fluid compressed (oil) or leaner (gas) than saturated, the saturated one first.
struct SaturatedRow {
  double value = 0.0;
  std::vector<UndersaturatedEntry> entries;
};

enum class OilKind { Live, Dead, DeadConstantCompressibility };

struct OilRegion {
  int region = 1;
  OilKind kind = OilKind::Live;
  double surfaceDensity = 0.0;
  std::vector<SaturatedRow> rows;
  // Dead kinds: the constant dissolved gas and the bubble point pressure.
  double dissolvedGas = 0.0;
  double bubblePointPressure = 0.0;
  // Constant-compressibility kind: the oil compressibility and viscosibility.
  double compressibility = 0.0;
  double viscosibility = 0.0;
};

struct GasRegion {
  bool dry = false;
  double surfaceDensity = 0.0;
  std::vector<SaturatedRow> rows;
  // Dry kind: the constant vaporised oil and the dew point pressure.
  double vaporizedOil = 0.0;
  double dewPointPressure = 0.0;
};

struct BrineRow {
  double saltConcentration = 0.0;
  double surfaceDensity = 0.0;
  double formationVolumeFactor = 0.0;
  double compressibility = 0.0;
  double viscosity = 0.0;
  double viscosibility = 0.0;
};

struct Brine {
  double referencePressure = 0.0;
  double referenceSaltConcentration = 0.0;
  std::vector<BrineRow> rows;
};

struct Water {
  double surfaceDensity = 0.0;
  double pressure = 0.0;
  double formationVolumeFactor = 0.0;
  double compressibility = 0.0;
  double viscosity = 0.0;
  double viscosibility = 0.0;
  std::optional<Brine> brine;
};

// One property against depth, one component; `property` is an IInitialCondition::Property.
struct DepthColumn {
  int property = 0;
  std::vector<double> depths;
  std::vector<double> values;
};

struct InitialState {
  std::string name;
  double datumDepth = 0.0;
  double datumPressure = 0.0;
  double gasOilContactDepth = 0.0;
  double gasOilContactCapillaryPressure = 0.0;
  double waterContactDepth = 0.0;
  double waterContactCapillaryPressure = 0.0;
  std::vector<DepthColumn> depthTables;
};

// `type` is an ITracerModel::DepthTableType; `region` counts from 0.
struct TracerColumn {
  int type = 0;
  int region = 0;
  std::vector<double> depths;
  std::vector<double> concentrations;
};

struct Tracer {
  std::string name;
  std::string componentName;
  std::vector<TracerColumn> depthTables;
};

struct Solvent {
  double surfaceDensity = 0.0;
  std::vector<UndersaturatedEntry> rows;  // pressure, formation volume factor, viscosity
};

struct Miscibility {
  double viscosityMixingParameter = 0.0;
  double densityMixingParameter = 0.0;
  std::vector<double> oilPressures;
  std::vector<double> miscibilities;
};

struct FluidDeck {
  std::string unitSystem;
  double oilDensity = 0.0;
  double gasDensity = 0.0;
  std::vector<OilRegion> oil;
  std::optional<GasRegion> gas;
  std::optional<Water> water;
  std::optional<Solvent> solvent;
  std::optional<Miscibility> miscibility;
  std::vector<InitialState> initialStates;
  std::vector<Tracer> tracers;
  std::vector<std::string> notImported;
};

// Fills `model`, which must be new, with everything of `deck` that a black-oil model
// holds. Exceptions of the model's operations pass through.
void fillBlackOilModel(IBlackOilModel& model, FluidDeck const& deck);

// Stores `deck` in `models`: a new black-oil model named `modelName` (made unique if
// taken) and one tracer model per tracer, replacing tracer models of the same names.
// Either everything is stored or, on any exception, which passes through, `models` is
// left as it was: the model is deleted again and each replaced tracer model restored.
ImportReport storeFluidDeck(IFluidModels& models, FluidDeck const& deck,
                            std::string const& modelName);

}  // namespace Orv::Tess::Varnak::Deck::detail

#endif  // ORV_TESS_VARNAK_DECK_FLUIDDECK_H
