// The count of operations and failure points, reported when the tests end.
#include <gtest/gtest.h>

#include <cstdio>

#include "alloc/AllocationFailure.h"

namespace alloc {

Tally& tally() {
  static Tally t;
  return t;
}

namespace {

class Report : public ::testing::Environment {
 public:
  void TearDown() override {
    std::printf("[ alloc    ] %lld operations, %lld failure points (each allocation failed once)\n",
                tally().operations, tally().failurePoints);
  }
};

// GoogleTest takes ownership of the environment.
::testing::Environment* const report = ::testing::AddGlobalTestEnvironment(new Report);

}  // namespace

}  // namespace alloc
