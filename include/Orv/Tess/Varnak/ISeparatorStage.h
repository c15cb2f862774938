// ISeparatorStage: one stage of a surface separator train.
//
// A stage flashes the stream it receives at its own pressure and temperature and sends
// its liquid and its vapour on to other stages of the same train, named by their stage
// indices. It also names the tables it uses (K-values, gas plant, surface equation of
// state) and the conditions at which the density of natural gas liquids is evaluated.
// The value -1 marks a destination or table number that is not set. Setters store what
// they are given without any check. Stages are owned by their separator model.
#ifndef ORV_TESS_VARNAK_ISEPARATORSTAGE_H
#define ORV_TESS_VARNAK_ISEPARATORSTAGE_H

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API ISeparatorStage {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  ISeparatorStage() = default;
  ISeparatorStage(ISeparatorStage const&) = default;
  ISeparatorStage& operator=(ISeparatorStage const&) = default;
  virtual ~ISeparatorStage();

  // Returns the stage index, by which other stages name this one as a destination.
  virtual int getStageIndex() const = 0;
  // Returns the operating temperature of the stage.
  virtual double getTemperature() const = 0;
  // Returns the operating pressure of the stage.
  virtual double getPressure() const = 0;
  // Returns the stage index the liquid goes to, or -1 when not set.
  virtual int getLiquidDestinationStageIndex() const = 0;
  // Returns the stage index the vapour goes to, or -1 when not set.
  virtual int getVapourDestinationStageIndex() const = 0;
  // Returns the K-value table number used by the stage, or -1 when not set.
  virtual int getKvalueTableNumber() const = 0;
  // Returns the gas plant table number used by the stage, or -1 when not set.
  virtual int getGasPlantTableNumber() const = 0;
  // Returns the surface equation-of-state number used by the stage, or -1 when not set.
  virtual int getSurfaceEOSNumber() const = 0;
  // Returns the temperature at which the density of natural gas liquids is evaluated.
  virtual double getTemperatureForNGLdensity() const = 0;
  // Returns the pressure at which the density of natural gas liquids is evaluated.
  virtual double getPressureForNGLdensity() const = 0;

  // Each setter stores its argument as given; nothing is checked.
  virtual void setStageIndex(int index) = 0;
  virtual void setTemperature(double temperature) = 0;
  virtual void setPressure(double pressure) = 0;
  virtual void setLiquidDestinationStageIndex(int index) = 0;
  virtual void setVapourDestinationStageIndex(int index) = 0;
  virtual void setKvalueTableNumber(int number) = 0;
  virtual void setGasPlantTableNumber(int number) = 0;
  virtual void setSurfaceEOSNumber(int number) = 0;
  virtual void setTemperatureForNGLdensity(double temperature) = 0;
  virtual void setPressureForNGLdensity(double pressure) = 0;
  // Marks the stage as the last of its train. The flag is kept and copied with the stage
  // but is read by no operation and takes no part in comparison.
  virtual void setIsLastStage(bool isLast) = 0;

  // Returns true when the ten values read by the getters above are equal, compared in
  // getter order through `other`'s getters; doubles compare exactly (NaN equals nothing).
  virtual bool operator==(ISeparatorStage const& other) const = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ISEPARATORSTAGE_H
