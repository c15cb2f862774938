#include "Orv/Tess/Varnak/StdCompositionKValueTable.h"

namespace Orv::Tess::Varnak {

StdCompositionKValueTable::StdCompositionKValueTable() = default;
StdCompositionKValueTable::StdCompositionKValueTable(StdCompositionKValueTable const&) = default;
StdCompositionKValueTable::StdCompositionKValueTable(StdCompositionKValueTable&&) noexcept =
    default;
StdCompositionKValueTable& StdCompositionKValueTable::operator=(StdCompositionKValueTable const&) =
    default;
StdCompositionKValueTable& StdCompositionKValueTable::operator=(
    StdCompositionKValueTable&&) noexcept = default;
StdCompositionKValueTable::~StdCompositionKValueTable() = default;

double StdCompositionKValueTable::getComposition() const { return composition_; }

void StdCompositionKValueTable::setComposition(double value) { composition_ = value; }

int StdCompositionKValueTable::getNominatedComponent() const { return nominatedComponent_; }

void StdCompositionKValueTable::setNominatedComponent(int component) {
  nominatedComponent_ = component;
}

}  // namespace Orv::Tess::Varnak
