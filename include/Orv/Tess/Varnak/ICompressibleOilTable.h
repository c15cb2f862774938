// ICompressibleOilTable: an oil table with its own compressibility and viscosibility for
// each saturated row, plus the oil's thermal properties.
//
// Each saturated row carries one compressibility and one viscosibility: the coefficients
// of the exponential laws that the undersaturated formation volume factor and viscosity
// of that row follow above its bubble point. There is always exactly one pair per row:
// setSaturatedSize resizes both together (new pairs are 0.0, 0.0). The pair accessors
// check the row index and throw std::range_error
// "Invalid sat_index in StdCompressibleOilTable", changing nothing.
//
// The molecular weight, specific heat and the two temperature expansion coefficients
// are stored as given (0.0 at first) and carried by copies and clone().
#ifndef ORV_TESS_VARNAK_ICOMPRESSIBLEOILTABLE_H
#define ORV_TESS_VARNAK_ICOMPRESSIBLEOILTABLE_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IOilTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API ICompressibleOilTable : public IOilTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  ICompressibleOilTable() = default;
  ICompressibleOilTable(ICompressibleOilTable const&) = default;
  ICompressibleOilTable& operator=(ICompressibleOilTable const&) = default;
  ~ICompressibleOilTable() override;

  // Returns the compressibility of row `sat`. Throws on a bad row.
  virtual double getCompressibility(int sat) const = 0;
  // Returns the viscosibility of row `sat`. Throws on a bad row.
  virtual double getViscosibility(int sat) const = 0;
  // Stores the compressibility of row `sat`. Throws on a bad row.
  virtual void setCompressibility(int sat, double compressibility) = 0;
  // Stores the viscosibility of row `sat`. Throws on a bad row.
  virtual void setViscosibility(int sat, double viscosibility) = 0;

  // Return the oil's molecular weight, specific heat, and the coefficients of the linear
  // and quadratic terms of its thermal expansion.
  virtual double getMolecularWeight() const = 0;
  virtual double getSpecificHeat() const = 0;
  virtual double getTemperatureExpansionCoefficient() const = 0;
  virtual double getTemperatureSquaredExpansionCoefficient() const = 0;
  // Store the same four values; any value is accepted.
  virtual void setMolecularWeight(double weight) = 0;
  virtual void setSpecificHeat(double heat) = 0;
  virtual void setTemperatureExpansionCoefficient(double coefficient) = 0;
  virtual void setTemperatureSquaredExpansionCoefficient(double coefficient) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ICOMPRESSIBLEOILTABLE_H
