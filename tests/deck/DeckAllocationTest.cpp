// Allocation failures while an imported deck is stored: the registry must read exactly as
// before, whichever allocation fails, whether the deck's tracer replaces one or is new.
// The deck is read once, without failures (OPM's parser is not ours to harden); what is
// failed is the import's own part, from the parsed deck to the registry.
#include <gtest/gtest.h>

#include <memory>

#include "FluidDeck.h"
#include "OpmDeckReader.h"
#include "Orv/Tess/Varnak.h"
#include "alloc/Sweep.h"

namespace {

using namespace Orv::Tess::Varnak;
namespace detail = Orv::Tess::Varnak::Deck::detail;

TEST(DeckAllocation, StoringADeckLeavesTheRegistryUnchanged) {
  auto const fluid = detail::readDeckFile(std::string(ORV_DECK_DIR) + "/METRIC.DATA");
  for (bool tracerExists : {true, false}) {
    sweep::run(
        tracerExists ? "storeFluidDeck replacing a tracer" : "storeFluidDeck with a new tracer",
        [&] {
          sweep::Pair<StdFluidModels> p{std::make_unique<StdFluidModels>(), nullptr};
          p.object->makeBlackOilModel("CASE", false).makeOilTable(1).setSaturatedSize(1);
          if (tracerExists) {
            auto& sea = p.object->makeTracerModel("SEA");
            sea.setComponentName("OIL");
            auto& table =
                sea.makeDepthTable(ITracerModel::DepthTableType::SolutionPhaseConcentration, 0);
            table.setNumDepths(1);
            table.setConcentration(0, 0.25);
          }
          return p;
        },
        [&](auto& p) { detail::storeFluidDeck(*p.object, fluid, "CASE"); });
  }
}

}  // namespace
