#include "core/CountWord.h"

namespace trimerka {

std::string CountWord(int count, std::string_view one, std::string_view few, std::string_view many) {
    const int lastTwo = count % 100;
    const int last = count % 10;
    if (lastTwo >= 11 && lastTwo <= 14) {
        return std::string(many);
    }
    if (last == 1) {
        return std::string(one);
    }
    if (last >= 2 && last <= 4) {
        return std::string(few);
    }
    return std::string(many);
}

} // namespace trimerka
