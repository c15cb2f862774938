// StdTemperatureTable: the library's temperature table.
//
// One temperature per row and a flat row-by-component array of values. Counts are not
// checked: a count that makes an array length negative raises std::length_error
// "vector<T> too long"; from setNumTemperatures after a negative component count was
// stored, the temperatures are already resized when it is raised. setNumComponents with
// a negative count on a table without temperatures stores it, after which no component
// index is valid. Copies and moves are member by member; a moved-from table has no rows.
// The table holds its arrays itself; constructing or moving one allocates nothing.
#ifndef ORV_TESS_VARNAK_STDTEMPERATURETABLE_H
#define ORV_TESS_VARNAK_STDTEMPERATURETABLE_H

#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ITemperatureTable.h"

namespace Orv::Tess::Varnak {

namespace detail {
template <class T>
struct Access;
}  // namespace detail

class ORV_TESS_VARNAK_API StdTemperatureTable : public ITemperatureTable {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdTemperatureTable();
  StdTemperatureTable(StdTemperatureTable const& other);
  StdTemperatureTable(StdTemperatureTable&& other) noexcept;
  // Strong guarantee: on failure the target is left as it was.
  StdTemperatureTable& operator=(StdTemperatureTable const& other);
  // Copies and moves as the description at the top of this header says.
  StdTemperatureTable& operator=(StdTemperatureTable&& other) noexcept;
  ~StdTemperatureTable() override;

  int getNumTemperatures() const override;
  void setNumTemperatures(int n) override;
  int getNumComponents() const override;
  void setNumComponents(int n) override;
  double getTemperature(int t) const override;
  void setTemperature(int t, double value) override;
  double getProperty(int t, int c) const override;
  void setProperty(int t, int c, double value) override;

 private:
  friend struct detail::Access<StdTemperatureTable>;  // the copies read the arrays directly

  void validate(int t) const;
  void validate(int t, int c) const;

  std::vector<double> temperatures_;  // one per row
  std::vector<double> properties_;    // row t, component c at t × numComponents_ + c
  int numComponents_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDTEMPERATURETABLE_H
