#pragma once

#include <ostream>

namespace trimerka::rows {

// Test names and failure messages show a table row by its name. A test file takes this in with
// `using rows::PrintTo;` in the namespace of its rows, where GoogleTest looks for it.
template <typename Case>
requires requires(const Case& row) {
    row.name;
}
void PrintTo(const Case& row, std::ostream* out) {
    *out << row.name;
}

} // namespace trimerka::rows
