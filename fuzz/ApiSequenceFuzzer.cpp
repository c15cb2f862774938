// libFuzzer target: a host's whole life with a fluid description, as a call sequence.
//
// Each input decodes into up to kMaxSteps calls on one StdFluidModels registry and the
// objects below it: make, get, set, resize, delete, copy, clone, interpolate, truncate,
// normalise and the table analyses, with names, keys, indices, counts and values drawn
// from the input (negative and extreme ones included). Every call goes through
// attempt() (Checks.h): exceptions must be the library's standard types with a message,
// and a failed call must leave its object as it was. Children are reached through their
// owners by key, or at times through the reference handed out earlier, so that a
// reference the library ought to keep valid but does not is caught by AddressSanitizer.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "Checks.h"
#include "FuzzInput.h"
#include "Orv/Tess/Varnak.h"
#include "alloc/Snapshot.h"

namespace fuzz {
namespace {

using namespace Orv::Tess::Varnak;

int constexpr kMaxSteps = 200;

// The key under which a child is recorded: its owner's key, its kind and its name.
std::string path(std::string const& owner, char const* kind, std::string const& name) {
  return owner + kind + ":" + name + "/";
}

// Picks one of `names`, or (when there are none, or now and then) a name from the input.
std::string chooseName(Input& in, std::set<std::string> const& names) {
  if (names.empty() || in.pick(8) == 0) return in.name();
  auto it = names.begin();
  std::advance(it, in.pick(static_cast<int>(names.size())));
  return *it;
}

// Row keys as a host fills a table: increasing or decreasing evenly from a start, or
// (now and then) anything.
std::vector<double> rowKeys(Input& in, int rows) {
  std::vector<double> keys;
  int const order = in.pick(4);
  double const start = 1000.0 + 100.0 * in.pick(20);
  double const step = order == 1 ? -50.0 : (order == 2 ? 0.0 : 50.0);
  for (int r = 0; r < rows; ++r) keys.push_back(order == 3 ? in.value() : start + step * r);
  return keys;
}

// What a call did to `object`: its answer or its exception, then the whole object.
template <class I, class Call>
std::string outcomeOn(I& object, Call call) {
  std::string s;
  try {
    s = call(object);
  } catch (std::exception const& e) {
    s = std::string(typeid(e).name()) + ": " + e.what();
  }
  return s + " | " + snapshot::of(static_cast<I const&>(object));
}

// A class derived from the library's, which adds nothing: the library reads it through
// its interface, where it reads the library's own class directly.
template <class Std>
struct Derived : Std {
  explicit Derived(Std const& from) : Std(from) {}
};

// A depth-table operation on a copy of `table` and on a derived twin of it must give the
// same answer, exception and table, when `table` is exactly a StdDepthTable.
template <class Call>
void sameThroughInterface(char const* what, IDepthTable const& table, Call call) {
  if (typeid(table) != typeid(StdDepthTable)) return;
  auto const& own = static_cast<StdDepthTable const&>(table);
  StdDepthTable direct(own);
  Derived<StdDepthTable> walked(own);
  if (outcomeOn<IDepthTable>(direct, call) != outcomeOn<IDepthTable>(walked, call)) {
    fail(what, "answers otherwise than through the interface");
  }
}

// A copy between two tables of exactly the library's class Std, made on copies of them,
// must end as the same copy from a derived twin of the source (read value by value).
template <class Std, class I, class Copy>
void copiesThroughInterface(char const* what, I const& source, I const& target, Copy copy) {
  if (typeid(source) != typeid(Std) || typeid(target) != typeid(Std)) return;
  Std const directSource(static_cast<Std const&>(source));
  Derived<Std> const walkedSource(static_cast<Std const&>(source));
  Std directTarget(static_cast<Std const&>(target));
  Std walkedTarget(static_cast<Std const&>(target));
  auto const from = [&copy](I const& s) {
    return [&copy, &s](I& t) {
      copy(s, t);
      return std::string();
    };
  };
  if (outcomeOn<I>(directTarget, from(directSource)) !=
      outcomeOn<I>(walkedTarget, from(walkedSource))) {
    fail(what, "ends otherwise than the copy through the interfaces");
  }
}

// A host's copies of an object of concrete type Std (seen through its interface I):
// copy and move construction and assignment must give objects that read as the source,
// leave moved-from objects readable, and leave the source as it was. With `takeOut`, the
// host also moves the object itself out of its owner, which then holds a moved-from
// object that later calls keep using. Returns false when `object` is not a Std.
template <class Std, class I>
bool exerciseCopiesOf(I& object, bool takeOut) {
  auto* concrete = dynamic_cast<Std*>(&object);
  if (concrete == nullptr) return false;
  auto const read = [](Std const& x) { return snapshot::of(static_cast<I const&>(x)); };
  std::string const source = read(*concrete);
  {
    Std copy(std::as_const(*concrete));
    if (read(copy) != source) fail("copy construction", "the copy differs from its source");
    Std moved(std::move(copy));
    if (read(moved) != source) fail("move construction", "the object differs from its source");
    read(copy);  // moved from: readable
    if constexpr (std::is_copy_assignable_v<Std>) {
      copy = std::as_const(*concrete);
      if (read(copy) != source) fail("copy assignment", "the target differs from its source");
      Std& self = copy;
      copy = std::as_const(self);
      if (read(copy) != source) fail("self-assignment", "changed the object");
    }
    if constexpr (std::is_move_assignable_v<Std>) {
      moved = std::move(copy);
      read(copy);
    }
  }
  if (read(*concrete) != source) fail("copies", "changed their source");
  if (takeOut) {
    Std taken(std::move(*concrete));
    if (read(taken) != source) fail("move out of the owner", "the object differs");
    read(*concrete);
  }
  return true;
}

// exerciseCopiesOf for any Std: false when Std does not implement I at all.
template <class Std, class I>
bool exerciseCopies(I& object, bool takeOut) {
  if constexpr (!std::is_base_of_v<I, Std>) {
    return false;  // a kind of another interface (the callers list all kinds at once)
  } else {
    return exerciseCopiesOf<Std>(object, takeOut);
  }
}

// A host's own separator train: the registry must refuse to copy it.
class HostTrain : public ISeparatorModel {
 public:
  std::string getName() override { return "host"; }
  int getNumStages() const override { return 0; }
  ISeparatorStage& makeStage() override { return stage_; }
  ISeparatorStage& getStage(int) override { return stage_; }
  ISeparatorStage const& getStage(int) const override { return stage_; }
  void deleteStage(int) override {}
  void setGroupName(std::string const&) override {}
  std::string getGroupName() override { return {}; }
  bool operator==(ISeparatorModel const&) const override { return false; }

 private:
  StdSeparatorStage stage_;
};

class Session {
 public:
  explicit Session(Input& in) : in_(in) {}

  void run() {
    for (int step = 0; step < kMaxSteps && !in_.empty(); ++step) {
      // Each part of a description about equally often, however deep it lies.
      switch (in_.pick(12)) {
        case 0:
          onRegistry();
          break;
        case 1:
          onSomeSeparatorModel();
          break;
        case 2:
          onSomeTracerModel();
          break;
        case 3:
          onCopy();
          break;
        default:
          onSomeFluidModel(in_.pick(8));
          break;
      }
      refs_.verify();
    }
    // Everything stays readable to the end.
    snapshot::of(registry_);
  }

 private:
  template <class T>
  static auto snap(T const& object) {
    return [&object] { return snapshot::of(object); };
  }

  // ---- the registry ----------------------------------------------------------------

  void onRegistry() {
    auto const whole = snap(static_cast<IFluidModels const&>(registry_));
    std::string const name = in_.name();
    bool const unique = in_.flag();
    switch (in_.pick(14)) {
      case 0:
      case 1:
        attempt("makeBlackOilModel", whole,
                [&] { rememberModel(registry_.makeBlackOilModel(name, unique)); });
        break;
      case 2:
      case 3:
        attempt("makeCompositionalModel", whole,
                [&] { rememberModel(registry_.makeCompositionalModel(name, unique)); });
        break;
      case 4:
        attempt("getFluidModel", whole, [&] { rememberModel(registry_.getFluidModel(name)); });
        break;
      case 5: {
        std::string const gone = chooseName(in_, registry_.getFluidModelNames());
        attempt("deleteFluidModel", whole, [&] { registry_.deleteFluidModel(gone); });
        refs_.forget(path("", "fluid", gone));
        break;
      }
      case 6:
        attempt("makeSeparatorModel", whole, [&] { registry_.makeSeparatorModel(name); });
        break;
      case 7: {
        std::string const source = chooseName(in_, registry_.getSeparatorModelNames());
        std::size_t const version = in_.size();
        if (registry_.hasSeparatorModel(source, version)) {
          ISeparatorModel& model = registry_.getSeparatorModel(source, version);
          attempt("makeSeparatorModel(copy)", whole, [&] { registry_.makeSeparatorModel(model); });
        } else {
          HostTrain train;
          attempt("makeSeparatorModel(host train)", whole,
                  [&] { registry_.makeSeparatorModel(train); });
        }
        break;
      }
      case 8: {
        std::string const sep = chooseName(in_, registry_.getSeparatorModelNames());
        std::size_t const version = in_.size();
        attempt("deleteSeparatorModel", whole,
                [&] { registry_.deleteSeparatorModel(sep, version); });
        break;
      }
      case 9:
        attempt("makeTracerModel", whole, [&] {
          refs_.forget(path("", "tracer", name));
          rememberTracer(name, registry_.makeTracerModel(name));
        });
        break;
      case 10: {
        std::string const gone = chooseName(in_, registry_.getTracerModelNames());
        attempt("deleteTracerModel", whole, [&] { registry_.deleteTracerModel(gone); });
        refs_.forget(path("", "tracer", gone));
        break;
      }
      case 11:
        attempt("makeTrackingModel", whole, [&] { registry_.makeTrackingModel(); });
        break;
      case 12:
        attempt("deleteTrackingModel", whole, [&] { registry_.deleteTrackingModel(); });
        break;
      default:
        if (ITrackingModel* tracking = registry_.getTrackingModel()) onTracking(*tracking);
        break;
    }
  }

  void onTracking(ITrackingModel& t) {
    auto const before = snap(t);
    switch (in_.pick(7)) {
      case 0:
        attempt("setHasGOCTracking", before, [&] { t.setHasGOCTracking(in_.flag()); });
        break;
      case 1:
        attempt("setHasDEPTHTracking", before, [&] { t.setHasDEPTHTracking(in_.flag()); });
        break;
      case 2:
        attempt("setHasREGIONTracking", before, [&] { t.setHasREGIONTracking(in_.flag()); });
        break;
      case 3:
        attempt("setTrackingDepth", before, [&] { t.setTrackingDepth(in_.value()); });
        break;
      case 4:
        attempt("setNormalizeOutput", before, [&] { t.setNormalizeOutput(in_.flag()); });
        break;
      case 5:
        attempt("setTrackAllComponents", before, [&] { t.setTrackAllComponents(in_.flag()); });
        break;
      default: {
        std::set<std::string> names;
        for (int i = in_.pick(4); i > 0; --i) names.insert(in_.name());
        attempt("setTrackedComponentNames", before, [&] {
          t.setTrackedComponentNames(names);
          if (t.getTrackedComponentNames() != names) fail("setTrackedComponentNames", "not stored");
        });
        break;
      }
    }
  }

  // ---- fluid models ------------------------------------------------------------------

  // Records a model under its name, to be fetched again from the registry after each step.
  IFluidModel& rememberModel(IFluidModel& m) {
    std::string const name = m.getName();
    return refs_.same<IFluidModel>(path("", "fluid", name), m,
                                   [this, name] { return &registry_.getFluidModel(name); });
  }
  ITracerModel& rememberTracer(std::string const& name, ITracerModel& t) {
    return refs_.same(path("", "tracer", name), t,
                      [this, name] { return &registry_.getTracerModel(name); });
  }

  // A fluid model by name, through the registry or through the reference kept.
  IFluidModel* someFluidModel(std::string* key) {
    std::string const name = chooseName(in_, registry_.getFluidModelNames());
    *key = path("", "fluid", name);
    if (in_.flag()) {
      if (auto* kept = refs_.recorded<IFluidModel>(*key)) return kept;
    }
    IFluidModel* model = nullptr;
    attempt(
        "getFluidModel", [] { return std::string(); },
        [&] { model = &rememberModel(registry_.getFluidModel(name)); });
    return model;
  }

  // `part`: 0 the model itself, 1 to 3 its water, initial conditions and temperature
  // tables, 4 to 7 the parts of its kind.
  void onSomeFluidModel(int part) {
    std::string key;
    IFluidModel* model = someFluidModel(&key);
    if (model == nullptr) return;
    if (part == 0) {
      onFluidModelCommon(*model, key);
    } else if (part <= 3) {
      onFluidModelChild(*model, key, part - 1);
    } else if (auto* blackOil = dynamic_cast<IBlackOilModel*>(model)) {
      onBlackOil(*blackOil, key);
    } else if (auto* compositional = dynamic_cast<ICompositionalModel*>(model)) {
      onCompositional(*compositional, key);
    }
  }

  void onFluidModelCommon(IFluidModel& m, std::string const& key) {
    auto const before = snap(m);
    switch (in_.pick(10)) {
      case 0:
        refs_.forget(key + "water:/");
        attempt("makeWaterProperties", before, [&] {
          refs_.same(key + "water:/", m.makeWaterProperties(),
                     [&m] { return m.getWaterProperties(); });
        });
        break;
      case 1:
        attempt("deleteWaterProperties", before, [&] { m.deleteWaterProperties(); });
        refs_.forget(key + "water:/");
        break;
      case 2: {
        std::string const name = in_.name();
        attempt("makeInitialCondition", before, [&] {
          IInitialCondition& ic = m.makeInitialCondition(name);
          std::string const made = ic.getName();
          refs_.same(path(key, "ic", made), ic,
                     [&m, made] { return &m.getInitialCondition(made); });
        });
        break;
      }
      case 3: {
        std::string const name = chooseName(in_, m.getInitialConditionNames());
        attempt("deleteInitialCondition", before, [&] { m.deleteInitialCondition(name); });
        if (m.getInitialConditionNames().count(name) == 0) refs_.forget(path(key, "ic", name));
        break;
      }
      case 4: {
        auto const property = static_cast<IFluidModel::TemperatureTableProperty>(in_.tableKey());
        attempt("const getTemperatureTable", before,
                [&] { std::as_const(m).getTemperatureTable(property); });
        break;
      }
      case 5: {
        int const property = in_.tableKey();
        attempt("deleteTemperatureTable", before, [&] {
          m.deleteTemperatureTable(static_cast<IFluidModel::TemperatureTableProperty>(property));
        });
        refs_.forget(path(key, "tt", std::to_string(property)));
        break;
      }
      case 6: {
        std::string const name = in_.name();
        attempt("const getInitialCondition", before,
                [&] { std::as_const(m).getInitialCondition(name); });
        break;
      }
      default: {
        // A copy of the model, as a host may make one for itself.
        if (auto* blackOil = dynamic_cast<StdBlackOilModel*>(&m)) {
          std::string const source = snapshot::of(m);
          StdBlackOilModel copy(*blackOil);
          if (snapshot::of(m) != source) fail("StdBlackOilModel copy", "changed its source");
          snapshot::of(copy);
          if (in_.flag()) {
            // And back: assignment replaces all but the temperature tables.
            attempt("StdBlackOilModel copy assignment", before, [&] { *blackOil = copy; });
            refs_.forget(key);
            rememberModel(m);
          }
        }
        break;
      }
    }
  }

  void onFluidModelChild(IFluidModel& m, std::string const& key, int which) {
    switch (which) {
      case 0: {
        IWaterProperties* water = m.getWaterProperties();
        if (water != nullptr) {
          onWater(refs_.same(key + "water:/", *water, [&m] { return m.getWaterProperties(); }),
                  key + "water:/");
        }
        break;
      }
      case 1: {
        std::string const name = chooseName(in_, m.getInitialConditionNames());
        std::string const icKey = path(key, "ic", name);
        IInitialCondition* ic = in_.flag() ? refs_.recorded<IInitialCondition>(icKey) : nullptr;
        if (ic == nullptr) {
          attempt("getInitialCondition", snap(m), [&] {
            ic = &refs_.same(icKey, m.getInitialCondition(name),
                             [&m, name] { return &m.getInitialCondition(name); });
          });
        }
        if (ic != nullptr) onInitialCondition(*ic, icKey);
        break;
      }
      default: {
        int const property = in_.tableKey();
        std::string const ttKey = path(key, "tt", std::to_string(property));
        ITemperatureTable* table = in_.flag() ? refs_.recorded<ITemperatureTable>(ttKey) : nullptr;
        if (table == nullptr) {
          attempt("getTemperatureTable", snap(m), [&] {
            auto const p = static_cast<IFluidModel::TemperatureTableProperty>(property);
            table = &refs_.same(ttKey, m.getTemperatureTable(p),
                                [&m, p] { return &std::as_const(m).getTemperatureTable(p); });
          });
        }
        if (table != nullptr) onTemperatureTable(*table);
        break;
      }
    }
  }

  // ---- water ---------------------------------------------------------------------------

  void onWater(IWaterProperties& w, std::string const& key) {
    auto const before = snap(w);
    double const v = in_.value();
    switch (in_.pick(12)) {
      case 0:
        attempt("water scalar", before, [&] {
          switch (in_.pick(14)) {
            case 0:
              w.setSurfaceDensity(v);
              break;
            case 1:
              w.setPressure(v);
              break;
            case 2:
              w.setFormationVolumeFactor(v);
              break;
            case 3:
              w.setCompressibility(v);
              break;
            case 4:
              w.setViscosity(v);
              break;
            case 5:
              w.setViscosibility(v);
              break;
            case 6:
              w.setKValueCoefficientA(v);
              break;
            case 7:
              w.setKValueCoefficientB(v);
              break;
            case 8:
              w.setKValueCoefficientC(v);
              break;
            case 9:
              w.setKValueCoefficientD(v);
              break;
            case 10:
              w.setKValueCoefficientE(v);
              break;
            case 11:
              w.setReferenceTemperature(v);
              break;
            case 12:
              w.setThermalExpansionCoefficient1(v);
              break;
            default:
              w.setThermalExpansionCoefficient2(v);
              break;
          }
        });
        break;
      case 1:
      case 2: {
        auto const type = static_cast<IBrineComponent::SaltMoleculeType>(in_.enumValue());
        attempt("makeBrineComponent", before, [&] {
          int const index = w.getNumBrineComponents();
          refs_.same(path(key, "salt", std::to_string(index)), w.makeBrineComponent(type),
                     [&w, index] { return &w.getBrineComponent(index); });
        });
        break;
      }
      case 3: {
        // Brine components stay where they are for as long as the water lives.
        int const count = w.getNumBrineComponents();
        int const index = count > 0 && in_.flag() ? in_.pick(count) : in_.index();
        IBrineComponent* kept =
            refs_.recorded<IBrineComponent>(path(key, "salt", std::to_string(index)));
        if (kept != nullptr && in_.flag()) {
          kept->setSaltMoleculeType(kept->getSaltMoleculeType());
        } else {
          attempt("getBrineComponent(index)", before, [&] {
            refs_.same(path(key, "salt", std::to_string(index)), w.getBrineComponent(index),
                       [&w, index] { return &w.getBrineComponent(index); });
          });
        }
        break;
      }
      case 4: {
        std::string const name = in_.name();
        attempt("getBrineComponent(name)", before, [&] { w.getBrineComponent(name); });
        break;
      }
      case 5: {
        int const index = in_.index();
        auto const type = static_cast<IBrineComponent::SaltMoleculeType>(in_.enumValue());
        attempt("setSaltMoleculeType", before,
                [&] { w.getBrineComponent(index).setSaltMoleculeType(type); });
        break;
      }
      case 6:
        refs_.forget(key + "brine:/");
        attempt("makeBrinePropertyTable", before, [&] {
          refs_.same(key + "brine:/", w.makeBrinePropertyTable(),
                     [&w] { return w.getBrinePropertyTable(); });
        });
        break;
      case 7:
        attempt("deleteBrinePropertyTable", before, [&] { w.deleteBrinePropertyTable(); });
        refs_.forget(key + "brine:/");
        break;
      default:
        if (IBrinePropertyTable* table = w.getBrinePropertyTable()) {
          onBrineTable(
              refs_.same(key + "brine:/", *table, [&w] { return w.getBrinePropertyTable(); }));
        }
        break;
    }
  }

  void onBrineTable(IBrinePropertyTable& t) {
    auto const before = snap(t);
    int const i = in_.index();
    double const v = in_.value();
    switch (in_.pick(11)) {
      case 10:
        exerciseCopies<StdBrinePropertyTable>(t, in_.pick(4) == 0);
        break;
      case 9: {
        int const rows = 1 + in_.pick(5);
        t.setTableSize(rows);
        for (int row = 0; row < rows; ++row) {
          t.setSaltConcentration(row, 0.5 * row);
          t.setViscosity(row, in_.value());
        }
        break;
      }
      case 0: {
        int const n = in_.count();
        attempt("setTableSize", before, [&] {
          t.setTableSize(n);
          if (t.getTableSize() != n) fail("setTableSize", "size not taken");
        });
        break;
      }
      case 1:
        attempt("setReferencePressure", before, [&] { t.setReferencePressure(v); });
        break;
      case 2:
        attempt("setReferenceSaltConcentration", before,
                [&] { t.setReferenceSaltConcentration(v); });
        break;
      case 3:
        attempt("setSaltConcentration", before, [&] { t.setSaltConcentration(i, v); });
        break;
      case 4:
        attempt("setBrineSurfaceDensity", before, [&] { t.setBrineSurfaceDensity(i, v); });
        break;
      case 5:
        attempt("setFormationVolumeFactor", before, [&] { t.setFormationVolumeFactor(i, v); });
        break;
      case 6:
        attempt("setCompressibility", before, [&] { t.setCompressibility(i, v); });
        break;
      case 7:
        attempt("setViscosity", before, [&] { t.setViscosity(i, v); });
        break;
      default:
        attempt("getViscosibility", before, [&] { t.getViscosibility(i); });
        break;
    }
  }

  // ---- initial conditions and the flat tables --------------------------------------------

  void onInitialCondition(IInitialCondition& ic, std::string const& key) {
    auto const before = snap(ic);
    double const v = in_.value();
    int const property = in_.tableKey();
    auto const p = static_cast<IInitialCondition::Property>(property);
    std::string const tableKey = path(key, "dt", std::to_string(property));
    switch (in_.pick(8)) {
      case 0:
        attempt("initial condition scalar", before, [&] {
          switch (in_.pick(6)) {
            case 0:
              ic.setDatumDepth(v);
              break;
            case 1:
              ic.setDatumPressure(v);
              break;
            case 2:
              ic.setGasOilContactDepth(v);
              break;
            case 3:
              ic.setGasOilContactCapillaryPressure(v);
              break;
            case 4:
              ic.setWaterContactDepth(v);
              break;
            default:
              ic.setWaterContactCapillaryPressure(v);
              break;
          }
        });
        break;
      case 1:
        attempt("const getDepthTable", before, [&] { std::as_const(ic).getDepthTable(p); });
        break;
      case 2:
        attempt("deleteDepthTable", before, [&] { ic.deleteDepthTable(p); });
        refs_.forget(tableKey);
        break;
      default: {
        IDepthTable* table = in_.flag() ? refs_.recorded<IDepthTable>(tableKey) : nullptr;
        if (table == nullptr) {
          attempt("getDepthTable", before, [&] {
            table = &refs_.same(tableKey, ic.getDepthTable(p),
                                [&ic, p] { return &std::as_const(ic).getDepthTable(p); });
          });
        }
        if (table != nullptr) onDepthTable(*table);
        break;
      }
    }
  }

  // The operations every flat row-by-component table shares; `Table` is the interface,
  // `Ops` names its calls.
  template <class Table, class Ops>
  void onFlatTable(Table& t, Ops ops) {
    auto const before = snap(t);
    bool const negativeWidth = t.getNumComponents() < 0;
    // A stored negative width makes a row resize fail after the keys were resized.
    auto const excused = [negativeWidth](std::exception const& e) {
      return negativeWidth && isLengthError(e);
    };
    int const r = in_.index();
    int const c = in_.index();
    double const v = in_.value();
    switch (in_.pick(9)) {
      case 8: {
        bool const takeOut = in_.pick(4) == 0;
        exerciseCopies<StdTemperatureTable>(t, takeOut) ||
            exerciseCopies<StdDepthTable>(t, takeOut) ||
            exerciseCopies<StdTemperatureKValueTable>(t, takeOut) ||
            exerciseCopies<StdCompositionKValueTable>(t, takeOut) ||
            exerciseCopies<StdKValueTable<IKValueTable>>(t, takeOut) ||
            exerciseCopies<StdOilViscosityIndexTable>(t, takeOut);
        break;
      }
      case 7: {
        // Sized and filled as a host fills it: components first, then rows, then values.
        // Every call is valid, so none may throw.
        int const components = 1 + in_.pick(4);
        int const rows = 1 + in_.pick(5);
        t.setNumComponents(components);
        ops.setRows(t, rows);
        std::vector<double> const keys = rowKeys(in_, rows);
        for (int row = 0; row < rows; ++row) {
          ops.setKey(t, row, keys[static_cast<std::size_t>(row)]);
          for (int col = 0; col < components; ++col) ops.setValue(t, row, col, in_.value());
        }
        break;
      }
      case 0: {
        int const n = in_.count();
        attempt(
            "setNumRows", before,
            [&] {
              ops.setRows(t, n);
              if (ops.rows(t) != n) fail("setNumRows", "count not taken");
            },
            excused);
        break;
      }
      case 1: {
        int const n = in_.count();
        attempt("setNumComponents", before, [&] {
          t.setNumComponents(n);
          if (t.getNumComponents() != n) fail("setNumComponents", "count not taken");
        });
        break;
      }
      case 2:
        attempt("setKey", before, [&] {
          ops.setKey(t, r, v);
          if (!std::isnan(v) && ops.key(t, r) != v) fail("setKey", "value not stored");
        });
        break;
      case 3:
        attempt("setValue", before, [&] {
          ops.setValue(t, r, c, v);
          if (!std::isnan(v) && ops.value(t, r, c) != v) fail("setValue", "value not stored");
        });
        break;
      case 4:
        attempt("getValue", before, [&] { ops.value(t, r, c); });
        break;
      default:
        ops.extra(t, in_, before, excused);
        break;
    }
  }

  struct TemperatureOps {
    static int rows(ITemperatureTable const& t) { return t.getNumTemperatures(); }
    static void setRows(ITemperatureTable& t, int n) { t.setNumTemperatures(n); }
    static double key(ITemperatureTable const& t, int r) { return t.getTemperature(r); }
    static void setKey(ITemperatureTable& t, int r, double v) { t.setTemperature(r, v); }
    static double value(ITemperatureTable const& t, int r, int c) { return t.getProperty(r, c); }
    static void setValue(ITemperatureTable& t, int r, int c, double v) { t.setProperty(r, c, v); }
    template <class Before, class Excused>
    static void extra(ITemperatureTable&, Input&, Before const&, Excused const&) {}
  };

  struct DepthOps {
    static int rows(IDepthTable const& t) { return t.getNumDepths(); }
    static void setRows(IDepthTable& t, int n) { t.setNumDepths(n); }
    static double key(IDepthTable const& t, int r) { return t.getDepth(r); }
    static void setKey(IDepthTable& t, int r, double v) { t.setDepth(r, v); }
    static double value(IDepthTable const& t, int r, int c) { return t.getProperty(r, c); }
    static void setValue(IDepthTable& t, int r, int c, double v) { t.setProperty(r, c, v); }
    // The depth-table operations.
    template <class Before, class Excused>
    static void extra(IDepthTable& t, Input& in, Before const& before, Excused const& excused) {
      double const depth = in.value();
      bool const a = in.flag();
      bool const b = in.flag();
      switch (in.pick(3)) {
        case 0: {
          int const component = in.index();
          sameThroughInterface("interpolate", t, [&](IDepthTable& x) {
            return std::to_string(interpolate(x, depth, component, a));
          });
          attempt("interpolate", before, [&] { interpolate(t, depth, component, a); });
          break;
        }
        case 1:
          sameThroughInterface("truncate", t, [&](IDepthTable& x) {
            truncate(x, depth, a, b);
            return std::string();
          });
          attempt(
              "truncate", before, [&] { truncate(t, depth, a, b); }, excused);
          break;
        default: {
          int const row = in.index();
          sameThroughInterface("normalizeComposition", t, [&](IDepthTable& x) {
            normalizeComposition(x, row);
            return std::string();
          });
          attempt("normalizeComposition", before, [&] { normalizeComposition(t, row); });
          break;
        }
      }
    }
  };

  struct KValueOps {
    static int rows(IKValueTable const& t) { return t.getNumPressures(); }
    static void setRows(IKValueTable& t, int n) { t.setNumPressures(n); }
    static double key(IKValueTable const& t, int r) { return t.getPressure(r); }
    static void setKey(IKValueTable& t, int r, double v) { t.setPressure(r, v); }
    static double value(IKValueTable const& t, int r, int c) { return t.getKValue(r, c); }
    static void setValue(IKValueTable& t, int r, int c, double v) { t.setKValue(r, c, v); }
    template <class Before, class Excused>
    static void extra(IKValueTable& t, Input& in, Before const& before, Excused const&) {
      double const v = in.value();
      int const i = in.anyInt();
      if (auto* temperature = dynamic_cast<ITemperatureKValueTable*>(&t)) {
        attempt("setTemperature", before, [&] { temperature->setTemperature(v); });
      } else if (auto* composition = dynamic_cast<ICompositionKValueTable*>(&t)) {
        attempt("setComposition", before, [&] {
          composition->setComposition(v);
          composition->setNominatedComponent(i);
        });
      }
    }
  };

  struct ViscosityIndexOps {
    static int rows(IOilViscosityIndexTable const& t) { return t.getNumMolefractions(); }
    static void setRows(IOilViscosityIndexTable& t, int n) { t.setNumMolefractions(n); }
    static double key(IOilViscosityIndexTable const& t, int r) { return t.getMoleFraction(r); }
    static void setKey(IOilViscosityIndexTable& t, int r, double v) { t.setMoleFraction(r, v); }
    static double value(IOilViscosityIndexTable const& t, int r, int c) {
      return t.getOilViscosityIndex(r, c);
    }
    static void setValue(IOilViscosityIndexTable& t, int r, int c, double v) {
      t.setOilViscosityIndex(r, c, v);
    }
    template <class Before, class Excused>
    static void extra(IOilViscosityIndexTable&, Input&, Before const&, Excused const&) {}
  };

  void onTemperatureTable(ITemperatureTable& t) { onFlatTable(t, TemperatureOps{}); }
  void onDepthTable(IDepthTable& t) { onFlatTable(t, DepthOps{}); }

  // ---- black-oil models ------------------------------------------------------------------

  void onBlackOil(IBlackOilModel& m, std::string const& key) {
    auto const before = snap(static_cast<IFluidModel const&>(m));
    int const region = in_.tableKey();
    std::string const oilKey = path(key, "oil", std::to_string(region));
    auto const refetchOil = [&m, region] { return m.getOilTable(region); };
    switch (in_.pick(14)) {
      case 0:
        refs_.forget(key + "gas:/");
        attempt("makeGasTable", before, [&] {
          refs_.same<IGasTable>(key + "gas:/", m.makeGasTable(), [&m] { return m.getGasTable(); });
        });
        break;
      case 1:
        refs_.forget(key + "gas:/");
        attempt("makeDryGasTable", before, [&] {
          refs_.same<IGasTable>(key + "gas:/", m.makeDryGasTable(),
                                [&m] { return m.getGasTable(); });
        });
        break;
      case 2:
        attempt("deleteGasTable", before, [&] { m.deleteGasTable(); });
        refs_.forget(key + "gas:/");
        break;
      case 3:
        refs_.forget(oilKey);
        attempt("make oil table", before, [&] {
          switch (in_.pick(4)) {
            case 0:
              refs_.same<IOilTable>(oilKey, m.makeOilTable(region), refetchOil);
              break;
            case 1:
              refs_.same<IOilTable>(oilKey, m.makeCompressibleOilTable(region), refetchOil);
              break;
            case 2:
              refs_.same<IOilTable>(oilKey, m.makeDeadOilTable(region), refetchOil);
              break;
            default:
              refs_.same<IOilTable>(oilKey, m.makeDeadOilConstantCompressTable(region), refetchOil);
              break;
          }
        });
        break;
      case 4:
        attempt("deleteOilTable", before, [&] { m.deleteOilTable(region); });
        refs_.forget(oilKey);
        break;
      case 5:
        refs_.forget(key + "solvent:/");
        attempt("makeSolventTable", before, [&] {
          refs_.same(key + "solvent:/", m.makeSolventTable(), [&m] { return m.getSolventTable(); });
        });
        break;
      case 6:
        refs_.forget(key + "miscibility:/");
        attempt("makeMiscibilityTable", before, [&] {
          refs_.same(key + "miscibility:/", m.makeMiscibilityTable(),
                     [&m] { return m.getMiscibilityTable(); });
        });
        break;
      case 7:
        attempt("delete solvent or miscibility table", before, [&] {
          if (in_.flag()) {
            m.deleteSolventTable();
          } else {
            m.deleteMiscibilityTable();
          }
        });
        refs_.forget(key + "solvent:/");
        refs_.forget(key + "miscibility:/");
        break;
      case 8: {
        double const v = in_.value();
        attempt("densities", before, [&] {
          if (in_.flag()) {
            m.gasDensity(v);
          } else {
            m.oilDensity(v);
          }
        });
        break;
      }
      case 9:
      case 10: {
        IOilTable* table = in_.flag() ? refs_.recorded<IOilTable>(oilKey) : nullptr;
        if (table == nullptr && m.getOilTable(region) != nullptr) {
          table = &refs_.same(oilKey, *m.getOilTable(region), refetchOil);
        }
        if (table != nullptr) onOilTable(*table);
        break;
      }
      case 11: {
        IGasTable* table = in_.flag() ? refs_.recorded<IGasTable>(key + "gas:/") : nullptr;
        if (table == nullptr && m.getGasTable() != nullptr) {
          table = &refs_.same(key + "gas:/", *m.getGasTable(), [&m] { return m.getGasTable(); });
        }
        if (table != nullptr) onGasTable(*table);
        break;
      }
      case 12:
        if (ISolventTable* table = m.getSolventTable())
          onSolventTable(refs_.same(key + "solvent:/", *table));
        break;
      default:
        if (IMiscibilityTable* table = m.getMiscibilityTable()) {
          onMiscibilityTable(refs_.same(key + "miscibility:/", *table));
        }
        break;
    }
  }

  // The two-level table operations, for oil (T = IOilTable) and gas tables.
  template <class T, class Key, class SetKey, class Entry, class SetEntry>
  void onTwoLevelTable(T& t, Key key, SetKey setKey, Entry entry, SetEntry setEntry) {
    auto const before = snap(t);
    int const s = in_.index();
    int const u = in_.index();
    double const v = in_.value();
    switch (in_.pick(11)) {
      case 10: {
        bool const takeOut = in_.pick(4) == 0;
        exerciseCopies<StdOilTable>(t, takeOut) || exerciseCopies<StdDeadOilTable>(t, takeOut) ||
            exerciseCopies<StdDeadOilConstantCompressTable>(t, takeOut) ||
            exerciseCopies<StdCompressibleOilTable>(t, takeOut) ||
            exerciseCopies<StdGasTable>(t, takeOut) || exerciseCopies<StdDryGasTable>(t, takeOut);
        break;
      }
      case 9: {
        // Sized and filled as a host fills it; every call is valid.
        int const rows = 1 + in_.pick(4);
        t.setSaturatedSize(rows);
        std::vector<double> const keys = rowKeys(in_, rows);
        for (int row = 0; row < rows; ++row) {
          setKey(t, row, keys[static_cast<std::size_t>(row)]);
          int const entries = in_.pick(5);
          t.setUndersaturatedSize(row, entries);
          std::vector<double> const pressures = rowKeys(in_, entries);
          for (int e = 0; e < entries; ++e) {
            setEntry(t, row, e, pressures[static_cast<std::size_t>(e)]);
            t.setFormationVolumeFactor(row, e, in_.flag() ? 1.2 - 0.01 * e : in_.value());
            t.setViscosity(row, e, in_.flag() ? 0.8 + 0.02 * e : in_.value());
          }
        }
        break;
      }
      case 0: {
        int const n = in_.count();
        attempt("setSaturatedSize", before, [&] {
          t.setSaturatedSize(n);
          if (t.getSaturatedSize() != n) fail("setSaturatedSize", "size not taken");
        });
        break;
      }
      case 1: {
        int const n = in_.count();
        attempt("setUndersaturatedSize", before, [&] {
          t.setUndersaturatedSize(s, n);
          if (t.getUndersaturatedSize(s) != n) fail("setUndersaturatedSize", "size not taken");
        });
        break;
      }
      case 2:
        attempt("set saturated key", before, [&] { setKey(t, s, v); });
        break;
      case 3:
        attempt("set undersaturated value", before, [&] { setEntry(t, s, u, v); });
        break;
      case 4:
        attempt("setFormationVolumeFactor", before, [&] { t.setFormationVolumeFactor(s, u, v); });
        break;
      case 5:
        attempt("setViscosity", before, [&] { t.setViscosity(s, u, v); });
        break;
      case 6:
        attempt("setSurfaceDensity", before, [&] { t.setSurfaceDensity(v); });
        break;
      case 7:
        attempt("get", before, [&] {
          key(t, s);
          entry(t, s, u);
          t.getViscosity(s, u);
        });
        break;
      default: {
        // A clone is an independent table of the same kind with the same content.
        std::string const source = before();
        auto clone = std::as_const(t).clone();
        if (snapshot::of(*clone) != source) fail("clone", "differs from its source");
        if (typeid(*clone) != typeid(t)) fail("clone", "of another kind");
        break;
      }
    }
  }

  void onOilTable(IOilTable& t) {
    auto const before = snap(t);
    switch (in_.pick(4)) {
      case 0: {
        double dissolved = 0.0;
        double bubble = 0.0;
        attempt("isDeadOil", before, [&] {
          isDeadOil(t, in_.flag() ? &dissolved : nullptr, in_.flag() ? &bubble : nullptr);
        });
        int const s = in_.index();
        double residual = 0.0;
        attempt("findConstantUndersaturatedCompressibility", before, [&] {
          findConstantUndersaturatedCompressibility(t, s, &residual);
          findConstantUndersaturatedViscosibility(t, s, nullptr);
          hasConstantUndersaturatedCompressibility(t);
        });
        break;
      }
      case 1:
        onOilTableKind(t);
        break;
      default:
        onTwoLevelTable(
            t, [](IOilTable const& x, int s) { return x.getGasOilRatio(s); },
            [](IOilTable& x, int s, double v) { x.setGasOilRatio(s, v); },
            [](IOilTable const& x, int s, int u) { return x.getPressure(s, u); },
            [](IOilTable& x, int s, int u, double v) { x.setPressure(s, u, v); });
        break;
    }
  }

  void onOilTableKind(IOilTable& t) {
    auto const before = snap(t);
    double const v = in_.value();
    int const s = in_.index();
    if (auto* dead = dynamic_cast<IDeadOilTable*>(&t)) {
      attempt("dead-oil values", before, [&] {
        dead->setBubblePointPressure(v);
        dead->setDissolvedGas(v);
      });
    }
    if (auto* constant = dynamic_cast<IDeadOilConstantCompressTable*>(&t)) {
      attempt("constant compressibility", before, [&] {
        constant->setOilCompressibility(v);
        constant->setOilViscosibility(v);
      });
    }
    if (auto* compressible = dynamic_cast<ICompressibleOilTable*>(&t)) {
      attempt("row compressibility", before, [&] {
        if (in_.flag()) {
          compressible->setCompressibility(s, v);
        } else {
          compressible->setViscosibility(s, v);
        }
      });
      attempt("thermal values", before, [&] {
        compressible->setMolecularWeight(v);
        compressible->setSpecificHeat(v);
        compressible->setTemperatureExpansionCoefficient(v);
        compressible->setTemperatureSquaredExpansionCoefficient(v);
      });
    }
  }

  void onGasTable(IGasTable& t) {
    auto const before = snap(t);
    if (in_.pick(4) == 0) {
      double vaporized = 0.0;
      double dew = 0.0;
      attempt("isDryGas", before, [&] { isDryGas(t, &vaporized, in_.flag() ? &dew : nullptr); });
      if (auto* dry = dynamic_cast<IDryGasTable*>(&t)) {
        double const v = in_.value();
        attempt("dry-gas values", before, [&] {
          dry->setDewPointPressure(v);
          dry->setVaporizedOil(v);
        });
      }
      return;
    }
    onTwoLevelTable(
        t, [](IGasTable const& x, int s) { return x.getPressure(s); },
        [](IGasTable& x, int s, double v) { x.setPressure(s, v); },
        [](IGasTable const& x, int s, int u) { return x.getOilGasRatio(s, u); },
        [](IGasTable& x, int s, int u, double v) { x.setOilGasRatio(s, u, v); });
  }

  void onSolventTable(ISolventTable& t) {
    auto const before = snap(t);
    int const i = in_.index();
    double const v = in_.value();
    switch (in_.pick(5)) {
      case 0: {
        int const n = in_.count();
        attempt("solvent setSize", before, [&] {
          t.setSize(n);
          if (t.getSize() != n) fail("solvent setSize", "size not taken");
        });
        break;
      }
      case 1:
        attempt("solvent setPressure", before, [&] { t.setPressure(i, v); });
        break;
      case 2:
        attempt("solvent setFormationVolumeFactor", before,
                [&] { t.setFormationVolumeFactor(i, v); });
        break;
      case 3:
        attempt("solvent setViscosity", before, [&] { t.setViscosity(i, v); });
        break;
      default:
        attempt("solvent setSurfaceDensity", before, [&] { t.setSurfaceDensity(v); });
        break;
    }
  }

  void onMiscibilityTable(IMiscibilityTable& t) {
    auto const before = snap(t);
    int const i = in_.index();
    double const v = in_.value();
    switch (in_.pick(5)) {
      case 0: {
        int const n = in_.count();
        attempt("miscibility setSize", before, [&] {
          t.setSize(n);
          if (t.getSize() != n) fail("miscibility setSize", "size not taken");
        });
        break;
      }
      case 1:
        attempt("setOilPressure", before, [&] { t.setOilPressure(i, v); });
        break;
      case 2:
        attempt("setMiscibility", before, [&] { t.setMiscibility(i, v); });
        break;
      case 3:
        attempt("setViscosityMixingParameter", before, [&] { t.setViscosityMixingParameter(v); });
        break;
      default:
        attempt("setDensityMixingParameter", before, [&] { t.setDensityMixingParameter(v); });
        break;
    }
  }

  // ---- compositional models --------------------------------------------------------------

  void onCompositional(ICompositionalModel& m, std::string const& key) {
    auto const before = snap(static_cast<IFluidModel const&>(m));
    std::string const name = in_.name();
    switch (in_.pick(16)) {
      case 0:
      case 1: {
        auto const type =
            static_cast<IComponent::Type>(in_.pick(8) == 0 ? in_.enumValue() : in_.pick(2));
        attempt("makeComponent", before, [&] {
          IComponent& c = m.makeComponent(name, type);
          refs_.same(path(key, "component", name), c, [&m, name] { return &m.getComponent(name); });
        });
        break;
      }
      case 2: {
        int const index = in_.index();
        std::string const gone =
            index >= 0 && index < m.getNumComponents() ? m.getComponent(index).getName() : "";
        attempt("deleteComponent", before, [&] { m.deleteComponent(index); });
        refs_.forget(path(key, "component", gone));
        break;
      }
      case 3:
      case 4: {
        IComponent* c = nullptr;
        if (in_.flag()) {
          int const index = in_.index();
          attempt("getComponent(index)", before, [&] { c = &m.getComponent(index); });
        } else {
          attempt("getComponent(name)", before, [&] { c = &m.getComponent(name); });
        }
        if (c != nullptr) {
          std::string const made = c->getName();
          onComponent(refs_.same(path(key, "component", made), *c,
                                 [&m, made] { return &m.getComponent(made); }));
        }
        break;
      }
      case 5: {
        IAqueousSolubleComponent* c = nullptr;
        int const index = in_.index();
        switch (in_.pick(3)) {
          case 0:
            attempt("getComponentAsAqueousSolubleComponent(index)", before,
                    [&] { c = &m.getComponentAsAqueousSolubleComponent(index); });
            break;
          case 1:
            attempt("getComponentAsAqueousSolubleComponent(name)", before,
                    [&] { c = &m.getComponentAsAqueousSolubleComponent(name); });
            break;
          default:
            attempt("getAqueousSolubleComponent", before,
                    [&] { c = &m.getAqueousSolubleComponent(index); });
            break;
        }
        if (c != nullptr) onAqueousComponent(*c);
        break;
      }
      case 6: {
        int const n = in_.pick(8) == 0 ? in_.index() : 1 + in_.pick(3);
        IBinaryInteractionCoefficients* bics = nullptr;
        attempt("get BICs", before,
                [&] { bics = in_.flag() ? &m.getBICs() : &m.getAqueousBICs(n); });
        if (bics != nullptr) {
          int const i = in_.pairIndex();
          int const j = in_.pairIndex();
          double const v = in_.value();
          attempt("setBIC", snap(*bics), [&] {
            bics->setBIC(i, j, v);
            double const a = bics->getBIC(i, j);
            double const b = bics->getBIC(j, i);
            if (!(a == b || (std::isnan(a) && std::isnan(b)))) fail("setBIC", "not symmetric");
          });
        }
        break;
      }
      case 7:
        attempt("makeSimpleKValueTable", before, [&] {
          refs_.same(key + "simpleK:/", m.makeSimpleKValueTable(),
                     [&m] { return &m.getSimpleKValueTable(); });
        });
        break;
      case 8:
        attempt("make K-value table", before, [&] {
          if (in_.flag()) {
            refs_.same(path(key, "temperatureK", name), m.makeTemperatureKValueTable(name),
                       [&m, name] { return &m.getTemperatureKValueTable(name); });
          } else {
            refs_.same(path(key, "compositionK", name), m.makeCompositionKValueTable(name),
                       [&m, name] { return &m.getCompositionKValueTable(name); });
          }
        });
        break;
      case 9: {
        IKValueTable* table = nullptr;
        switch (in_.pick(3)) {
          case 0:
            attempt("getSimpleKValueTable", before, [&] { table = &m.getSimpleKValueTable(); });
            break;
          case 1:
            attempt("getTemperatureKValueTable", before, [&] {
              table =
                  &m.getTemperatureKValueTable(chooseName(in_, m.getTemperatureKValueTableNames()));
            });
            break;
          default:
            attempt("getCompositionKValueTable", before, [&] {
              table =
                  &m.getCompositionKValueTable(chooseName(in_, m.getCompositionKValueTableNames()));
            });
            break;
        }
        if (table != nullptr) onFlatTable(*table, KValueOps{});
        break;
      }
      case 10:
        refs_.forget(key + "viscosityIndex:/");
        attempt("makeOilViscosityIndexTable", before, [&] {
          refs_.same(key + "viscosityIndex:/", m.makeOilViscosityIndexTable(),
                     [&m] { return m.getOilViscosityIndexTable(); });
        });
        break;
      case 11:
        attempt("deleteOilViscosityIndexTable", before, [&] { m.deleteOilViscosityIndexTable(); });
        refs_.forget(key + "viscosityIndex:/");
        break;
      case 12:
        if (IOilViscosityIndexTable* table = m.getOilViscosityIndexTable()) {
          onFlatTable(refs_.same(key + "viscosityIndex:/", *table,
                                 [&m] { return m.getOilViscosityIndexTable(); }),
                      ViscosityIndexOps{});
        }
        break;
      case 13:
        attempt("makeReaction", before, [&] { m.makeReaction(name); });
        break;
      case 14: {
        unsigned long long const index = in_.size();
        IReaction* reaction = nullptr;
        attempt("getReaction", before, [&] { reaction = &m.getReaction(index); });
        if (reaction != nullptr) onReaction(*reaction);
        break;
      }
      default: {
        double const v = in_.value();
        int const e = in_.enumValue();
        attempt("compositional settings", before, [&] {
          switch (in_.pick(13)) {
            case 0:
              m.setEquationOfState(static_cast<ICompositionalModel::EquationOfState>(e));
              break;
            case 1:
              m.setViscosityModel(static_cast<ICompositionalModel::ViscosityModel>(e));
              break;
            case 2:
              m.setOilViscosityCorrelationT1(v);
              break;
            case 3:
              m.setOilViscosityCorrelationT2(v);
              break;
            case 4:
              m.setSalinity(v);
              break;
            case 5:
              m.setPedersenViscosityTuningParameter1(v);
              break;
            case 6:
              m.setPedersenViscosityTuningParameter2(v);
              break;
            case 7:
              m.setPedersenViscosityTuningParameter3(v);
              break;
            case 8:
              m.setPedersenViscosityTuningParameter4(v);
              break;
            case 9:
              m.setPedersenViscosityTuningParameter5(v);
              break;
            case 10:
              m.setPedersenViscosityTuningParameter6(v);
              break;
            case 11:
              m.setUsesLiCorrelationLimits(in_.flag());
              break;
            default:
              m.setLiCorrelationUpperLimit(v);
              m.setLiCorrelationLowerLimit(v);
              break;
          }
        });
        break;
      }
    }
  }

  void onComponent(IComponent& c) {
    auto const before = snap(c);
    auto const property = static_cast<IComponent::Property>(in_.propertyKey());
    double const v = in_.value();
    int const e = in_.enumValue();
    auto const phase = static_cast<IComponent::PhaseType>(in_.pick(5) - 1);
    switch (in_.pick(8)) {
      case 0:
        attempt("setProperty", before, [&] {
          c.setProperty(property, v);
          if (!c.hasProperty(property)) fail("setProperty", "not stored");
        });
        break;
      case 1:
        attempt("deleteProperty", before, [&] { c.deleteProperty(property); });
        break;
      case 2:
        attempt("getProperty", before, [&] { c.getProperty(property); });
        break;
      case 3:
        attempt("setDensityType", before,
                [&] { c.setDensityType(phase, static_cast<IComponent::DensityType>(e)); });
        break;
      case 4:
        attempt("setViscosityType", before,
                [&] { c.setViscosityType(phase, static_cast<IComponent::ViscosityType>(e)); });
        break;
      case 5:
        attempt("modelling choices", before, [&] {
          c.setVolatilityType(static_cast<IComponent::VolatilityType>(e));
          c.setCompressibilityType(static_cast<IComponent::CompressibilityType>(e));
          c.setOilViscosityCorrelation(static_cast<IComponent::OilViscosityCorrelation>(e));
          c.setOilViscosityCorrelationUsage(
              static_cast<IComponent::OilViscosityCorrelationUsage>(e));
        });
        break;
      case 6:
        if (auto* aqueous = dynamic_cast<IAqueousSolubleComponent*>(&c)) {
          exerciseCopies<StdAqueousSolubleComponent>(*aqueous, false);
        } else {
          exerciseCopies<StdComponent>(c, false);
        }
        break;
      default:
        if (auto* aqueous = dynamic_cast<IAqueousSolubleComponent*>(&c)) {
          onAqueousComponent(*aqueous);
        }
        break;
    }
  }

  void onAqueousComponent(IAqueousSolubleComponent& c) {
    auto const before = snap(c);
    std::string const name = in_.name();
    ISolubilityTable* table = nullptr;
    switch (in_.pick(10)) {
      case 0:
        attempt("makeSolubilityTable", before, [&] { table = &c.makeSolubilityTable(); });
        break;
      case 1:
        attempt("makeSolubilityWaterPropertiesTable", before,
                [&] { table = &c.makeSolubilityWaterPropertiesTable(); });
        break;
      case 2:
        attempt("makeTemperatureSolubilityTable", before,
                [&] { table = &c.makeTemperatureSolubilityTable(name); });
        break;
      case 3:
        attempt("makeInteractionSolubilityTable", before,
                [&] { table = &c.makeInteractionSolubilityTable(name); });
        break;
      case 4:
        attempt("makeSaltSolubilityTable", before,
                [&] { table = &c.makeSaltSolubilityTable(name); });
        break;
      case 5:
        attempt("getSolubilityTable", before, [&] { table = &c.getSolubilityTable(); });
        break;
      case 6:
        attempt("getSolubilityWaterPropertiesTable", before,
                [&] { table = &c.getSolubilityWaterPropertiesTable(); });
        break;
      case 7:
        attempt("getTemperatureSolubilityTable", before, [&] {
          table = &c.getTemperatureSolubilityTable(
              chooseName(in_, c.getTemperatureSolubilityTableNames()));
        });
        break;
      case 8:
        attempt("getInteractionSolubilityTable", before, [&] {
          table = &c.getInteractionSolubilityTable(
              chooseName(in_, c.getInteractionSolubilityTableNames()));
        });
        break;
      default:
        attempt("getSaltSolubilityTable", before, [&] {
          table = &c.getSaltSolubilityTable(chooseName(in_, c.getSaltSolubilityTableNames()));
        });
        break;
    }
    if (table != nullptr) onSolubilityTable(*table);
  }

  void onSolubilityTable(ISolubilityTable& t) {
    auto const before = snap(t);
    int const i = in_.index();
    double const v = in_.value();
    auto* water = dynamic_cast<ISolubilityWaterPropertiesTable*>(&t);
    switch (in_.pick(7)) {
      case 6: {
        bool const takeOut = in_.pick(4) == 0;
        exerciseCopies<StdTemperatureSolubilityTable>(t, takeOut) ||
            exerciseCopies<StdSaltSolubilityTable>(t, takeOut) ||
            exerciseCopies<StdInteractionSolubilityTable>(t, takeOut) ||
            exerciseCopies<StdSolubilityWaterPropertiesTable>(t, takeOut) ||
            exerciseCopies<StdSolubilityTable>(t, takeOut);
        break;
      }
      case 5: {
        int const rows = 1 + in_.pick(5);
        t.setNumPressures(rows);
        std::vector<double> const pressures = rowKeys(in_, rows);
        for (int row = 0; row < rows; ++row) {
          t.setPressure(row, pressures[static_cast<std::size_t>(row)]);
          t.setSolutionRatio(row, in_.value());
          if (water != nullptr) water->setViscosity(row, in_.value());
        }
        break;
      }
      case 0: {
        int const n = in_.count();
        attempt("setNumPressures", before, [&] {
          t.setNumPressures(n);
          if (t.getNumPressures() != n) fail("setNumPressures", "count not taken");
        });
        break;
      }
      case 1:
        attempt("setPressure", before, [&] { t.setPressure(i, v); });
        break;
      case 2:
        attempt("setSolutionRatio", before, [&] { t.setSolutionRatio(i, v); });
        break;
      case 3:
        if (water != nullptr) {
          attempt("water columns", before, [&] {
            switch (in_.pick(3)) {
              case 0:
                water->setFormationVolume(i, v);
                break;
              case 1:
                water->setViscosity(i, v);
                break;
              default:
                water->setCompressibility(i, v);
                break;
            }
          });
        }
        break;
      default:
        attempt("solubility scalars", before, [&] {
          if (auto* temperature = dynamic_cast<ITemperatureSolubilityTable*>(&t))
            temperature->setTemperature(v);
          if (auto* salt = dynamic_cast<ISaltSolubilityTable*>(&t)) {
            salt->setSaltConcentration(v);
            salt->setBrineSurfaceDensity(v);
            salt->setRefSaltConcentration(v);
          }
          if (auto* interaction = dynamic_cast<IInteractionSolubilityTable*>(&t)) {
            interaction->setInteractionComponentName(in_.name());
            interaction->setInteractionComponentMoleFraction(v);
          }
        });
        break;
    }
  }

  void onReaction(IReaction& r) {
    auto const before = snap(r);
    int const c = in_.index();
    double const v = in_.value();
    int const e = in_.enumValue();
    switch (in_.pick(8)) {
      case 7:
        exerciseCopies<StdReaction>(r, false);
        break;
      case 6: {
        int const n = 1 + in_.pick(5);
        r.setNumComponents(n);
        for (int k = 0; k < n; ++k) {
          r.setReactantStoichiometricCoefficient(k, in_.value());
          r.setReactingComponentPhase(
              k, static_cast<IReaction::ReactingComponentPhase>(in_.enumValue()));
        }
        break;
      }
      case 0: {
        int const n = in_.count();
        // A negative count is stored before the arrays refuse it.
        attempt(
            "reaction setNumComponents", before, [&] { r.setNumComponents(n); },
            [&](std::exception const& error) { return n < 0 && isLengthError(error); });
        if (r.getNumComponents() != n) fail("reaction setNumComponents", "count not taken");
        break;
      }
      case 1:
        attempt("per-component value", before, [&] {
          switch (in_.pick(4)) {
            case 0:
              r.setRateComponentOrder(c, v);
              break;
            case 1:
              r.setReactantStoichiometricCoefficient(c, v);
              break;
            case 2:
              r.setProductStoichiometricCoefficient(c, v);
              break;
            default:
              r.setReactingComponentPhase(c, static_cast<IReaction::ReactingComponentPhase>(e));
              break;
          }
        });
        break;
      case 2:
        attempt("per-component reads", before, [&] {
          r.getReactingComponentPhaseAsString(c);
          r.getRateComponentOrder(c);
        });
        break;
      case 3:
        attempt("rate law", before, [&] {
          r.setRateConstant(v);
          r.setMolarEnthalpy(v);
          r.setActivationMolarEnergy(v);
          r.setRatePorosityOrder(v);
        });
        break;
      default:
        attempt("equilibrium", before, [&] {
          r.setHasEquilibriumDeviationTerms(in_.flag());
          r.setEquilibriumModelType(e);
          r.setEquilibriumLiquidComponentIndex(c);
          r.setEquilibriumVapourComponentIndex(e);
          r.setEquilibriumOrder(v);
          r.setEquilibriumReactionDirection(
              static_cast<IReaction::EquilibriumReactionDirection>(e));
          r.getEquilibriumReactionDirectionAsString();
          r.setEquilibriumKValueIndex(c);
          r.setEquilibriumKValueCR_A(v);
          r.setEquilibriumKValueCR_E(v);
        });
        break;
    }
  }

  // ---- separators and tracers ------------------------------------------------------------

  void onSomeSeparatorModel() {
    std::string const name = chooseName(in_, registry_.getSeparatorModelNames());
    std::size_t const version = in_.size();
    ISeparatorModel* model = nullptr;
    attempt(
        "getSeparatorModel", [] { return std::string(); },
        [&] { model = &registry_.getSeparatorModel(name, version); });
    if (model == nullptr) return;
    auto const before = snap(*model);
    int const i = in_.index();
    switch (in_.pick(6)) {
      case 0:
        attempt("makeStage", before, [&] {
          int const n = model->getNumStages();
          if (model->makeStage().getStageIndex() != n) fail("makeStage", "wrong stage index");
        });
        break;
      case 1:
        attempt("deleteStage", before, [&] { model->deleteStage(i); });
        break;
      case 2:
        attempt("setGroupName", before, [&] { model->setGroupName(in_.name()); });
        break;
      case 3: {
        std::string const source = before();
        if (!(*model == *model)) fail("ISeparatorModel::operator==", "a model differs from itself");
        if (before() != source) fail("ISeparatorModel::operator==", "changed the model");
        break;
      }
      default: {
        ISeparatorStage* stage = nullptr;
        attempt("getStage", before, [&] { stage = &model->getStage(i); });
        if (stage == nullptr) break;
        double const v = in_.value();
        int const n = in_.anyInt();
        attempt("stage values", before, [&] {
          switch (in_.pick(11)) {
            case 0:
              stage->setStageIndex(n);
              break;
            case 1:
              stage->setTemperature(v);
              break;
            case 2:
              stage->setPressure(v);
              break;
            case 3:
              stage->setLiquidDestinationStageIndex(n);
              break;
            case 4:
              stage->setVapourDestinationStageIndex(n);
              break;
            case 5:
              stage->setKvalueTableNumber(n);
              break;
            case 6:
              stage->setGasPlantTableNumber(n);
              break;
            case 7:
              stage->setSurfaceEOSNumber(n);
              break;
            case 8:
              stage->setTemperatureForNGLdensity(v);
              break;
            case 9:
              stage->setPressureForNGLdensity(v);
              break;
            default:
              stage->setIsLastStage(in_.flag());
              break;
          }
        });
        break;
      }
    }
  }

  void onSomeTracerModel() {
    std::string const name = chooseName(in_, registry_.getTracerModelNames());
    std::string const key = path("", "tracer", name);
    ITracerModel* model = in_.flag() ? refs_.recorded<ITracerModel>(key) : nullptr;
    if (model == nullptr) {
      attempt(
          "getTracerModel", [] { return std::string(); },
          [&] { model = &rememberTracer(name, registry_.getTracerModel(name)); });
    }
    if (model == nullptr) return;
    auto const before = snap(*model);
    int const type = in_.tableKey();
    int const region = in_.index();
    auto const t = static_cast<ITracerModel::DepthTableType>(type);
    std::string const tableKey =
        key + "dt:" + std::to_string(type) + "," + std::to_string(region) + "/";
    switch (in_.pick(5)) {
      case 0:
        attempt("makeDepthTable", before, [&] {
          ITracerDepthTable& table = model->makeDepthTable(t, region);
          refs_.forget(tableKey);
          refs_.same(tableKey, table);
        });
        break;
      case 1:
        attempt("deleteDepthTable", before, [&] { model->deleteDepthTable(t, region); });
        refs_.forget(tableKey);
        break;
      case 2:
        attempt("setComponentName", before, [&] { model->setComponentName(in_.name()); });
        break;
      default: {
        ITracerDepthTable* table = nullptr;
        attempt("getDepthTable", before,
                [&] { table = refs_.same(tableKey, model->getDepthTable(t, region)); });
        if (table == nullptr) break;
        auto const tableBefore = snap(*table);
        int const i = in_.index();
        double const v = in_.value();
        switch (in_.pick(4)) {
          case 3: {
            int const rows = 1 + in_.pick(5);
            table->setNumDepths(rows);
            std::vector<double> const depths = rowKeys(in_, rows);
            for (int row = 0; row < rows; ++row) {
              table->setDepth(row, depths[static_cast<std::size_t>(row)]);
              table->setConcentration(row, in_.value());
            }
            break;
          }
          case 0: {
            int const n = in_.count();
            attempt("tracer setNumDepths", tableBefore, [&] {
              table->setNumDepths(n);
              if (table->getNumDepths() != n) fail("tracer setNumDepths", "count not taken");
            });
            break;
          }
          case 1:
            attempt("tracer setDepth", tableBefore, [&] { table->setDepth(i, v); });
            break;
          default:
            attempt("tracer setConcentration", tableBefore, [&] { table->setConcentration(i, v); });
            break;
        }
        break;
      }
    }
  }

  // ---- deep copies -----------------------------------------------------------------------

  // Runs a copy. It keeps what it transferred when it fails, so only the source must
  // come out unchanged (unless it is the target itself).
  template <class Source, class Target, class Call>
  void copyChecked(char const* what, Source const& source, Target& target, Call call) {
    bool const same = static_cast<void const*>(&source) == static_cast<void const*>(&target);
    std::string const before = same ? std::string() : snapshot::of(source);
    attempt(what, snap(target), call, [](std::exception const&) { return true; });
    if (!same && snapshot::of(source) != before) fail(what, "changed its source");
    snapshot::of(target);
  }

  void onCopy() {
    std::set<std::string> const names = registry_.getFluidModelNames();
    if (names.empty()) return;
    std::string const sourceName = chooseName(in_, names);
    std::string const targetName = chooseName(in_, names);
    if (names.count(sourceName) == 0 || names.count(targetName) == 0) return;
    IFluidModel& source = registry_.getFluidModel(sourceName);
    IFluidModel& target = registry_.getFluidModel(targetName);
    int const flags = in_.pick(4) == 0 ? in_.anyInt() : in_.pick(64);
    // A copy may make, replace and delete children of its target.
    std::string const targetKey = path("", "fluid", targetName);
    switch (in_.pick(6)) {
      case 0:
        refs_.forget(targetKey);
        copyChecked("copy(IFluidModel)", source, target, [&] { copy(source, target, flags); });
        break;
      case 1: {
        auto* s = dynamic_cast<IBlackOilModel*>(&source);
        auto* t = dynamic_cast<IBlackOilModel*>(&target);
        if (s == nullptr || t == nullptr) break;
        refs_.forget(targetKey);
        copyChecked("copy(IBlackOilModel)", *s, *t, [&] { copy(*s, *t, flags); });
        break;
      }
      case 2: {
        auto* s = dynamic_cast<ICompositionalModel*>(&source);
        auto* t = dynamic_cast<ICompositionalModel*>(&target);
        if (s == nullptr || t == nullptr) break;
        refs_.forget(targetKey);
        if (in_.flag()) {
          copyChecked("copy(ICompositionalModel)", *s, *t, [&] { copy(*s, *t, flags); });
        } else {
          auto const property = static_cast<IComponent::Property>(in_.propertyKey());
          copyChecked("copy(ICompositionalModel, property)", *s, *t,
                      [&] { copy(*s, *t, property); });
        }
        break;
      }
      case 3: {
        // Between initial conditions, depth tables or temperature tables of the two models.
        std::set<std::string> const sourceConditions = source.getInitialConditionNames();
        std::set<std::string> const targetConditions = target.getInitialConditionNames();
        if (sourceConditions.empty() || targetConditions.empty()) break;
        std::string const from = chooseName(in_, sourceConditions);
        std::string const to = chooseName(in_, targetConditions);
        if (sourceConditions.count(from) == 0 || targetConditions.count(to) == 0) break;
        IInitialCondition& s = source.getInitialCondition(from);
        IInitialCondition& t = target.getInitialCondition(to);
        refs_.forget(path(targetKey, "ic", to));
        if (in_.flag()) {
          copyChecked("copy(IInitialCondition)", s, t, [&] { copy(s, t, flags); });
        } else {
          auto const p = static_cast<IInitialCondition::Property>(in_.tableKey());
          IDepthTable& sd = s.getDepthTable(p);
          IDepthTable& td = t.getDepthTable(p);
          copiesThroughInterface<StdDepthTable>("copy(IDepthTable)", sd, td,
                                                [&](auto const& x, auto& y) { copy(x, y, flags); });
          copyChecked("copy(IDepthTable)", sd, td, [&] { copy(sd, td, flags); });
        }
        break;
      }
      case 4: {
        auto const p = static_cast<IFluidModel::TemperatureTableProperty>(in_.tableKey());
        ITemperatureTable& s = source.getTemperatureTable(p);
        ITemperatureTable& t = target.getTemperatureTable(p);
        copiesThroughInterface<StdTemperatureTable>(
            "copy(ITemperatureTable)", s, t, [&](auto const& x, auto& y) { copy(x, y, flags); });
        copyChecked("copy(ITemperatureTable)", s, t, [&] { copy(s, t, flags); });
        break;
      }
      default:
        onTableCopy(source, target, flags);
        break;
    }
  }

  // Copies between tables of the two models: oil, gas, solvent, miscibility, water,
  // components, K-value and viscosity index tables.
  void onTableCopy(IFluidModel& source, IFluidModel& target, int flags) {
    auto* sb = dynamic_cast<IBlackOilModel*>(&source);
    auto* tb = dynamic_cast<IBlackOilModel*>(&target);
    auto* sc = dynamic_cast<ICompositionalModel*>(&source);
    auto* tc = dynamic_cast<ICompositionalModel*>(&target);
    switch (in_.pick(6)) {
      case 0:
        if (IWaterProperties* s = source.getWaterProperties()) {
          if (IWaterProperties* t = target.getWaterProperties()) {
            copyChecked("copy(IWaterProperties)", *s, *t, [&] { copy(*s, *t, flags); });
          }
        }
        break;
      case 1:
        if (sb != nullptr && tb != nullptr) {
          int const from = in_.tableKey();
          int const to = in_.tableKey();
          IOilTable* s = sb->getOilTable(from);
          IOilTable* t = tb->getOilTable(to);
          if (s == nullptr || t == nullptr) break;
          auto* cs = dynamic_cast<ICompressibleOilTable*>(s);
          auto* ct = dynamic_cast<ICompressibleOilTable*>(t);
          if (cs != nullptr && ct != nullptr && in_.flag()) {
            copiesThroughInterface<StdCompressibleOilTable>(
                "copy(ICompressibleOilTable)", *cs, *ct,
                [&](auto const& x, auto& y) { copy(x, y, flags); });
            copyChecked("copy(ICompressibleOilTable)", *cs, *ct, [&] { copy(*cs, *ct, flags); });
          } else {
            copiesThroughInterface<StdOilTable>("copy(IOilTable)", *s, *t,
                                                [&](auto const& x, auto& y) { copy(x, y, flags); });
            copyChecked("copy(IOilTable)", *s, *t, [&] { copy(*s, *t, flags); });
          }
        }
        break;
      case 2:
        if (sb != nullptr && tb != nullptr) {
          if (IGasTable* s = sb->getGasTable()) {
            if (IGasTable* t = tb->getGasTable())
              copyChecked("copy(IGasTable)", *s, *t, [&] { copy(*s, *t, flags); });
          }
          ISolventTable* ss = sb->getSolventTable();
          ISolventTable* ts = tb->getSolventTable();
          if (ss != nullptr && ts != nullptr) {
            copiesThroughInterface<StdSolventTable>(
                "copy(ISolventTable)", *ss, *ts,
                [&](auto const& x, auto& y) { copy(x, y, flags); });
            copyChecked("copy(ISolventTable)", *ss, *ts, [&] { copy(*ss, *ts, flags); });
          }
          IMiscibilityTable* sm = sb->getMiscibilityTable();
          IMiscibilityTable* tm = tb->getMiscibilityTable();
          if (sm != nullptr && tm != nullptr) {
            copiesThroughInterface<StdMisciblityTable>(
                "copy(IMiscibilityTable)", *sm, *tm,
                [&](auto const& x, auto& y) { copy(x, y, flags); });
            copyChecked("copy(IMiscibilityTable)", *sm, *tm, [&] { copy(*sm, *tm, flags); });
          }
        }
        break;
      case 3:
        if (sc != nullptr && tc != nullptr && sc->getNumComponents() > 0 &&
            tc->getNumComponents() > 0) {
          IComponent& s = sc->getComponent(in_.pick(sc->getNumComponents()));
          IComponent& t = tc->getComponent(in_.pick(tc->getNumComponents()));
          copyChecked("copy(IComponent)", s, t, [&] { copy(s, t, flags); });
        }
        break;
      case 4:
        if (sc != nullptr && tc != nullptr && sc->getNumAqueousSolubleComponents() > 0 &&
            tc->getNumAqueousSolubleComponents() > 0) {
          IAqueousSolubleComponent& s =
              sc->getAqueousSolubleComponent(in_.pick(sc->getNumAqueousSolubleComponents()));
          IAqueousSolubleComponent& t =
              tc->getAqueousSolubleComponent(in_.pick(tc->getNumAqueousSolubleComponents()));
          copyChecked("copy(IAqueousSolubleComponent)", s, t, [&] { copy(s, t, flags); });
        }
        break;
      default:
        if (sc != nullptr && tc != nullptr) {
          std::string const from = chooseName(in_, sc->getTemperatureKValueTableNames());
          std::string const to = chooseName(in_, tc->getTemperatureKValueTableNames());
          if (sc->getTemperatureKValueTableNames().count(from) != 0 &&
              tc->getTemperatureKValueTableNames().count(to) != 0) {
            ITemperatureKValueTable& s = sc->getTemperatureKValueTable(from);
            ITemperatureKValueTable& t = tc->getTemperatureKValueTable(to);
            copiesThroughInterface<StdTemperatureKValueTable>(
                "copy(ITemperatureKValueTable)", s, t,
                [&](auto const& x, auto& y) { copy(x, y, flags); });
            copyChecked("copy(ITemperatureKValueTable)", s, t, [&] { copy(s, t, flags); });
          }
          IOilViscosityIndexTable* si = sc->getOilViscosityIndexTable();
          IOilViscosityIndexTable* ti = tc->getOilViscosityIndexTable();
          if (si != nullptr && ti != nullptr) {
            copiesThroughInterface<StdOilViscosityIndexTable>(
                "copy(IOilViscosityIndexTable)", *si, *ti,
                [&](auto const& x, auto& y) { copy(x, y, flags); });
            copyChecked("copy(IOilViscosityIndexTable)", *si, *ti, [&] { copy(*si, *ti, flags); });
          }
        }
        break;
    }
  }

  Input& in_;
  StdFluidModels registry_;
  References refs_;
};

}  // namespace
}  // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  fuzz::Input in(data, size);
  fuzz::Session session(in);
  session.run();
  return 0;
}
