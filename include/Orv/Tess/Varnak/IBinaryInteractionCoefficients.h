// IBinaryInteractionCoefficients: the binary interaction coefficients k(i, j) of an
// equation of state, a sparse symmetric matrix indexed by pairs of component indices.
//
// k(i, j) corrects the attraction term of the mixing rule for the pair of components i
// and j; it is symmetric and zero on the diagonal. The matrix has no size: any pair of
// ints is a valid index, and a pair never set reads 0.0. The compositional model owns
// its matrices as members and rewrites them when it deletes a component.
#ifndef ORV_TESS_VARNAK_IBINARYINTERACTIONCOEFFICIENTS_H
#define ORV_TESS_VARNAK_IBINARYINTERACTIONCOEFFICIENTS_H

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API IBinaryInteractionCoefficients {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  IBinaryInteractionCoefficients() = default;
  IBinaryInteractionCoefficients(IBinaryInteractionCoefficients const&) = default;
  IBinaryInteractionCoefficients& operator=(IBinaryInteractionCoefficients const&) = default;
  virtual ~IBinaryInteractionCoefficients();

  // Returns the coefficient of the pair {i, j}: getBIC(i, j) == getBIC(j, i), and 0.0 for
  // i == j or a pair never set. Never throws.
  virtual double getBIC(int i, int j) const = 0;
  // Sets the coefficient of the pair {i, j}. Setting 0.0 (of either sign), or any value
  // on the diagonal, removes the pair; every other value, NaN included, is stored.
  virtual void setBIC(int i, int j, double value) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IBINARYINTERACTIONCOEFFICIENTS_H
