// The flat tables' index error, raised out of line (see FlatTable.h).
#include "frame/FlatTable.h"

#include <stdexcept>

namespace Orv::Tess::Varnak::detail {

void throwRangeError(char const* text) { throw std::range_error(text); }

}  // namespace Orv::Tess::Varnak::detail
