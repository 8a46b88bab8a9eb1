#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trimerka::utf8 {

// Splits UTF-8 text into its characters, each as the bytes that encode it. A malformed byte stands alone.
std::vector<std::string_view> characters(std::string_view text);
// The number of characters (code points) of UTF-8 text.
std::size_t length(std::string_view text);

} // namespace trimerka::utf8
