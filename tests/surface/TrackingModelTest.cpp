#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Orv/Tess/Varnak/StdTrackingModel.h"

using namespace Orv::Tess::Varnak;

using Names = std::set<std::string>;

TEST(TrackingModel, NewRequestTracksByGasOilContactOnly) {
  StdTrackingModel tracking;
  EXPECT_TRUE(tracking.getHasGOCTracking());
  EXPECT_FALSE(tracking.getHasDEPTHTracking());
  EXPECT_FALSE(tracking.getHasREGIONTracking());
  EXPECT_EQ(tracking.getTrackingDepth(), 0.0);
  EXPECT_FALSE(tracking.getNormalizeOutput());
  EXPECT_FALSE(tracking.getTrackAllComponents());
  EXPECT_TRUE(tracking.getTrackedComponentNames().empty());
}

TEST(TrackingModel, SettingsAreIndependentAndTheNameSetIsReplacedWhole) {
  StdTrackingModel tracking;
  tracking.setTrackedComponentNames({"B", "a", "B"});
  EXPECT_EQ(tracking.getTrackedComponentNames(), (Names{"B", "a"}));
  tracking.setTrackedComponentNames({"C1"});
  EXPECT_EQ(tracking.getTrackedComponentNames(), (Names{"C1"}));

  tracking.setTrackAllComponents(true);
  tracking.setHasGOCTracking(false);
  tracking.setHasDEPTHTracking(true);
  tracking.setTrackingDepth(2150.5);
  EXPECT_EQ(tracking.getTrackedComponentNames(), (Names{"C1"}));
  EXPECT_FALSE(tracking.getHasGOCTracking());
  EXPECT_TRUE(tracking.getHasDEPTHTracking());
  EXPECT_FALSE(tracking.getHasREGIONTracking());
  EXPECT_FALSE(tracking.getNormalizeOutput());
  EXPECT_EQ(tracking.getTrackingDepth(), 2150.5);

  StdTrackingModel copy(tracking);
  tracking.setTrackedComponentNames({});
  EXPECT_TRUE(tracking.getTrackedComponentNames().empty());
  EXPECT_EQ(copy.getTrackedComponentNames(), (Names{"C1"}));
  EXPECT_TRUE(copy.getTrackAllComponents());
  EXPECT_EQ(copy.getTrackingDepth(), 2150.5);
}
