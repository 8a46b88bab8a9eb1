// Feeds arbitrary file bytes to the task file reader, the statement rebuild and the save, and checks what
// must hold for every file: readers agree, values stay within their bounds, a save keeps other sections and
// reads back as written, any value read is written so that it reads back unchanged, and a saved file reads
// back to the same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/Error.h"
#include "core/Profile.h"
#include "core/TaskFile.h"
#include "core/TextCodec.h"
#include "core/Utf8.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

const char* const kKeys[] = {"ksz", "zs0", "zs1", "ns", "krres", "sac1", "saef", "sasl", "saem", "sver"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trimerka;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string text = codec::decodeFileText(bytes);
    check(codec::isValidUtf8(text));
    const Profile profile = Profile::fromText(text);

    const TaskFileValues values(profile);
    for (const char* key : kKeys) {
        const std::string value = profile.read(kTaskSection, key);
        check(value == ReadProfileString(text, kTaskSection, key));
        check(value == values.value(key));
        check(utf8::length(value) <= kProfileValueMaxChars);
        // Whatever a reader gets, the writer writes so that it reads back unchanged; a carriage return inside
        // a line is the one exception, written as a blank like every line break.
        if (value.find('\r') == std::string::npos) {
            Profile rewritten;
            rewritten.write(kTaskSection, key, value);
            check(Profile::fromText(rewritten.text()).read(kTaskSection, key) == value);
        }
        try {
            (void)TextToInt(value);
        } catch (const Error&) {
        }
        try {
            (void)TextToColor(value);
        } catch (const Error&) {
        }
    }

    try {
        const std::string statement = values.statement();
        check(statement.size() <= kMaxStatementLines * (1 + 4 * kProfileValueMaxChars));
    } catch (const Error&) {
    }

    const std::string notes = profile.read("notes", "author");
    const std::string saved = ComposeTaskFileText(text, TaskDefinition{});
    const Profile reread = Profile::fromText(saved);
    check(reread.text() == saved);
    check(reread.read("notes", "author") == notes);
    for (const auto& [key, value] : TaskKeyValues(TaskDefinition{})) {
        check(reread.read(kTaskSection, key) == value);
    }

    Profile edited = profile;
    edited.write(kTaskSection, "ksz", "12");
    check(Profile::fromText(edited.text()).read(kTaskSection, "ksz") == "12");
    edited.eraseSection(kTaskSection);
    check(edited.read(kTaskSection, "ksz").empty());
    check(edited.read("notes", "author") == notes);
    return 0;
}
