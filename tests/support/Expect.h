// Assertions shared by the tests.
//
// The library's exceptions are part of its interface: hosts catch them by type and show
// their messages to users. EXPECT_THROW_EXACT checks both: the thrown object's dynamic
// type must be exactly the named type (a std::range_error, not merely some
// std::runtime_error) and what() must equal the message word for word.
#ifndef ORV_TESS_VARNAK_TESTS_SUPPORT_EXPECT_H
#define ORV_TESS_VARNAK_TESTS_SUPPORT_EXPECT_H

#include <gtest/gtest.h>

#include <exception>
#include <string>
#include <typeinfo>

#define EXPECT_THROW_EXACT(statement, ExceptionType, expectedMessage)                           \
  do {                                                                                          \
    try {                                                                                       \
      statement;                                                                                \
      ADD_FAILURE() << "Expected " #statement " to throw " #ExceptionType;                      \
    } catch (std::exception const& thrown_) {                                                   \
      EXPECT_EQ(std::string(typeid(thrown_).name()), std::string(typeid(ExceptionType).name())) \
          << #statement " threw the wrong exception type";                                      \
      EXPECT_EQ(std::string(thrown_.what()), std::string(expectedMessage)) << #statement;       \
    }                                                                                           \
  } while (false)

#endif  // ORV_TESS_VARNAK_TESTS_SUPPORT_EXPECT_H
