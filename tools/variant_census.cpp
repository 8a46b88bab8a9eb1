// Writes core/VariantCensusTable.cpp: for every kind of vessel А and every capacity limit, the longest
// shortest solution and how many tasks there are of each number of steps, where fewer than a set may ask for.
// The generator refuses from this table at once instead of walking every task. Run after a change to the
// tasks the generator makes: trimerka-variant-census > core/VariantCensusTable.cpp

#include <cstddef>
#include <iostream>
#include <string>
#include <vector>

#include "core/Task.h"
#include "core/VariantGenerator.h"

namespace {

struct Kind {
    const char* name;
    bool unlimitedSource;
    bool pourBackAllowed;
};
constexpr Kind kKinds[] = {
    {"kOrdinary", false, true}, {"kUnlimited", true, true}, {"kUnlimitedNoPourBack", true, false}};

} // namespace

int main() {
    std::cout
        << "// Made by tools/variant_census.cpp (trimerka-variant-census > core/VariantCensusTable.cpp);\n"
           "// not edited by hand. For each capacity limit C from 1 to 99: the longest shortest solution,\n"
           "// the number of step counts listed, then each of them with its number of tasks; a step count\n"
           "// not listed has at least kMaxVariantCount tasks.\n\n"
           "#include <cstdint>\n\n"
           "#include \"core/VariantGenerator.h\"\n\n"
           "namespace trimerka {\n\n"
           "namespace {\n\n";
    for (const Kind& kind : kKinds) {
        const auto census =
            trimerka::CountVariants(trimerka::kMaxCapacity, kind.unlimitedSource, kind.pourBackAllowed);
        std::cout << "constexpr std::uint16_t " << kind.name << "[] = {\n";
        for (std::size_t c = 1; c < census.size(); ++c) {
            std::vector<int> listed;
            for (int k = 1; k <= census[c].longest; ++k) {
                if (census[c].count(k) < trimerka::kMaxVariantCount) {
                    listed.push_back(k);
                }
            }
            std::string line =
                "    " + std::to_string(census[c].longest) + ", " + std::to_string(listed.size()) + ",";
            for (int k : listed) {
                line += " " + std::to_string(k) + ", " + std::to_string(census[c].count(k)) + ",";
            }
            std::cout << line << " // " << c << "\n";
        }
        std::cout << "};\n\n";
    }
    std::cout << R"(} // namespace

const std::uint16_t* VariantCensusTable(bool unlimitedSource, bool pourBackAllowed) {
    if (!unlimitedSource) {
        return kOrdinary;
    }
    return pourBackAllowed ? kUnlimited : kUnlimitedNoPourBack;
}

} // namespace trimerka
)";
    return 0;
}
