// The summary varnak-deck prints: a list of sections, each with named facts and tables,
// built once from the fluid model and written either as aligned text or as JSON.
#ifndef ORV_TESS_VARNAK_DECK_TOOL_SUMMARY_H
#define ORV_TESS_VARNAK_DECK_TOOL_SUMMARY_H

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/Deck/DeckImport.h"

namespace Orv::Tess::Varnak {
class IBlackOilModel;
}

namespace Orv::Tess::Varnak::Deck::tool {

struct Table {
  std::string title;
  std::vector<std::string> columns;  // each "name [unit]"
  std::vector<std::vector<double>> rows;
};

struct Section {
  std::string title;
  std::vector<std::pair<std::string, std::string>> facts;
  std::vector<Table> tables;
};

// The unit labels of one unit system.
struct UnitLabels {
  char const* pressure;
  char const* gasOilRatio;
  char const* oilGasRatio;
  char const* oilVolumeFactor;
  char const* gasVolumeFactor;
  char const* density;
  char const* length;
  char const* temperature;
  char const* salinity;
};
UnitLabels unitLabels(std::string const& unitSystem);

// Builds the sections for `model` as imported with `report`.
std::vector<Section> summarize(IBlackOilModel& model, ImportReport const& report,
                               IFluidModels& models);

void writeText(std::ostream& out, std::vector<Section> const& sections);
void writeJson(std::ostream& out, std::vector<Section> const& sections,
               std::vector<std::string> const& failedChecks, bool checked);

// Returns the physical-consistency findings for `model`, one line each; empty when clean.
std::vector<std::string> check(IBlackOilModel const& model);

}  // namespace Orv::Tess::Varnak::Deck::tool

#endif  // ORV_TESS_VARNAK_DECK_TOOL_SUMMARY_H
