// The library's own classes with the operations a copy uses written into a shared CallLog
// before they run: a copy between two of them shows which children it makes, fetches or
// deletes on which side and the order of its reads and writes, and since they store values
// as the library does, the same test can compare states afterwards.
#ifndef ORV_TESS_VARNAK_TESTS_COPY_RECORDING_H
#define ORV_TESS_VARNAK_TESTS_COPY_RECORDING_H

#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak.h"

namespace recording {

using namespace Orv::Tess::Varnak;

// The calls of all objects that share it, each as "<tag>.<operation>(<arguments>)".
class CallLog {
 public:
  // A call that throws std::domain_error "<call> refused" instead of running.
  std::string failAt;

  // Marks the time a logged call runs: the calls an implementation makes into its own
  // operations meanwhile are its business, not the copy's, and are not written.
  struct Running {
    int& depth;
    ~Running() { --depth; }
  };

  template <class... Args>
  Running enter(std::string const& tag, char const* operation, Args const&... args) {
    if (depth_ == 0) {
      std::ostringstream call;
      call << tag << '.' << operation << '(';
      char const* separator = "";
      ((call << separator, write(call, args), separator = ","), ...);
      static_cast<void>(separator);  // unused when there are no arguments
      call << ')';
      calls_.push_back(call.str());
      if (calls_.back() == failAt) throw std::domain_error(failAt + " refused");
    }
    return Running{++depth_};
  }

  // The calls written since the last take, separated by spaces.
  std::string take() {
    std::string all;
    for (auto const& call : calls_) all += (all.empty() ? "" : " ") + call;
    calls_.clear();
    return all;
  }

 private:
  template <class T>
  static void write(std::ostream& out, T const& value) {
    if constexpr (std::is_enum_v<T>) {
      out << static_cast<int>(value);
    } else {
      out << value;
    }
  }

  std::vector<std::string> calls_;
  int depth_ = 0;
};

// Base of the recording classes: the library class `Impl`, logging under a tag.
template <class Impl>
class Recorded : public Impl {
 public:
  template <class... ImplArgs>
  Recorded(CallLog& log, std::string tag, ImplArgs const&... implArgs)
      : Impl(implArgs...), log_(log), tag_(std::move(tag)) {}

 protected:
  using Std = Impl;

  // record("op")(args…) writes the call and returns the guard of its run.
  auto record(char const* operation) const {
    return [this, operation](auto const&... args) { return log_.enter(tag_, operation, args...); };
  }

 private:
  CallLog& log_;
  std::string tag_;
};

// Overrides `name`: writes the call with its arguments, then runs the library's own
// operation while the guard (a temporary of the same expression) lives.
#define RECORD(Ret, name, Params, Args) \
  Ret name Params override { return record(#name) Args, Std::name Args; }
#define RECORD_CONST(Ret, name, Params, Args) \
  Ret name Params const override { return record(#name) Args, Std::name Args; }
// A value's getter and setter.
#define RECORD_FIELD0(T, Name) \
  RECORD_CONST(T, get##Name, (), ()) RECORD(void, set##Name, (T v), (v))
// The tables of a kind kept by name: their listing, making and fetching.
#define RECORD_NAMED(I, Name)                                   \
  RECORD_CONST(std::set<std::string>, get##Name##Names, (), ()) \
  RECORD(I&, make##Name, (std::string const& n), (n))           \
  RECORD_CONST(I const&, get##Name, (std::string const& n), (n))

// The children every fluid model has: water properties and initial conditions.
template <class Model>
struct RecordingFluidModel : Recorded<Model> {
  RecordingFluidModel(CallLog& log, std::string const& tag) : Recorded<Model>(log, tag, tag) {}

  using Std = Model;
  using Recorded<Model>::record;
  RECORD(IWaterProperties&, makeWaterProperties, (), ())
  RECORD(IWaterProperties*, getWaterProperties, (), ())
  RECORD_CONST(IWaterProperties const*, getWaterProperties, (), ())
  RECORD(void, deleteWaterProperties, (), ())
  RECORD(IInitialCondition&, makeInitialCondition, (std::string const& n), (n))
  RECORD(IInitialCondition&, getInitialCondition, (std::string const& n), (n))
  RECORD_CONST(IInitialCondition const&, getInitialCondition, (std::string const& n), (n))
  RECORD(std::set<std::string>, getInitialConditionNames, (), ())
};

// Densities, the gas table and the oil tables by region.
struct RecordingBlackOilModel : RecordingFluidModel<StdBlackOilModel> {
  using RecordingFluidModel::RecordingFluidModel;
  RECORD(void, gasDensity, (double v), (v))
  RECORD_CONST(double, gasDensity, (), ())
  RECORD(void, oilDensity, (double v), (v))
  RECORD_CONST(double, oilDensity, (), ())
  RECORD(IGasTable&, makeGasTable, (), ())
  RECORD(IGasTable*, getGasTable, (), ())
  RECORD_CONST(IGasTable const*, getGasTable, (), ())
  RECORD(void, deleteGasTable, (), ())
  RECORD(IOilTable&, makeOilTable, (int r), (r))
  RECORD(ICompressibleOilTable&, makeCompressibleOilTable, (int r), (r))
  RECORD(IOilTable*, getOilTable, (int r), (r))
  RECORD_CONST(IOilTable const*, getOilTable, (int r), (r))
  RECORD(void, deleteOilTable, (int r), (r))
  RECORD_CONST(int, getNumOfOilTables, (), ())
};

// The equation of state, components by index and the interaction coefficients, whose
// reads and writes go into the log under the model's tag.
struct RecordingCompositionalModel : RecordingFluidModel<StdCompositionalModel> {
  RecordingCompositionalModel(CallLog& log, std::string const& tag)
      : RecordingFluidModel(log, tag), coefficients_(*this) {}
  RECORD(void, setEquationOfState, (EquationOfState e), (e))
  RECORD_CONST(EquationOfState, getEquationOfState, (), ())
  RECORD(IComponent&, makeComponent, (std::string const& n, IComponent::Type t), (n, t))
  RECORD_CONST(int, getNumComponents, (), ())
  RECORD(IComponent&, getComponent, (int i), (i))
  RECORD_CONST(IComponent const&, getComponent, (int i), (i))
  RECORD(void, deleteComponent, (int i), (i))
  IBinaryInteractionCoefficients& getBICs() override { return record("getBICs")(), coefficients_; }
  IBinaryInteractionCoefficients const& getBICs() const override {
    return record("getBICs")(), coefficients_;
  }

 private:
  class Coefficients : public IBinaryInteractionCoefficients {
   public:
    explicit Coefficients(RecordingCompositionalModel& model) : model_(model) {}
    double getBIC(int i, int j) const override {
      return model_.record("getBIC")(i, j), model_.Std::getBICs().getBIC(i, j);
    }
    void setBIC(int i, int j, double v) override {
      return model_.record("setBIC")(i, j, v), model_.Std::getBICs().setBIC(i, j, v);
    }

   private:
    RecordingCompositionalModel& model_;
  };
  Coefficients coefficients_;
};

// A component, logged under its name: its name and type, properties, the four modelling
// choices and whether it dissolves in water.
struct RecordingComponent : Recorded<StdComponent> {
  RecordingComponent(CallLog& log, std::string const& name, Type type)
      : Recorded(log, name, name, type) {}
  RECORD_CONST(std::string const&, getName, (), ())
  RECORD_CONST(Type, getType, (), ())
  RECORD_CONST(bool, isSolubleInAqueousPhase, (), ())
  RECORD_CONST(bool, hasProperty, (Property p), (p))
  RECORD_CONST(double, getProperty, (Property p), (p))
  RECORD(void, setProperty, (Property p, double v), (p, v))
  RECORD(void, deleteProperty, (Property p), (p))
  RECORD_FIELD0(VolatilityType, VolatilityType)
  RECORD_FIELD0(CompressibilityType, CompressibilityType)
  RECORD_FIELD0(OilViscosityCorrelation, OilViscosityCorrelation)
  RECORD_FIELD0(OilViscosityCorrelationUsage, OilViscosityCorrelationUsage)
};

// A model whose components, as a copy reads them by index, are recording ones of its own
// (the model's own stay empty). For a copy's source only.
struct RecordingComponentsSource : StdCompositionalModel {
  RecordingComponentsSource(CallLog& log,
                            std::vector<std::pair<std::string, IComponent::Type>> const& list) {
    for (auto const& [name, type] : list) {
      components_.push_back(std::make_unique<RecordingComponent>(log, name, type));
    }
  }
  int getNumComponents() const override { return static_cast<int>(components_.size()); }
  IComponent& getComponent(int i) override { return *components_.at(i); }
  IComponent const& getComponent(int i) const override { return *components_.at(i); }

 private:
  std::vector<std::unique_ptr<RecordingComponent>> components_;
};

// Which solubility tables a copy lists, tests, fetches and makes (not the tables).
struct RecordingAqueousComponent : Recorded<StdAqueousSolubleComponent> {
  RecordingAqueousComponent(CallLog& log, std::string const& tag) : Recorded(log, tag, tag) {}
  RECORD_CONST(bool, hasSolubilityTable, (), ())
  RECORD(ISolubilityTable&, makeSolubilityTable, (), ())
  RECORD_CONST(ISolubilityTable const&, getSolubilityTable, (), ())
  RECORD_CONST(bool, hasSolubilityWaterPropertiesTable, (), ())
  RECORD(ISolubilityWaterPropertiesTable&, makeSolubilityWaterPropertiesTable, (), ())
  RECORD_CONST(ISolubilityWaterPropertiesTable const&, getSolubilityWaterPropertiesTable, (), ())
  RECORD_NAMED(ITemperatureSolubilityTable, TemperatureSolubilityTable)
  RECORD_NAMED(ISaltSolubilityTable, SaltSolubilityTable)
  RECORD_NAMED(IInteractionSolubilityTable, InteractionSolubilityTable)
};

#undef RECORD
#undef RECORD_CONST
#undef RECORD_FIELD0
#undef RECORD_NAMED

}  // namespace recording

#endif  // ORV_TESS_VARNAK_TESTS_COPY_RECORDING_H
