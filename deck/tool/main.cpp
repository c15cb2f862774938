// varnak-deck: reads a deck's fluid description and prints what was found.
//
// Exit status: 0 clean, 1 deck error or failed check, 2 usage.
#include <cstring>
#include <iostream>
#include <string>

#include "Orv/Tess/Varnak/Deck/DeckImport.h"
#include "Orv/Tess/Varnak/IBlackOilModel.h"
#include "Orv/Tess/Varnak/StdFluidModels.h"
#include "Summary.h"

namespace {

char const kUsage[] =
    "Usage: varnak-deck [--json] [--check] CASE.DATA\n"
    "\n"
    "Reads the fluid description of a keyword-format input deck (PVT tables, densities,\n"
    "water and brine, equilibration with its depth tables, tracers, solvent) as the deck\n"
    "import library stores it, and prints it per region in aligned columns with units,\n"
    "with the library's analysis of each table (dead oil, dry gas, constant\n"
    "undersaturated compressibility and viscosibility per row with the fit residual) and\n"
    "the fluid keywords that were not imported. Values are in the deck's own units.\n"
    "\n"
    "  --json   print the same as one JSON document, for scripts\n"
    "  --check  also check what the deck format does not: gas-oil ratios and pressures\n"
    "           increasing, formation volume factors decreasing and viscosities not\n"
    "           decreasing along each undersaturated branch, positive densities and\n"
    "           viscosities, depth tables ordered, the datum between the contacts\n"
    "  --help   print this text\n"
    "\n"
    "Exit status: 0 clean, 1 deck error or failed check, 2 usage error.\n";

}  // namespace

int main(int argc, char** argv) {
  namespace Deck = Orv::Tess::Varnak::Deck;
  bool json = false;
  bool checks = false;
  std::string path;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      std::cout << kUsage;
      return 0;
    }
    if (std::strcmp(argv[i], "--json") == 0) {
      json = true;
    } else if (std::strcmp(argv[i], "--check") == 0) {
      checks = true;
    } else if (argv[i][0] == '-' || !path.empty()) {
      std::cerr << "varnak-deck: unexpected argument '" << argv[i] << "'\n" << kUsage;
      return 2;
    } else {
      path = argv[i];
    }
  }
  if (path.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    Orv::Tess::Varnak::StdFluidModels models;
    auto const report = Deck::importDeckFile(models, path, "DECK");
    auto& model =
        dynamic_cast<Orv::Tess::Varnak::IBlackOilModel&>(models.getFluidModel(report.modelName));
    auto const sections = Deck::tool::summarize(model, report, models);
    std::vector<std::string> findings;
    if (checks) {
      findings = Deck::tool::check(model);
    }
    if (json) {
      Deck::tool::writeJson(std::cout, sections, findings, checks);
    } else {
      Deck::tool::writeText(std::cout, sections);
      if (checks) {
        std::cout << "Checks: " << (findings.empty() ? "all passed" : "failed") << "\n";
        for (auto const& finding : findings) {
          std::cout << "  " << finding << "\n";
        }
      }
    }
    return findings.empty() ? 0 : 1;
  } catch (std::exception const& e) {
    std::cerr << "varnak-deck: " << e.what() << "\n";
    return 1;
  }
}
