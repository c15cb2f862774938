// IBlackOilModel: the black-oil kind of fluid model.
//
// Beside what every fluid model has (IFluidModel), a black-oil model holds one oil PVT
// table per PVT region (any int is a region key; keys need not be contiguous), at most
// one gas table, at most one solvent table, at most one miscibility table, and a gas and
// an oil density. The model owns every table: make… creates a table in its initial
// state, replacing (and releasing) the one it displaces, and returns it; the references
// and pointers handed out stay valid until the table is deleted or replaced, or the
// model is destroyed. get… of an absent table returns null; delete… of an absent table
// does nothing. None of these operations raises an exception of its own.
#ifndef ORV_TESS_VARNAK_IBLACKOILMODEL_H
#define ORV_TESS_VARNAK_IBLACKOILMODEL_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IFluidModel.h"

namespace Orv::Tess::Varnak {

class ICompressibleOilTable;
class IDeadOilConstantCompressTable;
class IDeadOilTable;
class IDryGasTable;
class IGasTable;
class IMiscibilityTable;
class IOilTable;
class ISolventTable;

class ORV_TESS_VARNAK_API IBlackOilModel : public IFluidModel {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  IBlackOilModel() = default;
  IBlackOilModel(IBlackOilModel const&) = default;
  IBlackOilModel& operator=(IBlackOilModel const&) = default;
  ~IBlackOilModel() override;

  // Makes a new, empty wet-gas table in place of any gas table and returns it.
  virtual IGasTable& makeGasTable() = 0;
  // Makes a new, empty dry-gas table in place of any gas table and returns it.
  virtual IDryGasTable& makeDryGasTable() = 0;
  // Returns the gas table, of either kind, or null.
  virtual IGasTable* getGasTable() = 0;
  virtual IGasTable const* getGasTable() const = 0;
  // Destroys the gas table, if any.
  virtual void deleteGasTable() = 0;

  // Each makes a new oil table of its kind, in its initial state, for PVT region
  // `region`, in place of any table of that region, and returns it.
  virtual IOilTable& makeOilTable(int region) = 0;
  virtual ICompressibleOilTable& makeCompressibleOilTable(int region) = 0;
  virtual IDeadOilTable& makeDeadOilTable(int region) = 0;
  virtual IDeadOilConstantCompressTable& makeDeadOilConstantCompressTable(int region) = 0;
  // Returns the oil table of region `region`, or null.
  virtual IOilTable* getOilTable(int region) = 0;
  virtual IOilTable const* getOilTable(int region) const = 0;
  // Releases the oil table of region `region`, if any.
  virtual void deleteOilTable(int region) = 0;
  // Returns the number of regions that hold an oil table (not the largest region).
  virtual int getNumOfOilTables() const = 0;

  // Makes a new, empty solvent table in place of any and returns it.
  virtual ISolventTable& makeSolventTable() = 0;
  // Returns the solvent table, or null.
  virtual ISolventTable* getSolventTable() = 0;
  virtual ISolventTable const* getSolventTable() const = 0;
  // Destroys the solvent table, if any.
  virtual void deleteSolventTable() = 0;

  // Makes a new, empty miscibility table in place of any and returns it.
  virtual IMiscibilityTable& makeMiscibilityTable() = 0;
  // Returns the miscibility table, or null.
  virtual IMiscibilityTable* getMiscibilityTable() = 0;
  virtual IMiscibilityTable const* getMiscibilityTable() const = 0;
  // Destroys the miscibility table, if any.
  virtual void deleteMiscibilityTable() = 0;

  // Stores the gas density (unchecked); the getter returns it (0.0 at first).
  virtual void gasDensity(double density) = 0;
  virtual double gasDensity() const = 0;
  // Stores the oil density (unchecked); the getter returns it (0.0 at first).
  virtual void oilDensity(double density) = 0;
  virtual double oilDensity() const = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IBLACKOILMODEL_H
