// Copies of a temperature K-value table and of the oil viscosity index table: whatever the
// resizing does to the target's old values, it ends with exactly the source's content.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/StdOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/StdTemperatureKValueTable.h"
#include "copy/LoggingTables.h"

using namespace Orv::Tess::Varnak;

namespace {

std::vector<double> snapshot(ITemperatureKValueTable const& t) {
  std::vector<double> s{t.getTemperature(), static_cast<double>(t.getNumPressures()),
                        static_cast<double>(t.getNumComponents())};
  for (int p = 0; p < t.getNumPressures(); ++p) {
    s.push_back(t.getPressure(p));
    for (int c = 0; c < t.getNumComponents(); ++c) s.push_back(t.getKValue(p, c));
  }
  return s;
}

std::vector<double> snapshot(IOilViscosityIndexTable const& t) {
  std::vector<double> s{static_cast<double>(t.getNumMolefractions()),
                        static_cast<double>(t.getNumComponents())};
  for (int f = 0; f < t.getNumMolefractions(); ++f) {
    s.push_back(t.getMoleFraction(f));
    for (int c = 0; c < t.getNumComponents(); ++c) s.push_back(t.getOilViscosityIndex(f, c));
  }
  return s;
}

void fill(ITemperatureKValueTable& t, int pressures, int components, double seed) {
  t.setNumComponents(components);
  t.setNumPressures(pressures);
  t.setTemperature(seed);
  for (int p = 0; p < pressures; ++p) {
    t.setPressure(p, seed + 10 * p);
    for (int c = 0; c < components; ++c) t.setKValue(p, c, seed + 10 * p + c + 1);
  }
}

void fill(IOilViscosityIndexTable& t, int fractions, int components, double seed) {
  t.setNumComponents(components);
  t.setNumMolefractions(fractions);
  for (int f = 0; f < fractions; ++f) {
    t.setMoleFraction(f, 0.1 * f);
    for (int c = 0; c < components; ++c) t.setOilViscosityIndex(f, c, seed + 10 * f + c);
  }
}

}  // namespace

TEST(KValueAndViscosityIndexTableCopy, LeaveTheTargetWithExactlyTheSourceContent) {
  // Shrinking both counts, growing both, and growing one while shrinking the other: the
  // flat storage moves old values around on a width change, and the copy overwrites all.
  struct Sizes {
    int sourceRows, sourceColumns, targetRows, targetColumns;
  };
  for (Sizes const& s :
       {Sizes{2, 3, 5, 4}, Sizes{5, 4, 2, 3}, Sizes{2, 6, 4, 1}, Sizes{0, 0, 3, 3}}) {
    SCOPED_TRACE(s.sourceRows * 10 + s.sourceColumns);
    StdTemperatureKValueTable source;
    fill(source, s.sourceRows, s.sourceColumns, 100.0);
    StdTemperatureKValueTable target;
    fill(target, s.targetRows, s.targetColumns, 900.0);
    copy(source, target, 0);
    EXPECT_EQ(snapshot(target), snapshot(source));

    StdOilViscosityIndexTable indexSource;
    fill(indexSource, s.sourceRows, s.sourceColumns, 100.0);
    StdOilViscosityIndexTable indexTarget;
    fill(indexTarget, s.targetRows, s.targetColumns, 900.0);
    copy(indexSource, indexTarget, 0);
    EXPECT_EQ(snapshot(indexTarget), snapshot(indexSource));
  }
}

TEST(KValueAndViscosityIndexTableCopy, ReadTheCountsOnceAndSizeBeforeWriting) {
  recorders::CallLog log;
  recorders::LoggingTemperatureKValueTable source(log, "S");
  fill(source, 2, 1, 100.0);
  recorders::LoggingTemperatureKValueTable target(log, "T");
  fill(target, 3, 2, 900.0);
  log.calls.clear();
  copy(source, target, -1);
  EXPECT_EQ(log.calls, (std::vector<std::string>{"S.getNumPressures()", "S.getNumComponents()",
                                                 "S.getTemperature()", "T.setNumPressures(2)",
                                                 "T.setNumComponents(1)", "T.setTemperature(100)",
                                                 "T.setPressure(0,100)", "T.setKValue(0,0,101)",
                                                 "T.setPressure(1,110)", "T.setKValue(1,0,111)"}));

  recorders::LoggingOilViscosityIndexTable indexSource(log, "S");
  fill(indexSource, 2, 1, 100.0);
  recorders::LoggingOilViscosityIndexTable indexTarget(log, "T");
  fill(indexTarget, 3, 2, 900.0);
  log.calls.clear();
  copy(indexSource, indexTarget, -1);
  EXPECT_EQ(log.calls, (std::vector<std::string>{
                           "S.getNumMolefractions()", "S.getNumComponents()",
                           "T.setNumMolefractions(2)", "T.setNumComponents(1)",
                           "T.setMoleFraction(0,0)", "T.setOilViscosityIndex(0,0,100)",
                           "T.setMoleFraction(1,0.1)", "T.setOilViscosityIndex(1,0,110)"}));
}
