#pragma once

#include <stdexcept>
#include <string>

namespace trimerka {

// The one error type of the program. Its message (UTF-8) is exactly the text the user sees in the error
// report.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// The message with which a vessel's bar, in the windows and in the readers that follow it, refuses a negative
// capacity. It names the range of the bar's integer check, though a capacity of 0 is taken.
inline constexpr char kValueRangeMessage[] = "Value must be between 1 and 2147483647";

} // namespace trimerka
