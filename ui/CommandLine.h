#pragma once

#include <optional>
#include <string>

#include <QString>
#include <QStringList>

namespace trimerka {

// What the command line `trimerka [FILE]` asks of the program.
struct CommandLine {
    // The task to open once the main window is on screen, as an absolute path; empty for none.
    QString taskFile;
    // Set when the program ends at once: 0 after the help or the version, 2 after a call it cannot follow.
    std::optional<int> exitCode;
    // What the program says before it ends: the help or the version for the standard output, the complaint
    // with the usage for the standard error.
    std::string output;
    std::string complaint;
};

// The arguments as the program received them, before an application object exists.
QStringList rawArguments(int argc, const char* const* argv);

// Reads the arguments, the program's name first. The help and the version become the output; an unknown
// option or a second file becomes a complaint with the usage. The program writes them with the C library: a
// C++ stream would set up the C++ locales, which the program needs nowhere else, on every start.
CommandLine readCommandLine(const QStringList& arguments);

} // namespace trimerka
