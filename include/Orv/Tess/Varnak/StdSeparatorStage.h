// StdSeparatorStage: the library's separator stage, a plain record of its values.
//
// A new stage has the stage index given to its constructor, -1 for both destinations and
// all three table numbers, and 0.0 for its four pressures and temperatures. Copies take
// every member, the last-stage flag included. Separator models keep their stages by value.
#ifndef ORV_TESS_VARNAK_STDSEPARATORSTAGE_H
#define ORV_TESS_VARNAK_STDSEPARATORSTAGE_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ISeparatorStage.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdSeparatorStage : public ISeparatorStage {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  explicit StdSeparatorStage(int stageIndex = -1);
  StdSeparatorStage(StdSeparatorStage const&) = default;
  StdSeparatorStage& operator=(StdSeparatorStage const&) = default;
  ~StdSeparatorStage() override;

  int getStageIndex() const override;
  double getTemperature() const override;
  double getPressure() const override;
  int getLiquidDestinationStageIndex() const override;
  int getVapourDestinationStageIndex() const override;
  int getKvalueTableNumber() const override;
  int getGasPlantTableNumber() const override;
  int getSurfaceEOSNumber() const override;
  double getTemperatureForNGLdensity() const override;
  double getPressureForNGLdensity() const override;
  void setStageIndex(int index) override;
  void setTemperature(double temperature) override;
  void setPressure(double pressure) override;
  void setLiquidDestinationStageIndex(int index) override;
  void setVapourDestinationStageIndex(int index) override;
  void setKvalueTableNumber(int number) override;
  void setGasPlantTableNumber(int number) override;
  void setSurfaceEOSNumber(int number) override;
  void setTemperatureForNGLdensity(double temperature) override;
  void setPressureForNGLdensity(double pressure) override;
  void setIsLastStage(bool isLast) override;
  bool operator==(ISeparatorStage const& other) const override;

 private:
  int stageIndex_;
  double temperature_ = 0.0;
  double pressure_ = 0.0;
  int liquidDestinationStageIndex_ = -1;
  int vapourDestinationStageIndex_ = -1;
  int kvalueTableNumber_ = -1;
  int gasPlantTableNumber_ = -1;
  int surfaceEOSNumber_ = -1;
  double temperatureForNGLdensity_ = 0.0;
  double pressureForNGLdensity_ = 0.0;
  bool isLastStage_ = false;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDSEPARATORSTAGE_H
