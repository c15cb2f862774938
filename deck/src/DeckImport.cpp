// The public entry points: read the deck, then store what was read.
#include "Orv/Tess/Varnak/Deck/DeckImport.h"

#include "FluidDeck.h"
#include "OpmDeckReader.h"

namespace Orv::Tess::Varnak::Deck {

DeckError::DeckError(std::string const& message) : std::runtime_error(message) {}

DeckError::~DeckError() = default;

namespace {

ImportReport store(IFluidModels& models, detail::FluidDeck const& deck,
                   std::string const& modelName) {
  // The deck was read completely; what can still fail is the library refusing a value
  // (reported as a deck error) or memory running out (passed on). Either way the
  // registry is back as it was.
  try {
    return detail::storeFluidDeck(models, deck, modelName);
  } catch (std::bad_alloc const&) {
    throw;
  } catch (std::exception const& e) {
    throw DeckError(std::string("The fluid model could not be stored: ") + e.what());
  }
}

}  // namespace

ImportReport importDeckFile(IFluidModels& models, std::string const& path,
                            std::string const& modelName) {
  return store(models, detail::readDeckFile(path), modelName);
}

ImportReport importDeckString(IFluidModels& models, std::string const& deckText,
                              std::string const& modelName) {
  return store(models, detail::readDeckString(deckText), modelName);
}

}  // namespace Orv::Tess::Varnak::Deck
