// StdBlackOilModel: the library's implementation of IBlackOilModel.
//
// The common fluid-model part (name, water properties, initial conditions, temperature
// tables) comes from StdFluidModel<IBlackOilModel>. The model owns its gas table, solvent
// table and miscibility table exclusively; its oil tables are held under shared
// ownership, because copies of a model share them:
//   - the copy constructor shares every oil table with the source (a change made
//     through either model is seen by both), gives the copy its own clone of the gas
//     table and its own duplicates of the solvent and miscibility tables;
//   - copy assignment does the same into an existing model, replacing the target's own
//     tables (or removing them where the source has none). It gives the strong guarantee.
// The registry makes black-oil models; a host may also construct one itself.
#ifndef ORV_TESS_VARNAK_STDBLACKOILMODEL_H
#define ORV_TESS_VARNAK_STDBLACKOILMODEL_H

#include <map>
#include <memory>
#include <string>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IBlackOilModel.h"
#include "Orv/Tess/Varnak/StdFluidModel.h"

namespace Orv::Tess::Varnak {

class StdMisciblityTable;
class StdSolventTable;

extern template class ORV_TESS_VARNAK_API StdFluidModel<IBlackOilModel>;

class ORV_TESS_VARNAK_API StdBlackOilModel : public StdFluidModel<IBlackOilModel> {
 public:
  // A model named `name` with no tables and both densities 0.0.
  explicit StdBlackOilModel(std::string const& name = std::string());
  // Copies and moves as the description at the top of this header says.
  StdBlackOilModel(StdBlackOilModel const& other);
  StdBlackOilModel& operator=(StdBlackOilModel const& other);
  ~StdBlackOilModel() override;

  IGasTable& makeGasTable() override;
  IDryGasTable& makeDryGasTable() override;
  IGasTable* getGasTable() override;
  IGasTable const* getGasTable() const override;
  void deleteGasTable() override;

  IOilTable& makeOilTable(int region) override;
  ICompressibleOilTable& makeCompressibleOilTable(int region) override;
  IDeadOilTable& makeDeadOilTable(int region) override;
  IDeadOilConstantCompressTable& makeDeadOilConstantCompressTable(int region) override;
  IOilTable* getOilTable(int region) override;
  IOilTable const* getOilTable(int region) const override;
  void deleteOilTable(int region) override;
  int getNumOfOilTables() const override;

  ISolventTable& makeSolventTable() override;
  ISolventTable* getSolventTable() override;
  ISolventTable const* getSolventTable() const override;
  void deleteSolventTable() override;

  IMiscibilityTable& makeMiscibilityTable() override;
  IMiscibilityTable* getMiscibilityTable() override;
  IMiscibilityTable const* getMiscibilityTable() const override;
  void deleteMiscibilityTable() override;

  void gasDensity(double density) override;
  double gasDensity() const override;
  void oilDensity(double density) override;
  double oilDensity() const override;

 private:
  // Stores `table` under `region`, releasing any table there, and returns it.
  template <class Table>
  Table& storeOilTable(int region, std::shared_ptr<Table> table);

  double gasDensity_;
  double oilDensity_;
  std::unique_ptr<IGasTable> gasTable_;
  std::map<int, std::shared_ptr<IOilTable>> oilTables_;
  std::unique_ptr<StdSolventTable> solventTable_;
  std::unique_ptr<StdMisciblityTable> miscibilityTable_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDBLACKOILMODEL_H
