#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

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

// Each setter reaches its own setting and no other: a setting read back after changing
// one of the others keeps its default.
TEST(TrackingModel, EachSetterChangesOnlyItsOwnSetting) {
  struct Settings {
    bool goc, depth, region;
    double trackingDepth;
    bool normalize, all;
    Names names;
    bool operator==(Settings const& o) const {
      return goc == o.goc && depth == o.depth && region == o.region &&
             trackingDepth == o.trackingDepth && normalize == o.normalize && all == o.all &&
             names == o.names;
    }
  };
  auto const read = [](StdTrackingModel& m) {
    return Settings{m.getHasGOCTracking(),       m.getHasDEPTHTracking(), m.getHasREGIONTracking(),
                    m.getTrackingDepth(),        m.getNormalizeOutput(),  m.getTrackAllComponents(),
                    m.getTrackedComponentNames()};
  };
  Settings const defaults{true, false, false, 0.0, false, false, {}};

  using Change = std::function<void(StdTrackingModel&, Settings&)>;
  std::vector<std::pair<char const*, Change>> const changes = {
      {"goc", [](auto& m, auto& s) { m.setHasGOCTracking(s.goc = false); }},
      {"depth", [](auto& m, auto& s) { m.setHasDEPTHTracking(s.depth = true); }},
      {"region", [](auto& m, auto& s) { m.setHasREGIONTracking(s.region = true); }},
      {"tracking depth", [](auto& m, auto& s) { m.setTrackingDepth(s.trackingDepth = -35.5); }},
      {"normalize", [](auto& m, auto& s) { m.setNormalizeOutput(s.normalize = true); }},
      {"all", [](auto& m, auto& s) { m.setTrackAllComponents(s.all = true); }},
      {"names", [](auto& m, auto& s) { m.setTrackedComponentNames(s.names = {"C1", "CO2"}); }},
  };
  for (auto const& [what, change] : changes) {
    StdTrackingModel tracking;
    Settings expected = defaults;
    change(tracking, expected);
    EXPECT_EQ(read(tracking), expected) << what;
  }
}
