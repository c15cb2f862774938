// A host built against the installed library, by CMake or by pkg-config. It includes
// the umbrella header, calls the library across its boundary and uses the type
// information of an exported interface, then prints the library's identity. It exits
// with 1 if anything it sees is not what the installed library must provide.
#include <cstdio>
#include <cstring>
#include <typeinfo>

#include "Orv/Tess/Varnak.h"

namespace ovt = Orv::Tess::Varnak;

int main() {
  int const count = ovt::getNumLibProperties();
  if (count != 7) {
    std::printf("getNumLibProperties() returned %d\n", count);
    return 1;
  }
  for (int i = 0; i < count; ++i) {
    char const* key = nullptr;
    char const* value = nullptr;
    ovt::getLibProperty(i, key, value);
    std::printf("%-16s %s\n", key, value);
  }
  char const* key = nullptr;
  char const* value = nullptr;
  ovt::getLibProperty(4, key, value);
  if (std::strcmp(key, "InternalName") != 0 || std::strcmp(value, "Orv.Tess.Varnak") != 0) {
    std::printf("unexpected InternalName property\n");
    return 1;
  }
  // The interface's type information lives in the library (its destructor is defined
  // there), so this links only if the class is exported.
  std::printf("interface type  %s\n", typeid(ovt::IFluidModel).name());
  return 0;
}
