#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "support/Support.h"

using namespace Orv::Tess::Varnak;
using support::observe;
using Salt = IBrineComponent::SaltMoleculeType;

namespace {

Salt salt(int value) { return static_cast<Salt>(value); }

}  // namespace

TEST(StdWaterProperties, StartsEmptyAndKeepsEachScalarInItsOwnPlace) {
  using W = IWaterProperties;
  struct Scalar {
    void (W::*set)(double);
    double (W::*get)() const;
  };
  Scalar const scalars[] = {
      {&W::setSurfaceDensity, &W::getSurfaceDensity},
      {&W::setPressure, &W::getPressure},
      {&W::setFormationVolumeFactor, &W::getFormationVolumeFactor},
      {&W::setCompressibility, &W::getCompressibility},
      {&W::setViscosity, &W::getViscosity},
      {&W::setViscosibility, &W::getViscosibility},
      {&W::setKValueCoefficientA, &W::getKValueCoefficientA},
      {&W::setKValueCoefficientB, &W::getKValueCoefficientB},
      {&W::setKValueCoefficientC, &W::getKValueCoefficientC},
      {&W::setKValueCoefficientD, &W::getKValueCoefficientD},
      {&W::setKValueCoefficientE, &W::getKValueCoefficientE},
      {&W::setReferenceTemperature, &W::getReferenceTemperature},
      {&W::setThermalExpansionCoefficient1, &W::getThermalExpansionCoefficient1},
      {&W::setThermalExpansionCoefficient2, &W::getThermalExpansionCoefficient2},
  };
  StdWaterProperties water;
  EXPECT_EQ(water.getNumBrineComponents(), 0);
  EXPECT_EQ(water.getBrinePropertyTable(), nullptr);
  for (Scalar const& s : scalars) EXPECT_EQ((water.*s.get)(), 0.0);
  // Distinct values, all set before any is read, expose a setter wired to the wrong field.
  // (rows + k)->: GCC 12's bounds sanitizer misreads a subscript inside a member-pointer call.
  for (std::size_t k = 0; k < std::size(scalars); ++k) (water.*(scalars + k)->set)(k + 0.5);
  for (std::size_t k = 0; k < std::size(scalars); ++k)
    EXPECT_EQ((water.*(scalars + k)->get)(), k + 0.5);
}

TEST(StdBrineComponent, NamesEverySaltByItsFormulaAndKeepsUnknownKinds) {
  char const* const formulae[] = {"NACL",  "KCL",   "CACL2",  "MGCL2", "NA2CO3", "K2CO3",
                                  "CACO3", "MGCO3", "NA2SO4", "K2SO4", "CASO4",  "MGSO4"};
  for (int value = 0; value < 12; ++value) {
    EXPECT_EQ(StdBrineComponent(salt(value)).getName(), formulae[value]) << value;
  }
  for (int value : {-1, 12, 1000}) {
    StdBrineComponent unknown(salt(value));
    EXPECT_EQ(unknown.getName(), "");
    EXPECT_EQ(static_cast<int>(unknown.getSaltMoleculeType()), value);
  }
  StdBrineComponent component(Salt::NACL);
  StdBrineComponent copy(component);
  component.setSaltMoleculeType(Salt::CASO4);
  EXPECT_EQ(component.getName(), "CASO4");
  EXPECT_EQ(copy.getName(), "NACL");  // a copy owns its kind
  copy = component;
  EXPECT_EQ(copy.getSaltMoleculeType(), Salt::CASO4);
}

TEST(StdWaterProperties, MakesOneBrineComponentPerKindAndFindsItByNameAndIndex) {
  StdWaterProperties water;
  StdWaterProperties const& view = water;
  IBrineComponent& nacl = water.makeBrineComponent(Salt::NACL);
  IBrineComponent& kcl = water.makeBrineComponent(Salt::KCL);
  IBrineComponent& odd = water.makeBrineComponent(salt(12));  // unknown: the empty name
  EXPECT_EQ(&water.getBrineComponent(0), &nacl);
  EXPECT_EQ(&view.getBrineComponent(1), &kcl);
  EXPECT_EQ(&water.getBrineComponent("KCL"), &kcl);
  EXPECT_EQ(&view.getBrineComponent(""), &odd);
  EXPECT_TRUE(water.hasBrineComponent(Salt::KCL));
  EXPECT_FALSE(water.hasBrineComponent(Salt::MGSO4));

  auto const before = observe(water);
  EXPECT_THROW_EXACT(water.makeBrineComponent(Salt::NACL), std::invalid_argument,
                     "IWaterProperties cannot make a duplicate brine component named 'NACL'");
  EXPECT_THROW_EXACT(water.makeBrineComponent(salt(12)), std::invalid_argument,
                     "IWaterProperties cannot make a duplicate brine component named ''");
  for (std::string name : {"kcl", "KCL ", "MGSO4"}) {
    std::string const text = "Water Properties does not contain brine component '" + name + "'.";
    EXPECT_THROW_EXACT(water.getBrineComponent(name), std::invalid_argument, text);
    EXPECT_THROW_EXACT(view.getBrineComponent(name), std::invalid_argument, text);
  }
  for (int index : {-1, 3, 2147483647}) {
    std::string const text =
        "Invalid IBrineComponent index (" + std::to_string(index) + ") passed to IWaterProperties.";
    EXPECT_THROW_EXACT(water.getBrineComponent(index), std::range_error, text);
    EXPECT_THROW_EXACT(view.getBrineComponent(index), std::range_error, text);
  }
  EXPECT_EQ(observe(water), before);

  // Retyping a component changes what lookups find; the earlier of two namesakes wins,
  // and the freed kind can be made again.
  nacl.setSaltMoleculeType(Salt::KCL);
  EXPECT_FALSE(water.hasBrineComponent(Salt::NACL));
  EXPECT_EQ(&water.getBrineComponent("KCL"), &nacl);
  water.makeBrineComponent(Salt::NACL);
  EXPECT_EQ(water.getNumBrineComponents(), 4);

  // References stay valid however many components follow.
  for (int value = 13; value < 200; ++value) water.makeBrineComponent(salt(-value));
  EXPECT_EQ(&water.getBrineComponent(1), &kcl);
  EXPECT_EQ(kcl.getName(), "KCL");
}

TEST(StdWaterProperties, OwnsAtMostOneBrinePropertyTable) {
  StdWaterProperties water;
  water.deleteBrinePropertyTable();  // nothing to delete
  IBrinePropertyTable& first = water.makeBrinePropertyTable();
  first.setTableSize(2);
  first.setReferencePressure(200.0);
  EXPECT_EQ(water.getBrinePropertyTable(), &first);

  IBrinePropertyTable& second = water.makeBrinePropertyTable();  // replaces, never refuses
  EXPECT_EQ(observe(second), observe(StdBrinePropertyTable()));
  EXPECT_EQ(static_cast<StdWaterProperties const&>(water).getBrinePropertyTable(), &second);
  water.deleteBrinePropertyTable();
  EXPECT_EQ(water.getBrinePropertyTable(), nullptr);
}

TEST(StdWaterProperties, CopyDuplicatesComponentsAndBrineTable) {
  StdWaterProperties source;
  source.setViscosity(0.31);
  source.setThermalExpansionCoefficient2(7e-7);
  source.makeBrineComponent(Salt::MGCL2);
  source.makeBrineComponent(Salt::NACL);
  IBrinePropertyTable& table = source.makeBrinePropertyTable();
  table.setTableSize(2);
  table.setViscosity(1, 0.6);
  auto const state = observe(source);

  StdWaterProperties copy(source);
  EXPECT_EQ(observe(copy), state);
  copy.getBrinePropertyTable()->setViscosity(1, 9.0);
  copy.getBrineComponent(0).setSaltMoleculeType(Salt::K2SO4);
  copy.deleteBrinePropertyTable();
  EXPECT_EQ(observe(source), state);
  StdWaterProperties const bare;
  EXPECT_EQ(StdWaterProperties(bare).getBrinePropertyTable(), nullptr);
}
