#include <gtest/gtest.h>

#include <cstdint>
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

TEST(Resize, NegativeLengthRaisesTheLengthErrorAndKeepsTheValues) {
  std::vector<double> values{1.0, 2.0};
  EXPECT_THROW_EXACT(detail::resize(values, -1), std::length_error, "vector<T> too long");
  EXPECT_EQ(values, (std::vector<double>{1.0, 2.0}));
  detail::resize(values, 3);
  EXPECT_EQ(values, (std::vector<double>{1.0, 2.0, 0.0}));
}
