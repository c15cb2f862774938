// StdInitialCondition: the library's initial condition.
//
// Starts with all six numbers at 0.0 and no depth tables. The depth tables are held by
// value, one per property; copies and moves take the name, the numbers and every depth
// table with them.
#ifndef ORV_TESS_VARNAK_STDINITIALCONDITION_H
#define ORV_TESS_VARNAK_STDINITIALCONDITION_H

#include <map>
#include <string>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IInitialCondition.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdInitialCondition : public IInitialCondition {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  explicit StdInitialCondition(std::string const& name = std::string());
  StdInitialCondition(StdInitialCondition const& other);
  StdInitialCondition(StdInitialCondition&& other);
  // Strong guarantee: on failure the target is left as it was.
  StdInitialCondition& operator=(StdInitialCondition const& other);
  // Copies and moves as the description at the top of this header says.
  StdInitialCondition& operator=(StdInitialCondition&& other) noexcept;
  ~StdInitialCondition() override;

  std::string getName() override;
  double getDatumDepth() const override;
  void setDatumDepth(double value) override;
  double getDatumPressure() const override;
  void setDatumPressure(double value) override;
  double getGasOilContactDepth() const override;
  void setGasOilContactDepth(double value) override;
  double getGasOilContactCapillaryPressure() const override;
  void setGasOilContactCapillaryPressure(double value) override;
  double getWaterContactDepth() const override;
  void setWaterContactDepth(double value) override;
  double getWaterContactCapillaryPressure() const override;
  void setWaterContactCapillaryPressure(double value) override;

  bool hasDepthTable(Property property) const override;
  IDepthTable& getDepthTable(Property property) override;
  IDepthTable const& getDepthTable(Property property) const override;
  void deleteDepthTable(Property property) override;

 private:
  std::string name_;
  double datumDepth_ = 0.0;
  double datumPressure_ = 0.0;
  double gasOilContactDepth_ = 0.0;
  double gasOilContactCapillaryPressure_ = 0.0;
  double waterContactDepth_ = 0.0;
  double waterContactCapillaryPressure_ = 0.0;
  std::map<Property, StdDepthTable> depthTables_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDINITIALCONDITION_H
