#pragma once

#include <gtest/gtest.h>

#include <string>

namespace pluvane::fixtures {

// Runs `action` and checks that it throws exactly `Error` with `message`,
// which a plain EXPECT_THROW would not look at.
template <class Error, class Action>
::testing::AssertionResult throwsWithMessage(Action&& action, const std::string& message)
{
    try {
        action();
    } catch (const Error& e) {
        if (e.what() == message)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "threw \"" << e.what() << "\", not \"" << message << "\"";
    } catch (const std::exception& e) {
        return ::testing::AssertionFailure() << "threw another kind of error: " << e.what();
    }
    return ::testing::AssertionFailure() << "threw nothing";
}

} // namespace pluvane::fixtures
