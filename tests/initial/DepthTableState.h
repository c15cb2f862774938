// Helpers shared by the depth-table tests: fill a table through its interface and take
// a snapshot of everything a host can observe of it.
#ifndef ORV_TESS_VARNAK_TESTS_INITIAL_DEPTHTABLESTATE_H
#define ORV_TESS_VARNAK_TESTS_INITIAL_DEPTHTABLESTATE_H

#include <initializer_list>
#include <vector>

#include "Orv/Tess/Varnak/IDepthTable.h"

namespace depthstate {

using Orv::Tess::Varnak::IDepthTable;

// Row counts first, then each row's depth followed by its values.
inline std::vector<double> snapshot(IDepthTable const& t) {
  std::vector<double> s{static_cast<double>(t.getNumDepths()),
                        static_cast<double>(t.getNumComponents())};
  for (int d = 0; d < t.getNumDepths(); ++d) {
    s.push_back(t.getDepth(d));
    for (int c = 0; c < t.getNumComponents(); ++c) s.push_back(t.getProperty(d, c));
  }
  return s;
}

// Sets the table to the given rows, each written as {depth, value0, value1, …}.
inline void fill(IDepthTable& t, std::initializer_list<std::vector<double>> rows) {
  int const width = rows.size() == 0 ? 0 : static_cast<int>(rows.begin()->size()) - 1;
  t.setNumComponents(width);
  t.setNumDepths(static_cast<int>(rows.size()));
  int d = 0;
  for (auto const& row : rows) {
    t.setDepth(d, row[0]);
    for (int c = 0; c < width; ++c) t.setProperty(d, c, row[static_cast<std::size_t>(c) + 1]);
    ++d;
  }
}

}  // namespace depthstate

#endif  // ORV_TESS_VARNAK_TESTS_INITIAL_DEPTHTABLESTATE_H
