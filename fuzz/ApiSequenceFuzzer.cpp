// libFuzzer target: a host's whole life with a fluid description, as a sequence of up to
// kMaxSteps calls on one StdFluidModels registry and everything below it (Session.h says
// how calls are drawn, Checks.h how they are checked). This file holds the run and the
// registry's floor: the registry, and the parts every fluid model shares.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <utility>

#include "Session.h"
#include "support/HostSeparatorModel.h"

namespace fuzz {

int constexpr kMaxSteps = 200;

std::string chooseName(Input& in, std::set<std::string> const& names) {
  if (names.empty() || in.pick(8) == 0) return in.name();
  auto it = names.begin();
  std::advance(it, in.pick(static_cast<int>(names.size())));
  return *it;
}

std::vector<double> rowKeys(Input& in, int rows) {
  std::vector<double> keys;
  int const order = in.pick(4);
  double const start = 1000.0 + 100.0 * in.pick(20);
  double const step = order == 1 ? -50.0 : (order == 2 ? 0.0 : 50.0);
  for (int r = 0; r < rows; ++r) keys.push_back(order == 3 ? in.value() : start + step * r);
  return keys;
}

void Session::run() {
  for (int step = 0; step < kMaxSteps && !in.empty(); ++step) {
    // Each part of a description about equally often, however deep it lies.
    choose({}, {{nullptr, [&] { onRegistry(); }},
                {nullptr, [&] { onSomeSeparatorModel(); }},
                {nullptr, [&] { onSomeTracerModel(); }},
                {nullptr, [&] { onCopy(); }},
                {nullptr, [&] { onSomeFluidModel(in.pick(8)); }, 8}});
    refs.verify();
  }
  // Everything stays readable to the end.
  support::observe(registry);
}

void Session::onRegistry() {
  std::string const name = in.name();
  bool const unique = in.flag();
  std::string const tracer = path("", "tracer", name);
  auto const tracking = [&] {
    if (ITrackingModel* t = registry.getTrackingModel()) onTracking(*t);
  };
  choose(
      snap(static_cast<IFluidModels const&>(registry)),
      {{"makeBlackOilModel", [&] { rememberModel(registry.makeBlackOilModel(name, unique)); }, 2},
       {"makeCompositionalModel",
        [&] { rememberModel(registry.makeCompositionalModel(name, unique)); }, 2},
       {"getFluidModel", [&] { rememberModel(registry.getFluidModel(name)); }},
       {"deleteFluidModel",
        [&] {
          std::string const gone = chooseName(in, registry.getFluidModelNames());
          registry.deleteFluidModel(gone);
          refs.forget(path("", "fluid", gone));
        }},
       {"makeSeparatorModel", [&] { registry.makeSeparatorModel(name); }},
       {"makeSeparatorModel(copy)",
        [&] {
          std::string const source = chooseName(in, registry.getSeparatorModelNames());
          std::size_t const version = in.size();
          support::HostSeparatorModel train;
          registry.makeSeparatorModel(registry.hasSeparatorModel(source, version)
                                          ? registry.getSeparatorModel(source, version)
                                          : train);
        }},
       {"deleteSeparatorModel",
        [&] {
          std::string const gone = chooseName(in, registry.getSeparatorModelNames());
          registry.deleteSeparatorModel(gone, in.size());
        }},
       {"makeTracerModel", [&] { rememberTracer(name, registry.makeTracerModel(name)); }, tracer},
       {"deleteTracerModel",
        [&] {
          std::string const gone = chooseName(in, registry.getTracerModelNames());
          registry.deleteTracerModel(gone);
          refs.forget(path("", "tracer", gone));
        }},
       {"makeTrackingModel", [&] { registry.makeTrackingModel(); }},
       {"deleteTrackingModel", [&] { registry.deleteTrackingModel(); }},
       {nullptr, tracking}});
}

// Records a model or tracer model under its name, fetched again from the registry after
// each step.
IFluidModel& Session::rememberModel(IFluidModel& m) {
  std::string const name = m.getName();
  return refs.same<IFluidModel>(path("", "fluid", name), m,
                                [this, name] { return &registry.getFluidModel(name); });
}
ITracerModel& Session::rememberTracer(std::string const& name, ITracerModel& t) {
  return refs.same(path("", "tracer", name), t,
                   [this, name] { return &registry.getTracerModel(name); });
}

// `part`: 0 the model itself, 1 to 3 its water, initial conditions and temperature
// tables, 4 to 7 the parts of its kind. The model is reached through the registry or
// through the reference kept.
void Session::onSomeFluidModel(int part) {
  std::string const name = chooseName(in, registry.getFluidModelNames());
  std::string const key = path("", "fluid", name);
  auto* model = reach<IFluidModel>("getFluidModel", nothing, key,
                                   [&] { return &rememberModel(registry.getFluidModel(name)); });
  if (model == nullptr) return;
  if (part <= 3) {
    onFluidModel(*model, key, part);
  } else if (auto* blackOil = dynamic_cast<IBlackOilModel*>(model)) {
    onBlackOil(*blackOil, key);
  } else if (auto* compositional = dynamic_cast<ICompositionalModel*>(model)) {
    onCompositional(*compositional, key);
  }
}

void Session::onFluidModel(IFluidModel& m, std::string const& key, int part) {
  using P = IFluidModel::TemperatureTableProperty;
  std::string const water = key + "water:/";
  auto const getWater = [&m] { return m.getWaterProperties(); };
  if (part == 1) {
    if (IWaterProperties* w = getWater()) onWater(refs.same(water, *w, getWater), water);
    return;
  }
  if (part == 2) {
    std::string const name = chooseName(in, m.getInitialConditionNames());
    std::string const icKey = path(key, "ic", name);
    auto* ic = reach<IInitialCondition>("getInitialCondition", snap(m), icKey, [&] {
      return &refs.same(icKey, m.getInitialCondition(name),
                        [&m, name] { return &m.getInitialCondition(name); });
    });
    if (ic != nullptr) onInitialCondition(*ic, icKey);
    return;
  }
  if (part == 3) {
    auto const p = static_cast<P>(in.tableKey());
    std::string const ttKey = path(key, "tt", std::to_string(static_cast<int>(p)));
    auto* table = reach<ITemperatureTable>("getTemperatureTable", snap(m), ttKey, [&] {
      return &refs.same(ttKey, m.getTemperatureTable(p),
                        [&m, p] { return &std::as_const(m).getTemperatureTable(p); });
    });
    if (table != nullptr) onFlatTable(*table);
    return;
  }
  // A copy of the model, as a host may make one for itself, and (at times) back:
  // assignment replaces all but the temperature tables.
  auto const copies = [&] {
    auto* blackOil = dynamic_cast<StdBlackOilModel*>(&m);
    if (blackOil == nullptr) return;
    std::string const source = support::observe(m);
    StdBlackOilModel copy(*blackOil);
    if (support::observe(m) != source) fail("StdBlackOilModel copy", "changed its source");
    support::observe(copy);
    if (in.flag()) {
      attempt("StdBlackOilModel copy assignment", snap(m), [&] { *blackOil = copy; });
      refs.forget(key);
      rememberModel(m);
    }
  };
  choose(
      snap(m),
      {{"makeWaterProperties", [&] { refs.same(water, m.makeWaterProperties(), getWater); }, water},
       {"deleteWaterProperties", [&] { m.deleteWaterProperties(); }, water},
       {"makeInitialCondition",
        [&] {
          IInitialCondition& ic = m.makeInitialCondition(in.name());
          std::string const made = ic.getName();
          refs.same(path(key, "ic", made), ic, [&m, made] { return &m.getInitialCondition(made); });
        }},
       {"deleteInitialCondition",
        [&] {
          std::string const name = chooseName(in, m.getInitialConditionNames());
          m.deleteInitialCondition(name);
          refs.forget(path(key, "ic", name));
        }},
       {"const getTemperatureTable",
        [&] { std::as_const(m).getTemperatureTable(static_cast<P>(in.tableKey())); }},
       {"deleteTemperatureTable",
        [&] {
          int const property = in.tableKey();
          m.deleteTemperatureTable(static_cast<P>(property));
          refs.forget(path(key, "tt", std::to_string(property)));
        }},
       {"const getInitialCondition", [&] { std::as_const(m).getInitialCondition(in.name()); }},
       {nullptr, copies, 3}});
}

}  // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  fuzz::Input in(data, size);
  fuzz::Session session(in);
  session.run();
  return 0;
}
