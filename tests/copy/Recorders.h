// Test-only implementations of table interfaces that keep their values in plain
// containers and write every call they receive into a shared log. A copy from one
// recorder into another proves that it works through the interfaces alone (the library
// knows nothing of these classes) and shows the exact order of its reads and writes.
// A recorder can also be told to fail at a given call, to show that an error passes out
// of a copy unchanged and that what was written before it stays written.
#ifndef ORV_TESS_VARNAK_TESTS_COPY_RECORDERS_H
#define ORV_TESS_VARNAK_TESTS_COPY_RECORDERS_H

#include <cstddef>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/IDepthTable.h"
#include "Orv/Tess/Varnak/IOilTable.h"

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

// An oil table: saturated rows of a gas-oil ratio and entries (pressure, formation volume
// factor, viscosity).
class RecordingOilTable : public IOilTable {
 public:
  RecordingOilTable(CallLog& log, std::string tag) : log_(log), tag_(std::move(tag)) {}

  double getSurfaceDensity() const override {
    log_.add(tag_, "getSurfaceDensity");
    return surfaceDensity_;
  }
  void setSurfaceDensity(double v) override {
    log_.add(tag_, "setSurfaceDensity", v);
    surfaceDensity_ = v;
  }
  int getSaturatedSize() const override {
    log_.add(tag_, "getSaturatedSize");
    return static_cast<int>(rows_.size());
  }
  int getUndersaturatedSize(int sat) const override {
    log_.add(tag_, "getUndersaturatedSize", sat);
    return static_cast<int>(rows_.at(at(sat)).entries.size());
  }
  double getGasOilRatio(int sat) const override {
    log_.add(tag_, "getGasOilRatio", sat);
    return rows_.at(at(sat)).ratio;
  }
  double getPressure(int sat, int usat) const override { return get("getPressure", sat, usat, 0); }
  double getFormationVolumeFactor(int sat, int usat) const override {
    return get("getFormationVolumeFactor", sat, usat, 1);
  }
  double getViscosity(int sat, int usat) const override {
    return get("getViscosity", sat, usat, 2);
  }
  void setSaturatedSize(int size) override {
    log_.add(tag_, "setSaturatedSize", size);
    rows_.resize(at(size));
  }
  void setUndersaturatedSize(int sat, int size) override {
    log_.add(tag_, "setUndersaturatedSize", sat, size);
    rows_.at(at(sat)).entries.resize(at(size));
  }
  void setGasOilRatio(int sat, double v) override {
    log_.add(tag_, "setGasOilRatio", sat, v);
    rows_.at(at(sat)).ratio = v;
  }
  void setPressure(int sat, int usat, double v) override { set("setPressure", sat, usat, v, 0); }
  void setFormationVolumeFactor(int sat, int usat, double v) override {
    set("setFormationVolumeFactor", sat, usat, v, 1);
  }
  void setViscosity(int sat, int usat, double v) override { set("setViscosity", sat, usat, v, 2); }
  std::unique_ptr<IOilTable> clone() const override {
    throw std::logic_error("a copy never clones");
  }

 private:
  struct Entry {
    double value[3] = {};
  };
  struct Row {
    double ratio = 0.0;
    std::vector<Entry> entries;
  };
  double get(char const* operation, int sat, int usat, int column) const {
    log_.add(tag_, operation, sat, usat);
    return rows_.at(at(sat)).entries.at(at(usat)).value[column];
  }
  void set(char const* operation, int sat, int usat, double v, int column) {
    log_.add(tag_, operation, sat, usat, v);
    rows_.at(at(sat)).entries.at(at(usat)).value[column] = v;
  }

  CallLog& log_;
  std::string tag_;
  double surfaceDensity_ = 0.0;
  std::vector<Row> rows_;
};

}  // namespace recorders

#endif  // ORV_TESS_VARNAK_TESTS_COPY_RECORDERS_H
