// interpolate on any table that is not exactly a StdDepthTable: through its interface,
// in the order a host's table sees the calls (see DepthTableRows.h).
#include <typeinfo>

#include "Orv/Tess/Varnak/IDepthTable.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"
#include "frame/Access.h"
#include "initial/DepthTableRows.h"

namespace Orv::Tess::Varnak::detail {

double interpolateOther(IDepthTable const& table, double depth, int component, bool extrapolate) {
  if (auto const* own = exactly<StdDepthTable>(table)) {
    return interpolateOwn(*own, depth, component, extrapolate);
  }
  int const n = table.getNumDepths();
  if (n == 0) throwEmpty("Cannot interpolate empty table.");
  return interpolateRows(InterfaceRows<IDepthTable const>(table), n, depth, component, extrapolate);
}

}  // namespace Orv::Tess::Varnak::detail
