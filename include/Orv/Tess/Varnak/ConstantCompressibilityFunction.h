// ConstantCompressibilityFunction: the exponential law of a constant compressibility.
//
// A fluid with constant compressibility (or viscosibility) c changes a property y with
// pressure x as y(x) = y0 · exp(c · (x − x0)) around a reference point (x0, y0). For an
// undersaturated oil formation volume factor c is the negated compressibility; for a
// viscosity it is the viscosibility itself. A small value class, independent of the
// tables; the library itself never evaluates it.
#ifndef ORV_TESS_VARNAK_CONSTANTCOMPRESSIBILITYFUNCTION_H
#define ORV_TESS_VARNAK_CONSTANTCOMPRESSIBILITYFUNCTION_H

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API ConstantCompressibilityFunction {
 public:
  // The law through (x0, y0) with exponent coefficient c. Note the argument order:
  // the reference point first, the coefficient last.
  ConstantCompressibilityFunction(double x0, double y0, double c);

  // Returns y0 · exp((x − x0) · c): the exponential of the product, times y0.
  double operator()(double x) const;

 private:
  double c_;
  double x0_;
  double y0_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_CONSTANTCOMPRESSIBILITYFUNCTION_H
