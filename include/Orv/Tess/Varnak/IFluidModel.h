// IFluidModel: what every fluid model has in common, black-oil or compositional.
//
// A fluid model has a name, optional water properties, any number of named initial
// conditions and at most one temperature table per temperature-dependent property. The
// model owns all of them; callers receive references or pointers that stay valid until
// the child is deleted or replaced, or the model is destroyed.
#ifndef ORV_TESS_VARNAK_IFLUIDMODEL_H
#define ORV_TESS_VARNAK_IFLUIDMODEL_H

#include <set>
#include <string>

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class IInitialCondition;
class ITemperatureTable;
class IWaterProperties;

class ORV_TESS_VARNAK_API IFluidModel {
 public:
  // The temperature-dependent properties a model can tabulate. Each table holds one
  // value per temperature (row) and component (column). The model uses the value only
  // as an integer key; other integers are accepted as keys too.
  enum class TemperatureTableProperty : int {
    OilViscosity = 0,       // liquid (oil-phase) viscosity against temperature
    GasViscosity = 1,       // vapour (gas-phase) viscosity against temperature
    WaterViscosity = 2,     // water viscosity against temperature
    OilSpecificHeat = 3,    // liquid specific heat capacity against temperature
    GasSpecificHeat = 4,    // vapour specific heat capacity against temperature
    WaterSpecificHeat = 5,  // water specific heat capacity against temperature
    VaporPressure = 6,      // component vapour pressure against temperature
  };

  // The interface holds no data; its implementations copy, move and destroy theirs.
  IFluidModel() = default;
  IFluidModel(IFluidModel const&) = default;
  IFluidModel& operator=(IFluidModel const&) = default;
  virtual ~IFluidModel();

  // Returns the model's name, fixed when the model was made.
  virtual std::string getName() = 0;

  // Makes new water properties with their defaults, replacing (and destroying) any
  // present ones, and returns them.
  virtual IWaterProperties& makeWaterProperties() = 0;
  // Returns the water properties, or null when the model has none.
  virtual IWaterProperties* getWaterProperties() = 0;
  virtual IWaterProperties const* getWaterProperties() const = 0;
  // Destroys the water properties; does nothing when there are none.
  virtual void deleteWaterProperties() = 0;

  // Always makes a new initial condition and returns it. It is named `name` when that
  // name is free, otherwise `name` + "_" + k for the smallest free k = 1, 2, …
  virtual IInitialCondition& makeInitialCondition(std::string const& name) = 0;
  // Returns the initial condition named `name`.
  // Throws std::runtime_error "Initial condition '<name>' does not exist".
  virtual IInitialCondition& getInitialCondition(std::string const& name) = 0;
  virtual IInitialCondition const& getInitialCondition(std::string const& name) const = 0;
  // Destroys the initial condition named `name`; throws as getInitialCondition.
  virtual void deleteInitialCondition(std::string const& name) = 0;
  // Returns the names of all initial conditions, in byte order.
  virtual std::set<std::string> getInitialConditionNames() = 0;

  // Returns true when a temperature table is stored for `property`.
  virtual bool hasTemperatureTable(TemperatureTableProperty property) const = 0;
  // Returns the table for `property`, making an empty one first when there is none.
  virtual ITemperatureTable& getTemperatureTable(TemperatureTableProperty property) = 0;
  // Returns the table for `property`. Throws std::range_error
  // "Fluid does not have Temperature table <integer value>" when there is none.
  virtual ITemperatureTable const& getTemperatureTable(TemperatureTableProperty property) const = 0;
  // Destroys the table for `property`; does nothing when there is none.
  virtual void deleteTemperatureTable(TemperatureTableProperty property) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IFLUIDMODEL_H
