// ICompositionalModel: a fluid described by its components and an equation of state.
//
// Besides what every fluid model holds (name, water properties, initial conditions,
// temperature tables), a compositional model holds its components in creation order
// (a component's index is its position), the choice of equation of state and viscosity
// model, the binary interaction coefficients between components and three further
// matrices for the aqueous phase, K-value tables (at most one simple table and any number
// of named temperature and composition tables), at most one oil viscosity index table,
// chemical reactions in creation order, and a few scalar settings. The model makes and
// owns all of them and hands them out by reference (the oil viscosity index table by
// pointer); a reference stays valid until the object is deleted or replaced, or the
// model is destroyed. Component and reaction names are unique within a model.
#ifndef ORV_TESS_VARNAK_ICOMPOSITIONALMODEL_H
#define ORV_TESS_VARNAK_ICOMPOSITIONALMODEL_H

#include <set>
#include <string>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IComponent.h"
#include "Orv/Tess/Varnak/IFluidModel.h"

namespace Orv::Tess::Varnak {

class IAqueousSolubleComponent;
class IBinaryInteractionCoefficients;
class ICompositionKValueTable;
class IKValueTable;
class IOilViscosityIndexTable;
class IReaction;
class ITemperatureKValueTable;

class ORV_TESS_VARNAK_API ICompositionalModel : public IFluidModel {
 public:
  // The cubic equation of state the phase behaviour is computed with. The model only
  // stores the choice; any integer is accepted.
  enum class EquationOfState : int {
    PengRobinson = 0,          // Peng-Robinson (1976)
    SoaveRedlichKwong = 1,     // Soave-Redlich-Kwong
    RedlichKwong = 2,          // the original Redlich-Kwong
    ZudkevitchJoffe = 3,       // Zudkevitch-Joffe modification of Redlich-Kwong
    PengRobinsonCorrected = 4  // Peng-Robinson with the 1978 correction for heavy components
  };

  // The correlation that gives the hydrocarbon phase viscosities. The model only stores
  // the choice; any integer is accepted.
  enum class ViscosityModel : int {
    LohrenzBrayClark = 0,    // Lohrenz-Bray-Clark, from the critical properties
    Pedersen = 1,            // Pedersen corresponding states, with the six tuning parameters
    ChungLeeStarling = 2,    // Chung-Lee-Starling
    ViscosityIndexTable = 3  // from the oil viscosity index table
  };

  // The interface holds no data; its implementations copy, move and destroy theirs.
  ICompositionalModel() = default;
  ICompositionalModel(ICompositionalModel const&) = default;
  ICompositionalModel& operator=(ICompositionalModel const&) = default;
  ~ICompositionalModel() override;

  // Equation of state and viscosity model (0 in a new model); stored without a check.
  virtual void setEquationOfState(EquationOfState eos) = 0;
  virtual EquationOfState getEquationOfState() const = 0;
  virtual void setViscosityModel(ViscosityModel model) = 0;
  virtual ViscosityModel getViscosityModel() const = 0;

  // Makes a component at index getNumComponents() and returns it: a plain component for
  // type 0, an IAqueousSolubleComponent for type 1. Throws std::invalid_argument
  // "ICompositionalModel cannot make a duplicate component named '<name>'" when the name
  // is taken, else "ICompositionalModel cannot make component '<name>' of type <type>"
  // for any other type. Changes no coefficient, K-value table or reaction.
  virtual IComponent& makeComponent(std::string const& name, IComponent::Type type) = 0;
  // Returns the number of components.
  virtual int getNumComponents() const = 0;
  // Returns the component named `name`. Throws std::invalid_argument "Compositional
  // Fluid Model <model name> does not contain component '<name>'." when there is none.
  virtual IComponent& getComponent(std::string const& name) = 0;
  virtual IComponent const& getComponent(std::string const& name) const = 0;
  // Returns the component at `index`. Throws std::range_error
  // "Invalid IComponent index (<index>) passed to ICompositionalModel." when out of range.
  virtual IComponent& getComponent(int index) = 0;
  virtual IComponent const& getComponent(int index) const = 0;
  // Returns the aqueous-soluble component named `name`. Throws std::runtime_error
  // "No IAqueousSolubleComponent  '<name>' found in ICompositionalModel." when no
  // soluble component has the name (a plain component of that name is not found).
  virtual IAqueousSolubleComponent& getComponentAsAqueousSolubleComponent(
      std::string const& name) = 0;
  virtual IAqueousSolubleComponent const& getComponentAsAqueousSolubleComponent(
      std::string const& name) const = 0;
  // Returns the component at `index` as aqueous-soluble. Throws as getComponent(int) for a
  // bad index, and std::runtime_error "Component at index <index> is not of type
  // IAqueousSolubleComponent (type is class Orv::Tess::Varnak::IComponent *)" for a plain
  // component.
  virtual IAqueousSolubleComponent& getComponentAsAqueousSolubleComponent(int index) = 0;
  virtual IAqueousSolubleComponent const& getComponentAsAqueousSolubleComponent(
      int index) const = 0;
  // Returns true when a component is named `name`.
  virtual bool hasComponent(std::string const& name) const = 0;
  // Returns true when an aqueous-soluble component is named `name`.
  virtual bool hasAqueousSolubleComponent(std::string const& name) const = 0;
  // Returns the index of the component named `name`, or -1. Never throws.
  virtual int getComponentIndex(std::string const& name) const = 0;
  // Destroys the component at `index`; later components move down by one. The binary
  // interaction coefficients follow their components: the row and column of the deleted
  // one disappear. The aqueous matrices, K-value tables, oil viscosity index table and
  // reactions are left as they are. Throws as getComponent(int).
  virtual void deleteComponent(int index) = 0;
  // Returns the number of aqueous-soluble components.
  virtual int getNumAqueousSolubleComponents() const = 0;
  // Returns the aqueous-soluble component at `aqueousIndex`, counting only those
  // components, in index order. Throws std::range_error "Invalid IAqueousSolubleComponent
  // index (<aqueousIndex>) passed to ICompositionalModel." when out of range.
  virtual IAqueousSolubleComponent& getAqueousSolubleComponent(int aqueousIndex) = 0;
  virtual IAqueousSolubleComponent const& getAqueousSolubleComponent(int aqueousIndex) const = 0;

  // Returns the binary interaction coefficients between the components.
  virtual IBinaryInteractionCoefficients& getBICs() = 0;
  virtual IBinaryInteractionCoefficients const& getBICs() const = 0;
  // Returns the aqueous-phase interaction coefficients number 1, 2 or 3. Throws
  // std::range_error "Invalid aqueous IBinaryInteractionCoefficients coefficient number
  // (<n>) : must be 1, 2 or 3." for any other n.
  virtual IBinaryInteractionCoefficients& getAqueousBICs(int n) = 0;
  virtual IBinaryInteractionCoefficients const& getAqueousBICs(int n) const = 0;

  // Returns true when the model has the simple K-value table or any named one.
  virtual bool hasAnyKValueTables() const = 0;
  // Returns the simple K-value table, making an empty one first when there is none.
  virtual IKValueTable& makeSimpleKValueTable() = 0;
  virtual bool hasSimpleKValueTable() const = 0;
  // Returns the simple K-value table. Throws std::range_error
  // "K-Value table for PVT region '<model name>' does not exist." when there is none.
  virtual IKValueTable& getSimpleKValueTable() = 0;
  virtual IKValueTable const& getSimpleKValueTable() const = 0;
  // Returns the temperature K-value table named `name`, making an empty one first when
  // there is none (a taken name is no error).
  virtual ITemperatureKValueTable& makeTemperatureKValueTable(std::string const& name) = 0;
  // Returns the temperature K-value table named `name`. Throws std::range_error
  // "Temperature K-Value table '<name>' does not exist." when there is none.
  virtual ITemperatureKValueTable& getTemperatureKValueTable(std::string const& name) = 0;
  virtual ITemperatureKValueTable const& getTemperatureKValueTable(
      std::string const& name) const = 0;
  // Returns the names of the temperature K-value tables, in byte order.
  virtual std::set<std::string> getTemperatureKValueTableNames() const = 0;
  // As the temperature tables, in a name space of their own; the message of the getter
  // is "Composition K-Value table '<name>' does not exist."
  virtual ICompositionKValueTable& makeCompositionKValueTable(std::string const& name) = 0;
  virtual ICompositionKValueTable& getCompositionKValueTable(std::string const& name) = 0;
  virtual ICompositionKValueTable const& getCompositionKValueTable(
      std::string const& name) const = 0;
  virtual std::set<std::string> getCompositionKValueTableNames() const = 0;

  // Makes a new, empty oil viscosity index table in place of the present one (which is
  // destroyed) and returns it.
  virtual IOilViscosityIndexTable& makeOilViscosityIndexTable() = 0;
  // Returns the oil viscosity index table, or null when there is none.
  virtual IOilViscosityIndexTable* getOilViscosityIndexTable() = 0;
  virtual IOilViscosityIndexTable const* getOilViscosityIndexTable() const = 0;
  // Destroys the oil viscosity index table; does nothing when there is none.
  virtual void deleteOilViscosityIndexTable() = 0;
  // The two reference temperatures of the oil viscosity correlation (0.0 at first).
  virtual void setOilViscosityCorrelationT1(double value) = 0;
  virtual double getOilViscosityCorrelationT1() const = 0;
  virtual void setOilViscosityCorrelationT2(double value) = 0;
  virtual double getOilViscosityCorrelationT2() const = 0;

  // The salinity of the aqueous phase (0.0 at first).
  virtual void setSalinity(double value) = 0;
  virtual double getSalinity() const = 0;
  // The six tuning parameters of the Pedersen viscosity correlation; they start at 1.0,
  // 1.0, 1.847, 0.5173, 0.007378 and 0.031.
  virtual void setPedersenViscosityTuningParameter1(double value) = 0;
  virtual void setPedersenViscosityTuningParameter2(double value) = 0;
  virtual void setPedersenViscosityTuningParameter3(double value) = 0;
  virtual void setPedersenViscosityTuningParameter4(double value) = 0;
  virtual void setPedersenViscosityTuningParameter5(double value) = 0;
  virtual void setPedersenViscosityTuningParameter6(double value) = 0;
  virtual double getPedersenViscosityTuningParameter1() const = 0;
  virtual double getPedersenViscosityTuningParameter2() const = 0;
  virtual double getPedersenViscosityTuningParameter3() const = 0;
  virtual double getPedersenViscosityTuningParameter4() const = 0;
  virtual double getPedersenViscosityTuningParameter5() const = 0;
  virtual double getPedersenViscosityTuningParameter6() const = 0;
  // Whether phases are labelled by the Li critical-temperature correlation within its
  // limits (true at first), and the upper (1.25) and lower (0.75) limits.
  virtual void setUsesLiCorrelationLimits(bool value) = 0;
  virtual bool getUsesLiCorrelationLimits() const = 0;
  virtual void setLiCorrelationUpperLimit(double value) = 0;
  virtual void setLiCorrelationLowerLimit(double value) = 0;
  virtual double getLiCorrelationUpperLimit() const = 0;
  virtual double getLiCorrelationLowerLimit() const = 0;

  // Returns the number of reactions.
  virtual unsigned long long getNumReactions() const = 0;
  // Makes a reaction at index getNumReactions() and returns it. Throws
  // std::invalid_argument "ICompositionalModel cannot make a duplicate reaction named
  // '<name>'" when the name is taken.
  virtual IReaction& makeReaction(std::string const& name) = 0;
  // Returns true when a reaction is named `name`.
  virtual bool hasReaction(std::string const& name) const = 0;
  // Returns the reaction at `index`. Throws std::range_error
  // "Invalid IReaction index (<index>) passed to ICompositionalModel." when out of range.
  virtual IReaction& getReaction(unsigned long long index) = 0;
  virtual IReaction const& getReaction(unsigned long long index) const = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ICOMPOSITIONALMODEL_H
