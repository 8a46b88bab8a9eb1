#include "core/TaskFile.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "core/Error.h"
#include "core/SafeText.h"
#include "core/TextCodec.h"
#include "core/Utf8.h"

namespace trimerka {

namespace {

// An existing file is read in full before a save rewrites it; one larger than this is refused, not truncated.
constexpr std::uintmax_t kMaxRewrittenFileBytes = 64 * 1024 * 1024;

// The text comes from a file: it is quoted made safe, so a value can neither flood nor steer the report.
[[noreturn]] void notAnInteger(std::string_view text) {
    throw Error("''" + SafeText(text) + "'' is not a valid integer value");
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string flagText(bool flag) {
    return flag ? "1" : "0";
}

} // namespace

bool HasTaskExtension(std::string_view path) {
    if (path.size() < kTaskExtension.size()) {
        return false;
    }
    // Lowered as names in a task file are compared; an ending with a blank at either end is shorter once
    // trimmed and never matches.
    return LowerCaseName(path.substr(path.size() - kTaskExtension.size())) == kTaskExtension;
}

std::string WithTaskExtension(std::string_view path) {
    std::string result(path);
    if (!HasTaskExtension(path)) {
        result += kTaskExtension;
    }
    return result;
}

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

std::string ColorToText(Color color) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", static_cast<unsigned>(redOf(color)),
                  static_cast<unsigned>(greenOf(color)), static_cast<unsigned>(blueOf(color)));
    return text;
}

std::optional<Color> TextToColor(std::string_view text) {
    const auto characters = utf8::characters(text);
    if (characters.size() < 6) {
        return std::nullopt;
    }
    // The digits are read blue, green, red, as the hexadecimal number of the colour's own layout.
    std::string joined = "$00";
    for (std::size_t first : {4, 2, 0}) {
        joined += characters[first];
        joined += characters[first + 1];
    }
    Color color = 0;
    for (std::size_t i = 1; i < joined.size(); ++i) {
        const int digit = hexDigit(joined[i]);
        if (digit < 0) {
            notAnInteger(joined);
        }
        color = color << 4 | static_cast<Color>(digit);
    }
    return color;
}

int TextToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        notAnInteger(text);
    }
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                                        : std::numeric_limits<int>::max();
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            notAnInteger(text);
        }
        value = value * 10 + (text[i] - '0');
        if (value > limit) {
            notAnInteger(text);
        }
    }
    return static_cast<int>(negative ? -value : value);
}

std::vector<std::pair<std::string, std::string>> TaskKeyValues(const TaskDefinition& task) {
    std::vector<std::pair<std::string, std::string>> keys;
    keys.reserve(task.statementLines.size() + 26);
    keys.emplace_back(kStatementLastIndexKey,
                      std::to_string(static_cast<long long>(task.statementLines.size()) - 1));
    for (std::size_t i = 0; i < task.statementLines.size(); ++i) {
        keys.emplace_back(StatementLineKey(static_cast<int>(i)), task.statementLines[i]);
    }
    keys.emplace_back("ns", task.commonTitle);
    for (int v = 0; v < kVesselCount; ++v) {
        keys.emplace_back(ColumnTitleKey(v), task.columnTitles[static_cast<std::size_t>(v)]);
    }
    keys.emplace_back("krres", flagText(task.solutionControl));
    for (int v = 0; v < kVesselCount; ++v) {
        const Vessel& vessel = task.vessels[static_cast<std::size_t>(v)];
        keys.emplace_back(VesselKey(v, "c1"), ColorToText(vessel.fillColor));
        keys.emplace_back(VesselKey(v, "c2"), ColorToText(vessel.emptyColor));
        if (v == VesselA) {
            keys.emplace_back(VesselKey(v, "ef"), flagText(task.unlimitedSource));
            keys.emplace_back(VesselKey(v, "sl"), flagText(task.pourBackAllowed));
        }
        keys.emplace_back(VesselKey(v, "h"), std::to_string(vessel.height));
        keys.emplace_back(VesselKey(v, "em"), std::to_string(vessel.capacity));
        keys.emplace_back(VesselKey(v, "et"), std::to_string(vessel.initialAmount));
        keys.emplace_back(VesselKey(v, "er"), std::to_string(vessel.targetAmount));
    }
    return keys;
}

std::string ComposeTaskFileText(std::string_view existingText, const TaskDefinition& task) {
    Profile profile = Profile::fromText(existingText);
    profile.eraseSection(kTaskSection);
    // The section was just erased, so writing the keys one by one appends each at the end of the new section.
    profile.appendSection(kTaskSection, TaskKeyValues(task));
    return profile.text();
}

void WriteTaskFile(const std::filesystem::path& path, const TaskDefinition& task) {
    std::string existing;
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !ReadFileBytes(path, kMaxRewrittenFileBytes, existing)) {
        // What cannot be read cannot be kept: refuse rather than lose the file's other sections.
        throw Error("Unable to write to " + path.string());
    }
    ReplaceFileContent(path, ComposeTaskFileText(codec::decodeFileText(existing), task));
}

bool CreateTaskFile(const std::filesystem::path& path, const TaskDefinition& task) {
    errno = 0;
    std::FILE* file = std::fopen(path.string().c_str(), "wbx");
    if (file == nullptr) {
        if (errno == EEXIST) {
            return false;
        }
        throw Error("Unable to write to " + path.string());
    }
    const std::string text = ComposeTaskFileText({}, task);
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = std::fclose(file) == 0 && ok;
    if (!ok) {
        std::error_code ec;
        std::filesystem::remove(path, ec);
        throw Error("Unable to write to " + path.string());
    }
    return true;
}

std::string ReadTaskValue(const std::filesystem::path& path, std::string_view key) {
    std::string bytes;
    if (!ReadFileBytes(path, kProfileMaxReadBytes, bytes)) {
        return {};
    }
    return ReadProfileString(codec::decodeFileText(bytes), kTaskSection, key);
}

std::string ReadStatement(const std::filesystem::path& path) {
    return TaskFileValues(path).statement();
}

TaskFileValues::TaskFileValues(const std::filesystem::path& path) : TaskFileValues(Profile::load(path)) {}

TaskFileValues::TaskFileValues(const Profile& profile) {
    for (auto& [key, value] : profile.keysOf(kTaskSection)) {
        values_.try_emplace(LowerCaseName(key), std::move(value));
    }
}

std::string TaskFileValues::value(std::string_view key) const {
    const auto found = values_.find(LowerCaseName(key));
    return found == values_.end() ? std::string() : found->second;
}

std::string TaskFileValues::statement() const {
    return RebuildStatement([this](const std::string& key) { return value(key); });
}

} // namespace trimerka
