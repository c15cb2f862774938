// Copies of compositional models and their components. Components are matched by index,
// not by name: the target is first given as many components as the source (its own
// surplus deleted from the end, its shortfall made with the source's names and types), and
// each then receives the content of the source's component at its index.
#include <string>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/IAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/IBinaryInteractionCoefficients.h"
#include "Orv/Tess/Varnak/IComponent.h"
#include "Orv/Tess/Varnak/ICompositionalModel.h"
#include "Orv/Tess/Varnak/IFluidModel.h"
#include "copy/CopyFlags.h"
#include "copy/Direct.h"

namespace Orv::Tess::Varnak {

namespace {

// The component properties a copy transfers: the keys 0 to 52 that the property
// enumeration names. A component accepts other keys too; those stay as the target has them.
constexpr int kNumComponentProperties = 53;

void transferProperty(IComponent const& source, IComponent& target, IComponent::Property property) {
  if (source.hasProperty(property)) {
    target.setProperty(property, source.getProperty(property));
  } else {
    target.deleteProperty(property);
  }
}

// Gives the target as many components as the source. Deleting from the end lets the model
// close the gap in its interaction coefficients each time; the components made take the
// source's names and types, and a name the target already holds elsewhere throws there,
// leaving the deletions and earlier makes in place.
void alignComponents(ICompositionalModel const& source, ICompositionalModel& target) {
  int const numComponents = source.getNumComponents();
  while (target.getNumComponents() > numComponents) {
    target.deleteComponent(target.getNumComponents() - 1);
  }
  while (target.getNumComponents() < numComponents) {
    IComponent const& model = source.getComponent(target.getNumComponents());
    // The name is read before the type, not in whatever order a call's arguments run. It
    // is copied, not referenced: making a component may move the source's components
    // when a host's model is both source and target.
    // NOLINTNEXTLINE(performance-unnecessary-copy-initialization)
    std::string const name = model.getName();
    IComponent::Type const type = model.getType();
    target.makeComponent(name, type);
  }
}

}  // namespace

void copy(IComponent const& source, IComponent& target, int flags) {
  for (int key = 0; key < kNumComponentProperties; ++key) {
    transferProperty(source, target, static_cast<IComponent::Property>(key));
  }
  target.setVolatilityType(source.getVolatilityType());
  target.setCompressibilityType(source.getCompressibilityType());
  target.setOilViscosityCorrelation(source.getOilViscosityCorrelation());
  target.setOilViscosityCorrelationUsage(source.getOilViscosityCorrelationUsage());
  if (!target.isSolubleInAqueousPhase()) {
    return;
  }
  // A component reporting itself soluble is expected to be an aqueous-soluble component;
  // the solubility tables are copied only when both sides really are.
  auto const* aqueousSource = dynamic_cast<IAqueousSolubleComponent const*>(&source);
  auto* aqueousTarget = dynamic_cast<IAqueousSolubleComponent*>(&target);
  if (aqueousSource != nullptr && aqueousTarget != nullptr) {
    copy(*aqueousSource, *aqueousTarget, flags);
  }
}

void copy(ICompositionalModel const& source, ICompositionalModel& target, int flags) {
  detail::copyFluidModel(source, target, flags,
                         detail::isLibraryModel(source) && detail::isLibraryModel(target));
  target.setEquationOfState(source.getEquationOfState());
  if (!detail::hasFlag(flags, detail::kCopyComponents)) {
    return;
  }
  alignComponents(source, target);
  int const numComponents = source.getNumComponents();
  for (int i = 0; i < numComponents; ++i) {
    // The source's component is fetched before the target's: as arguments of one call
    // the two lookups would run in an order the compiler picks.
    IComponent const& from = source.getComponent(i);
    copy(from, target.getComponent(i), flags);
    // The coefficients are symmetric and a 0.0 removes an entry, so writing each pair
    // once, below the diagonal, makes the whole matrix agree for these components.
    for (int j = 0; j < i; ++j) {
      target.getBICs().setBIC(i, j, source.getBICs().getBIC(i, j));
    }
  }
}

void copy(ICompositionalModel const& source, ICompositionalModel& target,
          IComponent::Property property) {
  alignComponents(source, target);
  int const numComponents = source.getNumComponents();
  for (int i = 0; i < numComponents; ++i) {
    IComponent const& from = source.getComponent(i);
    transferProperty(from, target.getComponent(i), property);
  }
}

}  // namespace Orv::Tess::Varnak
