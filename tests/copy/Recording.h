// The library's own classes with the operations a copy uses written into a shared CallLog
// before they run. A copy between two of them shows which children it reads, makes,
// fetches or deletes on which side, and the exact order of its reads and writes; since
// they store values as the library does, the same test can compare states afterwards.
// A log can also be told to refuse one call, to show that an error passes out of a copy
// unchanged and that what was written before it stays written.
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

#include "Orv/Tess/Varnak/IBinaryInteractionCoefficients.h"
#include "Orv/Tess/Varnak/StdAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Orv/Tess/Varnak/StdComponent.h"
#include "Orv/Tess/Varnak/StdCompositionalModel.h"
#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"
#include "Orv/Tess/Varnak/StdInitialCondition.h"
#include "Orv/Tess/Varnak/StdInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/StdMisciblityTable.h"
#include "Orv/Tess/Varnak/StdOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/StdSolventTable.h"
#include "Orv/Tess/Varnak/StdTemperatureKValueTable.h"
#include "Orv/Tess/Varnak/StdWaterProperties.h"

namespace recording {

using namespace Orv::Tess::Varnak;

// The calls of all objects that share it, each as "<tag>.<operation>(<arguments>)".
class CallLog {
 public:
  // A call that throws std::domain_error "<call> refused" instead of running.
  std::string failAt;

  // Marks the time a logged call runs: the calls an implementation makes into its own
  // operations meanwhile are its business, not the copy's, and are not written.
  class Running {
   public:
    explicit Running(int& depth) : depth_(depth) { ++depth_; }
    Running(Running const&) = delete;
    Running& operator=(Running const&) = delete;
    ~Running() { --depth_; }

   private:
    int& depth_;
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
    return Running(depth_);
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
  struct Call {
    CallLog& log;
    std::string const& tag;
    char const* operation;
    template <class... Args>
    CallLog::Running operator()(Args const&... args) const {
      return log.enter(tag, operation, args...);
    }
  };
  Call record(char const* operation) const { return Call{log_, tag_, operation}; }

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

// A compressible oil table: its rows, entries and per-row pairs. Copied as a plain oil
// table it shows the two-level transfer.
class RecordingOilTable : public Recorded<StdCompressibleOilTable> {
 public:
  using Recorded::Recorded;
  RECORD_CONST(int, getSaturatedSize, (), ())
  RECORD(void, setSaturatedSize, (int n), (n))
  RECORD_CONST(int, getUndersaturatedSize, (int i), (i))
  RECORD(void, setUndersaturatedSize, (int i, int n), (i, n))
  RECORD_CONST(double, getGasOilRatio, (int i), (i))
  RECORD(void, setGasOilRatio, (int i, double v), (i, v))
  RECORD_CONST(double, getPressure, (int i, int j), (i, j))
  RECORD(void, setPressure, (int i, int j, double v), (i, j, v))
  RECORD_CONST(double, getFormationVolumeFactor, (int i, int j), (i, j))
  RECORD(void, setFormationVolumeFactor, (int i, int j, double v), (i, j, v))
  RECORD_CONST(double, getViscosity, (int i, int j), (i, j))
  RECORD(void, setViscosity, (int i, int j, double v), (i, j, v))
  RECORD_CONST(double, getCompressibility, (int i), (i))
  RECORD(void, setCompressibility, (int i, double v), (i, v))
  RECORD_CONST(double, getViscosibility, (int i), (i))
  RECORD(void, setViscosibility, (int i, double v), (i, v))
  RECORD_CONST(double, getSurfaceDensity, (), ())
  RECORD(void, setSurfaceDensity, (double v), (v))
};

class RecordingSolventTable : public Recorded<StdSolventTable> {
 public:
  using Recorded::Recorded;
  RECORD_CONST(int, getSize, (), ())
  RECORD(void, setSize, (int n), (n))
  RECORD_CONST(double, getPressure, (int i), (i))
  RECORD(void, setPressure, (int i, double v), (i, v))
  RECORD_CONST(double, getFormationVolumeFactor, (int i), (i))
  RECORD(void, setFormationVolumeFactor, (int i, double v), (i, v))
  RECORD_CONST(double, getViscosity, (int i), (i))
  RECORD(void, setViscosity, (int i, double v), (i, v))
  RECORD_CONST(double, getSurfaceDensity, (), ())
  RECORD(void, setSurfaceDensity, (double v), (v))
};

class RecordingMiscibilityTable : public Recorded<StdMisciblityTable> {
 public:
  using Recorded::Recorded;
  RECORD_CONST(int, getSize, (), ())
  RECORD(void, setSize, (int n), (n))
  RECORD_CONST(double, getOilPressure, (int i), (i))
  RECORD(void, setOilPressure, (int i, double v), (i, v))
  RECORD_CONST(double, getMiscibility, (int i), (i))
  RECORD(void, setMiscibility, (int i, double v), (i, v))
  RECORD_CONST(double, getViscosityMixingParameter, (), ())
  RECORD(void, setViscosityMixingParameter, (double v), (v))
  RECORD_CONST(double, getDensityMixingParameter, (), ())
  RECORD(void, setDensityMixingParameter, (double v), (v))
};

class RecordingWater : public Recorded<StdWaterProperties> {
 public:
  using Recorded::Recorded;
  RECORD_CONST(double, getSurfaceDensity, (), ())
  RECORD(void, setSurfaceDensity, (double v), (v))
  RECORD_CONST(double, getPressure, (), ())
  RECORD(void, setPressure, (double v), (v))
  RECORD_CONST(double, getFormationVolumeFactor, (), ())
  RECORD(void, setFormationVolumeFactor, (double v), (v))
  RECORD_CONST(double, getCompressibility, (), ())
  RECORD(void, setCompressibility, (double v), (v))
  RECORD_CONST(double, getViscosity, (), ())
  RECORD(void, setViscosity, (double v), (v))
  RECORD_CONST(double, getViscosibility, (), ())
  RECORD(void, setViscosibility, (double v), (v))
};

class RecordingDepthTable : public Recorded<StdDepthTable> {
 public:
  using Recorded::Recorded;
  RECORD_CONST(int, getNumDepths, (), ())
  RECORD(void, setNumDepths, (int n), (n))
  RECORD_CONST(int, getNumComponents, (), ())
  RECORD(void, setNumComponents, (int n), (n))
  RECORD_CONST(double, getDepth, (int d), (d))
  RECORD(void, setDepth, (int d, double v), (d, v))
  RECORD_CONST(double, getProperty, (int d, int c), (d, c))
  RECORD(void, setProperty, (int d, int c, double v), (d, c, v))
};

// Its six numbers and its depth tables by property.
class RecordingInitialCondition : public Recorded<StdInitialCondition> {
 public:
  RecordingInitialCondition(CallLog& log, std::string const& tag) : Recorded(log, tag, tag) {}
  RECORD_CONST(double, getDatumDepth, (), ())
  RECORD(void, setDatumDepth, (double v), (v))
  RECORD_CONST(double, getDatumPressure, (), ())
  RECORD(void, setDatumPressure, (double v), (v))
  RECORD_CONST(double, getGasOilContactDepth, (), ())
  RECORD(void, setGasOilContactDepth, (double v), (v))
  RECORD_CONST(double, getGasOilContactCapillaryPressure, (), ())
  RECORD(void, setGasOilContactCapillaryPressure, (double v), (v))
  RECORD_CONST(double, getWaterContactDepth, (), ())
  RECORD(void, setWaterContactDepth, (double v), (v))
  RECORD_CONST(double, getWaterContactCapillaryPressure, (), ())
  RECORD(void, setWaterContactCapillaryPressure, (double v), (v))
  RECORD_CONST(bool, hasDepthTable, (Property p), (p))
  RECORD(IDepthTable&, getDepthTable, (Property p), (p))
  RECORD_CONST(IDepthTable const&, getDepthTable, (Property p), (p))
  RECORD(void, deleteDepthTable, (Property p), (p))
};

// The children every fluid model has: water properties and initial conditions.
template <class Model>
class RecordingFluidModel : public Recorded<Model> {
 public:
  RecordingFluidModel(CallLog& log, std::string const& tag) : Recorded<Model>(log, tag, tag) {}

 protected:
  using Std = Model;
  using Recorded<Model>::record;

 public:
  RECORD(IWaterProperties&, makeWaterProperties, (), ())
  RECORD(IWaterProperties*, getWaterProperties, (), ())
  RECORD_CONST(IWaterProperties const*, getWaterProperties, (), ())
  RECORD(void, deleteWaterProperties, (), ())
  RECORD(IInitialCondition&, makeInitialCondition, (std::string const& n), (n))
  RECORD(IInitialCondition&, getInitialCondition, (std::string const& n), (n))
  RECORD_CONST(IInitialCondition const&, getInitialCondition, (std::string const& n), (n))
  RECORD(void, deleteInitialCondition, (std::string const& n), (n))
  RECORD(std::set<std::string>, getInitialConditionNames, (), ())
};

// Densities, the gas table and the oil tables by region.
class RecordingBlackOilModel : public RecordingFluidModel<StdBlackOilModel> {
 public:
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
class RecordingCompositionalModel : public RecordingFluidModel<StdCompositionalModel> {
 public:
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
class RecordingComponent : public Recorded<StdComponent> {
 public:
  RecordingComponent(CallLog& log, std::string const& name, Type type)
      : Recorded(log, name, name, type) {}
  RECORD_CONST(std::string const&, getName, (), ())
  RECORD_CONST(Type, getType, (), ())
  RECORD_CONST(bool, isSolubleInAqueousPhase, (), ())
  RECORD_CONST(bool, hasProperty, (Property p), (p))
  RECORD_CONST(double, getProperty, (Property p), (p))
  RECORD(void, setProperty, (Property p, double v), (p, v))
  RECORD(void, deleteProperty, (Property p), (p))
  RECORD_CONST(VolatilityType, getVolatilityType, (), ())
  RECORD(void, setVolatilityType, (VolatilityType v), (v))
  RECORD_CONST(CompressibilityType, getCompressibilityType, (), ())
  RECORD(void, setCompressibilityType, (CompressibilityType v), (v))
  RECORD_CONST(OilViscosityCorrelation, getOilViscosityCorrelation, (), ())
  RECORD(void, setOilViscosityCorrelation, (OilViscosityCorrelation v), (v))
  RECORD_CONST(OilViscosityCorrelationUsage, getOilViscosityCorrelationUsage, (), ())
  RECORD(void, setOilViscosityCorrelationUsage, (OilViscosityCorrelationUsage v), (v))
};

// A model whose components, as a copy reads them by index, are recording ones of its own
// (the model's own stay empty). For a copy's source only.
class RecordingComponentsSource : public StdCompositionalModel {
 public:
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
class RecordingAqueousComponent : public Recorded<StdAqueousSolubleComponent> {
 public:
  RecordingAqueousComponent(CallLog& log, std::string const& tag) : Recorded(log, tag, tag) {}
  RECORD_CONST(bool, hasSolubilityTable, (), ())
  RECORD(ISolubilityTable&, makeSolubilityTable, (), ())
  RECORD_CONST(ISolubilityTable const&, getSolubilityTable, (), ())
  RECORD_CONST(bool, hasSolubilityWaterPropertiesTable, (), ())
  RECORD(ISolubilityWaterPropertiesTable&, makeSolubilityWaterPropertiesTable, (), ())
  RECORD_CONST(ISolubilityWaterPropertiesTable const&, getSolubilityWaterPropertiesTable, (), ())
  RECORD_CONST(std::set<std::string>, getTemperatureSolubilityTableNames, (), ())
  RECORD(ITemperatureSolubilityTable&, makeTemperatureSolubilityTable, (std::string const& n), (n))
  RECORD_CONST(ITemperatureSolubilityTable const&, getTemperatureSolubilityTable,
               (std::string const& n), (n))
  RECORD_CONST(std::set<std::string>, getSaltSolubilityTableNames, (), ())
  RECORD(ISaltSolubilityTable&, makeSaltSolubilityTable, (std::string const& n), (n))
  RECORD_CONST(ISaltSolubilityTable const&, getSaltSolubilityTable, (std::string const& n), (n))
  RECORD_CONST(std::set<std::string>, getInteractionSolubilityTableNames, (), ())
  RECORD(IInteractionSolubilityTable&, makeInteractionSolubilityTable, (std::string const& n), (n))
  RECORD_CONST(IInteractionSolubilityTable const&, getInteractionSolubilityTable,
               (std::string const& n), (n))
};

// The flat tables and the richest solubility table: their counts, and the writes of rows
// and scalars (each write shows the value read).
class RecordingKValueTable : public Recorded<StdTemperatureKValueTable> {
 public:
  using Recorded::Recorded;
  RECORD_CONST(int, getNumPressures, (), ())
  RECORD(void, setNumPressures, (int n), (n))
  RECORD_CONST(int, getNumComponents, (), ())
  RECORD(void, setNumComponents, (int n), (n))
  RECORD_CONST(double, getTemperature, (), ())
  RECORD(void, setTemperature, (double v), (v))
  RECORD(void, setPressure, (int p, double v), (p, v))
  RECORD(void, setKValue, (int p, int c, double v), (p, c, v))
};

class RecordingViscosityIndexTable : public Recorded<StdOilViscosityIndexTable> {
 public:
  using Recorded::Recorded;
  RECORD_CONST(int, getNumMolefractions, (), ())
  RECORD(void, setNumMolefractions, (int n), (n))
  RECORD_CONST(int, getNumComponents, (), ())
  RECORD(void, setNumComponents, (int n), (n))
  RECORD(void, setMoleFraction, (int f, double v), (f, v))
  RECORD(void, setOilViscosityIndex, (int f, int c, double v), (f, c, v))
};

class RecordingInteractionTable : public Recorded<StdInteractionSolubilityTable> {
 public:
  using Recorded::Recorded;
  RECORD_CONST(int, getNumPressures, (), ())
  RECORD(void, setNumPressures, (int n), (n))
  RECORD(void, setPressure, (int i, double v), (i, v))
  RECORD(void, setSolutionRatio, (int i, double v), (i, v))
  RECORD(void, setFormationVolume, (int i, double v), (i, v))
  RECORD(void, setViscosity, (int i, double v), (i, v))
  RECORD(void, setCompressibility, (int i, double v), (i, v))
  RECORD(void, setInteractionComponentName, (std::string const& n), (n))
  RECORD(void, setInteractionComponentMoleFraction, (double v), (v))
};

#undef RECORD
#undef RECORD_CONST

}  // namespace recording

#endif  // ORV_TESS_VARNAK_TESTS_COPY_RECORDING_H
