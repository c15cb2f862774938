// Copies of the two flat tables of a compositional model that a host copies on its own:
// a temperature K-value table and the oil viscosity index table. Both are sized first
// (rows, then components), so every value of the resized target is then overwritten.
// Between the library's own tables the arrays are resized in the same steps and then
// copied whole (see Direct.h).
#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/IOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/ITemperatureKValueTable.h"
#include "Orv/Tess/Varnak/StdOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/StdTemperatureKValueTable.h"
#include "frame/Access.h"
#include "frame/FlatTable.h"

namespace Orv::Tess::Varnak {

namespace {

// Gives `into` the rows of `from` when both are exactly Class (whose flat arrays Storage
// reaches), and returns whether it did.
template <class Class, class Storage, class Interface>
bool assignOwn(Interface const& from, Interface& into) {
  auto const* source = detail::exactly<Class>(from);
  auto* target = detail::exactly<Class>(into);
  if (source == nullptr || target == nullptr) return false;
  detail::assignFlat(Storage::keys(*target), Storage::values(*target),
                     Storage::numComponents(*target), Storage::keys(*source),
                     Storage::values(*source), Storage::numComponents(*source));
  return true;
}

}  // namespace

// The temperature is set between the resizes and the values through the interface; here,
// after both: only the resizes can fail, and they come first either way.
void copy(ITemperatureKValueTable const& source, ITemperatureKValueTable& target, int /*flags*/) {
  if (assignOwn<StdTemperatureKValueTable, detail::Access<StdKValueTable<ITemperatureKValueTable>>>(
          source, target)) {
    target.setTemperature(source.getTemperature());
    return;
  }
  int const numPressures = source.getNumPressures();
  int const numComponents = source.getNumComponents();
  double const temperature = source.getTemperature();
  target.setNumPressures(numPressures);
  target.setNumComponents(numComponents);
  target.setTemperature(temperature);
  for (int p = 0; p < numPressures; ++p) {
    target.setPressure(p, source.getPressure(p));
    for (int c = 0; c < numComponents; ++c) {
      target.setKValue(p, c, source.getKValue(p, c));
    }
  }
}

void copy(IOilViscosityIndexTable const& source, IOilViscosityIndexTable& target, int /*flags*/) {
  if (assignOwn<StdOilViscosityIndexTable, detail::Access<StdOilViscosityIndexTable>>(source,
                                                                                      target)) {
    return;
  }
  int const numFractions = source.getNumMolefractions();
  int const numComponents = source.getNumComponents();
  target.setNumMolefractions(numFractions);
  target.setNumComponents(numComponents);
  for (int f = 0; f < numFractions; ++f) {
    target.setMoleFraction(f, source.getMoleFraction(f));
    for (int c = 0; c < numComponents; ++c) {
      target.setOilViscosityIndex(f, c, source.getOilViscosityIndex(f, c));
    }
  }
}

}  // namespace Orv::Tess::Varnak
