// The brine component: a salt kind whose name is its chemical formula.
#include "Orv/Tess/Varnak/StdBrineComponent.h"

#include <array>

namespace Orv::Tess::Varnak {

namespace {

// Formulae of the salt kinds, indexed by their integer value.
constexpr std::array<char const*, 12> kSaltNames = {"NACL",   "KCL",   "CACL2", "MGCL2",
                                                    "NA2CO3", "K2CO3", "CACO3", "MGCO3",
                                                    "NA2SO4", "K2SO4", "CASO4", "MGSO4"};

}  // namespace

StdBrineComponent::StdBrineComponent(SaltMoleculeType type) : type_(type) {}

StdBrineComponent::~StdBrineComponent() = default;

std::string StdBrineComponent::getName() const {
  int const value = static_cast<int>(type_);
  if (value < 0 || value >= static_cast<int>(kSaltNames.size())) return std::string();
  return kSaltNames[static_cast<std::size_t>(value)];
}

IBrineComponent::SaltMoleculeType StdBrineComponent::getSaltMoleculeType() const { return type_; }

void StdBrineComponent::setSaltMoleculeType(SaltMoleculeType type) { type_ = type; }

}  // namespace Orv::Tess::Varnak
