// A small host program: what a pre-processor does with the library, section by section.
#include "Sections.h"

int main() {
  showLibraryIdentity();
  showWaterAndInitialConditions();
  showBlackOilTables();
  showCompositionalFluid();
  showCopies();
  showFluidDescription();
  return 0;
}
