// StdTemperatureTable: the library's temperature table.
//
// One temperature per row and a flat row-by-component array of values. Counts are not
// checked: a count that makes an array length negative raises std::length_error
// "vector<T> too long"; from setNumTemperatures after a negative component count was
// stored, the temperatures are already resized when it is raised. setNumComponents with
// a negative count on a table without temperatures stores it, after which no component
// index is valid. Copies and moves are member by member; a moved-from table has no rows.
#ifndef ORV_TESS_VARNAK_STDTEMPERATURETABLE_H
#define ORV_TESS_VARNAK_STDTEMPERATURETABLE_H

#include <memory>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ITemperatureTable.h"

namespace Orv::Tess::Varnak {

namespace detail {
template <class Value>
class FlatTable;
}  // namespace detail

class ORV_TESS_VARNAK_API StdTemperatureTable : public ITemperatureTable {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdTemperatureTable();
  StdTemperatureTable(StdTemperatureTable const& other);
  StdTemperatureTable(StdTemperatureTable&& other);
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
  void validate(int t) const;
  void validate(int t, int c) const;

  // The temperatures (row keys) and the flat values; never null.
  std::unique_ptr<detail::FlatTable<double>> table_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDTEMPERATURETABLE_H
