#include "platform/TaskFolders.h"

#include <QDir>
#include <QFileInfo>

namespace trimerka {

QString examplesFolderFor(const QString& programFolder) {
    const QDir program(programFolder);
    if (!program.entryList({QStringLiteral("*.tmk")}, QDir::Files).isEmpty()) {
        return program.path();
    }
    const QString installed = QDir::cleanPath(program.filePath(QStringLiteral("../share/trimerka/examples")));
    return QFileInfo(installed).isDir() ? installed : program.path();
}

bool folderCanBeWritten(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString saveFolderFor(const QString& examplesFolder, bool examplesWritable, const QString& documentsFolder,
                      const QString& homeFolder) {
    if (examplesWritable) {
        return examplesFolder;
    }
    if (!documentsFolder.isEmpty() && QFileInfo(documentsFolder).isDir()) {
        return documentsFolder;
    }
    return homeFolder;
}

} // namespace trimerka
