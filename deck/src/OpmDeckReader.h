// The one place that sees OPM: reads a deck with OPM's parser into a FluidDeck.
#ifndef ORV_TESS_VARNAK_DECK_OPMDECKREADER_H
#define ORV_TESS_VARNAK_DECK_OPMDECKREADER_H

#include <string>

#include "FluidDeck.h"

namespace Orv::Tess::Varnak::Deck::detail {

// Parses the deck file at `path` and returns its fluid content in the deck's own units.
// Throws DeckError for a file that cannot be read, a parse error and a value OPM rejects;
// std::bad_alloc passes through.
FluidDeck readDeckFile(std::string const& path);

// The same for a deck held in `text`.
FluidDeck readDeckString(std::string const& text);

}  // namespace Orv::Tess::Varnak::Deck::detail

#endif  // ORV_TESS_VARNAK_DECK_OPMDECKREADER_H
