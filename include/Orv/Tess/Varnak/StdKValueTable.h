// StdKValueTable<T>: the one implementation of the K-value table operations, shared by
// the simple table (T = IKValueTable) and the bases of the temperature and composition
// tables (T = ITemperatureKValueTable, ICompositionKValueTable).
//
// The table keeps one pressure per row, a component count and one flat array of K-values
// at position row × (number of components) + component. Changing the pressure count
// appends or cuts rows at the end; changing the component count resizes the flat array
// as a whole, so that with several rows the values keep their flat positions and fall
// into other rows and columns under the new width. Copies are independent and carry
// every value. The table holds its arrays itself; constructing or moving one allocates
// nothing.
//
// The template is instantiated in the library for the three interfaces only.
#ifndef ORV_TESS_VARNAK_STDKVALUETABLE_H
#define ORV_TESS_VARNAK_STDKVALUETABLE_H

#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ICompositionKValueTable.h"
#include "Orv/Tess/Varnak/IKValueTable.h"
#include "Orv/Tess/Varnak/ITemperatureKValueTable.h"

namespace Orv::Tess::Varnak {

namespace detail {
template <class T>
struct Access;
}  // namespace detail

template <class T>
class StdKValueTable : public T {
 public:
  // An empty table: no pressures, no components.
  StdKValueTable();
  // Copies and moves as the description at the top of this header says.
  StdKValueTable(StdKValueTable const& other);
  StdKValueTable(StdKValueTable&& other) noexcept;
  StdKValueTable& operator=(StdKValueTable const& other);
  StdKValueTable& operator=(StdKValueTable&& other) noexcept;
  ~StdKValueTable() override;

  // The operations of a K-value table, as IKValueTable describes them.
  int getNumPressures() const override;
  void setNumPressures(int n) override;
  int getNumComponents() const override;
  void setNumComponents(int n) override;
  double getPressure(int p) const override;
  void setPressure(int p, double value) override;
  double getKValue(int p, int c) const override;
  void setKValue(int p, int c, double value) override;

 private:
  // Throws std::range_error "Invalid pressure index in StdKValueTable." for a bad p.
  void validate(int p) const;
  // validate(p) first, then std::range_error "Invalid component index in StdKValueTable."
  void validate(int p, int c) const;

  friend struct detail::Access<StdKValueTable>;  // the copies read the arrays directly

  std::vector<double> pressures_;  // one per row
  std::vector<double> kValues_;    // row p, component c at p × numComponents_ + c
  int numComponents_;
};

extern template class ORV_TESS_VARNAK_API StdKValueTable<IKValueTable>;
extern template class ORV_TESS_VARNAK_API StdKValueTable<ITemperatureKValueTable>;
extern template class ORV_TESS_VARNAK_API StdKValueTable<ICompositionKValueTable>;

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDKVALUETABLE_H
