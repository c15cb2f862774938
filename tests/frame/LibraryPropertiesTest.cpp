#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/LibraryProperties.h"

namespace ovt = Orv::Tess::Varnak;

TEST(LibraryProperties, ReportsTheSevenIdentityPairsInOrder) {
  std::vector<std::pair<std::string, std::string>> const expected = {
      {"CompanyName", "Kestavel"},
      {"FileVersion", "5.2017.0.0"},
      {"FileDescription", "Kestavel Simulation Support Library"},
      {"ProductVersion", "Main/0"},
      {"InternalName", "Orv.Tess.Varnak"},
      {"LegalCopyright", ""},  // value checked below: any non-empty text
      {"OriginalFilename", "Orv.Tess.Varnak"},
  };
  ASSERT_EQ(ovt::getNumLibProperties(), 7);
  for (int i = 0; i < 7; ++i) {
    char const* key = nullptr;
    char const* value = nullptr;
    ovt::getLibProperty(i, key, value);
    ASSERT_NE(key, nullptr);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(key, expected[i].first) << "index " << i;
    if (i == 5) {
      EXPECT_STRNE(value, "");
    } else {
      EXPECT_EQ(value, expected[i].second) << "index " << i;
    }
  }
}

TEST(LibraryProperties, OutsideIndicesGiveOneSharedEmptyString) {
  for (int index : {7, 8, -1, -2147483647 - 1}) {
    char const* key = "x";
    char const* value = "y";
    ovt::getLibProperty(index, key, value);
    EXPECT_STREQ(key, "") << index;
    EXPECT_EQ(key, value) << "both point to the same string for index " << index;
  }
}
