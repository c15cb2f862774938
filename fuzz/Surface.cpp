// The surface floor: separator trains and their stages, tracer models and their depth
// tables, and the tracking model.
#include "Session.h"

namespace fuzz {

void Session::onTracking(ITrackingModel& t) {
  using T = ITrackingModel;
  static auto const fields =
      fieldsOf(FIELD(T, HasGOCTracking), FIELD(T, HasDEPTHTracking), FIELD(T, HasREGIONTracking),
               FIELD(T, TrackingDepth), FIELD(T, NormalizeOutput), FIELD(T, TrackAllComponents));
  int const call = in.pick(7);
  if (call < 6) return set(t, fields[call], Args{});
  std::set<std::string> names;
  for (int i = in.pick(4); i > 0; --i) names.insert(in.name());
  attempt("setTrackedComponentNames", snap(t), [&] {
    t.setTrackedComponentNames(names);
    if (t.getTrackedComponentNames() != names) fail("setTrackedComponentNames", "not stored");
  });
}

void Session::onSomeSeparatorModel() {
  using S = ISeparatorStage;
  static auto const stageFields = fieldsOf(
      FIELD(S, StageIndex), FIELD(S, Temperature), FIELD(S, Pressure),
      FIELD(S, LiquidDestinationStageIndex), FIELD(S, VapourDestinationStageIndex),
      FIELD(S, KvalueTableNumber), FIELD(S, GasPlantTableNumber), FIELD(S, SurfaceEOSNumber),
      FIELD(S, TemperatureForNGLdensity), FIELD(S, PressureForNGLdensity),
      Field<S>{"setIsLastStage",
               [](S& s, Args const&, Input& in) { s.setIsLastStage(in.flag()); }});
  std::string const name = chooseName(in, registry.getSeparatorModelNames());
  std::size_t const version = in.size();
  auto* model = fetch("getSeparatorModel", nothing,
                      [&] { return &registry.getSeparatorModel(name, version); });
  if (model == nullptr) return;
  auto const before = snap(*model);
  int const i = in.index();
  auto const makeStage = [&] {
    int const n = model->getNumStages();
    if (model->makeStage().getStageIndex() != n) fail("makeStage", "wrong stage index");
  };
  auto const setGroupName = [&] {
    std::string const group = in.name();
    model->setGroupName(group);
    checkStored("setGroupName", model->getGroupName(), group);
  };
  auto const equal = [&] {
    std::string const source = before();
    if (!(*model == *model)) fail("ISeparatorModel::operator==", "a model differs from itself");
    if (before() != source) fail("ISeparatorModel::operator==", "changed the model");
  };
  auto const stage = [&] {
    auto* s = fetch("getStage", before, [&] { return &model->getStage(i); });
    if (s == nullptr) return;
    Args const a{0, in.value(), in.anyInt()};
    Field<S> const& f = stageFields[in.pick(11)];
    attempt(f.name, before, [&] { f.set(*s, a, in); });
  };
  choose(before, {{"makeStage", makeStage},
                  {"deleteStage", [&] { model->deleteStage(i); }},
                  {"setGroupName", setGroupName},
                  {nullptr, equal},
                  {nullptr, stage, 2}});
}

void Session::onSomeTracerModel() {
  std::string const name = chooseName(in, registry.getTracerModelNames());
  std::string const key = path("", "tracer", name);
  auto* model = reach<ITracerModel>("getTracerModel", nothing, key, [&] {
    return &rememberTracer(name, registry.getTracerModel(name));
  });
  if (model == nullptr) return;
  auto const before = snap(*model);
  int const type = in.tableKey();
  int const region = in.index();
  auto const t = static_cast<ITracerModel::DepthTableType>(type);
  std::string const tableKey =
      key + "dt:" + std::to_string(type) + "," + std::to_string(region) + "/";
  // A table made anew replaces the one of that type and region, if any.
  auto const makeTable = [&] {
    ITracerDepthTable& made = model->makeDepthTable(t, region);
    refs.forget(tableKey);
    refs.same(tableKey, made);
  };
  auto const setComponentName = [&] {
    std::string const component = in.name();
    model->setComponentName(component);
    checkStored("setComponentName", model->getComponentName(), component);
  };
  auto const table = [&] {
    using D = ITracerDepthTable;
    D* d = fetch("getDepthTable", before,
                 [&] { return refs.same(tableKey, model->getDepthTable(t, region)); });
    if (d == nullptr) return;
    Args const a{in.index(), in.value()};
    auto const fill = [&] {
      int const rows = 1 + in.pick(5);
      d->setNumDepths(rows);
      std::vector<double> const depths = rowKeys(in, rows);
      for (int row = 0; row < rows; ++row) {
        d->setDepth(row, depths[static_cast<std::size_t>(row)]);
        d->setConcentration(row, in.value());
      }
    };
    choose(snap(*d),
           {{nullptr, [&] { resize(*d, "setNumDepths", &D::setNumDepths, &D::getNumDepths); }},
            {nullptr,
             [&](int k) { set(*d, k == 0 ? FIELD(D, Depth) : FIELD(D, Concentration), a); }, 2},
            {nullptr, fill}});
  };
  choose(before, {{"makeDepthTable", makeTable},
                  {"deleteDepthTable", [&] { model->deleteDepthTable(t, region); }, tableKey},
                  {"setComponentName", setComponentName},
                  {nullptr, table, 2}});
}

}  // namespace fuzz
