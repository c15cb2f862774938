// The plainest implementation of a per-value virtual interface with index checks.
#include "VirtualFloor.h"

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace orvbench {

ValueSource::~ValueSource() = default;

namespace {

[[noreturn]] void outOfRange(char const* what) { throw std::range_error(what); }

class FlatValueSource : public ValueSource {
 public:
  FlatValueSource(int rows, int columns)
      : rows_(rows), columns_(columns), values_(static_cast<std::size_t>(rows) * columns_) {}
  double get(int row, int column) const override { return values_[position(row, column)]; }
  void set(int row, int column, double value) override { values_[position(row, column)] = value; }

 private:
  std::size_t position(int row, int column) const {
    if (row < 0 || row >= rows_) outOfRange("Invalid row index");
    if (column < 0 || column >= columns_) outOfRange("Invalid column index");
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column);
  }
  int rows_;
  int columns_;
  std::vector<double> values_;
};

}  // namespace

std::unique_ptr<ValueSource> makeValueSource(int rows, int columns) {
  return std::make_unique<FlatValueSource>(rows, columns);
}

}  // namespace orvbench
