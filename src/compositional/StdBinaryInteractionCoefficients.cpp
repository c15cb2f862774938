#include "Orv/Tess/Varnak/StdBinaryInteractionCoefficients.h"

#include <algorithm>

namespace Orv::Tess::Varnak {

namespace {

// The key of the unordered pair {i, j}: the matrix is symmetric, so one entry serves both.
std::pair<int, int> pairKey(int i, int j) { return {std::min(i, j), std::max(i, j)}; }

}  // namespace

StdBinaryInteractionCoefficients::StdBinaryInteractionCoefficients() = default;
StdBinaryInteractionCoefficients::StdBinaryInteractionCoefficients(
    StdBinaryInteractionCoefficients const&) = default;
StdBinaryInteractionCoefficients::StdBinaryInteractionCoefficients(
    StdBinaryInteractionCoefficients&&) noexcept = default;
StdBinaryInteractionCoefficients& StdBinaryInteractionCoefficients::operator=(
    StdBinaryInteractionCoefficients const& other) {
  auto copy = other.coefficients_;  // copy first: a failed copy leaves the target as it was
  coefficients_.swap(copy);
  return *this;
}
StdBinaryInteractionCoefficients& StdBinaryInteractionCoefficients::operator=(
    StdBinaryInteractionCoefficients&&) noexcept = default;
StdBinaryInteractionCoefficients::~StdBinaryInteractionCoefficients() = default;

double StdBinaryInteractionCoefficients::getBIC(int i, int j) const {
  auto const found = coefficients_.find(pairKey(i, j));
  return found == coefficients_.end() ? 0.0 : found->second;
}

void StdBinaryInteractionCoefficients::setBIC(int i, int j, double value) {
  // A component does not interact with itself, and an absent pair reads 0.0: neither is
  // stored, which keeps the map to the pairs that carry information.
  if (i == j || value == 0.0) {
    coefficients_.erase(pairKey(i, j));
    return;
  }
  coefficients_.insert_or_assign(pairKey(i, j), value);
}

}  // namespace Orv::Tess::Varnak
