#include "platform/ErrorReport.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace trimerka {

QString errorReportTitle(const QString& programFileName) {
    QString name = programFileName;
    const int stop = name.indexOf(QLatin1Char('.'));
    if (stop >= 0) {
        name.truncate(stop);
    }
    if (name.size() > 1) {
        name = name.left(1) + name.mid(1).toLower();
    }
    return name;
}

QString errorReportMessage(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > QLatin1Char('.').unicode()) {
        return message + QLatin1Char('.');
    }
    return message;
}

void reportError(Platform& platform, QWidget* parent, const QString& message) {
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    platform.showError(parent, errorReportTitle(program), errorReportMessage(message));
}

} // namespace trimerka
