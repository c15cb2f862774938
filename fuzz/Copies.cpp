// Copies: the deep copies between two models' parts (copy()), and a host's own copies
// and moves of the library's value classes.
#include <tuple>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <variant>

#include "Session.h"

namespace fuzz {
namespace {

// Copy and move construction and assignment of a Std (seen through its interface I) must
// give objects that read as the source, leave moved-from objects readable, and leave the
// source as it was. With `takeOut`, the host also moves the object itself out of its
// owner, which then holds a moved-from object that later calls keep using. Returns false
// when `object` is not a Std.
template <class Std, class I>
bool copiesOf(I& object, bool takeOut) {
  if constexpr (!std::is_convertible_v<Std*, I*>) {
    return false;  // a class of another interface
  } else {
    auto* concrete = dynamic_cast<Std*>(&object);
    if (concrete == nullptr) return false;
    auto const read = [](Std const& x) { return support::observe(static_cast<I const&>(x)); };
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
}

// The value classes a host can hold, copy and move itself.
using ValueClasses = std::tuple<
    StdTemperatureTable*, StdDepthTable*, StdTemperatureKValueTable*, StdCompositionKValueTable*,
    StdKValueTable<IKValueTable>*, StdOilViscosityIndexTable*, StdBrinePropertyTable*, StdOilTable*,
    StdDeadOilTable*, StdDeadOilConstantCompressTable*, StdCompressibleOilTable*, StdGasTable*,
    StdDryGasTable*, StdAqueousSolubleComponent*, StdComponent*, StdTemperatureSolubilityTable*,
    StdSaltSolubilityTable*, StdInteractionSolubilityTable*, StdSolubilityWaterPropertiesTable*,
    StdSolubilityTable*, StdReaction*>;

template <class I, class... Std>
void copiesOfAny(I& object, bool takeOut, std::tuple<Std*...>) {
  (copiesOf<Std>(object, takeOut) || ...);
}

// Runs a copy. It keeps what it transferred when it fails, so only the source must
// come out unchanged (unless it is the target itself).
template <class Source, class Target, class Call>
void copyChecked(char const* what, Source const& source, Target& target, Call call) {
  bool const same = static_cast<void const*>(&source) == static_cast<void const*>(&target);
  std::string const before = same ? std::string() : support::observe(source);
  attempt(what, snap(target), call, [](std::exception const&) { return true; });
  if (!same && support::observe(source) != before) fail(what, "changed its source");
  support::observe(target);
}

// A copy between two tables of exactly the library's class Std moves storage directly:
// made on copies of them, it must end as the copy from a derived twin of the source.
template <class T, class... Std>
void sameFromTwin(char const* what, T const& source, T const& target, int flags) {
  auto const one = [&](auto const* tag) {
    using S = std::remove_const_t<std::remove_pointer_t<decltype(tag)>>;
    if constexpr (std::is_base_of_v<T, S>) {
      if (typeid(source) != typeid(S) || typeid(target) != typeid(S)) return;
      auto const& from = static_cast<S const&>(source);
      sameOnTwin<T>(what, from, [&](T& x) {  // the twin is the source here
        S into(static_cast<S const&>(target));
        copy(static_cast<T const&>(x), into, flags);
        return support::observe(static_cast<T const&>(into));
      });
    }
  };
  (one(static_cast<Std const*>(nullptr)), ...);
}

// A copy between two parts, when both exist.
template <class T>
void copyBoth(char const* what, T* source, T* target, int flags) {
  if (source != nullptr && target != nullptr) {
    sameFromTwin<T, StdDepthTable, StdTemperatureTable, StdOilTable, StdDeadOilTable,
                 StdDeadOilConstantCompressTable, StdCompressibleOilTable, StdGasTable,
                 StdDryGasTable, StdSolventTable, StdMisciblityTable, StdTemperatureKValueTable,
                 StdOilViscosityIndexTable>(what, *source, *target, flags);
    copyChecked(what, *source, *target, [&] { copy(*source, *target, flags); });
  }
}

}  // namespace

void exerciseCopies(Copyable object, bool takeOut) {
  std::visit([takeOut](auto* o) { copiesOfAny(*o, takeOut, ValueClasses()); }, object);
}

void Session::onCopy() {
  std::set<std::string> const names = registry.getFluidModelNames();
  if (names.empty()) return;
  std::string const sourceName = chooseName(in, names);
  std::string const targetName = chooseName(in, names);
  if (names.count(sourceName) == 0 || names.count(targetName) == 0) return;
  IFluidModel& source = registry.getFluidModel(sourceName);
  IFluidModel& target = registry.getFluidModel(targetName);
  auto* sb = dynamic_cast<IBlackOilModel*>(&source);
  auto* tb = dynamic_cast<IBlackOilModel*>(&target);
  auto* sc = dynamic_cast<ICompositionalModel*>(&source);
  auto* tc = dynamic_cast<ICompositionalModel*>(&target);
  bool const blackOil = sb != nullptr && tb != nullptr;
  bool const compositional = sc != nullptr && tc != nullptr;
  int const flags = in.pick(4) == 0 ? in.anyInt() : in.pick(64);
  // A copy may make, replace and delete children of its target.
  std::string const targetKey = path("", "fluid", targetName);
  auto const models = [&] {
    if (!compositional) return;
    refs.forget(targetKey);
    if (in.flag()) return copyBoth("copy(ICompositionalModel)", sc, tc, flags);
    auto const property = static_cast<IComponent::Property>(in.propertyKey());
    copyChecked("copy(ICompositionalModel, property)", *sc, *tc, [&] { copy(*sc, *tc, property); });
  };
  // Between initial conditions, or their depth tables, of the two models.
  auto const conditions = [&] {
    std::set<std::string> const sourceConditions = source.getInitialConditionNames();
    std::set<std::string> const targetConditions = target.getInitialConditionNames();
    if (sourceConditions.empty() || targetConditions.empty()) return;
    std::string const from = chooseName(in, sourceConditions);
    std::string const to = chooseName(in, targetConditions);
    if (sourceConditions.count(from) == 0 || targetConditions.count(to) == 0) return;
    IInitialCondition& s = source.getInitialCondition(from);
    IInitialCondition& t = target.getInitialCondition(to);
    refs.forget(path(targetKey, "ic", to));
    if (in.flag()) return copyBoth("copy(IInitialCondition)", &s, &t, flags);
    auto const p = static_cast<IInitialCondition::Property>(in.tableKey());
    IDepthTable& sd = s.getDepthTable(p);
    copyBoth("copy(IDepthTable)", &sd, &t.getDepthTable(p), flags);
  };
  auto const temperature = [&] {
    auto const p = static_cast<IFluidModel::TemperatureTableProperty>(in.tableKey());
    ITemperatureTable& s = source.getTemperatureTable(p);
    copyBoth("copy(ITemperatureTable)", &s, &target.getTemperatureTable(p), flags);
  };
  auto const oil = [&] {
    if (!blackOil) return;
    int const from = in.tableKey();
    IOilTable* s = sb->getOilTable(from);
    IOilTable* t = tb->getOilTable(in.tableKey());
    if (s == nullptr || t == nullptr) return;
    auto* cs = dynamic_cast<ICompressibleOilTable*>(s);
    auto* ct = dynamic_cast<ICompressibleOilTable*>(t);
    if (cs != nullptr && ct != nullptr && in.flag()) {
      return copyBoth("copy(ICompressibleOilTable)", cs, ct, flags);
    }
    copyBoth("copy(IOilTable)", s, t, flags);
  };
  auto const blackOilTables = [&] {
    if (!blackOil) return;
    copyBoth("copy(IGasTable)", sb->getGasTable(), tb->getGasTable(), flags);
    copyBoth("copy(ISolventTable)", sb->getSolventTable(), tb->getSolventTable(), flags);
    copyBoth("copy(IMiscibilityTable)", sb->getMiscibilityTable(), tb->getMiscibilityTable(),
             flags);
  };
  auto const components = [&] {
    if (!compositional || sc->getNumComponents() <= 0 || tc->getNumComponents() <= 0) return;
    IComponent& s = sc->getComponent(in.pick(sc->getNumComponents()));
    copyBoth("copy(IComponent)", &s, &tc->getComponent(in.pick(tc->getNumComponents())), flags);
  };
  auto const aqueous = [&] {
    if (!compositional || sc->getNumAqueousSolubleComponents() <= 0 ||
        tc->getNumAqueousSolubleComponents() <= 0) {
      return;
    }
    IAqueousSolubleComponent& s =
        sc->getAqueousSolubleComponent(in.pick(sc->getNumAqueousSolubleComponents()));
    IAqueousSolubleComponent& t =
        tc->getAqueousSolubleComponent(in.pick(tc->getNumAqueousSolubleComponents()));
    copyBoth("copy(IAqueousSolubleComponent)", &s, &t, flags);
  };
  auto const compositionalTables = [&] {
    if (!compositional) return;
    std::string const from = chooseName(in, sc->getTemperatureKValueTableNames());
    std::string const to = chooseName(in, tc->getTemperatureKValueTableNames());
    if (sc->getTemperatureKValueTableNames().count(from) != 0 &&
        tc->getTemperatureKValueTableNames().count(to) != 0) {
      copyBoth("copy(ITemperatureKValueTable)", &sc->getTemperatureKValueTable(from),
               &tc->getTemperatureKValueTable(to), flags);
    }
    copyBoth("copy(IOilViscosityIndexTable)", sc->getOilViscosityIndexTable(),
             tc->getOilViscosityIndexTable(), flags);
  };
  // The parts: water, oil, gas and the other black-oil tables, components, and the
  // compositional tables.
  auto const parts = [&] {
    choose({}, {{nullptr,
                 [&] {
                   copyBoth("copy(IWaterProperties)", source.getWaterProperties(),
                            target.getWaterProperties(), flags);
                 }},
                {nullptr, oil},
                {nullptr, blackOilTables},
                {nullptr, components},
                {nullptr, aqueous},
                {nullptr, compositionalTables}});
  };
  choose({}, {{nullptr, [&] { copyBoth("copy(IFluidModel)", &source, &target, flags); }, targetKey},
              {nullptr,
               [&] {
                 if (blackOil) refs.forget(targetKey);
                 copyBoth("copy(IBlackOilModel)", sb, tb, flags);
               }},
              {nullptr, models},
              {nullptr, conditions},
              {nullptr, temperature},
              {nullptr, parts}});
}

}  // namespace fuzz
