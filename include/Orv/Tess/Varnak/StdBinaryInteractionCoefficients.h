// StdBinaryInteractionCoefficients: the binary interaction coefficients as a map from
// the ordered pair (lower index, higher index) to the coefficient. Only off-diagonal
// pairs with a non-zero value are stored. Copies are independent and carry the map.
#ifndef ORV_TESS_VARNAK_STDBINARYINTERACTIONCOEFFICIENTS_H
#define ORV_TESS_VARNAK_STDBINARYINTERACTIONCOEFFICIENTS_H

#include <map>
#include <utility>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IBinaryInteractionCoefficients.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdBinaryInteractionCoefficients : public IBinaryInteractionCoefficients {
 public:
  // An empty matrix: every coefficient reads 0.0.
  StdBinaryInteractionCoefficients();
  // Copies and moves as the description at the top of this header says.
  StdBinaryInteractionCoefficients(StdBinaryInteractionCoefficients const& other);
  StdBinaryInteractionCoefficients(StdBinaryInteractionCoefficients&& other) noexcept;
  StdBinaryInteractionCoefficients& operator=(StdBinaryInteractionCoefficients const& other);
  StdBinaryInteractionCoefficients& operator=(StdBinaryInteractionCoefficients&& other) noexcept;
  ~StdBinaryInteractionCoefficients() override;

  double getBIC(int i, int j) const override;
  void setBIC(int i, int j, double value) override;

 private:
  std::map<std::pair<int, int>, double> coefficients_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDBINARYINTERACTIONCOEFFICIENTS_H
