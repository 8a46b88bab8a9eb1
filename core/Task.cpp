#include "core/Task.h"

namespace trimerka {

const std::array<std::string, kVesselCount> kVesselLetters{"А", "Б", "В"};
const std::array<char, kVesselCount> kVesselKeyLetters{'a', 'b', 'v'};

} // namespace trimerka
