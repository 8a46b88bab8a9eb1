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

} // namespace trimerka
