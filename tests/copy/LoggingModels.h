// The library's models, initial condition and components, with the operations a copy
// uses on them written into a CallLog before they run: which children a copy reads,
// makes, fetches or deletes, on which side and in which order, and what it reads and
// writes of a component. Only the calls a copy makes from outside are logged; an
// object's calls into its own operations while it serves one are not, so the log shows
// the copy's conversation with the objects and nothing else.
#ifndef ORV_TESS_VARNAK_TESTS_COPY_LOGGINGMODELS_H
#define ORV_TESS_VARNAK_TESTS_COPY_LOGGINGMODELS_H

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/IBinaryInteractionCoefficients.h"
#include "Orv/Tess/Varnak/StdAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Orv/Tess/Varnak/StdComponent.h"
#include "Orv/Tess/Varnak/StdCompositionalModel.h"
#include "Orv/Tess/Varnak/StdInitialCondition.h"
#include "copy/Recorders.h"

namespace recorders {

// Logs under a tag and keeps the implementation's own nested calls out of the log.
class Logger {
 public:
  Logger(CallLog& log, std::string tag) : log_(log), tag_(std::move(tag)) {}

  // Logs the call when it comes from outside; the returned guard marks the time the
  // implementation runs, during which nothing more is logged.
  template <class... Args>
  [[nodiscard]] auto call(char const* operation, Args const&... args) const {
    if (depth_ == 0) log_.add(tag_, operation, args...);
    return Inside(depth_);
  }

 private:
  class Inside {
   public:
    explicit Inside(int& depth) : depth_(depth) { ++depth_; }
    Inside(Inside const&) = delete;
    Inside& operator=(Inside const&) = delete;
    ~Inside() { --depth_; }

   private:
    int& depth_;
  };

  CallLog& log_;
  std::string tag_;
  mutable int depth_ = 0;
};

inline int code(IInitialCondition::Property p) { return static_cast<int>(p); }
inline int code(IComponent::Type t) { return static_cast<int>(t); }

// The operations every fluid model shares: water properties and initial conditions.
template <class Model>
class LoggingFluidModel : public Model {
 public:
  LoggingFluidModel(CallLog& log, std::string const& tag) : Model(tag), logger_(log, tag) {}

  IWaterProperties& makeWaterProperties() override {
    auto inside = logger_.call("makeWaterProperties");
    return Model::makeWaterProperties();
  }
  IWaterProperties* getWaterProperties() override {
    auto inside = logger_.call("getWaterProperties");
    return Model::getWaterProperties();
  }
  IWaterProperties const* getWaterProperties() const override {
    auto inside = logger_.call("getWaterProperties");
    return Model::getWaterProperties();
  }
  void deleteWaterProperties() override {
    auto inside = logger_.call("deleteWaterProperties");
    Model::deleteWaterProperties();
  }
  IInitialCondition& makeInitialCondition(std::string const& name) override {
    auto inside = logger_.call("makeInitialCondition", name);
    return Model::makeInitialCondition(name);
  }
  IInitialCondition& getInitialCondition(std::string const& name) override {
    auto inside = logger_.call("getInitialCondition", name);
    return Model::getInitialCondition(name);
  }
  IInitialCondition const& getInitialCondition(std::string const& name) const override {
    auto inside = logger_.call("getInitialCondition", name);
    return Model::getInitialCondition(name);
  }
  void deleteInitialCondition(std::string const& name) override {
    auto inside = logger_.call("deleteInitialCondition", name);
    Model::deleteInitialCondition(name);
  }
  std::set<std::string> getInitialConditionNames() override {
    auto inside = logger_.call("getInitialConditionNames");
    return Model::getInitialConditionNames();
  }

 protected:
  Logger logger_;
};

// A black-oil model: densities, the gas table, oil tables by region, solvent and
// miscibility tables.
class LoggingBlackOilModel : public LoggingFluidModel<StdBlackOilModel> {
 public:
  using LoggingFluidModel::LoggingFluidModel;

  void gasDensity(double v) override {
    auto inside = logger_.call("gasDensity", v);
    StdBlackOilModel::gasDensity(v);
  }
  double gasDensity() const override {
    auto inside = logger_.call("gasDensity");
    return StdBlackOilModel::gasDensity();
  }
  void oilDensity(double v) override {
    auto inside = logger_.call("oilDensity", v);
    StdBlackOilModel::oilDensity(v);
  }
  double oilDensity() const override {
    auto inside = logger_.call("oilDensity");
    return StdBlackOilModel::oilDensity();
  }

  IGasTable& makeGasTable() override {
    auto inside = logger_.call("makeGasTable");
    return StdBlackOilModel::makeGasTable();
  }
  IDryGasTable& makeDryGasTable() override {
    auto inside = logger_.call("makeDryGasTable");
    return StdBlackOilModel::makeDryGasTable();
  }
  IGasTable* getGasTable() override {
    auto inside = logger_.call("getGasTable");
    return StdBlackOilModel::getGasTable();
  }
  IGasTable const* getGasTable() const override {
    auto inside = logger_.call("getGasTable");
    return StdBlackOilModel::getGasTable();
  }
  void deleteGasTable() override {
    auto inside = logger_.call("deleteGasTable");
    StdBlackOilModel::deleteGasTable();
  }

  IOilTable& makeOilTable(int r) override {
    auto inside = logger_.call("makeOilTable", r);
    return StdBlackOilModel::makeOilTable(r);
  }
  ICompressibleOilTable& makeCompressibleOilTable(int r) override {
    auto inside = logger_.call("makeCompressibleOilTable", r);
    return StdBlackOilModel::makeCompressibleOilTable(r);
  }
  IDeadOilTable& makeDeadOilTable(int r) override {
    auto inside = logger_.call("makeDeadOilTable", r);
    return StdBlackOilModel::makeDeadOilTable(r);
  }
  IDeadOilConstantCompressTable& makeDeadOilConstantCompressTable(int r) override {
    auto inside = logger_.call("makeDeadOilConstantCompressTable", r);
    return StdBlackOilModel::makeDeadOilConstantCompressTable(r);
  }
  IOilTable* getOilTable(int r) override {
    auto inside = logger_.call("getOilTable", r);
    return StdBlackOilModel::getOilTable(r);
  }
  IOilTable const* getOilTable(int r) const override {
    auto inside = logger_.call("getOilTable", r);
    return StdBlackOilModel::getOilTable(r);
  }
  void deleteOilTable(int r) override {
    auto inside = logger_.call("deleteOilTable", r);
    StdBlackOilModel::deleteOilTable(r);
  }
  int getNumOfOilTables() const override {
    auto inside = logger_.call("getNumOfOilTables");
    return StdBlackOilModel::getNumOfOilTables();
  }

  ISolventTable& makeSolventTable() override {
    auto inside = logger_.call("makeSolventTable");
    return StdBlackOilModel::makeSolventTable();
  }
  ISolventTable* getSolventTable() override {
    auto inside = logger_.call("getSolventTable");
    return StdBlackOilModel::getSolventTable();
  }
  ISolventTable const* getSolventTable() const override {
    auto inside = logger_.call("getSolventTable");
    return StdBlackOilModel::getSolventTable();
  }
  void deleteSolventTable() override {
    auto inside = logger_.call("deleteSolventTable");
    StdBlackOilModel::deleteSolventTable();
  }
  IMiscibilityTable& makeMiscibilityTable() override {
    auto inside = logger_.call("makeMiscibilityTable");
    return StdBlackOilModel::makeMiscibilityTable();
  }
  IMiscibilityTable* getMiscibilityTable() override {
    auto inside = logger_.call("getMiscibilityTable");
    return StdBlackOilModel::getMiscibilityTable();
  }
  IMiscibilityTable const* getMiscibilityTable() const override {
    auto inside = logger_.call("getMiscibilityTable");
    return StdBlackOilModel::getMiscibilityTable();
  }
  void deleteMiscibilityTable() override {
    auto inside = logger_.call("deleteMiscibilityTable");
    StdBlackOilModel::deleteMiscibilityTable();
  }
};

// A compositional model: the equation of state, components by index and the binary
// interaction coefficients, whose reads and writes are logged under the model's tag.
class LoggingCompositionalModel : public LoggingFluidModel<StdCompositionalModel> {
 public:
  LoggingCompositionalModel(CallLog& log, std::string const& tag)
      : LoggingFluidModel(log, tag), bics_(*this) {}

  using StdCompositionalModel::getComponent;

  void setEquationOfState(EquationOfState eos) override {
    auto inside = logger_.call("setEquationOfState", static_cast<int>(eos));
    StdCompositionalModel::setEquationOfState(eos);
  }
  EquationOfState getEquationOfState() const override {
    auto inside = logger_.call("getEquationOfState");
    return StdCompositionalModel::getEquationOfState();
  }
  IComponent& makeComponent(std::string const& name, IComponent::Type type) override {
    auto inside = logger_.call("makeComponent", name, code(type));
    return StdCompositionalModel::makeComponent(name, type);
  }
  int getNumComponents() const override {
    auto inside = logger_.call("getNumComponents");
    return StdCompositionalModel::getNumComponents();
  }
  IComponent& getComponent(int index) override {
    auto inside = logger_.call("getComponent", index);
    return StdCompositionalModel::getComponent(index);
  }
  IComponent const& getComponent(int index) const override {
    auto inside = logger_.call("getComponent", index);
    return StdCompositionalModel::getComponent(index);
  }
  void deleteComponent(int index) override {
    auto inside = logger_.call("deleteComponent", index);
    StdCompositionalModel::deleteComponent(index);
  }
  IBinaryInteractionCoefficients& getBICs() override {
    auto inside = logger_.call("getBICs");
    return bics_;
  }
  IBinaryInteractionCoefficients const& getBICs() const override {
    auto inside = logger_.call("getBICs");
    return bics_;
  }

 private:
  // Hands the calls on to the model's own coefficients.
  class Coefficients : public IBinaryInteractionCoefficients {
   public:
    explicit Coefficients(LoggingCompositionalModel& model) : model_(model) {}
    double getBIC(int i, int j) const override {
      auto inside = model_.logger_.call("getBIC", i, j);
      return model_.StdCompositionalModel::getBICs().getBIC(i, j);
    }
    void setBIC(int i, int j, double value) override {
      auto inside = model_.logger_.call("setBIC", i, j, value);
      model_.StdCompositionalModel::getBICs().setBIC(i, j, value);
    }

   private:
    LoggingCompositionalModel& model_;
  };

  Coefficients bics_;
};

// An initial condition: its six numbers and its depth tables by property.
class LoggingInitialCondition : public StdInitialCondition {
 public:
  LoggingInitialCondition(CallLog& log, std::string const& tag)
      : StdInitialCondition(tag), logger_(log, tag) {}

  double getDatumDepth() const override {
    auto inside = logger_.call("getDatumDepth");
    return StdInitialCondition::getDatumDepth();
  }
  void setDatumDepth(double v) override {
    auto inside = logger_.call("setDatumDepth", v);
    StdInitialCondition::setDatumDepth(v);
  }
  double getDatumPressure() const override {
    auto inside = logger_.call("getDatumPressure");
    return StdInitialCondition::getDatumPressure();
  }
  void setDatumPressure(double v) override {
    auto inside = logger_.call("setDatumPressure", v);
    StdInitialCondition::setDatumPressure(v);
  }
  double getGasOilContactDepth() const override {
    auto inside = logger_.call("getGasOilContactDepth");
    return StdInitialCondition::getGasOilContactDepth();
  }
  void setGasOilContactDepth(double v) override {
    auto inside = logger_.call("setGasOilContactDepth", v);
    StdInitialCondition::setGasOilContactDepth(v);
  }
  double getGasOilContactCapillaryPressure() const override {
    auto inside = logger_.call("getGasOilContactCapillaryPressure");
    return StdInitialCondition::getGasOilContactCapillaryPressure();
  }
  void setGasOilContactCapillaryPressure(double v) override {
    auto inside = logger_.call("setGasOilContactCapillaryPressure", v);
    StdInitialCondition::setGasOilContactCapillaryPressure(v);
  }
  double getWaterContactDepth() const override {
    auto inside = logger_.call("getWaterContactDepth");
    return StdInitialCondition::getWaterContactDepth();
  }
  void setWaterContactDepth(double v) override {
    auto inside = logger_.call("setWaterContactDepth", v);
    StdInitialCondition::setWaterContactDepth(v);
  }
  double getWaterContactCapillaryPressure() const override {
    auto inside = logger_.call("getWaterContactCapillaryPressure");
    return StdInitialCondition::getWaterContactCapillaryPressure();
  }
  void setWaterContactCapillaryPressure(double v) override {
    auto inside = logger_.call("setWaterContactCapillaryPressure", v);
    StdInitialCondition::setWaterContactCapillaryPressure(v);
  }

  bool hasDepthTable(Property p) const override {
    auto inside = logger_.call("hasDepthTable", code(p));
    return StdInitialCondition::hasDepthTable(p);
  }
  IDepthTable& getDepthTable(Property p) override {
    auto inside = logger_.call("getDepthTable", code(p));
    return StdInitialCondition::getDepthTable(p);
  }
  IDepthTable const& getDepthTable(Property p) const override {
    auto inside = logger_.call("getDepthTable", code(p));
    return StdInitialCondition::getDepthTable(p);
  }
  void deleteDepthTable(Property p) override {
    auto inside = logger_.call("deleteDepthTable", code(p));
    StdInitialCondition::deleteDepthTable(p);
  }

 private:
  Logger logger_;
};

// An aqueous-soluble component: which of its solubility tables a copy lists, tests,
// fetches and makes (the tables themselves are not logged).
class LoggingAqueousSolubleComponent : public StdAqueousSolubleComponent {
 public:
  LoggingAqueousSolubleComponent(CallLog& log, std::string const& tag)
      : StdAqueousSolubleComponent(tag), logger_(log, tag) {}

  ISolubilityTable& makeSolubilityTable() override {
    auto inside = logger_.call("makeSolubilityTable");
    return StdAqueousSolubleComponent::makeSolubilityTable();
  }
  bool hasSolubilityTable() const override {
    auto inside = logger_.call("hasSolubilityTable");
    return StdAqueousSolubleComponent::hasSolubilityTable();
  }
  ISolubilityTable const& getSolubilityTable() const override {
    auto inside = logger_.call("getSolubilityTable");
    return StdAqueousSolubleComponent::getSolubilityTable();
  }
  ISolubilityWaterPropertiesTable& makeSolubilityWaterPropertiesTable() override {
    auto inside = logger_.call("makeSolubilityWaterPropertiesTable");
    return StdAqueousSolubleComponent::makeSolubilityWaterPropertiesTable();
  }
  bool hasSolubilityWaterPropertiesTable() const override {
    auto inside = logger_.call("hasSolubilityWaterPropertiesTable");
    return StdAqueousSolubleComponent::hasSolubilityWaterPropertiesTable();
  }
  ISolubilityWaterPropertiesTable const& getSolubilityWaterPropertiesTable() const override {
    auto inside = logger_.call("getSolubilityWaterPropertiesTable");
    return StdAqueousSolubleComponent::getSolubilityWaterPropertiesTable();
  }
  ITemperatureSolubilityTable& makeTemperatureSolubilityTable(std::string const& n) override {
    auto inside = logger_.call("makeTemperatureSolubilityTable", n);
    return StdAqueousSolubleComponent::makeTemperatureSolubilityTable(n);
  }
  ITemperatureSolubilityTable const& getTemperatureSolubilityTable(
      std::string const& n) const override {
    auto inside = logger_.call("getTemperatureSolubilityTable", n);
    return StdAqueousSolubleComponent::getTemperatureSolubilityTable(n);
  }
  std::set<std::string> getTemperatureSolubilityTableNames() const override {
    auto inside = logger_.call("getTemperatureSolubilityTableNames");
    return StdAqueousSolubleComponent::getTemperatureSolubilityTableNames();
  }
  ISaltSolubilityTable& makeSaltSolubilityTable(std::string const& n) override {
    auto inside = logger_.call("makeSaltSolubilityTable", n);
    return StdAqueousSolubleComponent::makeSaltSolubilityTable(n);
  }
  ISaltSolubilityTable const& getSaltSolubilityTable(std::string const& n) const override {
    auto inside = logger_.call("getSaltSolubilityTable", n);
    return StdAqueousSolubleComponent::getSaltSolubilityTable(n);
  }
  std::set<std::string> getSaltSolubilityTableNames() const override {
    auto inside = logger_.call("getSaltSolubilityTableNames");
    return StdAqueousSolubleComponent::getSaltSolubilityTableNames();
  }
  IInteractionSolubilityTable& makeInteractionSolubilityTable(std::string const& n) override {
    auto inside = logger_.call("makeInteractionSolubilityTable", n);
    return StdAqueousSolubleComponent::makeInteractionSolubilityTable(n);
  }
  IInteractionSolubilityTable const& getInteractionSolubilityTable(
      std::string const& n) const override {
    auto inside = logger_.call("getInteractionSolubilityTable", n);
    return StdAqueousSolubleComponent::getInteractionSolubilityTable(n);
  }
  std::set<std::string> getInteractionSolubilityTableNames() const override {
    auto inside = logger_.call("getInteractionSolubilityTableNames");
    return StdAqueousSolubleComponent::getInteractionSolubilityTableNames();
  }

 private:
  Logger logger_;
};

// A component: its name and type, properties and the four modelling choices, and the
// question whether it dissolves in water. Logged under its name.
class LoggingComponent : public StdComponent {
 public:
  LoggingComponent(CallLog& log, std::string const& name, Type type)
      : StdComponent(name, type), logger_(log, name) {}

  std::string const& getName() const override {
    auto inside = logger_.call("getName");
    return StdComponent::getName();
  }
  Type getType() const override {
    auto inside = logger_.call("getType");
    return StdComponent::getType();
  }
  bool isSolubleInAqueousPhase() const override {
    auto inside = logger_.call("isSolubleInAqueousPhase");
    return StdComponent::isSolubleInAqueousPhase();
  }
  bool hasProperty(Property p) const override {
    auto inside = logger_.call("hasProperty", static_cast<int>(p));
    return StdComponent::hasProperty(p);
  }
  double getProperty(Property p) const override {
    auto inside = logger_.call("getProperty", static_cast<int>(p));
    return StdComponent::getProperty(p);
  }
  void setProperty(Property p, double v) override {
    auto inside = logger_.call("setProperty", static_cast<int>(p), v);
    StdComponent::setProperty(p, v);
  }
  void deleteProperty(Property p) override {
    auto inside = logger_.call("deleteProperty", static_cast<int>(p));
    StdComponent::deleteProperty(p);
  }
  VolatilityType getVolatilityType() const override {
    auto inside = logger_.call("getVolatilityType");
    return StdComponent::getVolatilityType();
  }
  void setVolatilityType(VolatilityType v) override {
    auto inside = logger_.call("setVolatilityType", static_cast<int>(v));
    StdComponent::setVolatilityType(v);
  }
  CompressibilityType getCompressibilityType() const override {
    auto inside = logger_.call("getCompressibilityType");
    return StdComponent::getCompressibilityType();
  }
  void setCompressibilityType(CompressibilityType v) override {
    auto inside = logger_.call("setCompressibilityType", static_cast<int>(v));
    StdComponent::setCompressibilityType(v);
  }
  OilViscosityCorrelation getOilViscosityCorrelation() const override {
    auto inside = logger_.call("getOilViscosityCorrelation");
    return StdComponent::getOilViscosityCorrelation();
  }
  void setOilViscosityCorrelation(OilViscosityCorrelation v) override {
    auto inside = logger_.call("setOilViscosityCorrelation", static_cast<int>(v));
    StdComponent::setOilViscosityCorrelation(v);
  }
  OilViscosityCorrelationUsage getOilViscosityCorrelationUsage() const override {
    auto inside = logger_.call("getOilViscosityCorrelationUsage");
    return StdComponent::getOilViscosityCorrelationUsage();
  }
  void setOilViscosityCorrelationUsage(OilViscosityCorrelationUsage v) override {
    auto inside = logger_.call("setOilViscosityCorrelationUsage", static_cast<int>(v));
    StdComponent::setOilViscosityCorrelationUsage(v);
  }

 private:
  Logger logger_;
};

// A compositional model whose components, as a copy reads them by index, are logging
// ones. For a copy's source only: these components are its own, apart from the
// model's, which stay empty (it has no coefficients to read either).
class LoggingComponentsSource : public StdCompositionalModel {
 public:
  LoggingComponentsSource(CallLog& log,
                          std::vector<std::pair<std::string, IComponent::Type>> const& components) {
    for (auto const& [name, type] : components) {
      components_.push_back(std::make_unique<LoggingComponent>(log, name, type));
    }
  }

  int getNumComponents() const override { return static_cast<int>(components_.size()); }
  IComponent& getComponent(int index) override { return *components_.at(at(index)); }
  IComponent const& getComponent(int index) const override { return *components_.at(at(index)); }

 private:
  std::vector<std::unique_ptr<LoggingComponent>> components_;
};

}  // namespace recorders

#endif  // ORV_TESS_VARNAK_TESTS_COPY_LOGGINGMODELS_H
