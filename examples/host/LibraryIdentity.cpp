#include <cstdio>

#include "Orv/Tess/Varnak.h"
#include "Sections.h"

namespace ovt = Orv::Tess::Varnak;

void showLibraryIdentity() {
  std::printf("Library identity\n");
  for (int i = 0; i < ovt::getNumLibProperties(); ++i) {
    char const* key = nullptr;
    char const* value = nullptr;
    ovt::getLibProperty(i, key, value);
    std::printf("  %-18s %s\n", key, value);
  }
}
