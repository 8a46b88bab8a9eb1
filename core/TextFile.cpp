#include "core/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <system_error>

#include "core/Error.h"
#include "core/Profile.h"
#include "core/TextCodec.h"

namespace trimerka {

namespace {

[[noreturn]] void tooLarge(std::uintmax_t limit) {
    throw Error("файл больше " + SizeText(limit) + " — такой не читается");
}

// What the reader made of the bytes is text when no NUL is in it: a NUL is what binary files are full of,
// and no editor writes one into text (UTF-16 with its byte order mark is decoded before the look).
std::string checkedText(std::string bytes) {
    if (codec::decodeFileText(bytes).find('\0') != std::string::npos) {
        throw Error("не текст: в нём есть нулевые байты");
    }
    return bytes;
}

} // namespace

std::string SizeText(std::uintmax_t bytes) {
    constexpr std::uintmax_t kKiB = 1024;
    if (bytes >= kKiB * kKiB && bytes % (kKiB * kKiB) == 0) {
        return std::to_string(bytes / (kKiB * kKiB)) + " МиБ";
    }
    if (bytes >= kKiB && bytes % kKiB == 0) {
        return std::to_string(bytes / kKiB) + " КиБ";
    }
    return std::to_string(bytes) + " байт";
}

std::string ReadFileBytesOrCause(const std::filesystem::path& path, std::uintmax_t limit) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        throw Error("нет такого файла");
    }
    if (ec) {
        throw Error(ec == std::errc::permission_denied ? "нет права на чтение" : "файл не читается");
    }
    if (fs::is_directory(status)) {
        throw Error("это папка, а не файл");
    }
    if (!fs::is_regular_file(status)) {
        throw Error("не текст: это устройство или канал");
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (!ec && size > limit) {
        tooLarge(limit);
    }
    errno = 0;
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (file == nullptr) {
        throw Error(errno == EACCES ? "нет права на чтение" : "файл не читается");
    }
    // The size is checked again while reading, since the file may have grown since it was asked.
    std::string bytes;
    char buffer[65536];
    bool failed = false;
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        bytes.append(buffer, got);
        if (bytes.size() > limit || got < sizeof buffer) {
            failed = std::ferror(file) != 0;
            break;
        }
    }
    std::fclose(file);
    if (failed) {
        throw Error("файл не читается");
    }
    if (bytes.size() > limit) {
        tooLarge(limit);
    }
    return bytes;
}

std::string ReadTextFile(const std::filesystem::path& path, std::uintmax_t limit) {
    return checkedText(ReadFileBytesOrCause(path, limit));
}

std::string ReadTextStream(std::istream& in, std::uintmax_t limit) {
    std::string bytes;
    char buffer[65536];
    while (bytes.size() <= limit && in.read(buffer, sizeof buffer).gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (bytes.size() > limit) {
        tooLarge(limit);
    }
    return checkedText(std::move(bytes));
}

std::vector<std::filesystem::path> FolderFilesWithExtension(const std::filesystem::path& folder,
                                                            std::string_view extension) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::u8string name = it->path().extension().u8string();
        if (LowerCaseName(std::string(name.begin(), name.end())) == extension) {
            files.push_back(it->path());
        }
    }
    if (ec) {
        throw Error("папка не читается");
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace trimerka
