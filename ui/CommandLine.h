#pragma once

#include <optional>
#include <ostream>

#include <QString>
#include <QStringList>

namespace trimerka {

// What the command line `trimerka [FILE]` asks of the program.
struct CommandLine {
    // The task to open once the main window is on screen, as an absolute path; empty for none.
    QString taskFile;
    // Set when the program ends at once: 0 after the help or the version, 2 after a call it cannot follow.
    std::optional<int> exitCode;
};

// Reads the arguments, the program's name first. The help and the version go to `out`; an unknown option or a
// second file is reported with the usage on `err`.
// The arguments as the program received them, before an application object exists.
QStringList rawArguments(int argc, const char* const* argv);

CommandLine readCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace trimerka
