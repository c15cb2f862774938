// The generations of the addresses the bindings made or destroyed objects at.
#include "Ref.h"

#include <unordered_map>

namespace Orv::Tess::Varnak::Python {

namespace {
// One map for the module, used under the interpreter lock only. It grows with the number
// of distinct addresses ever used for a made or deleted object, not with the calls.
std::unordered_map<void const*, std::uint64_t>& generations() {
  static std::unordered_map<void const*, std::uint64_t> map;
  return map;
}
}  // namespace

std::uint64_t generationOf(void const* address) {
  auto const& map = generations();
  auto found = map.find(address);
  return found == map.end() ? 0 : found->second;
}

void renew(void const* address) {
  if (address) ++generations()[address];
}

RefBase::~RefBase() = default;

void RefBase::stale() const {
  throw DeletedObjectError(label_ + " no longer exists: its owner deleted or replaced it");
}

}  // namespace Orv::Tess::Varnak::Python
