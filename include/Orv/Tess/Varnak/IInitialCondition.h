// IInitialCondition: the initial state of a reservoir, described against depth.
//
// A datum depth with the pressure there, the gas-oil and water contact depths with the
// capillary pressures at them, and at most one depth table per property. Values are
// stored as given, without units or checks. Initial conditions are owned by their fluid
// model (IFluidModel::makeInitialCondition); the initial condition owns its depth tables,
// and a reference to one stays valid until that table is deleted or the initial
// condition is destroyed.
#ifndef ORV_TESS_VARNAK_IINITIALCONDITION_H
#define ORV_TESS_VARNAK_IINITIALCONDITION_H

#include <string>

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class IDepthTable;

class ORV_TESS_VARNAK_API IInitialCondition {
 public:
  // The properties that can be given against depth. The initial condition uses the value
  // only as an integer key; other integers are accepted as keys too.
  enum class Property : int {
    SolutionGasOilRatio = 0,   // gas dissolved in oil (Rs) against depth
    VaporizedOilGasRatio = 1,  // oil vaporised in gas (Rv) against depth
    BubblePointPressure = 2,   // oil saturation pressure against depth
    DewPointPressure = 3,      // gas saturation pressure against depth
    Temperature = 4,           // initial reservoir temperature against depth
    OverallComposition = 5,    // total mole fraction of each component against depth
    OilComposition = 6,        // liquid-phase mole fraction of each component against depth
    GasComposition = 7,        // vapour-phase mole fraction of each component against depth
    SaltConcentration = 8,     // concentration of each brine salt against depth
    OilApiGravity = 9,         // stock-tank oil API gravity against depth
    WaterSaturation = 10,      // initial water saturation against depth
    Pressure = 11,             // initial pressure against depth, where not equilibrated
  };

  // The interface holds no data; its implementations copy, move and destroy theirs.
  IInitialCondition() = default;
  IInitialCondition(IInitialCondition const&) = default;
  IInitialCondition& operator=(IInitialCondition const&) = default;
  virtual ~IInitialCondition();

  // Returns the name the initial condition was made with.
  virtual std::string getName() = 0;
  // The datum: a reference depth and the pressure there.
  virtual double getDatumDepth() const = 0;
  virtual void setDatumDepth(double value) = 0;
  virtual double getDatumPressure() const = 0;
  virtual void setDatumPressure(double value) = 0;
  // The gas-oil contact and the gas-oil capillary pressure there.
  virtual double getGasOilContactDepth() const = 0;
  virtual void setGasOilContactDepth(double value) = 0;
  virtual double getGasOilContactCapillaryPressure() const = 0;
  virtual void setGasOilContactCapillaryPressure(double value) = 0;
  // The water contact and the water capillary pressure there.
  virtual double getWaterContactDepth() const = 0;
  virtual void setWaterContactDepth(double value) = 0;
  virtual double getWaterContactCapillaryPressure() const = 0;
  virtual void setWaterContactCapillaryPressure(double value) = 0;

  // Returns true when a depth table is stored for `property`.
  virtual bool hasDepthTable(Property property) const = 0;
  // Returns the table for `property`, making an empty one first when there is none.
  virtual IDepthTable& getDepthTable(Property property) = 0;
  // Returns the table for `property`. Throws std::range_error
  // "Initial condition does not have depth table <integer value>" when there is none.
  virtual IDepthTable const& getDepthTable(Property property) const = 0;
  // Destroys the table for `property`; does nothing when there is none.
  virtual void deleteDepthTable(Property property) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IINITIALCONDITION_H
