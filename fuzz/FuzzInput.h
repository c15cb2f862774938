// Decoding of a fuzzer input into the arguments of library calls.
//
// Every choice takes a few bytes from the input; an exhausted input yields zeros, so any
// byte string decodes to a finite call sequence. Arguments are drawn as a host's bad
// input would come: mostly small valid values, often just out of range, sometimes the
// extremes of their type. Positive counts stay small (see count()), because a count
// that asks for gigabytes is a legitimate request that the library must try to serve,
// and that would only measure the machine.
#ifndef ORV_TESS_VARNAK_FUZZ_FUZZINPUT_H
#define ORV_TESS_VARNAK_FUZZ_FUZZINPUT_H

#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "support/Observe.h"

namespace fuzz {

class Input {
 public:
  Input(std::uint8_t const* data, std::size_t size) : provider_(data, size) {}

  bool empty() { return provider_.remaining_bytes() == 0; }

  // A choice among n alternatives, 0 … n-1.
  int pick(int n) { return provider_.ConsumeIntegralInRange<int>(0, n - 1); }
  bool flag() { return provider_.ConsumeBool(); }

  // An index: mostly -1 … 6, at times an extreme of int.
  int index() {
    int const kind = pick(16);
    if (kind < 14) return pick(8) - 1;
    static int const extremes[] = {INT_MIN, INT_MAX, -1000000, 1000000, INT_MIN + 1, INT_MAX - 1};
    return extremes[pick(6)];
  }

  // A count: mostly -1 … 8, at times a larger affordable one or a negative extreme.
  int count() {
    int const kind = pick(16);
    if (kind < 13) return pick(10) - 1;
    if (kind < 15) return 9 + pick(8);
    static int const extremes[] = {INT_MIN, -1, -2, -1000000};
    return extremes[pick(4)];
  }

  double value() {
    using limits = std::numeric_limits<double>;
    double constexpr inf = limits::infinity(), nan = limits::quiet_NaN();
    double constexpr tiny = limits::denorm_min(), huge = limits::max();
    static double const special[] = {0.0,      -0.0,    1.0, -1.0, 0.5, 100.0, 2500.25,
                                     1.0e-300, 1.0e300, inf, -inf, nan, tiny,  huge};
    int constexpr n = sizeof special / sizeof special[0];
    int const kind = pick(n + 1);
    if (kind < n) return special[kind];
    return provider_.ConsumeFloatingPoint<double>();
  }

  // A name from a small set, so that calls meet the same objects again: the empty name,
  // short ones, names that a unique-name suffix produces, a long one, bytes beyond ASCII
  // and an embedded NUL.
  std::string name() {
    using namespace std::string_literals;
    static std::string const names[] = {"",
                                        "A",
                                        "B",
                                        "A_1",
                                        "A_2",
                                        "Oil",
                                        "a",
                                        "North flank equilibration region",
                                        "\xc3\xa9t\xc3\xa9",
                                        "nul\0byte"s};
    return names[pick(10)];
  }

  // A key of a keyed child (temperature table, depth table, tracer table type, oil
  // region) or of a component property, from the keys the snapshots probe.
  int tableKey() { return oneOf(support::tableKeys()); }
  int propertyKey() { return oneOf(support::propertyKeys()); }
  // A component index within the coefficient matrices the snapshots probe.
  int pairIndex() {
    return support::kFirstPairIndex + pick(support::kLastPairIndex - support::kFirstPairIndex + 1);
  }

  // An enumeration value: the named ones, a few beyond, and the extremes.
  int enumValue() {
    int const kind = pick(8);
    if (kind < 7) return pick(14) - 1;
    return flag() ? INT_MIN : INT_MAX;
  }

  // An unsigned 64-bit size (separator version, reaction index).
  unsigned long long size() {
    int const kind = pick(8);
    if (kind < 7) return static_cast<unsigned long long>(pick(5));
    return flag() ? ULLONG_MAX : (1ULL << 32);
  }

  int anyInt() { return provider_.ConsumeIntegral<int>(); }

 private:
  int oneOf(std::vector<int> const& keys) {
    return keys[static_cast<std::size_t>(pick(static_cast<int>(keys.size())))];
  }

  FuzzedDataProvider provider_;
};

}  // namespace fuzz

#endif  // ORV_TESS_VARNAK_FUZZ_FUZZINPUT_H
