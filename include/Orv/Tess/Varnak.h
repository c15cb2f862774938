// Umbrella header: includes every public header of the library.
#ifndef ORV_TESS_VARNAK_H
#define ORV_TESS_VARNAK_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/LibraryProperties.h"

#endif  // ORV_TESS_VARNAK_H
