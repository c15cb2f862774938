// The plainest implementation of a per-value virtual interface.
#include "VirtualFloor.h"

#include <cstddef>
#include <vector>

namespace orvbench {

ValueSource::~ValueSource() = default;

namespace {

class FlatValueSource : public ValueSource {
 public:
  FlatValueSource(int rows, int columns)
      : columns_(static_cast<std::size_t>(columns)),
        values_(static_cast<std::size_t>(rows) * columns_) {}
  double get(int row, int column) const override { return values_[position(row, column)]; }
  void set(int row, int column, double value) override { values_[position(row, column)] = value; }

 private:
  std::size_t position(int row, int column) const {
    return static_cast<std::size_t>(row) * columns_ + static_cast<std::size_t>(column);
  }
  std::size_t columns_;
  std::vector<double> values_;
};

}  // namespace

std::unique_ptr<ValueSource> makeValueSource(int rows, int columns) {
  return std::make_unique<FlatValueSource>(rows, columns);
}

}  // namespace orvbench
