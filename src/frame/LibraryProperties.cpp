// The seven identity pairs reported by getLibProperty. The values come from the
// generated identity header, shared with the Windows version resource.
#include "Orv/Tess/Varnak/LibraryProperties.h"

#include "LibraryIdentity.h"

namespace Orv::Tess::Varnak {
namespace {

struct Property {
  char const* key;
  char const* value;
};

constexpr Property kProperties[] = {
    {"CompanyName", ORV_TESS_VARNAK_COMPANY_NAME},
    {"FileVersion", ORV_TESS_VARNAK_FILE_VERSION},
    {"FileDescription", ORV_TESS_VARNAK_FILE_DESCRIPTION},
    {"ProductVersion", ORV_TESS_VARNAK_PRODUCT_VERSION},
    {"InternalName", ORV_TESS_VARNAK_INTERNAL_NAME},
    {"LegalCopyright", ORV_TESS_VARNAK_LEGAL_COPYRIGHT},
    {"OriginalFilename", ORV_TESS_VARNAK_ORIGINAL_FILENAME},
};

constexpr char kEmpty[] = "";

}  // namespace

int getNumLibProperties() { return static_cast<int>(sizeof kProperties / sizeof kProperties[0]); }

void getLibProperty(int index, char const*& key, char const*& value) {
  // The test is unsigned, so negative indices fall outside as well.
  auto const i = static_cast<unsigned>(index);
  if (i < static_cast<unsigned>(getNumLibProperties())) {
    key = kProperties[i].key;
    value = kProperties[i].value;
  } else {
    key = kEmpty;
    value = kEmpty;
  }
}

}  // namespace Orv::Tess::Varnak
