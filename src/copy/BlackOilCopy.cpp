// Copies of black-oil models and their tables. Oil and gas tables share one
// two-level shape (saturated rows, each with its undersaturated entries); only
// the names of the row key and of the entry's first value differ, so the
// transfer is written once for both. Between the library's own tables the rows move
// directly (see Direct.h).
#include <algorithm>
#include <cstddef>
#include <type_traits>
#include <utility>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/IBlackOilModel.h"
#include "Orv/Tess/Varnak/ICompressibleOilTable.h"
#include "Orv/Tess/Varnak/IFluidModel.h"
#include "Orv/Tess/Varnak/IGasTable.h"
#include "Orv/Tess/Varnak/IMiscibilityTable.h"
#include "Orv/Tess/Varnak/IOilTable.h"
#include "Orv/Tess/Varnak/ISolventTable.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "copy/CopyFlags.h"
#include "copy/Direct.h"
#include "frame/Access.h"

namespace Orv::Tess::Varnak {

namespace {

// An oil table's saturated row is keyed by its dissolved gas-oil ratio, and its
// entries start with a pressure; a gas table's row is keyed by a pressure, and
// its entries start with a vaporised oil-gas ratio.
void transferRowKey(IOilTable const& source, IOilTable& target, int sat) {
  target.setGasOilRatio(sat, source.getGasOilRatio(sat));
}
void transferRowKey(IGasTable const& source, IGasTable& target, int sat) {
  target.setPressure(sat, source.getPressure(sat));
}
void transferEntryKey(IOilTable const& source, IOilTable& target, int sat, int usat) {
  target.setPressure(sat, usat, source.getPressure(sat, usat));
}
void transferEntryKey(IGasTable const& source, IGasTable& target, int sat, int usat) {
  target.setOilGasRatio(sat, usat, source.getOilGasRatio(sat, usat));
}

// The two-level storage inside each of the library's oil and gas table kinds, when the
// table is exactly one of them; null for any other class.
StdBaseTable<IOilTable> const* storage(IOilTable const& table) {
  if (auto const* t = detail::exactly<StdOilTable>(table)) return t;
  if (auto const* t = detail::exactly<StdDeadOilTable>(table)) {
    return &detail::Access<StdDeadOilTable>::inner(*t);
  }
  if (auto const* t = detail::exactly<StdDeadOilConstantCompressTable>(table)) {
    return &detail::Access<StdDeadOilTable>::inner(
        detail::Access<StdDeadOilConstantCompressTable>::inner(*t));
  }
  if (auto const* t = detail::exactly<StdCompressibleOilTable>(table)) {
    return &detail::Access<StdCompressibleOilTable>::inner(*t);
  }
  return nullptr;
}
StdBaseTable<IGasTable> const* storage(IGasTable const& table) {
  if (auto const* t = detail::exactly<StdGasTable>(table)) return t;
  if (auto const* t = detail::exactly<StdDryGasTable>(table)) {
    return &detail::Access<StdDryGasTable>::inner(*t);
  }
  return nullptr;
}
template <class Table>
auto* storage(Table& table) {
  using Base = std::remove_const_t<std::remove_pointer_t<decltype(storage(std::as_const(table)))>>;
  return const_cast<Base*>(storage(std::as_const(table)));
}

// The two-level transfer between two of the library's tables: the target's own
// setSaturatedSize sizes the rows (and whatever its kind keeps per row), then each row is
// sized as setUndersaturatedSize sizes it and takes the source's entries at once.
template <class Base, class Table>
void transferRows(Base const& from, Table& target, Base& into) {
  using Storage = detail::Access<Base>;
  auto const& sourceRows = Storage::rows(from);
  target.setSaturatedSize(static_cast<int>(sourceRows.size()));
  if (&from == &into) return;
  auto& targetRows = Storage::rows(into);
  for (std::size_t i = 0; i < sourceRows.size(); ++i) {
    auto const& row = sourceRows[i];
    targetRows[i].entries.resize(row.entries.size(), {0.0, 0.0, 0.0});
    targetRows[i].saturated = row.saturated;
    std::copy(row.entries.begin(), row.entries.end(), targetRows[i].entries.begin());
  }
  Storage::surfaceDensity(into) = Storage::surfaceDensity(from);
}

// Leaves the target with the source's rows, entries and surface density; rows
// and entries beyond the source's are dropped by the resizing. The target's
// kind-specific values (dead-oil, dry-gas, per-row compressibility) are not the
// two-level table's.
template <class Table>
void transferTwoLevel(Table const& source, Table& target, bool direct) {
  if (direct) {
    auto const* from = storage(source);
    auto* into = storage(target);
    if (from != nullptr && into != nullptr) return transferRows(*from, target, *into);
  }
  int const numRows = source.getSaturatedSize();
  target.setSaturatedSize(numRows);
  for (int sat = 0; sat < numRows; ++sat) {
    int const numEntries = source.getUndersaturatedSize(sat);
    target.setUndersaturatedSize(sat, numEntries);
    transferRowKey(source, target, sat);
    for (int usat = 0; usat < numEntries; ++usat) {
      transferEntryKey(source, target, sat, usat);
      target.setFormationVolumeFactor(sat, usat, source.getFormationVolumeFactor(sat, usat));
      target.setViscosity(sat, usat, source.getViscosity(sat, usat));
    }
  }
  target.setSurfaceDensity(source.getSurfaceDensity());
}

// Copies the oil table of one region. A compressible source goes into a
// compressible target table (made, replacing a table of another kind, when
// there is none); any other source goes into whatever table the target holds (a
// plain oil table when none).
// The compressible-table copy: the per-row pairs, then the two-level transfer.
void copyCompressible(ICompressibleOilTable const& source, ICompressibleOilTable& target,
                      bool direct) {
  using Storage = detail::Access<StdCompressibleOilTable>;
  auto const* from = direct ? detail::exactly<StdCompressibleOilTable>(source) : nullptr;
  auto* into = direct ? detail::exactly<StdCompressibleOilTable>(target) : nullptr;
  // The per-row pair is sized with the rows, so the rows are sized first; the
  // two-level transfer then sizes them once more to the same count.
  int const numRows = source.getSaturatedSize();
  target.setSaturatedSize(numRows);
  if (from != nullptr && into != nullptr) {
    std::copy(Storage::coefficients(*from).begin(), Storage::coefficients(*from).end(),
              Storage::coefficients(*into).begin());
  } else {
    for (int sat = 0; sat < numRows; ++sat) {
      target.setCompressibility(sat, source.getCompressibility(sat));
      target.setViscosibility(sat, source.getViscosibility(sat));
    }
  }
  transferTwoLevel<IOilTable>(source, target, direct);
}

// (The flag word the compressible-table copy would be passed is not its to read.)
void copyOilRegion(IBlackOilModel const& source, IBlackOilModel& target, int region, bool direct) {
  IOilTable const* table = source.getOilTable(region);
  if (auto const* compressible = dynamic_cast<ICompressibleOilTable const*>(table)) {
    auto* into = dynamic_cast<ICompressibleOilTable*>(target.getOilTable(region));
    if (into == nullptr) {
      into = &target.makeCompressibleOilTable(region);
    }
    copyCompressible(*compressible, *into, direct);
  } else if (table != nullptr) {
    IOilTable* into = target.getOilTable(region);
    if (into == nullptr) {
      into = &target.makeOilTable(region);
    }
    transferTwoLevel(*table, *into, direct);
  } else {
    target.deleteOilTable(region);
  }
}

}  // namespace

void copy(IBlackOilModel const& source, IBlackOilModel& target, int flags) {
  bool const direct = detail::exactly<StdBlackOilModel>(source) != nullptr &&
                      detail::exactly<StdBlackOilModel>(target) != nullptr;
  target.gasDensity(source.gasDensity());
  target.oilDensity(source.oilDensity());
  detail::copyFluidModel(source, target, flags, direct);
  if (detail::hasFlag(flags, detail::kCopyGasTable)) {
    if (IGasTable const* gas = source.getGasTable()) {
      IGasTable* into = target.getGasTable();
      if (into == nullptr) {
        into = &target.makeGasTable();
      }
      transferTwoLevel(*gas, *into, direct);
    } else {
      target.deleteGasTable();
    }
  }
  // Regions are walked 1 to the number of tables: a source numbering its
  // regions from 1 without gaps is copied whole; tables under other keys are
  // not visited on either side.
  int const numRegions = source.getNumOfOilTables();
  if (detail::hasFlag(flags, detail::kCopyOilTables)) {
    for (int region = 1; region <= numRegions; ++region) {
      copyOilRegion(source, target, region, direct);
    }
  }
}

void copy(IOilTable const& source, IOilTable& target, int /*flags*/) {
  transferTwoLevel(source, target, true);
}

void copy(IGasTable const& source, IGasTable& target, int /*flags*/) {
  transferTwoLevel(source, target, true);
}

void copy(ICompressibleOilTable const& source, ICompressibleOilTable& target, int /*flags*/) {
  copyCompressible(source, target, true);
}

void copy(ISolventTable const& source, ISolventTable& target, int /*flags*/) {
  using Storage = detail::Access<StdSolventTable>;
  target.setSize(source.getSize());
  auto const* from = detail::exactly<StdSolventTable>(source);
  auto* into = detail::exactly<StdSolventTable>(target);
  if (from != nullptr && into != nullptr) {
    std::copy(Storage::rows(*from).begin(), Storage::rows(*from).end(),
              Storage::rows(*into).begin());
    Storage::surfaceDensity(*into) = Storage::surfaceDensity(*from);
    return;
  }
  for (int i = 0; i < source.getSize(); ++i) {
    target.setPressure(i, source.getPressure(i));
    target.setFormationVolumeFactor(i, source.getFormationVolumeFactor(i));
    target.setViscosity(i, source.getViscosity(i));
  }
  target.setSurfaceDensity(source.getSurfaceDensity());
}

void copy(IMiscibilityTable const& source, IMiscibilityTable& target, int /*flags*/) {
  using Storage = detail::Access<StdMisciblityTable>;
  target.setSize(source.getSize());
  auto const* from = detail::exactly<StdMisciblityTable>(source);
  auto* into = detail::exactly<StdMisciblityTable>(target);
  if (from != nullptr && into != nullptr) {
    std::copy(Storage::rows(*from).begin(), Storage::rows(*from).end(),
              Storage::rows(*into).begin());
  } else {
    for (int i = 0; i < source.getSize(); ++i) {
      target.setOilPressure(i, source.getOilPressure(i));
      target.setMiscibility(i, source.getMiscibility(i));
    }
  }
  target.setViscosityMixingParameter(source.getViscosityMixingParameter());
  target.setDensityMixingParameter(source.getDensityMixingParameter());
}

}  // namespace Orv::Tess::Varnak
