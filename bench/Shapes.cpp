// Builders of the benchmark tables.
#include "Shapes.h"

#include "Orv/Tess/Varnak/StdDepthTable.h"
#include "Orv/Tess/Varnak/StdKValueTable.h"
#include "Orv/Tess/Varnak/StdOilTable.h"

namespace orvbench {

using namespace Orv::Tess::Varnak;

std::vector<double> sampleValues(std::size_t n) {
  std::vector<double> values(n);
  for (std::size_t k = 0; k < n; ++k) values[k] = 1.0 + 0.001 * static_cast<double>(k % 997);
  return values;
}

void fillOilTable(IOilTable& table, double const* in) {
  for (int i = 0; i < kOilRows; ++i) {
    table.setGasOilRatio(i, *in++);
    for (int j = 0; j < kOilEntries; ++j) {
      table.setPressure(i, j, *in++);
      table.setFormationVolumeFactor(i, j, *in++);
      table.setViscosity(i, j, *in++);
    }
  }
}

std::unique_ptr<IOilTable> makeOilTable() {
  auto table = std::make_unique<StdOilTable>();
  table->setSaturatedSize(kOilRows);
  for (int i = 0; i < kOilRows; ++i) table->setUndersaturatedSize(i, kOilEntries);
  fillOilTable(*table, sampleValues(kOilValues).data());
  table->setSurfaceDensity(850.0);
  return table;
}

std::unique_ptr<IDepthTable> makeDepthTable(int rows, int components) {
  auto table = std::make_unique<StdDepthTable>();
  table->setNumComponents(components);
  table->setNumDepths(rows);
  for (int d = 0; d < rows; ++d) {
    table->setDepth(d, 2000.0 + 0.5 * d);
    for (int c = 0; c < components; ++c) table->setProperty(d, c, 0.01 * (c + 1) + 1.0e-5 * d);
  }
  return table;
}

std::unique_ptr<IKValueTable> makeKValueTable() {
  auto table = std::make_unique<StdKValueTable<IKValueTable>>();
  table->setNumComponents(kFlatComponents);
  table->setNumPressures(kFlatRows);
  std::vector<double> const in = sampleValues(kFlatValues);
  std::size_t k = 0;
  for (int p = 0; p < kFlatRows; ++p) {
    table->setPressure(p, in[k++]);
    for (int c = 0; c < kFlatComponents; ++c) table->setKValue(p, c, in[k++]);
  }
  return table;
}

}  // namespace orvbench
