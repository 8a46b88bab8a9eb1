#include "core/Profile.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

#include "core/Error.h"
#include "core/TextCodec.h"
#include "core/TextFile.h"

namespace trimerka {

namespace {

enum class LineKind { Blank, Comment, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;  // section or key name, without surrounding blanks
    std::string_view value; // a key's raw value, without surrounding blanks
};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

ParsedLine parseLine(std::string_view line) {
    line = trimmed(line);
    ParsedLine parsed;
    if (line.empty()) {
        parsed.kind = LineKind::Blank;
    } else if (line.front() == ';') {
        parsed.kind = LineKind::Comment;
    } else if (line.front() == '[') {
        // A header without its closing bracket is no header; such a line is skipped like any unknown line.
        const auto close = line.rfind(']');
        if (close != std::string_view::npos) {
            parsed.kind = LineKind::Section;
            parsed.name = trimmed(line.substr(1, close - 1));
        }
    } else if (const auto equals = line.find('='); equals != std::string_view::npos) {
        parsed.kind = LineKind::Key;
        parsed.name = trimmed(line.substr(0, equals));
        parsed.value = trimmed(line.substr(equals + 1));
    }
    return parsed;
}

// The value as a reader gets it: one pair of matching quotes removed, cut at a NUL character (the value of a
// C string ends there) and at kProfileValueMaxChars characters.
std::string valueText(std::string_view raw) {
    if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') && raw.back() == raw.front()) {
        raw = raw.substr(1, raw.size() - 2);
    }
    if (const auto nul = raw.find('\0'); nul != std::string_view::npos) {
        raw = raw.substr(0, nul);
    }
    std::size_t characters = 0;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        // Every byte that does not continue a UTF-8 sequence starts a character.
        if ((static_cast<unsigned char>(raw[i]) & 0xC0) != 0x80) {
            if (characters == kProfileValueMaxChars) {
                return std::string(raw.substr(0, i));
            }
            ++characters;
        }
    }
    return std::string(raw);
}

// Calls visit(line) for every line of the text, without its line end, until it returns true. Both LF and
// CRLF end a line; every carriage return before the LF goes with it, so a line never ends in one.
template <typename Visit> void forEachLine(std::string_view text, Visit&& visit) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        auto line = text.substr(0, end);
        while (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (visit(line)) {
            return;
        }
        if (end == std::string_view::npos) {
            return;
        }
        text.remove_prefix(end + 1);
    }
}

// Reads one key from a sequence of lines: the first matching key in any section of the matching name.
template <typename Lines>
std::string readFrom(const Lines& forEach, std::string_view section, std::string_view key) {
    section = trimmed(section);
    key = trimmed(key);
    bool inSection = false;
    std::string result;
    forEach([&](std::string_view line) {
        const ParsedLine parsed = parseLine(line);
        if (parsed.kind == LineKind::Section) {
            inSection = sameName(parsed.name, section);
        } else if (inSection && parsed.kind == LineKind::Key && sameName(parsed.name, key)) {
            result = valueText(parsed.value);
            return true;
        }
        return false;
    });
    return result;
}

std::string lineValue(std::string_view value) {
    std::string safe(value);
    // A line break would end the line and smuggle the rest in as further keys or sections.
    for (char& c : safe) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return safe;
}

// Whether a value would read back as something else: a reader drops the blanks around a value and one pair of
// enclosing quotes.
bool needsQuotes(std::string_view value) {
    if (value.empty()) {
        return false;
    }
    if (isBlank(value.front()) || isBlank(value.back())) {
        return true;
    }
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

std::string keyLine(std::string_view key, std::string_view value) {
    std::string line(key);
    line += '=';
    const std::string safe = lineValue(value);
    // Enclosed in quotes, the value keeps its blanks and quotes: the reader takes the pair off again, as
    // Windows' reader does. Every other value is written as it stands.
    if (needsQuotes(safe)) {
        line += '"';
        line += safe;
        line += '"';
    } else {
        line += safe;
    }
    return line;
}

[[noreturn]] void unableToWrite(const std::filesystem::path& path) {
    throw Error("Unable to write to " + path.string());
}

// The file a path finally names, following symbolic links (also one that names a file not yet created).
std::filesystem::path resolvedTarget(const std::filesystem::path& path) {
    std::filesystem::path target = path;
    std::error_code ec;
    for (int hop = 0; hop < 40 && std::filesystem::is_symlink(target, ec); ++hop) {
        const auto link = std::filesystem::read_symlink(target, ec);
        if (ec) {
            break;
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target;
}

} // namespace

std::string ReadProfileString(std::string_view text, std::string_view section, std::string_view key) {
    return readFrom([&](auto&& visit) { forEachLine(text, visit); }, section, key);
}

std::string LowerCaseName(std::string_view name) {
    std::string lower(trimmed(name));
    for (char& c : lower) {
        c = lowerAscii(c);
    }
    return lower;
}

std::vector<std::pair<std::string, std::string>> Profile::keysOf(std::string_view section) const {
    section = trimmed(section);
    std::vector<std::pair<std::string, std::string>> keys;
    bool inSection = false;
    for (const std::string& line : lines_) {
        const ParsedLine parsed = parseLine(line);
        if (parsed.kind == LineKind::Section) {
            inSection = sameName(parsed.name, section);
        } else if (inSection && parsed.kind == LineKind::Key) {
            keys.emplace_back(parsed.name, valueText(parsed.value));
        }
    }
    return keys;
}

Profile Profile::fromText(std::string_view utf8Text) {
    Profile profile;
    forEachLine(utf8Text, [&](std::string_view line) {
        profile.lines_.emplace_back(line);
        return false;
    });
    return profile;
}

Profile Profile::fromBytes(std::string_view bytes) {
    return fromText(codec::decodeFileText(bytes));
}

Profile Profile::load(const std::filesystem::path& path) {
    std::string bytes;
    if (!ReadFileBytes(path, kProfileMaxReadBytes, bytes)) {
        return {};
    }
    return fromBytes(bytes);
}

std::string Profile::read(std::string_view section, std::string_view key) const {
    return readFrom(
        [&](auto&& visit) {
            for (const std::string& line : lines_) {
                if (visit(std::string_view(line))) {
                    return;
                }
            }
        },
        section, key);
}

void Profile::write(std::string_view section, std::string_view key, std::string_view value) {
    section = trimmed(section);
    key = trimmed(key);
    bool inSection = false;
    std::size_t firstHeader = lines_.size();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const ParsedLine parsed = parseLine(lines_[i]);
        if (parsed.kind == LineKind::Section) {
            inSection = sameName(parsed.name, section);
            if (inSection && firstHeader == lines_.size()) {
                firstHeader = i;
            }
        } else if (inSection && parsed.kind == LineKind::Key && sameName(parsed.name, key)) {
            lines_[i] = keyLine(parsed.name, value);
            return;
        }
    }
    if (firstHeader == lines_.size()) {
        appendSection(section, {{std::string(key), std::string(value)}});
        return;
    }
    // A new key goes after the last non-blank line of the first section of the name, so the blank lines that
    // part it from the next section stay where they are.
    std::size_t insertAt = firstHeader + 1;
    for (std::size_t i = firstHeader + 1; i < lines_.size(); ++i) {
        const ParsedLine parsed = parseLine(lines_[i]);
        if (parsed.kind == LineKind::Section) {
            break;
        }
        if (parsed.kind != LineKind::Blank) {
            insertAt = i + 1;
        }
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), keyLine(key, value));
}

void Profile::appendSection(std::string_view section,
                            const std::vector<std::pair<std::string, std::string>>& keys) {
    if (!lines_.empty() && parseLine(lines_.back()).kind != LineKind::Blank) {
        lines_.emplace_back();
    }
    std::string header = "[";
    header += trimmed(section);
    header += ']';
    lines_.push_back(std::move(header));
    for (const auto& [key, value] : keys) {
        lines_.push_back(keyLine(trimmed(key), value));
    }
}

void Profile::eraseSection(std::string_view section) {
    section = trimmed(section);
    std::vector<std::string> kept;
    kept.reserve(lines_.size());
    bool inSection = false;
    for (std::string& line : lines_) {
        const ParsedLine parsed = parseLine(line);
        if (parsed.kind == LineKind::Section) {
            inSection = sameName(parsed.name, section);
        }
        if (!inSection) {
            kept.push_back(std::move(line));
        }
    }
    lines_ = std::move(kept);
}

std::string Profile::text() const {
    std::size_t size = 0;
    for (const std::string& line : lines_) {
        size += line.size() + 1;
    }
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines_) {
        text += line;
        text += '\n';
    }
    return text;
}

bool ReadFileBytes(const std::filesystem::path& path, std::uintmax_t limit, std::string& bytes) {
    bytes.clear();
    try {
        bytes = ReadFileBytesOrCause(path, limit);
    } catch (const Error&) {
        return false;
    }
    return true;
}

void ReplaceFileContent(const std::filesystem::path& path, std::string_view content) {
    const std::filesystem::path target = resolvedTarget(path);
    std::error_code ec;
    const auto status = std::filesystem::status(target, ec);
    const bool exists = std::filesystem::exists(status);
    if (exists) {
        // A rename would replace even a read-only file or swap a folder away; refuse what could not be opened
        // for writing in place.
        if (!std::filesystem::is_regular_file(status)) {
            unableToWrite(path);
        }
        std::FILE* probe = std::fopen(target.string().c_str(), "r+b");
        if (probe == nullptr) {
            unableToWrite(path);
        }
        std::fclose(probe);
    }

    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::random_device seed;
    std::mt19937 random(seed());
    std::filesystem::path temporary;
    std::FILE* file = nullptr;
    for (int attempt = 0; attempt < 100 && file == nullptr; ++attempt) {
        // A short name of its own, so that even a file with the longest allowed name can be saved.
        temporary = folder / (".trimerka-" + std::to_string(random() % 1000000) + ".tmp");
        errno = 0;
        file = std::fopen(temporary.string().c_str(), "wbx");
        if (file == nullptr && errno != EEXIST) {
            break;
        }
    }
    if (file == nullptr) {
        unableToWrite(path);
    }
    bool ok = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (ok && exists) {
        std::filesystem::permissions(temporary, status.permissions(), std::filesystem::perm_options::replace,
                                     ec);
    }
    if (ok) {
        std::filesystem::rename(temporary, target, ec);
        ok = !ec;
    }
    if (!ok) {
        std::filesystem::remove(temporary, ec);
        unableToWrite(path);
    }
}

} // namespace trimerka
