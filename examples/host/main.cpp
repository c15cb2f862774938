// A small host program: what a pre-processor does with the library, step by step.
#include <cstdio>

#include "Orv/Tess/Varnak.h"

namespace ovt = Orv::Tess::Varnak;

int main() {
  std::printf("Library identity\n");
  for (int i = 0; i < ovt::getNumLibProperties(); ++i) {
    char const* key = nullptr;
    char const* value = nullptr;
    ovt::getLibProperty(i, key, value);
    std::printf("  %-18s %s\n", key, value);
  }
  return 0;
}
