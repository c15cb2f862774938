#include <gtest/gtest.h>

#include <cstdint>
#include <locale>
#include <string>
#include <vector>

#include "frame/Message.h"
#include "frame/Resize.h"
#include "support/Expect.h"

namespace detail = Orv::Tess::Varnak::detail;

TEST(Message, ConcatenatesPiecesNamesAndDecimalNumbers) {
  EXPECT_EQ(detail::message("Fluid does not have Temperature table ", -3),
            "Fluid does not have Temperature table -3");
  EXPECT_EQ(detail::message("Separator model '", std::string("S"), "', version '",
                            std::uint64_t{18446744073709551615ull}, "' does not exist"),
            "Separator model 'S', version '18446744073709551615' does not exist");
  EXPECT_EQ(detail::message("Tracer model '", "", "' does not exist"),
            "Tracer model '' does not exist");
}

// A host may install a global locale that groups digits ("12,345"); the library's
// messages must still write plain decimal numbers.
TEST(Message, IgnoresTheHostsGlobalLocale) {
  struct Grouping : std::numpunct<char> {
    char do_thousands_sep() const override { return ','; }
    std::string do_grouping() const override { return "\3"; }
  };
  // std::locale takes ownership of the facet and deletes it with the last copy.
  std::locale const previous = std::locale::global(std::locale(std::locale(), new Grouping));
  std::string const stage =
      detail::message("Separator stage with index '", 12345, "' does not exist");
  std::string const version =
      detail::message("Separator model 'S', version '", std::uint64_t{1000000}, "' does not exist");
  std::locale::global(previous);
  EXPECT_EQ(stage, "Separator stage with index '12345' does not exist");
  EXPECT_EQ(version, "Separator model 'S', version '1000000' does not exist");
}

TEST(Resize, NegativeLengthRaisesTheLengthErrorAndKeepsTheValues) {
  std::vector<double> values{1.0, 2.0};
  EXPECT_THROW_EXACT(detail::resize(values, -1), std::length_error, "vector<T> too long");
  EXPECT_EQ(values, (std::vector<double>{1.0, 2.0}));
  detail::resize(values, 3);
  EXPECT_EQ(values, (std::vector<double>{1.0, 2.0, 0.0}));
}
