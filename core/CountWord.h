#pragma once

#include <string>
#include <string_view>

namespace trimerka {

// The Russian form of a noun that goes with a whole number: `one` after 1, 21, 31 ("шаг", "литр"), `few`
// after 2-4, 22-24 ("шага", "литра"), `many` after 0, 5-20, 25-30 and every number ending in 11-14 ("шагов",
// "литров").
std::string CountWord(int count, std::string_view one, std::string_view few, std::string_view many);

} // namespace trimerka
