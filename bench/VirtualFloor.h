// The floor of any per-value interface: one virtual call per value that checks its two
// indices, as the library's tables do, and reads or writes a stored double. Its
// implementation lives in its own source file and is reached through a pointer the
// optimiser cannot see through, exactly like the library's tables, so the difference
// between this loop and the library's is what the library adds to the call and its checks.
#ifndef ORV_TESS_VARNAK_BENCH_VIRTUALFLOOR_H
#define ORV_TESS_VARNAK_BENCH_VIRTUALFLOOR_H

#include <memory>

namespace orvbench {

class ValueSource {
 public:
  ValueSource() = default;
  ValueSource(ValueSource const&) = delete;
  ValueSource& operator=(ValueSource const&) = delete;
  virtual ~ValueSource();
  // Returns value `column` of row `row`; throws std::range_error for a row, then a column,
  // out of range.
  virtual double get(int row, int column) const = 0;
  virtual void set(int row, int column, double value) = 0;
};

// A source of `rows` × `columns` values in one flat array.
std::unique_ptr<ValueSource> makeValueSource(int rows, int columns);

}  // namespace orvbench

#endif  // ORV_TESS_VARNAK_BENCH_VIRTUALFLOOR_H
