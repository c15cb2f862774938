// One fuzzer run: the decoded input, the registry under test, the children it has handed
// out, and the handlers that drive each floor of the library. Each step draws its choices
// from the input and makes one call through attempt() (Checks.h). The handlers live with
// their floor: ApiSequenceFuzzer.cpp (the registry and what every model shares),
// WaterInitial.cpp (water, initial conditions, the flat row-by-component tables),
// BlackOil.cpp, Compositional.cpp, Surface.cpp (separators, tracers, tracking) and
// Copies.cpp (deep copies and the value classes' own copies).
#ifndef ORV_TESS_VARNAK_FUZZ_SESSION_H
#define ORV_TESS_VARNAK_FUZZ_SESSION_H

#include <cmath>
#include <functional>
#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "Checks.h"
#include "FuzzInput.h"
#include "Orv/Tess/Varnak.h"
#include "support/Observe.h"

namespace fuzz {

using namespace Orv::Tess::Varnak;

// What a failed call must leave unchanged: the snapshot of its object.
using Observe = std::function<std::string()>;
template <class T>
Observe snap(T const& object) {
  return [&object] { return support::observe(object); };
}

// The snapshot of a call that fails without changing anything the fuzzer holds.
inline std::string nothing() { return {}; }

// The key under which a child is recorded: its owner's key, its kind and its name.
inline std::string path(std::string const& owner, char const* kind, std::string const& name) {
  return owner + kind + ":" + name + "/";
}

// The arguments a handler drew before it chose a plain call. A call takes the ones its
// signature asks for; a flag, or a number not drawn beforehand, is drawn as it is made.
struct Args {
  int index = 0;
  std::optional<double> value;
  int integer = 0;  // also an enumeration value
  int entry = 0;    // the second index of a two-level table
};

template <class V>
V argument(Args const& a, Input& in) {
  if constexpr (std::is_same_v<V, bool>) {
    return in.flag();
  } else if constexpr (std::is_floating_point_v<V>) {
    return a.value ? *a.value : in.value();
  } else {
    return static_cast<V>(a.integer);
  }
}

// A plain property: setting it must either fail or store the value as given (a NaN
// reads back as a NaN).
template <class T>
struct Field {
  char const* name;
  std::function<void(T&, Args const&, Input&)> set;
};

template <class V>
void checkStored(char const* name, V got, V set) {
  bool stored = got == set;
  if constexpr (std::is_floating_point_v<V>)
    stored = stored || (std::isnan(got) && std::isnan(set));
  if (!stored) fail(name, "the value read back is not the one set");
}

// Keeps the setter out of deduction: its types follow from the getter's, which also picks
// among overloaded setters.
template <class T>
struct NotDeduced {
  using type = T;
};

// The field of a setter and its getter, which take no index, a row (or phase), or a row
// and entry.
template <class T, class V, class... I>
Field<T> field(char const* name, typename NotDeduced<void (T::*)(I..., V)>::type set,
               V (T::*get)(I...) const) {
  return {name, [name, set, get](T& t, Args const& a, Input& in) {
            V const v = argument<V>(a, in);
            auto const call = [&](auto... i) {
              (t.*set)(i..., v);
              checkStored(name, (t.*get)(i...), v);
            };
            if constexpr (sizeof...(I) == 2) {
              call(a.index, a.entry);
            } else {
              call(static_cast<I>(a.index)...);
            }
          }};
}

// One call a handler may choose (Session::choose): its name, the call, and how many of
// the input's choices lead to it, or the key of the child it makes or deletes (forgotten
// first). A call that takes an int is told which of its choices led to it, 0 … weight-1.
// A named call runs through attempt(); an unnamed one (a host's fill or copies, a step
// down to a child) runs as it is. An Op refers to its call, which lives as long as the
// list of Ops it is written in.
class Op {
 public:
  template <class Call>
  Op(char const* name, Call const& call, int weight = 1)
      : name(name), weight(weight), call_(&call), run_([](void const* c, int k) {
          if constexpr (std::is_invocable_v<Call const&, int>) {
            (*static_cast<Call const*>(c))(k);
          } else {
            (*static_cast<Call const*>(c))();
          }
        }) {}
  template <class Call>
  Op(char const* name, Call const& call, std::string const& replaced) : Op(name, call) {
    forget = &replaced;
  }
  void operator()(int k) const { run_(call_, k); }

  char const* name;
  int weight;
  std::string const* forget = nullptr;

 private:
  void const* call_;
  void (*run_)(void const*, int);
};

// A table of fields of one interface.
template <class T, class... More>
std::vector<Field<T>> fieldsOf(Field<T> first, More... more) {
  return {std::move(first), std::move(more)...};
}

// The row of a Field table for the property `Name` of T: "setName", T::setName, T::getName.
#define FIELD(T, Name) field("set" #Name, &T::set##Name, &T::get##Name)

// The calls by which the kinds of a table of rows differ only in name: the count of rows,
// a row's key (temperature, depth, pressure, mole fraction, gas-oil ratio) and a value by
// row and column (or undersaturated entry). COLUMNS(T, NumDepths, Depth, Property) names
// them by the properties they set.
template <class T>
struct Columns {
  char const* rowsName;
  int (T::*rows)() const;
  void (T::*setRows)(int);
  char const* keyName;
  double (T::*key)(int) const;
  void (T::*setKey)(int, double);
  char const* valueName;
  double (T::*value)(int, int) const;
  void (T::*setValue)(int, int, double);
};
#define COLUMNS(T, Rows, Key, Value)                                                   \
  Columns<T> {                                                                         \
    "set" #Rows, &T::get##Rows, &T::set##Rows, "set" #Key, &T::get##Key, &T::set##Key, \
        "set" #Value, &T::get##Value, &T::set##Value                                   \
  }

// Copies and moves of the value class that `object` is, as a host makes them (Copies.cpp);
// Copyable lists the interfaces of the value classes.
using Copyable = std::variant<IBrinePropertyTable*, ITemperatureTable*, IDepthTable*, IKValueTable*,
                              IOilViscosityIndexTable*, IOilTable*, IGasTable*, IComponent*,
                              IAqueousSolubleComponent*, ISolubilityTable*, IReaction*>;
void exerciseCopies(Copyable object, bool takeOut);

// Picks one of `names`, or (when there are none, or now and then) a name from the input.
std::string chooseName(Input& in, std::set<std::string> const& names);
// Row keys as a host fills a table: evenly increasing or decreasing, or anything.
std::vector<double> rowKeys(Input& in, int rows);

class Session {
 public:
  explicit Session(Input& input) : in(input) {}
  void run();

 private:
  // Runs one of `ops`, chosen by the input; `before` observes what a failed one must
  // leave unchanged.
  void choose(Observe const& before, std::initializer_list<Op> ops) {
    int total = 0;
    for (Op const& op : ops) total += op.weight;
    int chosen = in.pick(total);
    for (Op const& op : ops) {
      if (chosen < op.weight) {
        if (op.forget != nullptr) refs.forget(*op.forget);
        if (op.name == nullptr) return op(chosen);
        attempt(op.name, before, [&] { op(chosen); });
        return;
      }
      chosen -= op.weight;
    }
  }
  // The child `get()` returns (a pointer), or null when that call fails.
  template <class Get>
  auto fetch(char const* what, Observe const& before, Get get) {
    decltype(get()) child = nullptr;
    attempt(what, before, [&] { child = get(); });
    return child;
  }
  // The child recorded under `key` as kept (at times), or else fetched.
  template <class T, class Get>
  T* reach(char const* what, Observe const& before, std::string const& key, Get get) {
    T* kept = in.flag() ? refs.recorded<T>(key) : nullptr;
    return kept != nullptr ? kept : fetch(what, before, get);
  }
  // One plain call, and one that sets several fields with the same arguments.
  template <class T>
  void set(T& t, Field<T> const& f, Args const& a) {
    attempt(f.name, snap(t), [&] { f.set(t, a, in); });
  }
  template <class T>
  void setAll(char const* what, T& t, std::initializer_list<Field<T>> fields, Args const& a) {
    attempt(what, snap(t), [&] {
      for (Field<T> const& f : fields) f.set(t, a, in);
    });
  }
  // Sets a count drawn from the input; a count taken must read back.
  template <class T, class... Excused>
  void resize(T& t, char const* name, void (T::*setCount)(int), int (T::*getCount)() const,
              Excused... excused) {
    int const n = in.count();
    attempt(
        name, snap(t),
        [&] {
          (t.*setCount)(n);
          if ((t.*getCount)() != n) fail(name, "count not taken");
        },
        excused...);
  }

  // ApiSequenceFuzzer.cpp
  void onRegistry();
  IFluidModel& rememberModel(IFluidModel& m);
  ITracerModel& rememberTracer(std::string const& name, ITracerModel& t);
  void onSomeFluidModel(int part);
  void onFluidModel(IFluidModel& m, std::string const& key, int part);
  // WaterInitial.cpp; the flat tables' operations beyond the shared ones by overload.
  void onWater(IWaterProperties& w, std::string const& key);
  void onBrineTable(IBrinePropertyTable& t);
  void onInitialCondition(IInitialCondition& ic, std::string const& key);
  void onFlatTable(ITemperatureTable& t);
  void onFlatTable(IDepthTable& t);
  void onFlatTable(IKValueTable& t);
  void onFlatTable(IOilViscosityIndexTable& t);
  template <class T>
  void onFlat(T& t, Columns<T> const& c);
  void flatExtra(IDepthTable& t, Observe const& before, bool negativeWidth);
  void flatExtra(IKValueTable& t, Observe const& before, bool negativeWidth);
  // BlackOil.cpp
  void onBlackOil(IBlackOilModel& m, std::string const& key);
  template <class T>
  void onTwoLevelTable(T& t, Columns<T> const& c);
  void onOilTable(IOilTable& t);
  void onGasTable(IGasTable& t);
  template <class T>
  void onSizedTable(T& t, std::vector<Field<T>> const& fields);
  // Compositional.cpp
  void onCompositional(ICompositionalModel& m, std::string const& key);
  void onComponent(IComponent& c);
  void onAqueousComponent(IAqueousSolubleComponent& c);
  void onSolubilityTable(ISolubilityTable& t);
  void onReaction(IReaction& r);
  // Surface.cpp
  void onTracking(ITrackingModel& t);
  void onSomeSeparatorModel();
  void onSomeTracerModel();
  // Copies.cpp
  void onCopy();

  Input& in;
  StdFluidModels registry;
  References refs;
};

}  // namespace fuzz

#endif  // ORV_TESS_VARNAK_FUZZ_SESSION_H
