#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "support/Expect.h"

using namespace Orv::Tess::Varnak;

namespace {

// A two-stage train as a host fills it: high-pressure stage to a stock-tank stage.
StdSeparatorModel twoStageTrain() {
  StdSeparatorModel train("FieldTrain");
  train.setGroupName("North");
  ISeparatorStage& hp = train.makeStage();
  hp.setPressure(45.0);
  hp.setTemperature(60.0);
  hp.setLiquidDestinationStageIndex(1);
  hp.setKvalueTableNumber(2);
  ISeparatorStage& tank = train.makeStage();
  tank.setPressure(1.01325);
  tank.setTemperature(15.0);
  tank.setSurfaceEOSNumber(1);
  tank.setIsLastStage(true);
  return train;
}

// A host's stage that reports its pressure one bar above what it stores: equality must
// read the other side through its interface.
struct RaisedStage : StdSeparatorStage {
  explicit RaisedStage(ISeparatorStage const& shown)
      : StdSeparatorStage(dynamic_cast<StdSeparatorStage const&>(shown)) {
    setPressure(shown.getPressure() - 1.0);
  }
  double getPressure() const override { return StdSeparatorStage::getPressure() + 1.0; }
};

// A host's refinement of the library's model that counts its stage lookups.
class CountingTrain : public StdSeparatorModel {
 public:
  using StdSeparatorModel::getStage;
  using StdSeparatorModel::StdSeparatorModel;
  ISeparatorStage& getStage(int k) override {
    ++lookups;
    return StdSeparatorModel::getStage(k);
  }
  int lookups = 0;
};

}  // namespace

TEST(SeparatorModel, StagesCountFromOneInGetStageAndFromZeroInPositionsAndIndices) {
  StdSeparatorStage const fresh(4);  // destinations and tables unset, conditions zero
  EXPECT_EQ((std::vector<double>{
                double(fresh.getStageIndex()), double(fresh.getLiquidDestinationStageIndex()),
                double(fresh.getVapourDestinationStageIndex()),
                double(fresh.getKvalueTableNumber()), double(fresh.getGasPlantTableNumber()),
                double(fresh.getSurfaceEOSNumber()), fresh.getTemperature(), fresh.getPressure(),
                fresh.getTemperatureForNGLdensity(), fresh.getPressureForNGLdensity()}),
            (std::vector<double>{4, -1, -1, -1, -1, -1, 0, 0, 0, 0}));
  EXPECT_EQ(StdSeparatorStage().getStageIndex(), -1);

  CountingTrain train("T");
  for (int i = 0; i < 3; ++i) train.makeStage().setPressure(10.0 * (i + 1));
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(train.getStage(k).getStageIndex(), k - 1);
  train.getStage(3).setStageIndex(7);  // the host renumbers a stage its own way
  train.deleteStage(0);
  ASSERT_EQ(train.getNumStages(), 2);
  for (int k = 1; k <= 2; ++k) {
    EXPECT_EQ(train.getStage(k).getPressure(), 10.0 * (k + 1));  // the former stages 2 and 3
    EXPECT_EQ(train.getStage(k).getStageIndex(), k - 1);         // 7 renumbered to its position
  }
  // The next stage continues after the current count, whatever indices the host set.
  train.getStage(2).setStageIndex(9);
  EXPECT_EQ(train.makeStage().getStageIndex(), 2);

  // The const lookup goes through the overridable one.
  train.lookups = 0;
  EXPECT_EQ(static_cast<CountingTrain const&>(train).getStage(1).getPressure(), 20.0);
  EXPECT_EQ(train.lookups, 1);
}

TEST(SeparatorModel, StageOutsideTheTrainRaisesWithItsZeroBasedPositionAndChangesNothing) {
  StdSeparatorModel train = twoStageTrain();
  StdSeparatorModel const& view = train;
  std::vector<std::pair<std::function<void()>, std::string>> const cases = {
      {[&] { train.getStage(0); }, "-1"},
      {[&] { train.getStage(3); }, "2"},
      {[&] { train.getStage(INT_MIN); }, "-2147483649"},
      {[&] { view.getStage(0); }, "-1"},
      {[&] { view.getStage(3); }, "2"},
      {[&] { train.deleteStage(-1); }, "-1"},
      {[&] { train.deleteStage(2); }, "2"},
      {[&] { train.deleteStage(INT_MAX); }, "2147483647"},
  };
  for (auto const& [call, position] : cases) {
    EXPECT_THROW_EXACT(call(), std::runtime_error,
                       "Separator stage with index '" + position + "' does not exist");
    EXPECT_TRUE(train == twoStageTrain()) << position;
    EXPECT_EQ(train.getStage(2).getStageIndex(), 1);
  }
  StdSeparatorModel empty("E");
  EXPECT_THROW_EXACT(empty.getStage(1), std::runtime_error,
                     "Separator stage with index '0' does not exist");
  EXPECT_THROW_EXACT(empty.deleteStage(0), std::runtime_error,
                     "Separator stage with index '0' does not exist");
}

TEST(SeparatorModel, EqualityReadsNameGroupAndEveryStageValueButNotTheLastStageFlag) {
  StdSeparatorModel const reference = twoStageTrain();
  StdSeparatorModel flagOnly = twoStageTrain();
  flagOnly.getStage(2).setIsLastStage(false);
  flagOnly.getStage(1).setIsLastStage(true);
  EXPECT_TRUE(flagOnly == reference);
  EXPECT_TRUE(reference.getStage(1) == RaisedStage(reference.getStage(1)));

  using Change = std::function<void(StdSeparatorModel&)>;
  std::vector<std::pair<char const*, Change>> const changes = {
      {"group", [](StdSeparatorModel& m) { m.setGroupName("South"); }},
      {"stage count", [](StdSeparatorModel& m) { m.makeStage(); }},
      {"stage index", [](StdSeparatorModel& m) { m.getStage(2).setStageIndex(5); }},
      {"temperature", [](StdSeparatorModel& m) { m.getStage(2).setTemperature(15.5); }},
      {"pressure", [](StdSeparatorModel& m) { m.getStage(1).setPressure(44.0); }},
      {"liquid", [](StdSeparatorModel& m) { m.getStage(1).setLiquidDestinationStageIndex(-1); }},
      {"vapour", [](StdSeparatorModel& m) { m.getStage(1).setVapourDestinationStageIndex(1); }},
      {"kvalue", [](StdSeparatorModel& m) { m.getStage(1).setKvalueTableNumber(3); }},
      {"gas plant", [](StdSeparatorModel& m) { m.getStage(2).setGasPlantTableNumber(0); }},
      {"eos", [](StdSeparatorModel& m) { m.getStage(2).setSurfaceEOSNumber(2); }},
      {"ngl temperature",
       [](StdSeparatorModel& m) { m.getStage(2).setTemperatureForNGLdensity(20.0); }},
      {"ngl pressure", [](StdSeparatorModel& m) { m.getStage(2).setPressureForNGLdensity(1.0); }},
  };
  for (auto const& [what, change] : changes) {
    StdSeparatorModel changed = twoStageTrain();
    change(changed);
    EXPECT_FALSE(changed == reference) << what;
    EXPECT_FALSE(reference == changed) << what;
  }
  EXPECT_FALSE(StdSeparatorModel("OtherTrain") == StdSeparatorModel("FieldTrain"));
  // A value that is not a number equals nothing, not even itself.
  StdSeparatorModel withNaN = twoStageTrain();
  withNaN.getStage(1).setTemperature(std::nan(""));
  EXPECT_FALSE(withNaN == withNaN);
}

TEST(SeparatorModel, CopiesAreIndependentOfTheirSource) {
  StdSeparatorModel source = twoStageTrain();
  StdSeparatorModel copy(source);
  EXPECT_EQ(copy.getName(), "FieldTrain");
  EXPECT_EQ(copy.getGroupName(), "North");
  EXPECT_TRUE(copy == source);
  copy.getStage(1).setPressure(50.0);
  copy.deleteStage(1);
  EXPECT_TRUE(source == twoStageTrain());

  StdSeparatorModel assigned("X");
  assigned = source;  // the name too
  source.setGroupName("");
  source.getStage(2).setPressure(3.0);
  EXPECT_TRUE(assigned == twoStageTrain());
}
