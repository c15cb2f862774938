// Copies of the two flat tables of a compositional model that a host copies on its own:
// a temperature K-value table and the oil viscosity index table. Both are sized first
// (rows, then components), so every value of the resized target is then overwritten.
#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/IOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/ITemperatureKValueTable.h"

namespace Orv::Tess::Varnak {

void copy(ITemperatureKValueTable const& source, ITemperatureKValueTable& target, int /*flags*/) {
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
