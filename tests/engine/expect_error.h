#pragma once
// Assertion helper for engine failures: the call must raise the given error kind with
// exactly the given message.
#include <gtest/gtest.h>

#include <exception>
#include <string>
#include <string_view>
#include <typeinfo>

namespace quarrant::test {

template <class Error, class Call>
::testing::AssertionResult FailsWith(Call&& call, std::string_view message) {
  try {
    call();
  } catch (const Error& error) {
    if (error.what() == message) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "raised \"" << error.what() << "\" instead of \"" << message << "\"";
  } catch (const std::exception& error) {
    return ::testing::AssertionFailure() << "raised another error kind (" << typeid(error).name()
                                         << "): \"" << error.what() << "\"";
  }
  return ::testing::AssertionFailure() << "returned instead of raising \"" << message << "\"";
}

inline constexpr std::string_view kDivisionByZero = "Floating point division by zero";
inline constexpr std::string_view kInvalidOperation = "Invalid floating point operation";
inline constexpr std::string_view kOverflow = "Floating point overflow";

}  // namespace quarrant::test
