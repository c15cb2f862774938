// Builders of the benchmark tables.
#include "Shapes.h"

#include "Orv/Tess/Varnak/IGasTable.h"
#include "Orv/Tess/Varnak/IInitialCondition.h"
#include "Orv/Tess/Varnak/IWaterProperties.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"
#include "Orv/Tess/Varnak/StdKValueTable.h"
#include "Orv/Tess/Varnak/StdOilTable.h"

namespace orvbench {

using namespace Orv::Tess::Varnak;

char const* const kConditionNames[2] = {"North block", "South block"};

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

std::unique_ptr<IDepthTable> makeDepthTable(int rows, int components, bool increasing) {
  auto table = std::make_unique<StdDepthTable>();
  table->setNumComponents(components);
  table->setNumDepths(rows);
  for (int d = 0; d < rows; ++d) {
    table->setDepth(d, 2000.0 + (increasing ? 0.5 : -0.5) * d);
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

std::unique_ptr<StdBlackOilModel> makeBlackOilModel() {
  auto model = std::make_unique<StdBlackOilModel>("Field");
  fillBlackOilModel(*model);
  return model;
}

void fillBlackOilModel(IBlackOilModel& model) {
  model.gasDensity(0.85);
  model.oilDensity(840.0);
  std::vector<double> const oil = sampleValues(kOilValues);
  for (int region = 1; region <= kRegions; ++region) {
    IOilTable& table = model.makeOilTable(region);
    table.setSaturatedSize(kOilRows);
    for (int i = 0; i < kOilRows; ++i) table.setUndersaturatedSize(i, kOilEntries);
    fillOilTable(table, oil.data());
    table.setSurfaceDensity(840.0 + region);
  }
  IGasTable& gas = model.makeGasTable();
  gas.setSaturatedSize(kGasRows);
  for (int i = 0; i < kGasRows; ++i) {
    gas.setUndersaturatedSize(i, kGasEntries);
    gas.setPressure(i, 10.0 * (i + 1));
    for (int j = 0; j < kGasEntries; ++j) {
      gas.setOilGasRatio(i, j, 1.0e-5 * j);
      gas.setFormationVolumeFactor(i, j, 0.1 / (i + 1));
      gas.setViscosity(i, j, 0.015 + 1.0e-4 * j);
    }
  }
  gas.setSurfaceDensity(0.85);
  IWaterProperties& water = model.makeWaterProperties();
  water.setSurfaceDensity(1020.0);
  water.setPressure(250.0);
  water.setFormationVolumeFactor(1.01);
  water.setCompressibility(4.5e-5);
  water.setViscosity(0.5);
  water.setViscosibility(0.0);
  for (char const* name : kConditionNames) {
    IInitialCondition& condition = model.makeInitialCondition(name);
    condition.setDatumDepth(2000.0);
    condition.setDatumPressure(250.0);
    condition.setGasOilContactDepth(1950.0);
    condition.setWaterContactDepth(2100.0);
    for (int t = 0; t < kConditionTables; ++t) {
      IDepthTable& table = condition.getDepthTable(static_cast<IInitialCondition::Property>(t));
      table.setNumComponents(1);
      table.setNumDepths(kConditionDepths);
      for (int d = 0; d < kConditionDepths; ++d) {
        table.setDepth(d, 1900.0 + 2.0 * d);
        table.setProperty(d, 0, 100.0 + d);
      }
    }
  }
}

std::unique_ptr<StdBlackOilModel> makeCopyTarget() {
  auto model = std::make_unique<StdBlackOilModel>("Copy");
  for (char const* name : kConditionNames) model->makeInitialCondition(name);
  return model;
}

}  // namespace orvbench
