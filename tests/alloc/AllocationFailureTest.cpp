// Every mutating operation of the library, run with each of its allocations failing in
// turn (see Sweep.h): a host that runs out of memory gets std::bad_alloc and the object
// as it was, and nothing leaks.
//
// Each sweep runs on a pair of objects built by make<T>: the first filled richly (seed
// 1), the second smaller or of another shape (seed 2), so that copies and assignments
// between them must both grow and shrink. The value semantics of every class run from one
// list of types; the operations of each class follow, one row per operation.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <type_traits>
#include <utility>

#include "Orv/Tess/Varnak.h"
#include "alloc/Sweep.h"
#include "fluidmodel/StdFluidModelImpl.h"
#include "support/Fill.h"
#include "support/HostSeparatorModel.h"

namespace Orv::Tess::Varnak {
// The fluid-model base on its own: compiled into the library once per model kind, here
// instantiated for the bare interface, which it implements completely.
template class StdFluidModel<IFluidModel>;
}  // namespace Orv::Tess::Varnak

namespace {

using namespace Orv::Tess::Varnak;
using sweep::OnFailure;
using sweep::Pair;
using Type = IComponent::Type;
using TracerType = ITracerModel::DepthTableType;

// The second object of a pair: another shape, and none of the optional children, so that
// making one is a first.
void populate(IOilTable& t, int n) {
  support::fill(t, n, n == 1 ? std::vector{3, 1, 2} : std::vector{1, 4});
}
void populate(IGasTable& t, int n) {
  support::fill(t, n, n == 1 ? std::vector{3, 1, 2} : std::vector{1, 4});
}
void populate(ISolventTable& t, int n) { support::fill(t, n, n == 1 ? 3 : 5); }
void populate(IMiscibilityTable& t, int n) { support::fill(t, n, n == 1 ? 2 : 4); }
void populate(IBrinePropertyTable& t, int n) { support::fill(t, n, n == 1 ? 3 : 5); }
void populate(ITracerDepthTable& t, int n) { support::fill(t, n, n == 1 ? 3 : 6); }
void populate(ISolubilityTable& t, int n) { support::fill(t, n, n == 1 ? 3 : 4); }
void populate(IDepthTable& t, int n) { support::fill(t, n, n == 1 ? 3 : 5, n == 1 ? 4 : 2); }
void populate(ITemperatureTable& t, int n) { support::fill(t, n, n == 1 ? 3 : 5, n == 1 ? 4 : 2); }
void populate(IKValueTable& t, int n) { support::fill(t, n, n == 1 ? 3 : 5, n == 1 ? 4 : 2); }
void populate(IOilViscosityIndexTable& t, int n) {
  support::fill(t, n, n == 1 ? 3 : 5, n == 1 ? 4 : 2);
}
void populate(IComponent& c, int n) { support::fill(c, n); }
void populate(IReaction& r, int n) { support::fill(r, n, n == 1 ? 3 : 2); }
void populate(ISeparatorStage& s, int n) { support::fill(s, n); }
void populate(ITrackingModel& t, int n) {
  support::fill(t, n);
  if (n == 2)
    t.setTrackedComponentNames({"Heavy end C20+", "Intermediate C7-C12", "Nitrogen", "C1"});
}
void populate(IBinaryInteractionCoefficients& b, int n) {
  b.setBIC(0, n, 0.5 * n);
  b.setBIC(n + 1, 0, 0.25 * n);
}
void populate(IAqueousSolubleComponent& c, int n) {
  if (n == 1) return support::furnish(c, n);
  support::fill(c, n);
  support::fill(c.makeSaltSolubilityTable("Sea water"), n, 4);
}
void populate(IWaterProperties& w, int n) {
  if (n == 1) return support::furnish(w, n);
  support::fill(w, n);
  w.makeBrineComponent(IBrineComponent::SaltMoleculeType::KCL);
}
void populate(IInitialCondition& ic, int n) {
  if (n == 1) return support::furnish(ic, n);
  support::fill(ic, n);
  support::fill(ic.getDepthTable(IInitialCondition::Property::Pressure), n, 3, 3);
}
void populate(ISeparatorModel& m, int n) {
  if (n == 1) return support::furnish(m, n);
  m.setGroupName("Field gathering station north");
  support::fill(m.makeStage(), n);
}
void populate(ITracerModel& m, int n) {
  if (n == 1) return support::furnish(m, n);
  m.setComponentName("Brine from the eastern aquifer");
  support::fill(m.makeDepthTable(static_cast<TracerType>(7), 0), n, 4);
}
void populate(IFluidModel& m, int n) {
  if (n == 1) return support::furnish(m, n);
  support::furnish(m.makeInitialCondition("Crest"), n);
  support::fill(m.getTemperatureTable(IFluidModel::TemperatureTableProperty::GasViscosity), n);
  if (auto* blackOil = dynamic_cast<IBlackOilModel*>(&m)) {
    support::fill(blackOil->makeDryGasTable(), n, {2});
    support::fill(blackOil->makeCompressibleOilTable(1), n, {1, 1, 1, 1});
    support::fill(blackOil->makeOilTable(2), n);
  }
  if (auto* compositional = dynamic_cast<ICompositionalModel*>(&m)) {
    compositional->makeComponent("C1", Type::Plain);
    compositional->makeComponent("Nitrogen", Type::Plain);
  }
}
void populate(IFluidModels& r, int n) {
  if (n == 1) return support::furnish(r, n);
  r.makeBlackOilModel("West", false);
}

// An object of class T filled as the n-th of a pair (n = 1 or 2), under a name beyond
// the short-string buffer for the first, so that copying a name allocates too.
template <class T>
std::unique_ptr<T> make(int n) {
  std::string const name = n == 1 ? "Northern segment of the field" : "South";
  std::unique_ptr<T> t;
  if constexpr (std::is_constructible_v<T, std::string, Type>) {
    t = std::make_unique<T>(name, n == 1 ? Type::Plain : Type::AqueousSoluble);
  } else if constexpr (std::is_constructible_v<T, std::string>) {
    t = std::make_unique<T>(name);
  } else {
    t = std::make_unique<T>();
  }
  populate(*t, n);
  return t;
}

template <class T>
Pair<T> pairOf() {
  return {make<T>(1), make<T>(2)};
}

template <class T>
std::string label() {
  std::string name = ::testing::internal::GetTypeName<T>();
  for (std::size_t at; (at = name.find("Orv::Tess::Varnak::")) != std::string::npos;) {
    name.erase(at, 19);
  }
  return name;
}

template <class T, class = void>
struct HasClone : std::false_type {};
template <class T>
struct HasClone<T, std::void_t<decltype(std::declval<T const&>().clone())>> : std::true_type {};

// The value classes: copy and move construction and assignment (both ways, so that one
// of them has to grow the target), self-assignment and, for the tables that have it,
// clone. The moved-from object is read after the move: it must stay consistent.
template <class T>
class ValueSemantics : public ::testing::Test {};
using ValueTypes = ::testing::Types<
    StdOilTable, StdDeadOilTable, StdDeadOilConstantCompressTable, StdCompressibleOilTable,
    StdGasTable, StdDryGasTable, StdSolventTable, StdMisciblityTable, StdBlackOilModel,
    StdFluidModel<IFluidModel>, StdTemperatureTable, StdDepthTable, StdInitialCondition,
    StdBrinePropertyTable, StdWaterProperties, StdComponent, StdAqueousSolubleComponent,
    StdKValueTable<IKValueTable>, StdTemperatureKValueTable, StdCompositionKValueTable,
    StdBinaryInteractionCoefficients, StdReaction, StdOilViscosityIndexTable, StdSolubilityTable,
    StdSolubilityWaterPropertiesTable, StdTemperatureSolubilityTable, StdSaltSolubilityTable,
    StdInteractionSolubilityTable, StdSeparatorModel, StdSeparatorStage, StdTracerDepthTable,
    StdTracerModel, StdTrackingModel>;
TYPED_TEST_SUITE(ValueSemantics, ValueTypes);

TYPED_TEST(ValueSemantics, EveryAllocationFails) {
  using T = TypeParam;
  std::string const name = label<T>();
  sweep::run(name + " copy construction", pairOf<T>,
             [](auto& p) { p.other = std::make_unique<T>(std::as_const(*p.object)); });
  if constexpr (std::is_copy_assignable_v<T>) {
    sweep::run(name + " copy assignment", pairOf<T>,
               [](auto& p) { *p.object = std::as_const(*p.other); });
    sweep::run(name + " copy assignment back", pairOf<T>,
               [](auto& p) { *p.other = std::as_const(*p.object); });
    sweep::run(name + " self-assignment", pairOf<T>, [](auto& p) {
      T& self = *p.object;
      *p.object = std::as_const(self);
    });
  }
  sweep::run(name + " move construction", pairOf<T>,
             [](auto& p) { p.other = std::make_unique<T>(std::move(*p.object)); });
  if constexpr (std::is_move_assignable_v<T>) {
    sweep::run(name + " move assignment", pairOf<T>,
               [](auto& p) { *p.object = std::move(*p.other); });
  }
  if constexpr (HasClone<T>::value) {
    sweep::run(name + " clone", pairOf<T>, [](auto& p) {
      p.other.reset(dynamic_cast<T*>(std::as_const(*p.object).clone().release()));
    });
  }
}

// Runs each operation on pairs of every class Ts. `prepare` changes the pair after it is
// built, outside the sweep.
template <class... Ts>
struct Classes {
  template <class Operation, class Prepare = std::nullptr_t>
  Classes& run(char const* name, Operation operation, OnFailure onFailure = OnFailure::Unchanged,
               Prepare prepare = nullptr) {
    auto one = [&](auto tag) {
      using T = typename decltype(tag)::type;
      sweep::run(
          label<T>() + " " + name,
          [prepare] {
            auto p = pairOf<T>();
            if constexpr (!std::is_same_v<Prepare, std::nullptr_t>) prepare(p);
            return p;
          },
          operation, onFailure);
    };
    (one(std::common_type<Ts>{}), ...);
    return *this;
  }
};

TEST(AllocationFailure, BlackOil) {
  Classes<StdOilTable, StdDeadOilTable, StdDeadOilConstantCompressTable, StdCompressibleOilTable,
          StdGasTable, StdDryGasTable>()
      .run("setSaturatedSize grow", [](auto& p) { p.object->setSaturatedSize(9); })
      .run("setSaturatedSize shrink", [](auto& p) { p.object->setSaturatedSize(1); })
      .run("setSaturatedSize negative", [](auto& p) { p.object->setSaturatedSize(-1); })
      .run("setUndersaturatedSize grow", [](auto& p) { p.object->setUndersaturatedSize(1, 8); })
      .run("setUndersaturatedSize shrink", [](auto& p) { p.object->setUndersaturatedSize(2, 1); })
      .run("setViscosity bad entry", [](auto& p) { p.object->setViscosity(0, 3, 1.0); });
  Classes<StdSolventTable, StdMisciblityTable>()
      .run("setSize grow", [](auto& p) { p.object->setSize(6); })
      .run("setSize negative", [](auto& p) { p.object->setSize(-1); });
  Classes<StdSolventTable>().run("setViscosity bad index",
                                 [](auto& p) { p.object->setViscosity(3, 1.0); });
  Classes<StdMisciblityTable>().run("setMiscibility bad index",
                                    [](auto& p) { p.object->setMiscibility(-1, 1.0); });
  Classes<StdBlackOilModel>()
      .run("makeOilTable new region", [](auto& p) { p.object->makeOilTable(5); })
      .run("makeOilTable replacing", [](auto& p) { p.object->makeOilTable(1); })
      .run("makeCompressibleOilTable", [](auto& p) { p.object->makeCompressibleOilTable(-4); })
      .run("makeDeadOilTable", [](auto& p) { p.object->makeDeadOilTable(2); })
      .run("makeDeadOilConstantCompressTable",
           [](auto& p) { p.object->makeDeadOilConstantCompressTable(7); })
      .run("deleteOilTable", [](auto& p) { p.object->deleteOilTable(1); })
      .run("makeGasTable replacing", [](auto& p) { p.object->makeGasTable(); })
      .run("makeDryGasTable", [](auto& p) { p.object->makeDryGasTable(); })
      .run("deleteGasTable", [](auto& p) { p.object->deleteGasTable(); })
      .run("makeSolventTable replacing", [](auto& p) { p.object->makeSolventTable(); })
      .run("makeMiscibilityTable first", [](auto& p) { p.other->makeMiscibilityTable(); })
      .run("deleteSolventTable", [](auto& p) { p.object->deleteSolventTable(); })
      .run("deleteMiscibilityTable", [](auto& p) { p.object->deleteMiscibilityTable(); });
}

TEST(AllocationFailure, FluidModel) {
  Classes<StdFluidModel<IFluidModel>, StdBlackOilModel, StdCompositionalModel>()
      .run("makeWaterProperties replacing", [](auto& p) { p.object->makeWaterProperties(); })
      .run("makeWaterProperties first", [](auto& p) { p.other->makeWaterProperties(); })
      .run("deleteWaterProperties", [](auto& p) { p.object->deleteWaterProperties(); })
      .run("makeInitialCondition new name", [](auto& p) { p.object->makeInitialCondition("Rim"); })
      .run("makeInitialCondition taken name",
           [](auto& p) { p.object->makeInitialCondition("Deep eastern fault block"); })
      .run("deleteInitialCondition", [](auto& p) { p.object->deleteInitialCondition("Crest"); })
      .run("deleteInitialCondition missing",
           [](auto& p) { p.object->deleteInitialCondition("Flank"); })
      .run("getTemperatureTable making a table",
           [](auto& p) {
             p.object->getTemperatureTable(IFluidModel::TemperatureTableProperty::GasViscosity);
           })
      .run("const getTemperatureTable missing",
           [](auto& p) {
             std::as_const(*p.object).getTemperatureTable(
                 IFluidModel::TemperatureTableProperty::WaterViscosity);
           })
      .run("deleteTemperatureTable", [](auto& p) {
        p.object->deleteTemperatureTable(IFluidModel::TemperatureTableProperty::OilViscosity);
      });
  using Property = IInitialCondition::Property;
  Classes<StdDepthTable>()
      .run("setNumDepths grow", [](auto& p) { p.object->setNumDepths(7); })
      .run("setNumDepths shrink", [](auto& p) { p.object->setNumDepths(1); })
      .run("setNumComponents grow", [](auto& p) { p.object->setNumComponents(6); })
      .run("setNumComponents shrink", [](auto& p) { p.object->setNumComponents(1); })
      .run("setNumDepths negative", [](auto& p) { p.object->setNumDepths(-1); })
      .run("setProperty bad index", [](auto& p) { p.object->setProperty(0, 4, 1.0); })
      // With a negative width stored, growing the rows resizes the depths and then fails
      // on the values: the depths are documented to stay resized.
      .run(
          "setNumDepths over a negative width", [](auto& p) { p.object->setNumDepths(4); },
          OnFailure::BeforeOrAfter,
          [](auto& p) {
            p.object->setNumDepths(0);
            p.object->setNumComponents(-2);
          })
      .run("truncate keeping above",
           [](auto& p) { truncate(*p.object, p.object->getDepth(1) + 0.0001, true, false); })
      .run("truncate keeping below",
           [](auto& p) { truncate(*p.object, p.object->getDepth(1) + 0.0001, false, true); })
      .run("normalizeComposition", [](auto& p) { normalizeComposition(*p.object, 1); })
      .run(
          "truncate empty table", [](auto& p) { truncate(*p.object, 1.0, true, true); },
          OnFailure::Unchanged, [](auto& p) { p.object->setNumDepths(0); });
  Classes<StdInitialCondition>()
      .run("getDepthTable making a table",
           [](auto& p) { p.object->getDepthTable(Property::GasComposition); })
      .run("getDepthTable making a table under a key beyond the enumerators",
           [](auto& p) { p.object->getDepthTable(static_cast<Property>(12)); })
      .run("deleteDepthTable", [](auto& p) { p.object->deleteDepthTable(Property::Temperature); })
      .run("const getDepthTable missing",
           [](auto& p) { std::as_const(*p.object).getDepthTable(Property::DewPointPressure); });
  Classes<StdTemperatureTable>()
      .run("setNumTemperatures grow", [](auto& p) { p.object->setNumTemperatures(8); })
      .run("setNumTemperatures shrink", [](auto& p) { p.object->setNumTemperatures(2); })
      .run("setNumComponents grow", [](auto& p) { p.object->setNumComponents(6); })
      .run("setTemperature bad index", [](auto& p) { p.object->setTemperature(3, 1.0); });
}

TEST(AllocationFailure, Water) {
  using Salt = IBrineComponent::SaltMoleculeType;
  Classes<StdBrinePropertyTable>()
      .run("setTableSize grow", [](auto& p) { p.object->setTableSize(6); })
      .run("setTableSize shrink", [](auto& p) { p.object->setTableSize(1); })
      .run("setViscosity bad index", [](auto& p) { p.object->setViscosity(3, 1.0); });
  Classes<StdWaterProperties>()
      .run("makeBrineComponent", [](auto& p) { p.object->makeBrineComponent(Salt::MGSO4); })
      .run("makeBrineComponent of a kind beyond the salts",
           [](auto& p) { p.object->makeBrineComponent(static_cast<Salt>(40)); })
      .run("makeBrineComponent duplicate",
           [](auto& p) { p.object->makeBrineComponent(Salt::NACL); })
      .run("getBrineComponent missing name", [](auto& p) { p.object->getBrineComponent("K2SO4"); })
      .run("makeBrinePropertyTable replacing", [](auto& p) { p.object->makeBrinePropertyTable(); })
      .run("makeBrinePropertyTable first", [](auto& p) { p.other->makeBrinePropertyTable(); })
      .run("deleteBrinePropertyTable", [](auto& p) { p.object->deleteBrinePropertyTable(); });
}

TEST(AllocationFailure, Compositional) {
  using Property = IComponent::Property;
  using Phase = IComponent::PhaseType;
  Classes<StdComponent, StdAqueousSolubleComponent>()
      .run("setProperty new key", [](auto& p) { p.object->setProperty(Property::Parachor, 7.0); })
      .run("setProperty new key beyond the named ones",
           [](auto& p) { p.object->setProperty(static_cast<Property>(54), 1.0); })
      .run("setProperty overwriting",
           [](auto& p) { p.object->setProperty(Property::CriticalPressure, 16.0); })
      .run("deleteProperty", [](auto& p) { p.object->deleteProperty(Property::VolumeShift); })
      .run("getProperty missing",
           [](auto& p) { std::as_const(*p.object).getProperty(Property::MolecularWeight); })
      .run("setDensityType new phase",
           [](auto& p) { p.object->setDensityType(Phase::Water, IComponent::DensityType(1)); })
      .run("setViscosityType new phase",
           [](auto& p) { p.object->setViscosityType(Phase::Oil, IComponent::ViscosityType(1)); });
  Classes<StdKValueTable<IKValueTable>, StdTemperatureKValueTable, StdCompositionKValueTable>()
      .run("setNumPressures grow", [](auto& p) { p.object->setNumPressures(6); })
      .run("setNumComponents grow", [](auto& p) { p.object->setNumComponents(7); })
      .run("setNumComponents negative", [](auto& p) { p.object->setNumComponents(-1); })
      .run("setKValue bad component", [](auto& p) { p.object->setKValue(0, 4, 1.0); });
  Classes<StdBinaryInteractionCoefficients>()
      .run("setBIC new pair", [](auto& p) { p.object->setBIC(5, 1, 0.13); })
      .run("setBIC removing a pair", [](auto& p) { p.object->setBIC(0, 1, 0.0); });
  Classes<StdReaction>()
      .run("setNumComponents grow", [](auto& p) { p.object->setNumComponents(6); })
      .run("setNumComponents shrink", [](auto& p) { p.object->setNumComponents(1); })
      // A negative count is stored before the arrays refuse it (documented).
      .run(
          "setNumComponents negative", [](auto& p) { p.object->setNumComponents(-2); },
          OnFailure::BeforeOrAfter)
      .run("setRateComponentOrder bad index",
           [](auto& p) { p.object->setRateComponentOrder(3, 1.0); });
  Classes<StdOilViscosityIndexTable>()
      .run("setNumMolefractions grow", [](auto& p) { p.object->setNumMolefractions(5); })
      .run("setNumComponents grow", [](auto& p) { p.object->setNumComponents(5); })
      .run("setMoleFraction bad index", [](auto& p) { p.object->setMoleFraction(-1, 1.0); });
  Classes<StdSolubilityTable, StdSolubilityWaterPropertiesTable, StdTemperatureSolubilityTable,
          StdSaltSolubilityTable, StdInteractionSolubilityTable>()
      .run("setNumPressures grow", [](auto& p) { p.object->setNumPressures(7); })
      .run("setNumPressures shrink", [](auto& p) { p.object->setNumPressures(1); })
      .run("setNumPressures negative", [](auto& p) { p.object->setNumPressures(-4); })
      .run("setSolutionRatio bad index", [](auto& p) { p.object->setSolutionRatio(3, 1.0); });
  Classes<StdInteractionSolubilityTable>().run("setInteractionComponentName", [](auto& p) {
    p.object->setInteractionComponentName("Carbon dioxide from the injection well");
  });
  Classes<StdAqueousSolubleComponent>()
      .run("makeSolubilityTable", [](auto& p) { p.other->makeSolubilityTable(); })
      .run("makeSolubilityWaterPropertiesTable",
           [](auto& p) { p.other->makeSolubilityWaterPropertiesTable(); })
      .run("makeTemperatureSolubilityTable new",
           [](auto& p) { p.object->makeTemperatureSolubilityTable("Surface temperature 15 C"); })
      .run("makeTemperatureSolubilityTable existing",
           [](auto& p) {
             p.object->makeTemperatureSolubilityTable("At reservoir temperature 80 C");
           })
      .run("makeInteractionSolubilityTable",
           [](auto& p) { p.object->makeInteractionSolubilityTable("With methane at depth"); })
      .run("makeSaltSolubilityTable",
           [](auto& p) { p.object->makeSaltSolubilityTable("Injected low-salinity water"); })
      .run("getSaltSolubilityTable missing",
           [](auto& p) { p.object->getSaltSolubilityTable("Aquifer brine"); });
  Classes<StdCompositionalModel>()
      .run("makeComponent plain", [](auto& p) { p.object->makeComponent("Nitrogen", Type::Plain); })
      .run("makeComponent aqueous-soluble",
           [](auto& p) { p.object->makeComponent("Hydrogen sulphide", Type::AqueousSoluble); })
      .run("makeComponent duplicate", [](auto& p) { p.object->makeComponent("C1", Type::Plain); })
      .run("makeComponent unknown type",
           [](auto& p) { p.object->makeComponent("Water", static_cast<Type>(2)); })
      .run("deleteComponent", [](auto& p) { p.object->deleteComponent(1); })
      .run("deleteComponent bad index", [](auto& p) { p.object->deleteComponent(5); })
      .run("getComponentAsAqueousSolubleComponent plain",
           [](auto& p) { p.object->getComponentAsAqueousSolubleComponent(0); })
      .run("getAqueousBICs bad number", [](auto& p) { p.object->getAqueousBICs(4); })
      .run("makeSimpleKValueTable existing", [](auto& p) { p.object->makeSimpleKValueTable(); })
      .run("makeTemperatureKValueTable new",
           [](auto& p) { p.object->makeTemperatureKValueTable("K-values at 120 C"); })
      .run("makeCompositionKValueTable new",
           [](auto& p) { p.object->makeCompositionKValueTable("K-values at 40 % CO2"); })
      .run("getTemperatureKValueTable missing",
           [](auto& p) { p.object->getTemperatureKValueTable("K-values at 20 C"); })
      .run("makeOilViscosityIndexTable replacing",
           [](auto& p) { p.object->makeOilViscosityIndexTable(); })
      .run("deleteOilViscosityIndexTable",
           [](auto& p) { p.object->deleteOilViscosityIndexTable(); })
      .run("makeReaction", [](auto& p) { p.object->makeReaction("Calcite dissolution by acid"); })
      .run("makeReaction duplicate",
           [](auto& p) { p.object->makeReaction("Carbonate dissolution"); })
      .run("getReaction bad index", [](auto& p) { p.object->getReaction(1); });
}

TEST(AllocationFailure, Surface) {
  Classes<StdSeparatorModel>()
      .run("makeStage", [](auto& p) { p.object->makeStage(); })
      .run("deleteStage", [](auto& p) { p.object->deleteStage(0); })
      .run("deleteStage missing", [](auto& p) { p.object->deleteStage(2); })
      .run("getStage missing", [](auto& p) { p.object->getStage(0); })
      .run("setGroupName",
           [](auto& p) { p.object->setGroupName("Offshore platform gas compression"); });
  Classes<StdTracerDepthTable>()
      .run("setNumDepths grow", [](auto& p) { p.object->setNumDepths(8); })
      .run("setNumDepths shrink", [](auto& p) { p.object->setNumDepths(1); })
      .run("setConcentration bad index", [](auto& p) { p.object->setConcentration(3, 1.0); });
  Classes<StdTracerModel>()
      .run("makeDepthTable next region",
           [](auto& p) { p.object->makeDepthTable(TracerType::FreePhaseConcentration, 2); })
      .run("makeDepthTable replacing",
           [](auto& p) { p.object->makeDepthTable(TracerType::FreePhaseConcentration, 1); })
      .run("makeDepthTable region gap",
           [](auto& p) { p.object->makeDepthTable(TracerType::SolutionPhaseConcentration, 2); })
      .run("makeDepthTable negative region",
           [](auto& p) { p.object->makeDepthTable(TracerType::SolutionPhaseConcentration, -1); })
      .run("deleteDepthTable",
           [](auto& p) { p.object->deleteDepthTable(TracerType::FreePhaseConcentration, 1); })
      .run("setComponentName",
           [](auto& p) { p.object->setComponentName("Produced water from the crest"); });
  Classes<StdTrackingModel>()
      .run("setTrackedComponentNames",
           [](auto& p) {
             p.object->setTrackedComponentNames(
                 {"Heavy end pseudo-component C20+", "Light ends C2-C6", "Hydrogen sulphide"});
           })
      .run("setTrackedComponentNames empty",
           [](auto& p) { p.object->setTrackedComponentNames({}); });

  StdSeparatorModel train("Export train built by the host");
  train.makeStage();
  train.makeStage();
  Classes<StdFluidModels>()
      .run("makeBlackOilModel new",
           [](auto& p) { p.object->makeBlackOilModel("Black oil of the southern segment", false); })
      .run("makeBlackOilModel existing",
           [](auto& p) { p.object->makeBlackOilModel("North field black oil", false); })
      .run("makeBlackOilModel unique name",
           [](auto& p) { p.object->makeBlackOilModel("North field black oil", true); })
      .run("makeBlackOilModel over a compositional model",
           [](auto& p) { p.object->makeBlackOilModel("South", false); })
      .run("makeCompositionalModel new",
           [](auto& p) { p.object->makeCompositionalModel("Volatile oil of the crest", false); })
      .run("makeCompositionalModel unique name",
           [](auto& p) { p.object->makeCompositionalModel("South", true); })
      .run("getFluidModel missing",
           [](auto& p) { p.object->getFluidModel("Dry gas of the flank"); })
      .run("deleteFluidModel", [](auto& p) { p.object->deleteFluidModel("North field black oil"); })
      .run("makeSeparatorModel by name, next version",
           [](auto& p) { p.object->makeSeparatorModel("Export"); })
      .run("makeSeparatorModel by name, new name",
           [](auto& p) { p.object->makeSeparatorModel("Low-pressure test separator"); })
      .run("makeSeparatorModel from a model",
           [&train](auto& p) { p.object->makeSeparatorModel(train); })
      .run("makeSeparatorModel from a host's model",
           [](auto& p) {
             support::HostSeparatorModel host;
             p.object->makeSeparatorModel(host);
           })
      .run("deleteSeparatorModel", [](auto& p) { p.object->deleteSeparatorModel("Export", 0); })
      .run("deleteSeparatorModel missing version",
           [](auto& p) { p.object->deleteSeparatorModel("Export", 2); })
      .run("makeTracerModel new",
           [](auto& p) { p.object->makeTracerModel("Gas injection tracer, well G-2"); })
      .run("makeTracerModel replacing",
           [](auto& p) { p.object->makeTracerModel("Injected brine tracer of well I-4"); })
      .run("deleteTracerModel",
           [](auto& p) { p.object->deleteTracerModel("Injected brine tracer of well I-4"); })
      .run("getTracerModel missing",
           [](auto& p) { p.object->getTracerModel("Salt tracer of the aquifer"); })
      .run("makeTrackingModel replacing", [](auto& p) { p.object->makeTrackingModel(); })
      .run("deleteTrackingModel", [](auto& p) { p.object->deleteTrackingModel(); });
}

// The deep copies transfer value by value and roll nothing back: a copy that fails half
// way keeps what it transferred. So it only has to leave both objects readable, leak
// nothing and let std::bad_alloc through; its source (the second object) must not change.
// Each copy runs both ways between the pair, into a larger and into a smaller target.
template <class S, class T>
auto copyAll(S const& source, T& target, int) -> decltype(copy(source, target, 0)) {
  copy(source, target, 1 | 2 | 4 | 8 | 16 | 32);
}
template <class S, class T>
void copyAll(S const& source, T& target, long) {
  copy(source, target);
}

TEST(AllocationFailure, Copy) {
  auto const intoObject = [](auto& p) { copyAll(std::as_const(*p.other), *p.object, 0); };
  auto const swap = [](auto& p) { std::swap(p.object, p.other); };
  Classes<StdBlackOilModel, StdCompositionalModel, StdInitialCondition, StdWaterProperties,
          StdOilTable, StdCompressibleOilTable, StdDryGasTable, StdDepthTable, StdTemperatureTable,
          StdSolventTable, StdMisciblityTable, StdComponent, StdAqueousSolubleComponent,
          StdTemperatureKValueTable, StdOilViscosityIndexTable, StdSolubilityTable,
          StdSolubilityWaterPropertiesTable, StdTemperatureSolubilityTable, StdSaltSolubilityTable,
          StdInteractionSolubilityTable>()
      .run("copy", intoObject, OnFailure::Readable)
      .run("copy back", intoObject, OnFailure::Readable, swap);
  auto const oneProperty = [](auto& p) {
    copy(std::as_const(*p.other), *p.object, IComponent::Property::Parachor);
  };
  Classes<StdCompositionalModel>()
      .run("copy of one property", oneProperty, OnFailure::Readable)
      .run("copy of one property back", oneProperty, OnFailure::Readable, swap);
}

// A copy between two objects of the library's own class moves storage directly. With each
// allocation failing in turn, it must fail where the copy through the interfaces fails (a
// source of a derived class forces that one) and leave the same target.
template <class T>
struct Twin : T {
  explicit Twin(T const& from) : T(from) {}
};
template <class... Ts>
void failsAsThroughInterfaces() {
  auto one = [](auto tag) {
    using T = typename decltype(tag)::type;
    for (long long n = 1;; ++n) {
      bool failed[2];
      std::string left[2];
      for (int path : {0, 1}) {
        std::unique_ptr<T> source = make<T>(1);
        if (path == 1) source = std::make_unique<Twin<T>>(*source);
        std::unique_ptr<T> const target = make<T>(2);
        try {
          support::heap::Armed armed(n);
          copyAll(std::as_const(*source), *target, 0);
        } catch (std::bad_alloc const&) {
        }
        failed[path] = support::heap::failed();
        left[path] = support::observe(*target);
      }
      ASSERT_EQ(failed[0], failed[1]) << label<T>() << ", allocation " << n;
      EXPECT_EQ(left[0], left[1]) << label<T>() << ", allocation " << n;
      if (!failed[0]) break;
    }
  };
  (one(std::common_type<Ts>{}), ...);
}

TEST(AllocationFailure, CopyBetweenLibraryClassesFailsAsThroughTheInterfaces) {
  if (!support::heap::kSeesLibraryAllocations) GTEST_SKIP() << "allocations cannot be failed here";
  failsAsThroughInterfaces<StdDepthTable, StdTemperatureTable, StdTemperatureKValueTable,
                           StdOilViscosityIndexTable, StdOilTable, StdCompressibleOilTable,
                           StdSolventTable, StdMisciblityTable, StdBlackOilModel>();
}

class Report : public ::testing::Environment {
 public:
  void TearDown() override {
    std::printf("[ alloc    ] %lld operations, %lld failure points (each allocation failed once)\n",
                sweep::tally.operations, sweep::tally.failurePoints);
  }
};
// GoogleTest takes ownership of the environment.
::testing::Environment* const report = ::testing::AddGlobalTestEnvironment(new Report);

}  // namespace
