// The example host program is a tour in sections, one per part of a fluid description.
// Each section builds something through the library's interfaces and prints it.
#ifndef ORV_TESS_VARNAK_EXAMPLES_HOST_SECTIONS_H
#define ORV_TESS_VARNAK_EXAMPLES_HOST_SECTIONS_H

void showLibraryIdentity();
void showWaterAndInitialConditions();
void showBlackOilTables();
void showCompositionalFluid();
void showCopies();
void showFluidDescription();

#endif
