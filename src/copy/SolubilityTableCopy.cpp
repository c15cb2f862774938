// Copies of the solubility tables of aqueous-soluble components. The five table kinds build
// on one another (plain rows, then the water columns, then each kind's scalars), and so do
// their copies: each richer kind first runs the copy of the kind below it.
#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/IInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/ISaltSolubilityTable.h"
#include "Orv/Tess/Varnak/ISolubilityTable.h"
#include "Orv/Tess/Varnak/ISolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/ITemperatureSolubilityTable.h"

namespace Orv::Tess::Varnak {

// The row loops read the source's count before each row rather than once: the count is the
// source's to report, and the target was sized from it just before.
void copy(ISolubilityTable const& source, ISolubilityTable& target) {
  target.setNumPressures(source.getNumPressures());
  for (int i = 0; i < source.getNumPressures(); ++i) {
    target.setPressure(i, source.getPressure(i));
    target.setSolutionRatio(i, source.getSolutionRatio(i));
  }
}

void copy(ISolubilityWaterPropertiesTable const& source, ISolubilityWaterPropertiesTable& target) {
  copy(static_cast<ISolubilityTable const&>(source), static_cast<ISolubilityTable&>(target));
  for (int i = 0; i < source.getNumPressures(); ++i) {
    target.setFormationVolume(i, source.getFormationVolume(i));
    target.setViscosity(i, source.getViscosity(i));
    target.setCompressibility(i, source.getCompressibility(i));
  }
}

void copy(ITemperatureSolubilityTable const& source, ITemperatureSolubilityTable& target) {
  copy(static_cast<ISolubilityWaterPropertiesTable const&>(source),
       static_cast<ISolubilityWaterPropertiesTable&>(target));
  target.setTemperature(source.getTemperature());
}

void copy(ISaltSolubilityTable const& source, ISaltSolubilityTable& target) {
  copy(static_cast<ISolubilityWaterPropertiesTable const&>(source),
       static_cast<ISolubilityWaterPropertiesTable&>(target));
  target.setSaltConcentration(source.getSaltConcentration());
  target.setBrineSurfaceDensity(source.getBrineSurfaceDensity());
  target.setRefSaltConcentration(source.getRefSaltConcentration());
}

void copy(IInteractionSolubilityTable const& source, IInteractionSolubilityTable& target) {
  copy(static_cast<ISolubilityWaterPropertiesTable const&>(source),
       static_cast<ISolubilityWaterPropertiesTable&>(target));
  target.setInteractionComponentName(source.getInteractionComponentName());
  target.setInteractionComponentMoleFraction(source.getInteractionComponentMoleFraction());
}

}  // namespace Orv::Tess::Varnak
