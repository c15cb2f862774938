// Test-only implementations of table interfaces that keep their values in plain
// containers and write every call they receive into a shared log. A copy from one
// recorder into another proves that it works through the interfaces alone (the library
// knows nothing of these classes) and shows the exact order of its reads and writes.
// A recorder can also be told to fail at a given call, to show that an error passes out
// of a copy unchanged and that what was written before it stays written.
#ifndef ORV_TESS_VARNAK_TESTS_COPY_RECORDERS_H
#define ORV_TESS_VARNAK_TESTS_COPY_RECORDERS_H

#include <cstddef>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/IDepthTable.h"
#include "Orv/Tess/Varnak/ISaltSolubilityTable.h"

namespace recorders {

using namespace Orv::Tess::Varnak;

// The calls of all recorders that share it, each as "<tag>.<operation>(<arguments>)".
struct CallLog {
  std::vector<std::string> calls;
  std::string failAt;  // a call that throws std::domain_error "<call> refused" when logged

  template <class... Args>
  void add(std::string const& tag, char const* operation, Args const&... args) {
    std::ostringstream call;
    call << tag << '.' << operation << '(';
    char const* separator = "";
    ((call << separator << args, separator = ","), ...);
    static_cast<void>(separator);  // unused for calls without arguments
    call << ')';
    calls.push_back(call.str());
    if (calls.back() == failAt) throw std::domain_error(failAt + " refused");
  }
};

inline std::size_t at(int index) { return static_cast<std::size_t>(index); }

// A depth table of rows, each holding its depth and its component values.
class RecordingDepthTable : public IDepthTable {
 public:
  RecordingDepthTable(CallLog& log, std::string tag) : log_(log), tag_(std::move(tag)) {}

  int getNumDepths() const override {
    log_.add(tag_, "getNumDepths");
    return static_cast<int>(depths_.size());
  }
  void setNumDepths(int n) override {
    log_.add(tag_, "setNumDepths", n);
    depths_.resize(at(n));
    values_.resize(at(n), std::vector<double>(at(numComponents_)));
  }
  int getNumComponents() const override {
    log_.add(tag_, "getNumComponents");
    return numComponents_;
  }
  void setNumComponents(int n) override {
    log_.add(tag_, "setNumComponents", n);
    numComponents_ = n;
    for (auto& row : values_) row.resize(at(n));
  }
  double getDepth(int d) const override {
    log_.add(tag_, "getDepth", d);
    return depths_.at(at(d));
  }
  void setDepth(int d, double value) override {
    log_.add(tag_, "setDepth", d, value);
    depths_.at(at(d)) = value;
  }
  double getProperty(int d, int c) const override {
    log_.add(tag_, "getProperty", d, c);
    return values_.at(at(d)).at(at(c));
  }
  void setProperty(int d, int c, double value) override {
    log_.add(tag_, "setProperty", d, c, value);
    values_.at(at(d)).at(at(c)) = value;
  }

 private:
  CallLog& log_;
  std::string tag_;
  int numComponents_ = 0;
  std::vector<double> depths_;
  std::vector<std::vector<double>> values_;
};

// A salt solubility table: five columns of rows and three scalars.
class RecordingSaltTable : public ISaltSolubilityTable {
 public:
  RecordingSaltTable(CallLog& log, std::string tag) : log_(log), tag_(std::move(tag)) {}

  void setNumPressures(int n) override {
    log_.add(tag_, "setNumPressures", n);
    rows_.resize(at(n));
  }
  int getNumPressures() const override {
    log_.add(tag_, "getNumPressures");
    return static_cast<int>(rows_.size());
  }
  void setPressure(int i, double v) override { set("setPressure", i, v, 0); }
  double getPressure(int i) const override { return get("getPressure", i, 0); }
  void setSolutionRatio(int i, double v) override { set("setSolutionRatio", i, v, 1); }
  double getSolutionRatio(int i) const override { return get("getSolutionRatio", i, 1); }
  void setFormationVolume(int i, double v) override { set("setFormationVolume", i, v, 2); }
  double getFormationVolume(int i) const override { return get("getFormationVolume", i, 2); }
  void setViscosity(int i, double v) override { set("setViscosity", i, v, 3); }
  double getViscosity(int i) const override { return get("getViscosity", i, 3); }
  void setCompressibility(int i, double v) override { set("setCompressibility", i, v, 4); }
  double getCompressibility(int i) const override { return get("getCompressibility", i, 4); }

  void setSaltConcentration(double v) override {
    log_.add(tag_, "setSaltConcentration", v);
    salt_ = v;
  }
  double getSaltConcentration() const override {
    log_.add(tag_, "getSaltConcentration");
    return salt_;
  }
  void setBrineSurfaceDensity(double v) override {
    log_.add(tag_, "setBrineSurfaceDensity", v);
    density_ = v;
  }
  double getBrineSurfaceDensity() const override {
    log_.add(tag_, "getBrineSurfaceDensity");
    return density_;
  }
  void setRefSaltConcentration(double v) override {
    log_.add(tag_, "setRefSaltConcentration", v);
    refSalt_ = v;
  }
  double getRefSaltConcentration() const override {
    log_.add(tag_, "getRefSaltConcentration");
    return refSalt_;
  }

 private:
  struct Row {
    double column[5] = {};
  };
  void set(char const* operation, int i, double v, int column) {
    log_.add(tag_, operation, i, v);
    rows_.at(at(i)).column[column] = v;
  }
  double get(char const* operation, int i, int column) const {
    log_.add(tag_, operation, i);
    return rows_.at(at(i)).column[column];
  }

  CallLog& log_;
  std::string tag_;
  std::vector<Row> rows_;
  double salt_ = 0.0;
  double density_ = 0.0;
  double refSalt_ = 0.0;
};

}  // namespace recorders

#endif  // ORV_TESS_VARNAK_TESTS_COPY_RECORDERS_H
