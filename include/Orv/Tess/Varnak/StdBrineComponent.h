// StdBrineComponent: the library's brine component, a salt kind held by value.
//
// Copies and moves copy the kind. Water properties own their brine components; hosts
// may also construct stand-alone components.
#ifndef ORV_TESS_VARNAK_STDBRINECOMPONENT_H
#define ORV_TESS_VARNAK_STDBRINECOMPONENT_H

#include <string>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IBrineComponent.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdBrineComponent : public IBrineComponent {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  explicit StdBrineComponent(SaltMoleculeType type);
  StdBrineComponent(StdBrineComponent const&) = default;
  StdBrineComponent(StdBrineComponent&&) = default;
  StdBrineComponent& operator=(StdBrineComponent const&) = default;
  StdBrineComponent& operator=(StdBrineComponent&&) = default;
  ~StdBrineComponent() override;

  std::string getName() const override;
  SaltMoleculeType getSaltMoleculeType() const override;
  void setSaltMoleculeType(SaltMoleculeType type) override;

 private:
  SaltMoleculeType type_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDBRINECOMPONENT_H
