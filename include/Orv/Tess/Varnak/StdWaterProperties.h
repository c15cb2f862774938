// StdWaterProperties: the library's water properties.
//
// Every scalar starts at 0.0; there are no brine components and no brine property table
// at first. Each brine component lives in its own allocation, so a reference to one stays
// valid for as long as the water properties live, however many components are added
// later. The brine property table is owned exclusively. A copy duplicates the scalars,
// the brine components (in order) and the brine property table; there is no move and no
// assignment.
#ifndef ORV_TESS_VARNAK_STDWATERPROPERTIES_H
#define ORV_TESS_VARNAK_STDWATERPROPERTIES_H

#include <memory>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IWaterProperties.h"

namespace Orv::Tess::Varnak {

class StdBrineComponent;
class StdBrinePropertyTable;

class ORV_TESS_VARNAK_API StdWaterProperties : public IWaterProperties {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdWaterProperties();
  StdWaterProperties(StdWaterProperties const& other);
  StdWaterProperties& operator=(StdWaterProperties const&) = delete;
  ~StdWaterProperties() override;

  // The water density at surface conditions (0.0 at first); stored as given.
  double getSurfaceDensity() const override;
  void setSurfaceDensity(double value) override;
  void setPressure(double value) override;
  double getPressure() const override;
  void setFormationVolumeFactor(double value) override;
  double getFormationVolumeFactor() const override;
  void setCompressibility(double value) override;
  double getCompressibility() const override;
  void setViscosity(double value) override;
  double getViscosity() const override;
  void setViscosibility(double value) override;
  double getViscosibility() const override;

  void setKValueCoefficientA(double value) override;
  double getKValueCoefficientA() const override;
  void setKValueCoefficientB(double value) override;
  double getKValueCoefficientB() const override;
  void setKValueCoefficientC(double value) override;
  double getKValueCoefficientC() const override;
  void setKValueCoefficientD(double value) override;
  double getKValueCoefficientD() const override;
  void setKValueCoefficientE(double value) override;
  double getKValueCoefficientE() const override;

  void setReferenceTemperature(double value) override;
  double getReferenceTemperature() const override;
  void setThermalExpansionCoefficient1(double value) override;
  double getThermalExpansionCoefficient1() const override;
  void setThermalExpansionCoefficient2(double value) override;
  double getThermalExpansionCoefficient2() const override;

  IBrineComponent& makeBrineComponent(SaltMoleculeType const& type) override;
  int getNumBrineComponents() const override;
  IBrineComponent& getBrineComponent(std::string const& name) override;
  IBrineComponent const& getBrineComponent(std::string const& name) const override;
  IBrineComponent& getBrineComponent(int index) override;
  IBrineComponent const& getBrineComponent(int index) const override;
  bool hasBrineComponent(SaltMoleculeType const& type) const override;

  IBrinePropertyTable& makeBrinePropertyTable() override;
  IBrinePropertyTable* getBrinePropertyTable() override;
  IBrinePropertyTable const* getBrinePropertyTable() const override;
  void deleteBrinePropertyTable() override;

 private:
  // Throws std::range_error unless 0 <= index < getNumBrineComponents().
  void validateBrineComponentIndex(int index) const;

  double surfaceDensity_ = 0.0;
  double pressure_ = 0.0;
  double formationVolumeFactor_ = 0.0;
  double compressibility_ = 0.0;
  double viscosity_ = 0.0;
  double viscosibility_ = 0.0;
  double kValueCoefficientA_ = 0.0;
  double kValueCoefficientB_ = 0.0;
  double kValueCoefficientC_ = 0.0;
  double kValueCoefficientD_ = 0.0;
  double kValueCoefficientE_ = 0.0;
  double referenceTemperature_ = 0.0;
  double thermalExpansionCoefficient1_ = 0.0;
  double thermalExpansionCoefficient2_ = 0.0;
  std::vector<std::unique_ptr<StdBrineComponent>> brineComponents_;
  std::unique_ptr<StdBrinePropertyTable> brinePropertyTable_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDWATERPROPERTIES_H
