#include "core/TaskFile.h"

namespace trimerka {

std::string StatementLineKey(int index) {
    return "zs" + std::to_string(index);
}
std::string VesselKey(int vessel, std::string_view field) {
    std::string key = "s";
    key += kVesselKeyLetters.at(static_cast<std::size_t>(vessel));
    key += field;
    return key;
}
std::string ColumnTitleKey(int vessel) {
    return "ns" + std::to_string(vessel + 1);
}
std::string ColorToText(Color) {
    return {};
}
std::optional<Color> TextToColor(std::string_view) {
    return std::nullopt;
}
int TextToInt(std::string_view) {
    return 0;
}
std::vector<std::pair<std::string, std::string>> TaskKeyValues(const TaskDefinition&) {
    return {};
}
std::string ComposeTaskFileText(std::string_view, const TaskDefinition&) {
    return {};
}
void WriteTaskFile(const std::filesystem::path&, const TaskDefinition&) {}
std::string ReadTaskValue(const std::filesystem::path&, std::string_view) {
    return {};
}
std::string ReadStatement(const std::filesystem::path&) {
    return {};
}
TaskFileValues::TaskFileValues(const std::filesystem::path&) {}
std::string TaskFileValues::statement() const {
    return {};
}

} // namespace trimerka
