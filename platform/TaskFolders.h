#pragma once

#include <QString>

namespace trimerka {

// Where the example tasks lie for a program in the given folder: beside the program when it holds task files
// (the build tree), otherwise ../share/trimerka/examples as installed; the program's folder when neither
// exists. The open dialogs start there.
QString examplesFolderFor(const QString& programFolder);

// Whether the user may make files in the folder, as the system's own check answers it: permissions, access
// lists and read-only mounts all count, and nothing is written to find out.
bool folderCanBeWritten(const QString& folder);

// The folder the save dialog starts in: the examples folder when it can be written, else the user's documents
// folder, else the home folder.
QString saveFolderFor(const QString& examplesFolder, bool examplesWritable, const QString& documentsFolder,
                      const QString& homeFolder);

} // namespace trimerka
