// The library's tables with the operations a copy uses written into a
// CallLog before they run, to show the order of a copy's reads and writes, and which
// counts it reads once and which before every row. Built on recorders::Logger, so a
// table's calls into its own operations stay out of the log.
#ifndef ORV_TESS_VARNAK_TESTS_COPY_LOGGINGTABLES_H
#define ORV_TESS_VARNAK_TESTS_COPY_LOGGINGTABLES_H

#include <string>

#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"
#include "Orv/Tess/Varnak/StdInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/StdMisciblityTable.h"
#include "Orv/Tess/Varnak/StdOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/StdSolventTable.h"
#include "Orv/Tess/Varnak/StdTemperatureKValueTable.h"
#include "copy/LoggingModels.h"

namespace recorders {

// Rows, their gas-oil ratios and per-row pairs, and the surface density (the entries of
// the rows are not logged: the oil-table recorder shows their order).
class LoggingCompressibleOilTable : public StdCompressibleOilTable {
 public:
  LoggingCompressibleOilTable(CallLog& log, std::string const& tag) : logger_(log, tag) {}

  int getSaturatedSize() const override {
    auto inside = logger_.call("getSaturatedSize");
    return StdCompressibleOilTable::getSaturatedSize();
  }
  void setSaturatedSize(int n) override {
    auto inside = logger_.call("setSaturatedSize", n);
    StdCompressibleOilTable::setSaturatedSize(n);
  }
  int getUndersaturatedSize(int i) const override {
    auto inside = logger_.call("getUndersaturatedSize", i);
    return StdCompressibleOilTable::getUndersaturatedSize(i);
  }
  void setUndersaturatedSize(int i, int n) override {
    auto inside = logger_.call("setUndersaturatedSize", i, n);
    StdCompressibleOilTable::setUndersaturatedSize(i, n);
  }
  double getGasOilRatio(int i) const override {
    auto inside = logger_.call("getGasOilRatio", i);
    return StdCompressibleOilTable::getGasOilRatio(i);
  }
  void setGasOilRatio(int i, double v) override {
    auto inside = logger_.call("setGasOilRatio", i, v);
    StdCompressibleOilTable::setGasOilRatio(i, v);
  }
  double getCompressibility(int i) const override {
    auto inside = logger_.call("getCompressibility", i);
    return StdCompressibleOilTable::getCompressibility(i);
  }
  void setCompressibility(int i, double v) override {
    auto inside = logger_.call("setCompressibility", i, v);
    StdCompressibleOilTable::setCompressibility(i, v);
  }
  double getViscosibility(int i) const override {
    auto inside = logger_.call("getViscosibility", i);
    return StdCompressibleOilTable::getViscosibility(i);
  }
  void setViscosibility(int i, double v) override {
    auto inside = logger_.call("setViscosibility", i, v);
    StdCompressibleOilTable::setViscosibility(i, v);
  }
  double getSurfaceDensity() const override {
    auto inside = logger_.call("getSurfaceDensity");
    return StdCompressibleOilTable::getSurfaceDensity();
  }
  void setSurfaceDensity(double v) override {
    auto inside = logger_.call("setSurfaceDensity", v);
    StdCompressibleOilTable::setSurfaceDensity(v);
  }

 private:
  Logger logger_;
};

// Its size and every value of its rows and scalars.
class LoggingSolventTable : public StdSolventTable {
 public:
  LoggingSolventTable(CallLog& log, std::string const& tag) : logger_(log, tag) {}

  int getSize() const override {
    auto inside = logger_.call("getSize");
    return StdSolventTable::getSize();
  }
  void setSize(int n) override {
    auto inside = logger_.call("setSize", n);
    StdSolventTable::setSize(n);
  }
  double getPressure(int i) const override {
    auto inside = logger_.call("getPressure", i);
    return StdSolventTable::getPressure(i);
  }
  void setPressure(int i, double v) override {
    auto inside = logger_.call("setPressure", i, v);
    StdSolventTable::setPressure(i, v);
  }
  double getFormationVolumeFactor(int i) const override {
    auto inside = logger_.call("getFormationVolumeFactor", i);
    return StdSolventTable::getFormationVolumeFactor(i);
  }
  void setFormationVolumeFactor(int i, double v) override {
    auto inside = logger_.call("setFormationVolumeFactor", i, v);
    StdSolventTable::setFormationVolumeFactor(i, v);
  }
  double getViscosity(int i) const override {
    auto inside = logger_.call("getViscosity", i);
    return StdSolventTable::getViscosity(i);
  }
  void setViscosity(int i, double v) override {
    auto inside = logger_.call("setViscosity", i, v);
    StdSolventTable::setViscosity(i, v);
  }
  double getSurfaceDensity() const override {
    auto inside = logger_.call("getSurfaceDensity");
    return StdSolventTable::getSurfaceDensity();
  }
  void setSurfaceDensity(double v) override {
    auto inside = logger_.call("setSurfaceDensity", v);
    StdSolventTable::setSurfaceDensity(v);
  }

 private:
  Logger logger_;
};

class LoggingMiscibilityTable : public StdMisciblityTable {
 public:
  LoggingMiscibilityTable(CallLog& log, std::string const& tag) : logger_(log, tag) {}

  int getSize() const override {
    auto inside = logger_.call("getSize");
    return StdMisciblityTable::getSize();
  }
  void setSize(int n) override {
    auto inside = logger_.call("setSize", n);
    StdMisciblityTable::setSize(n);
  }
  double getOilPressure(int i) const override {
    auto inside = logger_.call("getOilPressure", i);
    return StdMisciblityTable::getOilPressure(i);
  }
  void setOilPressure(int i, double v) override {
    auto inside = logger_.call("setOilPressure", i, v);
    StdMisciblityTable::setOilPressure(i, v);
  }
  double getMiscibility(int i) const override {
    auto inside = logger_.call("getMiscibility", i);
    return StdMisciblityTable::getMiscibility(i);
  }
  void setMiscibility(int i, double v) override {
    auto inside = logger_.call("setMiscibility", i, v);
    StdMisciblityTable::setMiscibility(i, v);
  }
  double getViscosityMixingParameter() const override {
    auto inside = logger_.call("getViscosityMixingParameter");
    return StdMisciblityTable::getViscosityMixingParameter();
  }
  void setViscosityMixingParameter(double v) override {
    auto inside = logger_.call("setViscosityMixingParameter", v);
    StdMisciblityTable::setViscosityMixingParameter(v);
  }
  double getDensityMixingParameter() const override {
    auto inside = logger_.call("getDensityMixingParameter");
    return StdMisciblityTable::getDensityMixingParameter();
  }
  void setDensityMixingParameter(double v) override {
    auto inside = logger_.call("setDensityMixingParameter", v);
    StdMisciblityTable::setDensityMixingParameter(v);
  }

 private:
  Logger logger_;
};

// The counts and temperature, and the writes of rows (the reads of values are not
// logged: each write shows the value read).
class LoggingTemperatureKValueTable : public StdTemperatureKValueTable {
 public:
  LoggingTemperatureKValueTable(CallLog& log, std::string const& tag) : logger_(log, tag) {}

  int getNumPressures() const override {
    auto inside = logger_.call("getNumPressures");
    return StdTemperatureKValueTable::getNumPressures();
  }
  void setNumPressures(int n) override {
    auto inside = logger_.call("setNumPressures", n);
    StdTemperatureKValueTable::setNumPressures(n);
  }
  int getNumComponents() const override {
    auto inside = logger_.call("getNumComponents");
    return StdTemperatureKValueTable::getNumComponents();
  }
  void setNumComponents(int n) override {
    auto inside = logger_.call("setNumComponents", n);
    StdTemperatureKValueTable::setNumComponents(n);
  }
  double getTemperature() const override {
    auto inside = logger_.call("getTemperature");
    return StdTemperatureKValueTable::getTemperature();
  }
  void setTemperature(double v) override {
    auto inside = logger_.call("setTemperature", v);
    StdTemperatureKValueTable::setTemperature(v);
  }
  void setPressure(int p, double v) override {
    auto inside = logger_.call("setPressure", p, v);
    StdTemperatureKValueTable::setPressure(p, v);
  }
  void setKValue(int p, int c, double v) override {
    auto inside = logger_.call("setKValue", p, c, v);
    StdTemperatureKValueTable::setKValue(p, c, v);
  }

 private:
  Logger logger_;
};

class LoggingOilViscosityIndexTable : public StdOilViscosityIndexTable {
 public:
  LoggingOilViscosityIndexTable(CallLog& log, std::string const& tag) : logger_(log, tag) {}

  int getNumMolefractions() const override {
    auto inside = logger_.call("getNumMolefractions");
    return StdOilViscosityIndexTable::getNumMolefractions();
  }
  void setNumMolefractions(int n) override {
    auto inside = logger_.call("setNumMolefractions", n);
    StdOilViscosityIndexTable::setNumMolefractions(n);
  }
  int getNumComponents() const override {
    auto inside = logger_.call("getNumComponents");
    return StdOilViscosityIndexTable::getNumComponents();
  }
  void setNumComponents(int n) override {
    auto inside = logger_.call("setNumComponents", n);
    StdOilViscosityIndexTable::setNumComponents(n);
  }
  void setMoleFraction(int f, double v) override {
    auto inside = logger_.call("setMoleFraction", f, v);
    StdOilViscosityIndexTable::setMoleFraction(f, v);
  }
  void setOilViscosityIndex(int f, int c, double v) override {
    auto inside = logger_.call("setOilViscosityIndex", f, c, v);
    StdOilViscosityIndexTable::setOilViscosityIndex(f, c, v);
  }

 private:
  Logger logger_;
};

// The row count and the writes of rows and scalars.
class LoggingInteractionSolubilityTable : public StdInteractionSolubilityTable {
 public:
  LoggingInteractionSolubilityTable(CallLog& log, std::string const& tag) : logger_(log, tag) {}

  int getNumPressures() const override {
    auto inside = logger_.call("getNumPressures");
    return StdInteractionSolubilityTable::getNumPressures();
  }
  void setNumPressures(int n) override {
    auto inside = logger_.call("setNumPressures", n);
    StdInteractionSolubilityTable::setNumPressures(n);
  }
  void setPressure(int i, double v) override {
    auto inside = logger_.call("setPressure", i, v);
    StdInteractionSolubilityTable::setPressure(i, v);
  }
  void setSolutionRatio(int i, double v) override {
    auto inside = logger_.call("setSolutionRatio", i, v);
    StdInteractionSolubilityTable::setSolutionRatio(i, v);
  }
  void setFormationVolume(int i, double v) override {
    auto inside = logger_.call("setFormationVolume", i, v);
    StdInteractionSolubilityTable::setFormationVolume(i, v);
  }
  void setViscosity(int i, double v) override {
    auto inside = logger_.call("setViscosity", i, v);
    StdInteractionSolubilityTable::setViscosity(i, v);
  }
  void setCompressibility(int i, double v) override {
    auto inside = logger_.call("setCompressibility", i, v);
    StdInteractionSolubilityTable::setCompressibility(i, v);
  }
  void setInteractionComponentName(std::string const& name) override {
    auto inside = logger_.call("setInteractionComponentName", name);
    StdInteractionSolubilityTable::setInteractionComponentName(name);
  }
  void setInteractionComponentMoleFraction(double v) override {
    auto inside = logger_.call("setInteractionComponentMoleFraction", v);
    StdInteractionSolubilityTable::setInteractionComponentMoleFraction(v);
  }

 private:
  Logger logger_;
};

}  // namespace recorders

#endif  // ORV_TESS_VARNAK_TESTS_COPY_LOGGINGTABLES_H
