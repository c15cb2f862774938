// Copies of the part every fluid model shares: water properties, initial conditions with
// their depth tables, and temperature tables. All work goes through the interfaces, so a
// host may copy between its own implementations and the library's; between the library's
// own tables the rows move directly (see Direct.h).
#include <algorithm>
#include <set>
#include <string>
#include <typeinfo>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/IDepthTable.h"
#include "Orv/Tess/Varnak/IFluidModel.h"
#include "Orv/Tess/Varnak/IInitialCondition.h"
#include "Orv/Tess/Varnak/ITemperatureTable.h"
#include "Orv/Tess/Varnak/IWaterProperties.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Orv/Tess/Varnak/StdCompositionalModel.h"
#include "Orv/Tess/Varnak/StdInitialCondition.h"
#include "copy/CopyFlags.h"
#include "copy/Direct.h"
#include "frame/Access.h"
#include "frame/FlatTable.h"

namespace Orv::Tess::Varnak {

namespace {

// The twelve depth-table properties, 0 to 11; other keys a table may be stored under
// are neither read nor touched.
constexpr int kNumDepthTableProperties = 12;

// The depth-table copy: with `direct` and two StdDepthTables, the target is resized by its
// own operations (which keep its counts of rising and falling depths) and then takes the
// source's arrays and, with its depths, the source's counts.
void copyDepthTable(IDepthTable const& source, IDepthTable& target, bool direct) {
  using Storage = detail::Access<StdDepthTable>;
  auto const* from = direct ? detail::exactly<StdDepthTable>(source) : nullptr;
  auto* into = direct ? detail::exactly<StdDepthTable>(target) : nullptr;
  if (from != nullptr && into != nullptr) {
    if (from == into) return;
    into->StdDepthTable::setNumDepths(from->StdDepthTable::getNumDepths());
    into->StdDepthTable::setNumComponents(from->StdDepthTable::getNumComponents());
    std::copy(Storage::keys(*from).begin(), Storage::keys(*from).end(),
              Storage::keys(*into).begin());
    std::copy(Storage::values(*from).begin(), Storage::values(*from).end(),
              Storage::values(*into).begin());
    Storage::risingPairs(*into) = Storage::risingPairs(*from);
    Storage::fallingPairs(*into) = Storage::fallingPairs(*from);
    Storage::unorderedPairs(*into) = Storage::unorderedPairs(*from);
    return;
  }
  int const numDepths = source.getNumDepths();
  int const numComponents = source.getNumComponents();
  target.setNumDepths(numDepths);
  target.setNumComponents(numComponents);
  for (int d = 0; d < numDepths; ++d) {
    target.setDepth(d, source.getDepth(d));
    for (int c = 0; c < numComponents; ++c) {
      target.setProperty(d, c, source.getProperty(d, c));
    }
  }
}

void copyInitialCondition(IInitialCondition const& source, IInitialCondition& target, int flags,
                          bool direct) {
  target.setDatumDepth(source.getDatumDepth());
  target.setDatumPressure(source.getDatumPressure());
  target.setGasOilContactDepth(source.getGasOilContactDepth());
  target.setGasOilContactCapillaryPressure(source.getGasOilContactCapillaryPressure());
  target.setWaterContactDepth(source.getWaterContactDepth());
  target.setWaterContactCapillaryPressure(source.getWaterContactCapillaryPressure());
  if (!detail::hasFlag(flags, detail::kCopyDepthTables)) {
    return;
  }
  for (int key = 0; key < kNumDepthTableProperties; ++key) {
    auto const property = static_cast<IInitialCondition::Property>(key);
    if (source.hasDepthTable(property)) {
      // The target's table first: its non-const getter makes an empty one when the
      // target has none. The source's is fetched after it, in this fixed order.
      IDepthTable& into = target.getDepthTable(property);
      copyDepthTable(source.getDepthTable(property), into, direct);
    } else {
      target.deleteDepthTable(property);
    }
  }
}

}  // namespace

bool detail::isLibraryModel(IFluidModel const& model) {
  return typeid(model) == typeid(StdBlackOilModel) ||
         typeid(model) == typeid(StdCompositionalModel);
}

void copy(IFluidModel const& source, IFluidModel& target, int flags) {
  detail::copyFluidModel(source, target, flags,
                         detail::isLibraryModel(source) && detail::isLibraryModel(target));
}

void detail::copyFluidModel(IFluidModel const& source, IFluidModel& target, int flags,
                            bool direct) {
  if (detail::hasFlag(flags, detail::kCopyWaterProperties)) {
    if (IWaterProperties const* water = source.getWaterProperties()) {
      IWaterProperties* into = target.getWaterProperties();
      if (into == nullptr) {
        into = &target.makeWaterProperties();
      }
      copy(*water, *into, flags);
    } else {
      target.deleteWaterProperties();
    }
  }
  if (!detail::hasFlag(flags, detail::kCopyInitialConditions)) {
    return;
  }
  // Listing names changes nothing, but the listing is not const in the interface.
  std::set<std::string> const sourceNames =
      const_cast<IFluidModel&>(source).getInitialConditionNames();
  std::set<std::string> const targetNames = target.getInitialConditionNames();
  for (std::string const& name : sourceNames) {
    if (targetNames.count(name) != 0) {
      // Looked up one after the other, the source's first: as arguments of one call
      // the two lookups would run in an order the compiler picks.
      IInitialCondition const& from = source.getInitialCondition(name);
      IInitialCondition& into = target.getInitialCondition(name);
      copyInitialCondition(from, into, flags, direct);
    }
  }
}

void copy(IInitialCondition const& source, IInitialCondition& target, int flags) {
  copyInitialCondition(source, target, flags,
                       detail::exactly<StdInitialCondition>(source) != nullptr &&
                           detail::exactly<StdInitialCondition>(target) != nullptr);
}

void copy(IDepthTable const& source, IDepthTable& target, int /*flags*/) {
  copyDepthTable(source, target, true);
}

void copy(ITemperatureTable const& source, ITemperatureTable& target, int /*flags*/) {
  using Storage = detail::Access<StdTemperatureTable>;
  auto const* from = detail::exactly<StdTemperatureTable>(source);
  auto* into = detail::exactly<StdTemperatureTable>(target);
  if (from != nullptr && into != nullptr) {
    detail::assignFlat(Storage::keys(*into), Storage::values(*into), Storage::numComponents(*into),
                       Storage::keys(*from), Storage::values(*from), Storage::numComponents(*from));
    return;
  }
  int const numTemperatures = source.getNumTemperatures();
  int const numComponents = source.getNumComponents();
  target.setNumTemperatures(numTemperatures);
  target.setNumComponents(numComponents);
  for (int t = 0; t < numTemperatures; ++t) {
    target.setTemperature(t, source.getTemperature(t));
    for (int c = 0; c < numComponents; ++c) {
      target.setProperty(t, c, source.getProperty(t, c));
    }
  }
}

void copy(IWaterProperties const& source, IWaterProperties& target, int /*flags*/) {
  target.setSurfaceDensity(source.getSurfaceDensity());
  target.setPressure(source.getPressure());
  target.setFormationVolumeFactor(source.getFormationVolumeFactor());
  target.setCompressibility(source.getCompressibility());
  target.setViscosity(source.getViscosity());
  target.setViscosibility(source.getViscosibility());
}

}  // namespace Orv::Tess::Varnak
