// StdCompressibleOilTable: the library's implementation of ICompressibleOilTable.
//
// Holds a StdOilTable by value and answers every IOilTable operation from it; beside it,
// one (compressibility, viscosibility) pair per saturated row, kept in step with the
// rows by setSaturatedSize, and four plain thermal values (molecular weight, specific
// heat, two temperature expansion coefficients), 0.0 at first. A new table has no rows.
//
// A value: copies duplicate the inner table, the pairs and the thermal values.
#ifndef ORV_TESS_VARNAK_STDCOMPRESSIBLEOILTABLE_H
#define ORV_TESS_VARNAK_STDCOMPRESSIBLEOILTABLE_H

#include <memory>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ICompressibleOilTable.h"
#include "Orv/Tess/Varnak/IOilTable.h"
#include "Orv/Tess/Varnak/StdOilTable.h"

namespace Orv::Tess::Varnak {

namespace detail {
template <class T>
struct Access;
}  // namespace detail

class ORV_TESS_VARNAK_API StdCompressibleOilTable : public ICompressibleOilTable {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdCompressibleOilTable();
  StdCompressibleOilTable(StdCompressibleOilTable const& other);
  StdCompressibleOilTable(StdCompressibleOilTable&& other) noexcept;
  StdCompressibleOilTable& operator=(StdCompressibleOilTable const& other);
  StdCompressibleOilTable& operator=(StdCompressibleOilTable&& other) noexcept;
  ~StdCompressibleOilTable() override;

  double getSurfaceDensity() const override;
  void setSurfaceDensity(double density) override;
  int getSaturatedSize() const override;
  int getUndersaturatedSize(int sat) const override;
  double getGasOilRatio(int sat) const override;
  double getPressure(int sat, int usat) const override;
  double getFormationVolumeFactor(int sat, int usat) const override;
  double getViscosity(int sat, int usat) const override;
  // Resizes the rows and the per-row pairs together (new pairs are 0.0, 0.0). Throws
  // as IOilTable::setSaturatedSize, changing neither.
  void setSaturatedSize(int size) override;
  void setUndersaturatedSize(int sat, int size) override;
  void setGasOilRatio(int sat, double ratio) override;
  void setPressure(int sat, int usat, double pressure) override;
  void setFormationVolumeFactor(int sat, int usat, double factor) override;
  void setViscosity(int sat, int usat, double viscosity) override;
  // Returns a new StdCompressibleOilTable copied from this one.
  std::unique_ptr<IOilTable> clone() const override;

  double getCompressibility(int sat) const override;
  double getViscosibility(int sat) const override;
  void setCompressibility(int sat, double compressibility) override;
  void setViscosibility(int sat, double viscosibility) override;

  double getMolecularWeight() const override;
  double getSpecificHeat() const override;
  double getTemperatureExpansionCoefficient() const override;
  double getTemperatureSquaredExpansionCoefficient() const override;
  void setMolecularWeight(double weight) override;
  void setSpecificHeat(double heat) override;
  void setTemperatureExpansionCoefficient(double coefficient) override;
  void setTemperatureSquaredExpansionCoefficient(double coefficient) override;

 private:
  friend struct detail::Access<StdCompressibleOilTable>;  // the copies read the storage directly

  void validateCoefficients(int sat) const;

  StdOilTable table_;
  std::vector<std::pair<double, double>> coefficients_;  // (compressibility, viscosibility)
  double molecularWeight_;
  double specificHeat_;
  double temperatureExpansionCoefficient_;
  double temperatureSquaredExpansionCoefficient_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDCOMPRESSIBLEOILTABLE_H
