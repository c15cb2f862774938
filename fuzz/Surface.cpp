// The surface floor: separator trains and their stages, tracer models and their depth
// tables, and the tracking model.
#include "Session.h"

namespace fuzz {

void Session::onTracking(ITrackingModel& t) {
  using T = ITrackingModel;
  static Field<T> const fields[] = {
      field("setHasGOCTracking", &T::setHasGOCTracking, &T::getHasGOCTracking),
      field("setHasDEPTHTracking", &T::setHasDEPTHTracking, &T::getHasDEPTHTracking),
      field("setHasREGIONTracking", &T::setHasREGIONTracking, &T::getHasREGIONTracking),
      field("setTrackingDepth", &T::setTrackingDepth, &T::getTrackingDepth),
      field("setNormalizeOutput", &T::setNormalizeOutput, &T::getNormalizeOutput),
      field("setTrackAllComponents", &T::setTrackAllComponents, &T::getTrackAllComponents)};
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
  static Field<S> const stageFields[] = {
      field("setStageIndex", &S::setStageIndex, &S::getStageIndex),
      field("setTemperature", &S::setTemperature, &S::getTemperature),
      field("setPressure", &S::setPressure, &S::getPressure),
      field("setLiquidDestinationStageIndex", &S::setLiquidDestinationStageIndex,
            &S::getLiquidDestinationStageIndex),
      field("setVapourDestinationStageIndex", &S::setVapourDestinationStageIndex,
            &S::getVapourDestinationStageIndex),
      field("setKvalueTableNumber", &S::setKvalueTableNumber, &S::getKvalueTableNumber),
      field("setGasPlantTableNumber", &S::setGasPlantTableNumber, &S::getGasPlantTableNumber),
      field("setSurfaceEOSNumber", &S::setSurfaceEOSNumber, &S::getSurfaceEOSNumber),
      field("setTemperatureForNGLdensity", &S::setTemperatureForNGLdensity,
            &S::getTemperatureForNGLdensity),
      field("setPressureForNGLdensity", &S::setPressureForNGLdensity, &S::getPressureForNGLdensity),
      {"setIsLastStage", [](S& s, Args const&, Input& in) { s.setIsLastStage(in.flag()); }}};
  std::string const name = chooseName(in, registry.getSeparatorModelNames());
  std::size_t const version = in.size();
  ISeparatorModel* model = nullptr;
  attempt(
      "getSeparatorModel", [] { return std::string(); },
      [&] { model = &registry.getSeparatorModel(name, version); });
  if (model == nullptr) return;
  auto const before = snap(*model);
  int const i = in.index();
  switch (in.pick(6)) {
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
      attempt("setGroupName", before, [&] {
        std::string const group = in.name();
        model->setGroupName(group);
        checkStored("setGroupName", model->getGroupName(), group);
      });
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
      Args const a{0, in.value(), in.anyInt()};
      Field<S> const& f = stageFields[in.pick(11)];
      attempt(f.name, before, [&] { f.set(*stage, a, in); });
      break;
    }
  }
}

void Session::onSomeTracerModel() {
  std::string const name = chooseName(in, registry.getTracerModelNames());
  std::string const key = path("", "tracer", name);
  ITracerModel* model = in.flag() ? refs.recorded<ITracerModel>(key) : nullptr;
  if (model == nullptr) {
    attempt(
        "getTracerModel", [] { return std::string(); },
        [&] { model = &rememberTracer(name, registry.getTracerModel(name)); });
  }
  if (model == nullptr) return;
  auto const before = snap(*model);
  int const type = in.tableKey();
  int const region = in.index();
  auto const t = static_cast<ITracerModel::DepthTableType>(type);
  std::string const tableKey =
      key + "dt:" + std::to_string(type) + "," + std::to_string(region) + "/";
  switch (in.pick(5)) {
    case 0:
      attempt("makeDepthTable", before, [&] {
        ITracerDepthTable& table = model->makeDepthTable(t, region);
        refs.forget(tableKey);
        refs.same(tableKey, table);
      });
      break;
    case 1:
      attempt("deleteDepthTable", before, [&] { model->deleteDepthTable(t, region); });
      refs.forget(tableKey);
      break;
    case 2:
      attempt("setComponentName", before, [&] {
        std::string const component = in.name();
        model->setComponentName(component);
        checkStored("setComponentName", model->getComponentName(), component);
      });
      break;
    default: {
      using D = ITracerDepthTable;
      ITracerDepthTable* table = nullptr;
      attempt("getDepthTable", before,
              [&] { table = refs.same(tableKey, model->getDepthTable(t, region)); });
      if (table == nullptr) break;
      Args const a{in.index(), in.value()};
      int const call = in.pick(4);
      if (call == 0) {
        resize(*table, "setNumDepths", &D::setNumDepths, &D::getNumDepths);
      } else if (call == 1) {
        set(*table, field("setDepth", &D::setDepth, &D::getDepth), a);
      } else if (call == 2) {
        set(*table, field("setConcentration", &D::setConcentration, &D::getConcentration), a);
      } else {
        int const rows = 1 + in.pick(5);
        table->setNumDepths(rows);
        std::vector<double> const depths = rowKeys(in, rows);
        for (int row = 0; row < rows; ++row) {
          table->setDepth(row, depths[static_cast<std::size_t>(row)]);
          table->setConcentration(row, in.value());
        }
      }
      break;
    }
  }
}

}  // namespace fuzz
