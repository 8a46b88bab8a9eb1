#include "core/Profile.h"

namespace trimerka {

std::string ReadProfileString(std::string_view, std::string_view, std::string_view) {
    return {};
}
Profile Profile::fromText(std::string_view) {
    return {};
}
Profile Profile::fromBytes(std::string_view) {
    return {};
}
Profile Profile::load(const std::filesystem::path&) {
    return {};
}
std::string Profile::read(std::string_view, std::string_view) const {
    return {};
}
void Profile::write(std::string_view, std::string_view, std::string_view) {}
void Profile::eraseSection(std::string_view) {}
std::string Profile::text() const {
    return {};
}
bool ReadFileBytes(const std::filesystem::path&, std::uintmax_t, std::string&) {
    return false;
}
void ReplaceFileContent(const std::filesystem::path&, std::string_view) {}

} // namespace trimerka
