// DeckImport: fills a black-oil model from a keyword-format simulation input deck.
//
// The deck is read with OPM's parser; this header keeps every OPM type out of sight, so a
// host needs only the core library's headers and this one. An import builds one new
// black-oil model in the caller's registry, named by the caller, and stores it only when
// the whole deck was read: a failed import raises DeckError and leaves the registry
// exactly as it was.
//
// Values are stored in the deck's own unit system, as the engineer wrote them (METRIC:
// bar, m3/m3, rm3/sm3, cP, kg/m3, m, deg C; FIELD: psia, Mscf/stb and stb/Mscf, rb/stb and
// rb/Mscf, cP, lb/ft3, ft, deg F; LAB and PVT-M likewise); ImportReport::unitSystem says
// which system that was.
//
// Keyword mapping (region n is the deck's PVT or equilibration region n, counted from 1;
// docs/deck.md has the column-by-column detail):
//   PVTO       live-oil table of region n (makeOilTable): rows by Rs, entries P, Bo, viscosity
//   PVDO       dead-oil table of region n: one row at the dissolved gas, entries P, Bo,
//              viscosity; dissolved gas and bubble point from RSCONST, else 0 and the
//              table's first pressure
//   PVCDO      dead-oil constant-compressibility table of region n: one entry at the
//              reference pressure, with the oil compressibility and viscosibility
//   PVTG       wet-gas table (makeGasTable), from PVT region 1
//   PVDG       dry-gas table (makeDryGasTable), from PVT region 1: one row per pressure;
//              vaporised oil and dew point from RVCONST, else 0 and the first pressure
//   DENSITY    each oil table's surface density; the model's oil and gas densities and
//   GRAVITY    the gas table's and the water's surface densities from region 1 (GRAVITY is
//              converted to densities)
//   PVTW       water properties, from PVT region 1
//   PVTWSALT   a NACL brine component and the brine property table, from region 1, with
//   BDENSITY   the brine density of each row (the water's surface density without it)
//   EQUIL      one initial condition per equilibration region, named "EQUIL_<n>"
//   RSVD, RVVD, PBVD, PDVD, SALTVD, RTEMPVD
//              the one-component depth tables of the initial condition of region n
//   TRACER     one tracer model per tracer, named as in the deck, carried by "OIL",
//              "WATER" or "GAS"; TVDPF/TVDPS as its free/solution depth table, region 0
//   PVDS, SDENSITY  the solvent table, from region 1
//   PMISC, TLMIXPAR the miscibility table and its mixing parameters, from region 1
// The model has one gas table, one set of model densities, one water and one solvent
// table: a keyword's regions beyond the first for those are listed in notImported, as is
// every fluid keyword of the deck that has no place in the model and every keyword OPM
// does not know.
#ifndef ORV_TESS_VARNAK_DECK_DECKIMPORT_H
#define ORV_TESS_VARNAK_DECK_DECKIMPORT_H

#include <stdexcept>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak/Deck/Export.h"

namespace Orv::Tess::Varnak {
class IFluidModels;
}

namespace Orv::Tess::Varnak::Deck {

// The one exception an import raises for a deck it cannot take: a missing or unreadable
// file, a parse error (the message names OPM's file, line and keyword), a table that does
// not fit its dimensions, a value OPM or the library rejects. std::bad_alloc passes
// through unchanged. Either way the registry is left as it was.
class ORV_TESS_VARNAK_DECK_API DeckError : public std::runtime_error {
 public:
  explicit DeckError(std::string const& message);
  ~DeckError() override;
};

// What one import made.
struct ImportReport {
  // The deck's unit system: "METRIC", "FIELD", "LAB" or "PVT-M".
  std::string unitSystem;
  // The name of the black-oil model made (the caller's name, made unique as
  // IFluidModels::makeBlackOilModel does when the name is taken).
  std::string modelName;
  // What the model does not hold, each once: first the fluid keywords OPM read, in deck
  // order ("PVTG (region 2)", "PVTW (regions 2-4)" for a keyword imported for its first
  // region only), then the keywords OPM does not know, in the order met.
  std::vector<std::string> notImported;
  // The names of the initial conditions made, one per equilibration region, in order.
  std::vector<std::string> initialConditions;
  // The names of the tracer models made, in deck order.
  std::vector<std::string> tracers;
};

// Parses the deck file at `path` and fills a new black-oil model named `modelName` (made
// unique if taken) in `models`. Returns what was made. Throws DeckError; on any throw
// `models` is unchanged.
ORV_TESS_VARNAK_DECK_API ImportReport importDeckFile(IFluidModels& models, std::string const& path,
                                                     std::string const& modelName);

// The same for a deck held in `deckText`; INCLUDE paths are taken relative to the
// current directory.
ORV_TESS_VARNAK_DECK_API ImportReport importDeckString(IFluidModels& models,
                                                       std::string const& deckText,
                                                       std::string const& modelName);

}  // namespace Orv::Tess::Varnak::Deck

#endif  // ORV_TESS_VARNAK_DECK_DECKIMPORT_H
