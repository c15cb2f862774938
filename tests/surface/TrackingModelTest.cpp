#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Orv/Tess/Varnak/StdTrackingModel.h"

using namespace Orv::Tess::Varnak;
using Names = std::set<std::string>;

// Each setting starts at its default and reaches its own field only: every value set
// differs from every default, and each is read back after all of them are set.
TEST(TrackingModel, StartsAtTheDefaultsAndKeepsEachSettingApart) {
  StdTrackingModel tracking;
  EXPECT_TRUE(tracking.getHasGOCTracking());
  EXPECT_FALSE(tracking.getHasDEPTHTracking());
  EXPECT_FALSE(tracking.getHasREGIONTracking());
  EXPECT_EQ(tracking.getTrackingDepth(), 0.0);
  EXPECT_FALSE(tracking.getNormalizeOutput());
  EXPECT_FALSE(tracking.getTrackAllComponents());
  EXPECT_TRUE(tracking.getTrackedComponentNames().empty());

  tracking.setTrackedComponentNames({"B", "a", "B"});
  EXPECT_EQ(tracking.getTrackedComponentNames(), (Names{"B", "a"}));
  tracking.setTrackedComponentNames({"C1"});  // replaced whole
  tracking.setHasGOCTracking(false);
  tracking.setHasDEPTHTracking(true);
  tracking.setTrackingDepth(2150.5);
  tracking.setTrackAllComponents(true);
  StdTrackingModel copy(tracking);
  StdTrackingModel assigned;
  assigned = tracking;
  tracking.setHasREGIONTracking(true);
  tracking.setNormalizeOutput(true);
  tracking.setTrackedComponentNames({});
  for (StdTrackingModel* m : {&tracking, &copy, &assigned}) {
    EXPECT_FALSE(m->getHasGOCTracking());
    EXPECT_TRUE(m->getHasDEPTHTracking());
    EXPECT_EQ(m->getTrackingDepth(), 2150.5);
    EXPECT_TRUE(m->getTrackAllComponents());
  }
  EXPECT_TRUE(tracking.getHasREGIONTracking());
  EXPECT_TRUE(tracking.getNormalizeOutput());
  EXPECT_TRUE(tracking.getTrackedComponentNames().empty());
  for (StdTrackingModel* m : {&copy, &assigned}) {
    EXPECT_FALSE(m->getHasREGIONTracking());
    EXPECT_FALSE(m->getNormalizeOutput());
    EXPECT_EQ(m->getTrackedComponentNames(), (Names{"C1"}));
  }
}
