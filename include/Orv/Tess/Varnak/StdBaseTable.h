// StdBaseTable<T>: the one storage of every oil and gas PVT table.
//
// A black-oil table has two levels: saturated rows, each keyed by one saturated value
// (the gas-oil ratio of an oil table, the pressure of a gas table), and under each row a
// list of undersaturated entries of three values (pressure or oil-gas ratio, formation
// volume factor, viscosity). The entries of a row are one contiguous block, so every
// get and set is a bounds check and a direct indexed access; reads never allocate.
//
// StdBaseTable<T> derives from its interface T (IOilTable or IGasTable) and implements
// every operation the two interfaces share. It leaves the saturated and undersaturated
// values unnamed: StdOilTable and StdGasTable name them through the protected accessors
// and supply clone(). Every other table kind holds one of those two inside.
//
// The table is a value. Copies duplicate every row; a moved-from table has no rows
// (it keeps its surface density). A failed call throws std::range_error and leaves the
// table exactly as it was.
//
// Only StdBaseTable<IOilTable> and StdBaseTable<IGasTable> exist; both are instantiated
// inside the library.
#ifndef ORV_TESS_VARNAK_STDBASETABLE_H
#define ORV_TESS_VARNAK_STDBASETABLE_H

#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IGasTable.h"
#include "Orv/Tess/Varnak/IOilTable.h"

namespace Orv::Tess::Varnak {

namespace detail {
template <class T>
struct Access;
}  // namespace detail

template <class T>
class StdBaseTable : public T {
 public:
  // An empty table: no rows, surface density 0.0.
  StdBaseTable();
  // Copies and moves as the description at the top of this header says.
  StdBaseTable(StdBaseTable const& other);
  StdBaseTable(StdBaseTable&& other) noexcept;
  StdBaseTable& operator=(StdBaseTable const& other);
  StdBaseTable& operator=(StdBaseTable&& other) noexcept;
  ~StdBaseTable() override;

  // The operations the oil and gas tables share, as IOilTable and IGasTable describe
  // them.
  double getSurfaceDensity() const override;
  void setSurfaceDensity(double density) override;
  int getSaturatedSize() const override;
  int getUndersaturatedSize(int sat) const override;
  double getFormationVolumeFactor(int sat, int usat) const override;
  double getViscosity(int sat, int usat) const override;
  void setSaturatedSize(int size) override;
  void setUndersaturatedSize(int sat, int size) override;
  void setFormationVolumeFactor(int sat, int usat, double factor) override;
  void setViscosity(int sat, int usat, double viscosity) override;

 protected:
  // Throws std::range_error "Invalid sat_index in StdBaseTable" unless 0 <= sat < rows.
  void validate(int sat) const;
  // Checks the row as above, then throws std::range_error
  // "Invalid usat_index in StdBaseTable" unless 0 <= usat < entries of row `sat`.
  void validate(int sat, int usat) const;

  // The key of row `sat` (gas-oil ratio or pressure), after validate(sat).
  double getSaturatedProperty(int sat) const;
  void setSaturatedProperty(int sat, double value);
  // The first value of entry `usat` of row `sat` (pressure or oil-gas ratio), after
  // validate(sat, usat).
  double getUndersaturatedProperty(int sat, int usat) const;
  void setUndersaturatedProperty(int sat, int usat, double value);

 private:
  friend struct detail::Access<StdBaseTable>;  // the copies read the storage directly

  // One undersaturated state of the row's fluid.
  struct Entry {
    double undersaturated;
    double formationVolumeFactor;
    double viscosity;
  };
  // One saturated state with the undersaturated states that hang under it.
  struct Row {
    double saturated;
    std::vector<Entry> entries;
  };

  Entry const& entry(int sat, int usat) const;
  Entry& entry(int sat, int usat);

  std::vector<Row> rows_;
  double surfaceDensity_;
};

extern template class ORV_TESS_VARNAK_API StdBaseTable<IOilTable>;
extern template class ORV_TESS_VARNAK_API StdBaseTable<IGasTable>;

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDBASETABLE_H
