// The library's identity: seven fixed key/value pairs (company, versions, names),
// the same strings that make up the version resource of the Windows DLL.
#ifndef ORV_TESS_VARNAK_LIBRARYPROPERTIES_H
#define ORV_TESS_VARNAK_LIBRARYPROPERTIES_H

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

// Returns the number of library properties: always 7.
ORV_TESS_VARNAK_API int getNumLibProperties();

// Stores the key and the value of property `index` (0 to 6) in `key` and `value`.
// Both strings are constant, zero-terminated and live as long as the library.
// For any other index (negative ones included) both are set to the same empty string.
ORV_TESS_VARNAK_API void getLibProperty(int index, char const*& key, char const*& value);

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_LIBRARYPROPERTIES_H
