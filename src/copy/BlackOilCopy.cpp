// Copies of black-oil models and their tables. Oil and gas tables share one
// two-level shape (saturated rows, each with its undersaturated entries); only
// the names of the row key and of the entry's first value differ, so the
// transfer is written once for both.
#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/IBlackOilModel.h"
#include "Orv/Tess/Varnak/ICompressibleOilTable.h"
#include "Orv/Tess/Varnak/IFluidModel.h"
#include "Orv/Tess/Varnak/IGasTable.h"
#include "Orv/Tess/Varnak/IMiscibilityTable.h"
#include "Orv/Tess/Varnak/IOilTable.h"
#include "Orv/Tess/Varnak/ISolventTable.h"
#include "copy/CopyFlags.h"

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

// Leaves the target with the source's rows, entries and surface density; rows
// and entries beyond the source's are dropped by the resizing. The target's
// kind-specific values (dead-oil, dry-gas, per-row compressibility) are not the
// two-level table's.
template <class Table>
void transferTwoLevel(Table const& source, Table& target) {
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
void copyOilRegion(IBlackOilModel const& source, IBlackOilModel& target, int region, int flags) {
  IOilTable const* table = source.getOilTable(region);
  if (auto const* compressible = dynamic_cast<ICompressibleOilTable const*>(table)) {
    auto* into = dynamic_cast<ICompressibleOilTable*>(target.getOilTable(region));
    if (into == nullptr) {
      into = &target.makeCompressibleOilTable(region);
    }
    copy(*compressible, *into, flags);
  } else if (table != nullptr) {
    IOilTable* into = target.getOilTable(region);
    if (into == nullptr) {
      into = &target.makeOilTable(region);
    }
    transferTwoLevel(*table, *into);
  } else {
    target.deleteOilTable(region);
  }
}

}  // namespace

void copy(IBlackOilModel const& source, IBlackOilModel& target, int flags) {
  target.gasDensity(source.gasDensity());
  target.oilDensity(source.oilDensity());
  copy(static_cast<IFluidModel const&>(source), static_cast<IFluidModel&>(target), flags);
  if (detail::hasFlag(flags, detail::kCopyGasTable)) {
    if (IGasTable const* gas = source.getGasTable()) {
      IGasTable* into = target.getGasTable();
      if (into == nullptr) {
        into = &target.makeGasTable();
      }
      transferTwoLevel(*gas, *into);
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
      copyOilRegion(source, target, region, flags);
    }
  }
}

void copy(IOilTable const& source, IOilTable& target, int /*flags*/) {
  transferTwoLevel(source, target);
}

void copy(IGasTable const& source, IGasTable& target, int /*flags*/) {
  transferTwoLevel(source, target);
}

void copy(ICompressibleOilTable const& source, ICompressibleOilTable& target, int /*flags*/) {
  // The per-row pair is sized with the rows, so the rows are sized first; the
  // two-level transfer then sizes them once more to the same count.
  int const numRows = source.getSaturatedSize();
  target.setSaturatedSize(numRows);
  for (int sat = 0; sat < numRows; ++sat) {
    target.setCompressibility(sat, source.getCompressibility(sat));
    target.setViscosibility(sat, source.getViscosibility(sat));
  }
  transferTwoLevel<IOilTable>(source, target);
}

void copy(ISolventTable const& source, ISolventTable& target, int /*flags*/) {
  target.setSize(source.getSize());
  for (int i = 0; i < source.getSize(); ++i) {
    target.setPressure(i, source.getPressure(i));
    target.setFormationVolumeFactor(i, source.getFormationVolumeFactor(i));
    target.setViscosity(i, source.getViscosity(i));
  }
  target.setSurfaceDensity(source.getSurfaceDensity());
}

void copy(IMiscibilityTable const& source, IMiscibilityTable& target, int /*flags*/) {
  target.setSize(source.getSize());
  for (int i = 0; i < source.getSize(); ++i) {
    target.setOilPressure(i, source.getOilPressure(i));
    target.setMiscibility(i, source.getMiscibility(i));
  }
  target.setViscosityMixingParameter(source.getViscosityMixingParameter());
  target.setDensityMixingParameter(source.getDensityMixingParameter());
}

}  // namespace Orv::Tess::Varnak
