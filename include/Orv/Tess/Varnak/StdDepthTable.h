// StdDepthTable: the library's depth table.
//
// One depth per row and a flat row-by-component array of values. Counts are not checked:
// a count that makes an array length negative raises std::length_error
// "vector<T> too long"; from setNumDepths after a negative component count was stored,
// the depths are already resized when it is raised. setNumComponents with a negative
// count on a table without depths stores it, after which no component index is valid.
// Copies and moves are member by member; a moved-from table has no rows. The table holds
// its arrays itself; constructing or moving one allocates nothing.
#ifndef ORV_TESS_VARNAK_STDDEPTHTABLE_H
#define ORV_TESS_VARNAK_STDDEPTHTABLE_H

#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IDepthTable.h"

namespace Orv::Tess::Varnak {

namespace detail {
template <class T>
struct Access;
}  // namespace detail

class ORV_TESS_VARNAK_API StdDepthTable : public IDepthTable {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdDepthTable();
  StdDepthTable(StdDepthTable const& other);
  StdDepthTable(StdDepthTable&& other) noexcept;
  // Strong guarantee: on failure the target is left as it was.
  StdDepthTable& operator=(StdDepthTable const& other);
  // Copies and moves as the description at the top of this header says.
  StdDepthTable& operator=(StdDepthTable&& other) noexcept;
  ~StdDepthTable() override;

  int getNumDepths() const override;
  void setNumDepths(int n) override;
  int getNumComponents() const override;
  void setNumComponents(int n) override;
  double getDepth(int d) const override;
  void setDepth(int d, double value) override;
  double getProperty(int d, int c) const override;
  void setProperty(int d, int c, double value) override;

 private:
  // The depth-table operations and the copies read and write the arrays directly.
  friend struct detail::Access<StdDepthTable>;

  void validate(int d) const;
  void validate(int d, int c) const;
  // Adds `sign` times each neighbour pair (d, d+1) with from <= d < to to the pair counts.
  void countPairs(int from, int to, int sign);

  std::vector<double> depths_;      // one per row
  std::vector<double> properties_;  // row d, component c at d × numComponents_ + c
  int numComponents_;
  // How the depths of neighbouring rows compare: rising (d(i) < d(i+1)), falling
  // (d(i) > d(i+1)), or unordered (either is not a number); the other pairs are equal.
  // Kept exact by every change of a depth or of the row count, so that an operation knows
  // at once whether the depths are monotone and it may bisect them.
  int risingPairs_;
  int fallingPairs_;
  int unorderedPairs_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDDEPTHTABLE_H
