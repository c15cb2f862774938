// The exponential law of a constant compressibility.
#include "Orv/Tess/Varnak/ConstantCompressibilityFunction.h"

#include <cmath>

namespace Orv::Tess::Varnak {

ConstantCompressibilityFunction::ConstantCompressibilityFunction(double x0, double y0, double c)
    : c_(c), x0_(x0), y0_(y0) {}

double ConstantCompressibilityFunction::operator()(double x) const {
  return std::exp((x - x0_) * c_) * y0_;
}

}  // namespace Orv::Tess::Varnak
