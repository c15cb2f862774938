// StdFluidModel<T>: the part every fluid model shares, written once for both model kinds.
//
// T is the model's interface (IBlackOilModel or ICompositionalModel, both derived from
// IFluidModel); StdBlackOilModel and StdCompositionalModel derive from StdFluidModel<T>
// and add their own data. The model owns its optional water properties (exclusively),
// its initial conditions (by value, keyed by name) and its temperature tables (by value,
// one per property). References and pointers it hands out stay valid until that entry
// is deleted or replaced, or the model is destroyed.
//
// Copying: the copy constructor copies the name, the water properties and every initial
// condition with its depth tables, but no temperature table. Copy assignment replaces
// the name, the water properties and the initial conditions with copies of the source's
// and leaves the target's temperature tables as they were; it gives the strong
// guarantee. A derived model copies its own data in locals first, then calls
// `StdFluidModel<T>::operator=`, then commits its own data with non-throwing moves.
//
// The member definitions are compiled into the library for each model kind; hosts use
// the two kinds through StdBlackOilModel and StdCompositionalModel.
#ifndef ORV_TESS_VARNAK_STDFLUIDMODEL_H
#define ORV_TESS_VARNAK_STDFLUIDMODEL_H

#include <map>
#include <memory>
#include <set>
#include <string>

#include "Orv/Tess/Varnak/IFluidModel.h"
#include "Orv/Tess/Varnak/StdInitialCondition.h"
#include "Orv/Tess/Varnak/StdTemperatureTable.h"

namespace Orv::Tess::Varnak {

class StdWaterProperties;

template <class T>
class StdFluidModel : public T {
 public:
  // The property a temperature table gives (IFluidModel::TemperatureTableProperty).
  using TemperatureTableProperty = IFluidModel::TemperatureTableProperty;

  // A model named `name`, without water properties, initial conditions or temperature
  // tables.
  explicit StdFluidModel(std::string const& name = std::string());
  // Copies and moves as the description at the top of this header says.
  StdFluidModel(StdFluidModel const& other);
  StdFluidModel& operator=(StdFluidModel const& other);
  ~StdFluidModel() override;

  // The operations every fluid model shares, as IFluidModel describes them.
  std::string getName() override;
  IWaterProperties& makeWaterProperties() override;
  IWaterProperties* getWaterProperties() override;
  IWaterProperties const* getWaterProperties() const override;
  void deleteWaterProperties() override;
  IInitialCondition& makeInitialCondition(std::string const& name) override;
  IInitialCondition& getInitialCondition(std::string const& name) override;
  IInitialCondition const& getInitialCondition(std::string const& name) const override;
  void deleteInitialCondition(std::string const& name) override;
  std::set<std::string> getInitialConditionNames() override;
  bool hasTemperatureTable(TemperatureTableProperty property) const override;
  ITemperatureTable& getTemperatureTable(TemperatureTableProperty property) override;
  ITemperatureTable const& getTemperatureTable(TemperatureTableProperty property) const override;
  void deleteTemperatureTable(TemperatureTableProperty property) override;

 private:
  // Throws std::runtime_error "Initial condition '<name>' does not exist" when no
  // initial condition has that name.
  void validate(std::string const& name) const;

  std::string name_;
  std::unique_ptr<StdWaterProperties> waterProperties_;
  std::map<std::string, StdInitialCondition> initialConditions_;
  std::map<TemperatureTableProperty, StdTemperatureTable> temperatureTables_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDFLUIDMODEL_H
