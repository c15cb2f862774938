// The separator stage: stores its values as given and compares them field by field.
#include "Orv/Tess/Varnak/StdSeparatorStage.h"

namespace Orv::Tess::Varnak {

StdSeparatorStage::StdSeparatorStage(int stageIndex) : stageIndex_(stageIndex) {}

StdSeparatorStage::~StdSeparatorStage() = default;

int StdSeparatorStage::getStageIndex() const { return stageIndex_; }
double StdSeparatorStage::getTemperature() const { return temperature_; }
double StdSeparatorStage::getPressure() const { return pressure_; }
int StdSeparatorStage::getLiquidDestinationStageIndex() const {
  return liquidDestinationStageIndex_;
}
int StdSeparatorStage::getVapourDestinationStageIndex() const {
  return vapourDestinationStageIndex_;
}
int StdSeparatorStage::getKvalueTableNumber() const { return kvalueTableNumber_; }
int StdSeparatorStage::getGasPlantTableNumber() const { return gasPlantTableNumber_; }
int StdSeparatorStage::getSurfaceEOSNumber() const { return surfaceEOSNumber_; }
double StdSeparatorStage::getTemperatureForNGLdensity() const { return temperatureForNGLdensity_; }
double StdSeparatorStage::getPressureForNGLdensity() const { return pressureForNGLdensity_; }

void StdSeparatorStage::setStageIndex(int index) { stageIndex_ = index; }
void StdSeparatorStage::setTemperature(double temperature) { temperature_ = temperature; }
void StdSeparatorStage::setPressure(double pressure) { pressure_ = pressure; }
void StdSeparatorStage::setLiquidDestinationStageIndex(int index) {
  liquidDestinationStageIndex_ = index;
}
void StdSeparatorStage::setVapourDestinationStageIndex(int index) {
  vapourDestinationStageIndex_ = index;
}
void StdSeparatorStage::setKvalueTableNumber(int number) { kvalueTableNumber_ = number; }
void StdSeparatorStage::setGasPlantTableNumber(int number) { gasPlantTableNumber_ = number; }
void StdSeparatorStage::setSurfaceEOSNumber(int number) { surfaceEOSNumber_ = number; }
void StdSeparatorStage::setTemperatureForNGLdensity(double temperature) {
  temperatureForNGLdensity_ = temperature;
}
void StdSeparatorStage::setPressureForNGLdensity(double pressure) {
  pressureForNGLdensity_ = pressure;
}
void StdSeparatorStage::setIsLastStage(bool isLast) { isLastStage_ = isLast; }

// Both sides are read through the interface, so a stage of another implementation
// compares by its values too. The last-stage flag is deliberately left out: it marks
// the train's end for the host but does not change what the stage does.
bool StdSeparatorStage::operator==(ISeparatorStage const& other) const {
  return getStageIndex() == other.getStageIndex() && getTemperature() == other.getTemperature() &&
         getPressure() == other.getPressure() &&
         getLiquidDestinationStageIndex() == other.getLiquidDestinationStageIndex() &&
         getVapourDestinationStageIndex() == other.getVapourDestinationStageIndex() &&
         getKvalueTableNumber() == other.getKvalueTableNumber() &&
         getGasPlantTableNumber() == other.getGasPlantTableNumber() &&
         getSurfaceEOSNumber() == other.getSurfaceEOSNumber() &&
         getTemperatureForNGLdensity() == other.getTemperatureForNGLdensity() &&
         getPressureForNGLdensity() == other.getPressureForNGLdensity();
}

}  // namespace Orv::Tess::Varnak
