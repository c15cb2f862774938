// IBrineComponent: one salt dissolved in the formation water.
//
// A brine component names the salt by its kind; its name is derived from the kind (the
// salt's chemical formula in capitals), so changing the kind renames it. Brine components
// are made and owned by the water properties (IWaterProperties::makeBrineComponent).
#ifndef ORV_TESS_VARNAK_IBRINECOMPONENT_H
#define ORV_TESS_VARNAK_IBRINECOMPONENT_H

#include <string>

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API IBrineComponent {
 public:
  // The salts a brine can carry. Any other integer may be stored as a kind too; it has
  // the empty name.
  enum class SaltMoleculeType : int {
    NACL = 0,    // sodium chloride
    KCL = 1,     // potassium chloride
    CACL2 = 2,   // calcium chloride
    MGCL2 = 3,   // magnesium chloride
    NA2CO3 = 4,  // sodium carbonate
    K2CO3 = 5,   // potassium carbonate
    CACO3 = 6,   // calcium carbonate
    MGCO3 = 7,   // magnesium carbonate
    NA2SO4 = 8,  // sodium sulphate
    K2SO4 = 9,   // potassium sulphate
    CASO4 = 10,  // calcium sulphate
    MGSO4 = 11,  // magnesium sulphate
  };

  // The interface holds no data; its implementations copy, move and destroy theirs.
  IBrineComponent() = default;
  IBrineComponent(IBrineComponent const&) = default;
  IBrineComponent& operator=(IBrineComponent const&) = default;
  virtual ~IBrineComponent();

  // Returns the salt's formula ("NACL", "KCL", …), or "" for a kind outside 0..11.
  virtual std::string getName() const = 0;
  // Returns the stored salt kind, unchanged (also when it is outside 0..11).
  virtual SaltMoleculeType getSaltMoleculeType() const = 0;
  // Replaces the salt kind; the name follows it.
  virtual void setSaltMoleculeType(SaltMoleculeType type) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IBRINECOMPONENT_H
