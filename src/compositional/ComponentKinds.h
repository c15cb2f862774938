// How the compositional model makes, owns and recognises its two component kinds.
//
// An aqueous-soluble component holds two IComponent bases (its interface's and
// StdComponent's), so it cannot be converted to IComponent implicitly; the library always
// converts through its IAqueousSolubleComponent base. Recognising the kind of a component
// held as IComponent is a run-time checked conversion, which succeeds from either base.
#ifndef ORV_TESS_VARNAK_SRC_COMPOSITIONAL_COMPONENTKINDS_H
#define ORV_TESS_VARNAK_SRC_COMPOSITIONAL_COMPONENTKINDS_H

#include <memory>
#include <string>

#include "Orv/Tess/Varnak/IAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/IComponent.h"
#include "Orv/Tess/Varnak/StdAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/StdComponent.h"

namespace Orv::Tess::Varnak::detail {

// The type text of the "is not of type IAqueousSolubleComponent (type is ...)" messages:
// the name of the type pointer-to-IComponent, the same whatever the component is, and
// fixed so that the messages read alike on every platform.
inline constexpr char kComponentPointerTypeText[] = "class Orv::Tess::Varnak::IComponent *";

// Returns the IComponent view of an aqueous-soluble component, through its one named base.
inline IComponent& asComponent(StdAqueousSolubleComponent& component) {
  return static_cast<IAqueousSolubleComponent&>(component);
}
inline IComponent const& asComponent(StdAqueousSolubleComponent const& component) {
  return static_cast<IAqueousSolubleComponent const&>(component);
}

// Makes the object a model keeps for a new component: a StdComponent for a plain component,
// a StdAqueousSolubleComponent (owned through its IAqueousSolubleComponent base) for an
// aqueous-soluble one. Returns null for any other type, which the caller reports.
inline std::unique_ptr<IComponent> makeComponentOfType(std::string const& name,
                                                       IComponent::Type type) {
  switch (type) {
    case IComponent::Type::Plain:
      return std::make_unique<StdComponent>(name, type);
    case IComponent::Type::AqueousSoluble: {
      std::unique_ptr<IAqueousSolubleComponent> made =
          std::make_unique<StdAqueousSolubleComponent>(name);
      return made;
    }
  }
  return nullptr;
}

// Returns `component` as an aqueous-soluble component, or null when it is not one.
inline IAqueousSolubleComponent* asAqueousSolubleComponent(IComponent& component) {
  return dynamic_cast<IAqueousSolubleComponent*>(&component);
}
inline IAqueousSolubleComponent const* asAqueousSolubleComponent(IComponent const& component) {
  return dynamic_cast<IAqueousSolubleComponent const*>(&component);
}

}  // namespace Orv::Tess::Varnak::detail

#endif  // ORV_TESS_VARNAK_SRC_COMPOSITIONAL_COMPONENTKINDS_H
