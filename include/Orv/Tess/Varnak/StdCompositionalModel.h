// StdCompositionalModel: the compositional fluid model. The common part (name, water
// properties, initial conditions, temperature tables) is StdFluidModel's; this class
// adds the components and everything that goes with them.
//
// The model owns its components and reactions exclusively, its K-value tables under
// shared ownership (they may outlive a reference handed out by a copy) and its oil
// viscosity index table exclusively; the four coefficient matrices are members. A model
// is neither copied nor moved: the deep copy works through the interface.
#ifndef ORV_TESS_VARNAK_STDCOMPOSITIONALMODEL_H
#define ORV_TESS_VARNAK_STDCOMPOSITIONALMODEL_H

#include <array>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IComponent.h"
#include "Orv/Tess/Varnak/ICompositionalModel.h"
#include "Orv/Tess/Varnak/StdBinaryInteractionCoefficients.h"
#include "Orv/Tess/Varnak/StdFluidModel.h"

namespace Orv::Tess::Varnak {

template <class T>
class StdKValueTable;
class StdCompositionKValueTable;
class StdOilViscosityIndexTable;
class StdReaction;
class StdTemperatureKValueTable;

extern template class ORV_TESS_VARNAK_API StdFluidModel<ICompositionalModel>;

class ORV_TESS_VARNAK_API StdCompositionalModel : public StdFluidModel<ICompositionalModel> {
 public:
  // An empty model named `name`: no components, reactions or tables, equation of state
  // and viscosity model 0, and the default settings listed in ICompositionalModel.
  explicit StdCompositionalModel(std::string const& name = std::string());
  // Copies and moves as the description at the top of this header says.
  StdCompositionalModel(StdCompositionalModel const&) = delete;
  StdCompositionalModel& operator=(StdCompositionalModel const&) = delete;
  ~StdCompositionalModel() override;

  void setEquationOfState(EquationOfState eos) override;
  EquationOfState getEquationOfState() const override;
  void setViscosityModel(ViscosityModel model) override;
  ViscosityModel getViscosityModel() const override;

  IComponent& makeComponent(std::string const& name, IComponent::Type type) override;
  int getNumComponents() const override;
  IComponent& getComponent(std::string const& name) override;
  IComponent const& getComponent(std::string const& name) const override;
  IComponent& getComponent(int index) override;
  IComponent const& getComponent(int index) const override;
  IAqueousSolubleComponent& getComponentAsAqueousSolubleComponent(std::string const& name) override;
  IAqueousSolubleComponent const& getComponentAsAqueousSolubleComponent(
      std::string const& name) const override;
  IAqueousSolubleComponent& getComponentAsAqueousSolubleComponent(int index) override;
  IAqueousSolubleComponent const& getComponentAsAqueousSolubleComponent(int index) const override;
  bool hasComponent(std::string const& name) const override;
  bool hasAqueousSolubleComponent(std::string const& name) const override;
  int getComponentIndex(std::string const& name) const override;
  void deleteComponent(int index) override;
  int getNumAqueousSolubleComponents() const override;
  IAqueousSolubleComponent& getAqueousSolubleComponent(int aqueousIndex) override;
  IAqueousSolubleComponent const& getAqueousSolubleComponent(int aqueousIndex) const override;

  IBinaryInteractionCoefficients& getBICs() override;
  IBinaryInteractionCoefficients const& getBICs() const override;
  IBinaryInteractionCoefficients& getAqueousBICs(int n) override;
  IBinaryInteractionCoefficients const& getAqueousBICs(int n) const override;

  bool hasAnyKValueTables() const override;
  IKValueTable& makeSimpleKValueTable() override;
  bool hasSimpleKValueTable() const override;
  IKValueTable& getSimpleKValueTable() override;
  IKValueTable const& getSimpleKValueTable() const override;
  ITemperatureKValueTable& makeTemperatureKValueTable(std::string const& name) override;
  ITemperatureKValueTable& getTemperatureKValueTable(std::string const& name) override;
  ITemperatureKValueTable const& getTemperatureKValueTable(std::string const& name) const override;
  std::set<std::string> getTemperatureKValueTableNames() const override;
  ICompositionKValueTable& makeCompositionKValueTable(std::string const& name) override;
  ICompositionKValueTable& getCompositionKValueTable(std::string const& name) override;
  ICompositionKValueTable const& getCompositionKValueTable(std::string const& name) const override;
  std::set<std::string> getCompositionKValueTableNames() const override;

  IOilViscosityIndexTable& makeOilViscosityIndexTable() override;
  IOilViscosityIndexTable* getOilViscosityIndexTable() override;
  IOilViscosityIndexTable const* getOilViscosityIndexTable() const override;
  void deleteOilViscosityIndexTable() override;
  void setOilViscosityCorrelationT1(double value) override;
  double getOilViscosityCorrelationT1() const override;
  void setOilViscosityCorrelationT2(double value) override;
  double getOilViscosityCorrelationT2() const override;

  void setSalinity(double value) override;
  double getSalinity() const override;
  void setPedersenViscosityTuningParameter1(double value) override;
  void setPedersenViscosityTuningParameter2(double value) override;
  void setPedersenViscosityTuningParameter3(double value) override;
  void setPedersenViscosityTuningParameter4(double value) override;
  void setPedersenViscosityTuningParameter5(double value) override;
  void setPedersenViscosityTuningParameter6(double value) override;
  double getPedersenViscosityTuningParameter1() const override;
  double getPedersenViscosityTuningParameter2() const override;
  double getPedersenViscosityTuningParameter3() const override;
  double getPedersenViscosityTuningParameter4() const override;
  double getPedersenViscosityTuningParameter5() const override;
  double getPedersenViscosityTuningParameter6() const override;
  void setUsesLiCorrelationLimits(bool value) override;
  bool getUsesLiCorrelationLimits() const override;
  void setLiCorrelationUpperLimit(double value) override;
  void setLiCorrelationLowerLimit(double value) override;
  double getLiCorrelationUpperLimit() const override;
  double getLiCorrelationLowerLimit() const override;

  unsigned long long getNumReactions() const override;
  IReaction& makeReaction(std::string const& name) override;
  bool hasReaction(std::string const& name) const override;
  IReaction& getReaction(unsigned long long index) override;
  IReaction const& getReaction(unsigned long long index) const override;

 private:
  // Throws std::range_error "Invalid IComponent index (<index>) passed to
  // ICompositionalModel." unless 0 <= index < getNumComponents().
  void validateComponentIndex(int index) const;
  // Throws std::range_error "Invalid IAqueousSolubleComponent index (<index>) passed to
  // ICompositionalModel." unless 0 <= index < getNumAqueousSolubleComponents().
  void validateAqueousSolubleComponentIndex(int aqueousIndex) const;
  // Throws std::range_error "Invalid aqueous IBinaryInteractionCoefficients coefficient
  // number (<n>) : must be 1, 2 or 3." unless 1 <= n <= 3.
  void validateAqueousBICsCoeffNum(int n) const;
  // Throws std::range_error "Invalid IReaction index (<index>) passed to
  // ICompositionalModel." unless index < getNumReactions().
  void validateReactionIndex(unsigned long long index) const;

  EquationOfState equationOfState_ = EquationOfState{};
  ViscosityModel viscosityModel_ = ViscosityModel{};
  // Each a StdComponent, or a StdAqueousSolubleComponent held through the IComponent
  // base of its IAqueousSolubleComponent side.
  std::vector<std::unique_ptr<IComponent>> components_;
  StdBinaryInteractionCoefficients bics_;
  // The aqueous matrices for coefficient numbers 1, 2 and 3, in that order.
  std::array<StdBinaryInteractionCoefficients, 3> aqueousBics_;
  std::shared_ptr<StdKValueTable<IKValueTable>> simpleKValueTable_;
  std::map<std::string, std::shared_ptr<StdTemperatureKValueTable>> temperatureKValueTables_;
  std::map<std::string, std::shared_ptr<StdCompositionKValueTable>> compositionKValueTables_;
  std::unique_ptr<StdOilViscosityIndexTable> oilViscosityIndexTable_;
  double salinity_ = 0.0;
  std::array<double, 6> pedersenViscosityTuningParameters_ = {1.0,    1.0,      1.847,
                                                              0.5173, 0.007378, 0.031};
  double liCorrelationUpperLimit_ = 1.25;
  double liCorrelationLowerLimit_ = 0.75;
  bool usesLiCorrelationLimits_ = true;
  std::vector<std::unique_ptr<StdReaction>> reactions_;
  // Reference temperatures of the oil viscosity correlation; kept, but not deep-copied.
  double oilViscosityCorrelationT1_ = 0.0;
  double oilViscosityCorrelationT2_ = 0.0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDCOMPOSITIONALMODEL_H
