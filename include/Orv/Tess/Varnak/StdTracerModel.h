// StdTracerModel: the library's tracer model.
//
// Copying copies the two names and the map of table handles: copy and source then share
// the same depth-table objects but each has its own map.
#ifndef ORV_TESS_VARNAK_STDTRACERMODEL_H
#define ORV_TESS_VARNAK_STDTRACERMODEL_H

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ITracerModel.h"

namespace Orv::Tess::Varnak {

class StdTracerDepthTable;

class ORV_TESS_VARNAK_API StdTracerModel : public ITracerModel {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  explicit StdTracerModel(std::string const& name = "");
  StdTracerModel(StdTracerModel const&) = default;
  StdTracerModel(StdTracerModel&&) = default;
  // Strong guarantee: on failure the target is left as it was.
  StdTracerModel& operator=(StdTracerModel const& other);
  // Copies and moves as the description at the top of this header says.
  StdTracerModel& operator=(StdTracerModel&&) = default;
  ~StdTracerModel() override;

  std::string getName() override;
  std::string getComponentName() override;
  void setComponentName(std::string const& name) override;
  ITracerDepthTable& makeDepthTable(DepthTableType type, int region) override;
  ITracerDepthTable* getDepthTable(DepthTableType type, int region) override;
  ITracerDepthTable const* getDepthTable(DepthTableType type, int region) const override;
  void deleteDepthTable(DepthTableType type, int region) override;
  int getNumOfDepthTables() const override;
  int getNumOfDepthTablesOfType(DepthTableType type) const override;
  bool hasDepthTablesOfType(DepthTableType type) const override;

 private:
  // Ordered by the type's integer value first, then by region.
  using Key = std::pair<DepthTableType, int>;

  // Throws one of the two region errors unless `region` may be accessed for `type`.
  void validateRegionNumber(DepthTableType type, int region) const;

  std::string name_;
  std::string componentName_;
  std::map<Key, std::shared_ptr<StdTracerDepthTable>> depthTables_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDTRACERMODEL_H
